// SPDX-License-Identifier: GPL-3.0-or-later
// The three bitmap fonts, tiles and the tile hover test, read back from the
// page. Each glyph sheet fills a glyph's source rectangle with a colour that
// encodes the glyph, so a pixel tells which glyph landed there.
#include <gtest/gtest.h>

#include <functional>

#include "display/drawing.h"
#include "harness/harness.h"
#include "platform/colour.h"
#include "platform/page.h"
#include "state/forms.h"
#include "state/game_state.h"

namespace {

constexpr uint16_t kBlue565 = 0x001F;  // the key of every sheet
constexpr uint16_t kBigNormal = 0x0800, kBigLit = 0x1000, kMediumNormal = 0x1800, kMediumLit = 0x2000;
constexpr uint16_t kSmall = 0x2800, kShadow = 0x4000, kFace = 0x4800;

Picture Solid(int w, int h, uint16_t value) {
  Picture p;
  p.width = w;
  p.height = h;
  p.pixels.assign(w * h, value);
  p.transparent = true;
  return p;
}

// A sheet of 24 x 10 glyph cells; glyph g's rectangle holds base + g, the rest
// is blue. With `cornerKey` the rectangle's top-left pixel stays blue, so an
// opaque copy shows it and a keyed one does not.
Picture Sheet(int w, int h, std::function<Rect(int, int)> rectOf, uint16_t base, bool cornerKey = false) {
  Picture p = Solid(w, h, kBlue565);
  for (int g = 0; g < 224; ++g) {
    Rect r = rectOf(g % 24, g / 24);
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, h); ++y)
      for (int x = std::max(r.left, 0); x < std::min(r.right, w); ++x)
        p.pixels[y * w + x] = static_cast<uint16_t>(base + g);
    if (cornerKey && r.left >= 0) p.pixels[r.top * w + r.left] = kBlue565;
  }
  return p;
}

Rect BigRect(int c, int r) { return {26 * c + 2, 34 * r + 6, 26 * c + 26, 34 * r + 39}; }
Rect MediumRect(int c, int r) { return {20 * c - 3, 26 * r + 6, 20 * c + 15, 26 * r + 29}; }
Rect SmallRect(int c, int r) { return {13 * c + 2, 17 * r + 4, 13 * c + 13, 17 * r + 20}; }

uint16_t Glyph(char c) { return static_cast<uint16_t>(static_cast<unsigned char>(c) - 32); }
uint16_t At(int x, int y) { return ThePage().pixel(x, y); }

class BitmapFonts : public ::testing::Test {
 protected:
  Harness h;
  void SetUp() override {
    Form1.DXImageList3[1] = Sheet(624, 340, BigRect, kBigNormal);
    Form1.DXImageList3[0] = Sheet(624, 340, BigRect, kBigLit);
    Form1.DXImageList3[12] = Sheet(480, 260, MediumRect, kMediumNormal);
    Form1.DXImageList3[11] = Sheet(480, 260, MediumRect, kMediumLit);
    Form1.DXImageList4[26] = Sheet(312, 170, SmallRect, kSmall, true);
    Form1.DXImageList3[6] = Solid(10, 10, kShadow);
    Form1.DXImageList3[3] = Solid(30, 30, kFace);
    for (auto& p : Form1.DXImageList3.items) p.transparent = true;
    Form1.DXImageList4[26].transparent = true;
    ClearPage(ThePage(), 0);
    G.boardOriginX = 70;
    G.boardOriginY = 50;
    G.mousePos = {-100, -100};
  }
};

TEST_F(BitmapFonts, BigPlainLettersAdvance18FromTheSourceRectangle) {
  EXPECT_FALSE(DrawTileText(100, 50, kWhite, "Aa", 0));
  // 'A' covers 118 ... 141 x 50 ... 82; 'a' starts 18 further and overlaps it.
  EXPECT_EQ(At(117, 50), 0);
  EXPECT_EQ(At(118, 50), kBigNormal + Glyph('A'));
  EXPECT_EQ(At(135, 82), kBigNormal + Glyph('A'));
  EXPECT_EQ(At(135, 83), 0);
  EXPECT_EQ(At(136, 50), kBigNormal + Glyph('a'));
  EXPECT_EQ(At(159, 82), kBigNormal + Glyph('a'));
  EXPECT_EQ(At(160, 50), 0);

  DrawTileText(100, 200, kHighlight, "A", 0);
  EXPECT_EQ(At(118, 200), kBigLit + Glyph('A'));
  DrawBigGlyph(300, 300, Glyph('Z'), true);
  EXPECT_EQ(At(300, 300), kBigLit + Glyph('Z'));
}

