// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "display/drawing.h"
#include "harness/harness.h"
#include "platform/clock.h"
#include "platform/colour.h"
#include "platform/page.h"
#include "state/forms.h"
#include "state/game_state.h"
#include "display/resets.h"

namespace {

// A glyph sheet whose every pixel tells which glyph cell it belongs to: the
// colour encodes the glyph index (+1), key blue outside every cell.
Picture GlyphSheet(int cellWidth, int cellHeight, int left, int top, int right, int bottom) {
  Picture sheet;
  sheet.width = cellWidth * 24;
  sheet.height = cellHeight * 10;
  sheet.pixels.assign(sheet.width * sheet.height, ToRgb565(0xFF0000));
  sheet.transparent = true;
  sheet.transparentColour = 0xFF0000;
  for (int g = 0; g < 224; ++g) {
    const int c = g % 24, r = g / 24;
    for (int y = cellHeight * r + top; y < cellHeight * r + bottom; ++y)
      for (int x = cellWidth * c + left; x < cellWidth * c + right; ++x)
        if (x >= 0 && x < sheet.width && y >= 0 && y < sheet.height) sheet.pixels[y * sheet.width + x] = g + 1;
  }
  return sheet;
}

Picture Solid(int w, int h, uint16_t colour) {
  Picture p;
  p.width = w;
  p.height = h;
  p.pixels.assign(w * h, colour);
  return p;
}

int GlyphAt(int x, int y) { return ThePage().pixel(x, y) - 1; }

struct Drawing : Harness {
  Drawing() {
    ResetBoard();
    Form1.DXImageList3[1] = GlyphSheet(26, 34, 2, 6, 26, 39);
    Form1.DXImageList3[0] = GlyphSheet(26, 34, 2, 6, 26, 39);
    for (auto& p : Form1.DXImageList3[0].pixels)
      if (p != ToRgb565(0xFF0000)) p |= 0x8000;  // the highlight sheet
    Form1.DXImageList3[12] = GlyphSheet(20, 26, -3, 6, 15, 29);
    Form1.DXImageList4[26] = GlyphSheet(13, 17, 2, 4, 13, 20);
    ClearPage(ThePage(), 0);
  }
};

}  // namespace

TEST(Fonts, EachFontCopiesItsGlyphRectangleAtItsAdvance) {
  Drawing d;
  DrawTileText(100, 100, kWhite, "AB", 0);
  EXPECT_EQ(GlyphAt(118, 100), 'A' - 32);
  EXPECT_EQ(GlyphAt(118 + 17, 100 + 32), 'A' - 32);  // the next letter overlaps from 136
  EXPECT_EQ(GlyphAt(136, 100), 'B' - 32);
  DrawMediumText(100, 200, kWhite, "AB");
  EXPECT_EQ(GlyphAt(115, 200), 'A' - 32);
  EXPECT_EQ(GlyphAt(130 + 17, 200 + 22), 'B' - 32);
  DrawSmallText(100, 300, kWhite, "AB");
  EXPECT_EQ(GlyphAt(110, 300), 'A' - 32);
  EXPECT_EQ(GlyphAt(120 + 10, 300 + 15), 'B' - 32);
  EXPECT_EQ(ThePage().pixel(121 + 10, 300), 0);  // the rectangle ends there
}

TEST(Fonts, TheHighlightUsesTheOtherSheetAndCentringCountsHalfTheLength) {
  Drawing d;
  DrawTileText(100, 100, kHighlight, "A", 0);
  EXPECT_EQ(ThePage().pixel(118, 100), ('A' - 32 + 1) | 0x8000);
  ClearPage(ThePage(), 0);
  DrawCentredTileText(50, "ABCDEFGHIJ");
  EXPECT_EQ(GlyphAt(328, 50), 'A' - 32);
  EXPECT_EQ(ThePage().pixel(327, 50), 0);
}

TEST(Fonts, TheJourneyMarkerWordShowsItsCaption) {
  Drawing d;
  G.commentaryText[33] = "Z";
  DrawSmallText(0, 0, kWhite, "AAAVOYAGE");
  EXPECT_EQ(GlyphAt(10, 0), 'Z' - 32);
  EXPECT_EQ(ThePage().pixel(21, 0), 0);
  DrawSmallText(0, 100, kWhite, "aaavoyage");
  EXPECT_EQ(GlyphAt(10, 100), 'a' - 32);
}

TEST(Tiles, AWordIsHoveredOnlyStrictlyInsideItsBox) {
  Drawing d;
  G.boardPickable[CellIndex(3, 3)] = 1;
  const Point cell = PointOfCell({3, 3});
  G.mousePos = {cell.x + 5, cell.y + 10};
  EXPECT_TRUE(DrawTileText(cell.x, cell.y, kWhite, "A", 2));
  EXPECT_EQ(G.cursorShape, -21);
  G.mousePos = {cell.x - 3, cell.y + 10};
  EXPECT_FALSE(DrawTileText(cell.x, cell.y, kWhite, "A", 2));
  G.mousePos = {cell.x + 5, cell.y + 31};
  EXPECT_FALSE(DrawTileText(cell.x, cell.y, kWhite, "A", 2));
}