TEST_F(BitmapFonts, TilesCarryShadowFaceAndLetterAt31PixelSteps) {
  DrawTileText(100, 50, kWhite, "AB", 2);
  EXPECT_EQ(At(94, 57), kShadow);
  EXPECT_EQ(At(97, 54), kFace);  // style 2 uses slot 3
  EXPECT_EQ(At(100, 50), kBigNormal + Glyph('A'));
  EXPECT_EQ(At(125, 57), kShadow);
  EXPECT_EQ(At(128, 54), kFace);
  EXPECT_EQ(At(131, 50), kBigNormal + Glyph('B'));
}

TEST_F(BitmapFonts, EveryBigOrMediumCallKeysTheBigSheetsOnBlue) {
  for (int n : {0, 1}) {
    Form1.DXImageList3[n].transparent = false;
    Form1.DXImageList3[n].transparentColour = 0x123456;
  }
  DrawMediumText(0, 0, kWhite, "");
  for (int n : {0, 1}) {
    EXPECT_TRUE(Form1.DXImageList3[n].transparent);
    EXPECT_EQ(Form1.DXImageList3[n].transparentColour, 0xFF0000u);
  }
  Form1.DXImageList3[1].transparentColour = 0x123456;
  DrawTileText(0, 0, kWhite, "", 0);
  EXPECT_EQ(Form1.DXImageList3[1].transparentColour, 0xFF0000u);
}

TEST_F(BitmapFonts, CentredTileTextOfTenLettersStartsAt328) {
  DrawCentredTileText(300, "ABCDEFGHIJ");
  EXPECT_EQ(At(327, 300), 0);
  EXPECT_EQ(At(328, 300), kBigNormal + Glyph('A'));
  EXPECT_EQ(At(328 + 9 * 18, 300), kBigNormal + Glyph('J'));
}

TEST_F(BitmapFonts, MediumLettersAdvance15AndTheFirstColumnIsCutOnTheLeft) {
  DrawMediumText(100, 50, kWhite, "AB");
  EXPECT_EQ(At(114, 50), 0);
  EXPECT_EQ(At(115, 50), kMediumNormal + Glyph('A'));
  EXPECT_EQ(At(129, 72), kMediumNormal + Glyph('A'));
  EXPECT_EQ(At(129, 73), 0);
  EXPECT_EQ(At(130, 50), kMediumNormal + Glyph('B'));
  EXPECT_EQ(At(147, 72), kMediumNormal + Glyph('B'));
  EXPECT_EQ(At(148, 50), 0);
  // '8' sits in column 0, whose rectangle starts 3 pixels left of the sheet.
  DrawMediumText(100, 200, kHighlight, "8");
  EXPECT_EQ(At(117, 200), 0);
  EXPECT_EQ(At(118, 200), kMediumLit + Glyph('8'));
  EXPECT_EQ(At(132, 200), kMediumLit + Glyph('8'));
  EXPECT_EQ(At(133, 200), 0);

  DrawCentredMediumText(400, "ABCDEFGHIJ");  // 400 - 5 * 16 = 320
  EXPECT_EQ(At(334, 400), 0);
  EXPECT_EQ(At(335, 400), kMediumNormal + Glyph('A'));
}

TEST_F(BitmapFonts, SmallLettersAdvance10KeyedInWhiteOpaqueWhenLit) {
  DrawSmallText(100, 50, kWhite, "AB");
  EXPECT_EQ(At(110, 50), 0);  // the keyed corner lets the page show
  EXPECT_EQ(At(111, 50), kSmall + Glyph('A'));
  EXPECT_EQ(At(119, 65), kSmall + Glyph('A'));
  EXPECT_EQ(At(119, 66), 0);
  EXPECT_EQ(At(120, 50), kSmall + Glyph('A'));  // under B's keyed corner
  EXPECT_EQ(At(120, 51), kSmall + Glyph('B'));
  EXPECT_EQ(At(130, 65), kSmall + Glyph('B'));
  EXPECT_EQ(At(131, 50), 0);

  DrawSmallText(100, 100, kHighlight, "AB");
  EXPECT_EQ(At(110, 100), kBlue565);  // the glyph cell shows as a box
  EXPECT_EQ(At(120, 100), kBlue565);
}

TEST_F(BitmapFonts, FailedJourneyMarkerReadsAsCommentary34) {
  G.commentaryText[33] = std::string("Perdu");
  DrawSmallText(100, 50, kWhite, "AAAVOYAGE");
  EXPECT_EQ(At(111, 50), kSmall + Glyph('P'));
  EXPECT_EQ(At(151, 51), kSmall + Glyph('u'));
  EXPECT_EQ(At(161, 51), 0);  // five letters, not nine

  DrawSmallText(100, 100, kWhite, "aaavoyage");
  EXPECT_EQ(At(111, 100), kSmall + Glyph('a'));
  EXPECT_EQ(At(191, 101), kSmall + Glyph('e'));
}

TEST_F(BitmapFonts, TileWordIsHoveredOnlyStrictlyInsideItsBox) {
  for (auto& p : G.boardPickable) p = 1;
  // "ABC" at (100, 50): 97 < px < 188 and 53 < py < 81.
  struct Case {
    int x, y;
    bool hovered;
  } cases[] = {{97, 60, false}, {98, 60, true}, {187, 60, true}, {188, 60, false},
               {120, 53, false}, {120, 54, true}, {120, 80, true}, {120, 81, false}};
  for (const Case& c : cases) {
    G.mousePos = {c.x, c.y};
    G.cursorShape = 0;
    EXPECT_EQ(DrawTileText(100, 50, kWhite, "ABC", 1), c.hovered) << c.x << "," << c.y;
    EXPECT_EQ(G.cursorShape, c.hovered ? -21 : 0) << c.x << "," << c.y;
  }
}

TEST_F(BitmapFonts, HoveredTileWordLightsOnlyOverAPickableCellWithNoLettersHeld) {
  G.mousePos = {120, 60};  // cell (1, 0)
  G.boardPickable[CellIndex(1, 0)] = 1;
  EXPECT_TRUE(DrawTileText(100, 50, kWhite, "AB", 1));
  EXPECT_EQ(At(100, 50), kBigLit + Glyph('A'));
  EXPECT_EQ(At(131, 50), kBigLit + Glyph('B'));

  G.cursorShape = 0;
  G.lettersHeld = 1;
  EXPECT_TRUE(DrawTileText(100, 50, kWhite, "AB", 1));
  EXPECT_EQ(At(100, 50), kBigNormal + Glyph('A'));
  EXPECT_EQ(G.cursorShape, 0);
  // The eraser games ask for the hand even while letters are held.
  G.currentVariant = 44;
  DrawTileText(100, 50, kWhite, "AB", 1);
  EXPECT_EQ(G.cursorShape, -21);

  G.lettersHeld = 0;
  G.currentVariant = 1;
  G.cursorShape = 0;
  DrawTileText(100, 50, kWhite, " ", 1);  // a bare square never lights
  EXPECT_EQ(G.cursorShape, 0);
  G.boardPickable[CellIndex(1, 0)] = 0;
  EXPECT_TRUE(DrawTileText(100, 50, kWhite, "AB", 1));
  EXPECT_EQ(At(100, 50), kBigNormal + Glyph('A'));
  EXPECT_EQ(G.cursorShape, 0);
}

TEST_F(BitmapFonts, BoardDrawsLettersTilesAndBareBlackSquaresOnly) {
  Form1.DXImageList3[4] = Solid(30, 30, 0x5000);  // black square
  for (int x = 0; x <= 20; ++x)
    for (int y = 0; y <= 20; ++y) G.boardLetters[CellIndex(x, y)] = '*';
  for (auto& c : G.boardCellColour) c = kWhite;
  for (auto& s : G.boardCellState) s = 1;
  G.boardLetters[CellIndex(0, 0)] = 'B';  // row 0 has no state: a plain letter
  G.boardLetters[CellIndex(1, 1)] = 'A';
  SetCellState(1, 1, 2);
  SetCellState(2, 1, 3);
  G.boardLetters[CellIndex(1, 2)] = 'C';
  G.boardCellColour[CellIndex(1, 2)] = kHighlight;
  DrawBoard();
  EXPECT_EQ(At(88, 50), kBigNormal + Glyph('B'));
  EXPECT_EQ(At(101, 81), kBigNormal + Glyph('A'));
  EXPECT_EQ(At(98, 85), kFace);
  EXPECT_EQ(At(129, 85), 0x5000);  // (2, 1): '*' with style 3
  EXPECT_EQ(At(132, 81), kBigNormal + Glyph(' '));
  EXPECT_EQ(At(160, 85), 0);       // (3, 1): '*' with style 1 draws nothing
  EXPECT_EQ(At(101, 112), kBigLit + Glyph('C'));
}

}  // namespace