TEST(ListBoxes, TheThumbAndTheLineUnderThePointer) {
  Drawing d;
  Form1.DXImageList4[61] = Solid(4, 4, 0x07E0);
  ListBox& list = G.listBoxes[5];
  list = ListBox{};
  list.x = 100;
  list.y = 100;
  list.visibleLines = 5;
  list.widthPx = 200;
  list.itemCount = 0;
  DrawListBox(5);
  // An empty list's thumb sits as if it held one item: y + 20 * 5 * 20 / 20.
  EXPECT_EQ(ThePage().pixel(90, 200), 0x07E0);
  list.items[2] = "deux";
  G.currentScreen = 4;
  EXPECT_EQ(ListBoxLineAt({150, 100 + 40 + 5}, list), 2);
  EXPECT_EQ(ListBoxLineAt({150, 100 + 20 + 5}, list), 0);  // line 1 is empty
  list.top = 1;  // the line's own item decides, not the one shown there
  EXPECT_EQ(ListBoxLineAt({150, 100 + 40 + 5}, list), 2);
  for (int screen : {5, 8, 9}) {
    G.currentScreen = screen;
    EXPECT_EQ(ListBoxLineAt({150, 100 + 40 + 5}, list), 0);
  }
}

TEST(ListBoxes, SearchResultsAndHelpLinesAreNeverHighlighted) {
  Drawing d;
  for (int k : {3, 6, 5}) {
    ClearPage(ThePage(), 0);
    ListBox& list = G.listBoxes[k];
    list = ListBox{};
    list.x = 100;
    list.y = 100;
    list.visibleLines = 3;
    list.widthPx = 200;
    list.items[1] = "A";
    list.itemCount = 1;
    list.selected = 1;
    DrawListBox(k);
    const bool lit = (ThePage().pixel(110, 120) & 0x8000) == 0 ? false : true;
    // The small font's highlight draws the sheet opaque: the cell shows.
    const bool opaque = ThePage().pixel(110 + 10, 120) != 0 || ThePage().pixel(111, 137) != 0;
    if (k == 5) EXPECT_TRUE(opaque || lit) << k;
    else EXPECT_EQ(GlyphAt(110, 120), 'A' - 32) << k;
  }
}

TEST(Buttons, ImageButtonsAndCheckBoxesHitStrictlyInside) {
  Drawing d;
  G.hoverHot = 0;
  EXPECT_TRUE(ImageButtonHit({100, 100}, {101, 147}));
  EXPECT_EQ(G.hoverHot, 1);
  EXPECT_FALSE(ImageButtonHit({100, 100}, {148, 120}));
  G.lettersHeld = 1;
  EXPECT_FALSE(ImageButtonHit({100, 100}, {120, 120}));
  EXPECT_TRUE(CheckBoxHit({119, 101}, {100, 100}));
  EXPECT_FALSE(CheckBoxHit({120, 101}, {100, 100}));
  DrawImageButton({0, 0}, 64, false);
  EXPECT_TRUE(d.LogHas("Demande Affichage Boutton hors limite"));
  DrawCard(0, 0, 54);
  EXPECT_TRUE(d.LogHas("DEMANDE AFFICHAGE CARTE: 54 HORS LIMITE"));
}

TEST(TimedMessage, SeenAfterAQuarterSecondGoneAfterOneAndAHalf) {
  Drawing d;
  G.statusTip = "tip";
  ShowTimedMessage(2, 520, "Bonjour");
  EXPECT_EQ(G.messageX, 42);
  AdvanceFakeClock(251);
  DrawTimedMessage(1);
  EXPECT_TRUE(G.messageSeen);
  EXPECT_EQ(G.messageShowing, 1);
  AdvanceFakeClock(1250);
  DrawTimedMessage(1);
  EXPECT_EQ(G.messageShowing, 0);
  EXPECT_TRUE(G.statusTip.empty());
}

TEST(Flight, ALetterLandsExactlyOnItsShiftedTargetEvenWhenTicksAreLate) {
  Drawing d;
  StartFlight({300, 300}, {100, 100}, 1, "A");
  EXPECT_EQ(G.letterFlying, 1);
  EXPECT_EQ(G.flight.fromX, 270);
  EXPECT_EQ(G.flight.toY, 96);
  AdvanceFakeClock(250);
  EXPECT_EQ(FlightPosition(G.flight), (Point{(270 + 87) / 2 + 1, (283 + 96) / 2 + 1}));
  AdvanceFakeClock(900);
  EXPECT_EQ(FlightPosition(G.flight), (Point{87, 96}));
  G.travelMapShowing = 1;
  StartFlight({0, 0}, {100, 0}, 90, "");
  EXPECT_EQ(G.flight.duration, 2000);
}

TEST(Banner, BouncesAtItsEdges) {
  Drawing d;
  G.bannerX = 649;
  G.bannerDX = 1;
  G.bannerY = 300;
  G.bannerDY = 1;
  DrawBannerFast();
  EXPECT_EQ(G.bannerX, 651);
  EXPECT_EQ(G.bannerDX, -1);
  EXPECT_EQ(G.bannerY, 302);
  DrawBannerSlow();
  EXPECT_EQ(G.bannerX, 649);
  EXPECT_EQ(G.bannerY, 303);
}

TEST(Board, CellsAndPointsConvertBothWays) {
  Drawing d;
  EXPECT_EQ(CellAtPoint({70 + 31 * 4 + 30, 50 + 31 * 2}), (Point{4, 2}));
  EXPECT_EQ(PointOfCell({4, 2}), (Point{194, 112}));
  EXPECT_EQ(CellAtPoint({60, 40}), (Point{0, 0}));  // truncated toward zero
}
