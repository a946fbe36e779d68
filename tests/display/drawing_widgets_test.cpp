// SPDX-License-Identifier: GPL-3.0-or-later
// List boxes, buttons, check boxes and the pictures drawn at fixed places,
// read back from the page. The small font's sheet encodes each glyph in the
// colour of its cell, with the cell's top-left pixel left blue: a keyed
// (white) line hides that pixel, a lit (opaque) one shows it.
#include <gtest/gtest.h>

#include "display/drawing.h"
#include "harness/harness.h"
#include "platform/colour.h"
#include "platform/page.h"
#include "state/forms.h"
#include "state/game_state.h"

namespace {

constexpr uint16_t kBlue565 = 0x001F;
constexpr uint16_t kSmall = 0x2800, kBullet = 0x4000, kThumb = 0x4800;

Picture Solid(int w, int h, uint16_t value) {
  Picture p;
  p.width = w;
  p.height = h;
  p.pixels.assign(w * h, value);
  p.transparent = true;
  return p;
}

Picture SmallSheet() {
  Picture p = Solid(312, 175, kBlue565);  // the last row of cells ends at 173
  for (int g = 0; g < 224; ++g) {
    const int c = g % 24, r = g / 24;
    for (int y = 17 * r + 4; y < 17 * r + 20; ++y)
      for (int x = 13 * c + 2; x < 13 * c + 13; ++x) p.pixels[y * 312 + x] = static_cast<uint16_t>(kSmall + g);
    p.pixels[(17 * r + 4) * 312 + 13 * c + 2] = kBlue565;
  }
  return p;
}

uint16_t At(int x, int y) { return ThePage().pixel(x, y); }
uint16_t SmallGlyph(char c) { return static_cast<uint16_t>(kSmall + static_cast<unsigned char>(c) - 32); }

class Widgets : public ::testing::Test {
 protected:
  Harness h;
  void SetUp() override {
    Form1.DXImageList4[26] = SmallSheet();
    Form1.DXImageList4[60] = Solid(6, 6, kBullet);
    Form1.DXImageList4[61] = Solid(4, 4, kThumb);
    ClearPage(ThePage(), 0);
    G.mousePos = {-100, -100};
    G.currentScreen = 3;
  }
  // Line i of a list at (100, 100): its first glyph's top-left pixel and the
  // pixel beside it.
  static bool LineLit(int i) { return At(110, 100 + 20 * i) == kBlue565; }
  static uint16_t LineGlyph(int i) { return At(111, 100 + 20 * i); }
  ListBox& List(int k, int lines, int count) {
    ListBox& list = G.listBoxes[k];
    list = ListBox{};
    list.x = 100;
    list.y = 100;
    list.visibleLines = lines;
    list.widthPx = 150;
    list.itemCount = count;
    list.selected = -1;
    for (int i = 1; i <= count; ++i) list.items[i] = std::string(1, static_cast<char>('A' + i - 1));
    return list;
  }
};

TEST_F(Widgets, ScrolledListShowsItemTopPlusIWithBulletsAndCutsLinesToWidth) {
  ListBox& list = List(4, 3, 5);
  list.top = 2;
  list.items[3] = "CDEFGHIJKLMNOPQRSTUV";
  DrawListBox(4);
  EXPECT_EQ(LineGlyph(1), SmallGlyph('C'));
  EXPECT_EQ(LineGlyph(2), SmallGlyph('D'));
  EXPECT_EQ(LineGlyph(3), SmallGlyph('E'));
  EXPECT_EQ(At(111, 180), 0);  // no fourth line
  EXPECT_EQ(At(90, 120), kBullet);
  EXPECT_EQ(At(90, 160), kBullet);
  // 150 div 11 = 13 characters.
  EXPECT_EQ(At(100 + 10 * 13 + 1, 121), SmallGlyph('O'));
  EXPECT_EQ(At(100 + 10 * 14 + 1, 121), 0);
}

TEST_F(Widgets, ThumbFollowsTheScrollWithHalvesRoundedToEven) {
  // Five items in three lines, two scrolled off: 100 + 5 * 20 * 60 / 100 + 6.
  ListBox& list = List(4, 3, 5);
  list.top = 2;
  DrawListBox(4);
  EXPECT_EQ(At(90, 166), kThumb);
  EXPECT_EQ(At(90, 165), kBullet);  // the third bullet, just above
  // One line of forty items: y + (top + 1) * 20 / 40.
  ClearPage(ThePage(), 0);
  ListBox& one = List(4, 1, 40);
  one.top = 4;  // 102.5 goes to 102
  DrawListBox(4);
  EXPECT_EQ(At(90, 102), kThumb);
  EXPECT_EQ(At(90, 101), 0);
  ClearPage(ThePage(), 0);
  one.top = 2;  // 101.5 goes to 102
  DrawListBox(4);
  EXPECT_EQ(At(90, 102), kThumb);
  EXPECT_EQ(At(90, 101), 0);
  // Empty lists sit as if they held one item: 100 + 60 with three lines.
  ClearPage(ThePage(), 0);
  List(4, 3, 0);
  DrawListBox(4);
  EXPECT_EQ(At(90, 160), kThumb);
  ClearPage(ThePage(), 0);
  List(4, 3, 0).itemCount = -2;  // removals can run the count below zero
  DrawListBox(4);
  EXPECT_EQ(At(90, 160), kThumb);
}

TEST_F(Widgets, HoveredAndSelectedLinesAreLitExceptInSearchResultsAndHelp) {
  for (int k : {4, 3, 6}) {
    ClearPage(ThePage(), 0);
    ListBox& list = List(k, 4, 5);
    list.top = 1;
    list.selected = 3;         // shown on line 2
    G.mousePos = {150, 185};   // line 4
    G.cursorShape = 0;
    DrawListBox(k);
    const bool litList = k != 3 && k != 6;
    EXPECT_FALSE(LineLit(1)) << k;
    EXPECT_EQ(LineLit(2), litList) << k;
    EXPECT_FALSE(LineLit(3)) << k;
    EXPECT_EQ(LineLit(4), litList) << k;
    EXPECT_EQ(G.cursorShape, -21) << k;  // the line is still under the pointer
  }
  // A selected single space is not lit.
  ClearPage(ThePage(), 0);
  ListBox& list = List(4, 2, 2);
  list.items[1] = " ";
  list.selected = 1;
  G.mousePos = {-100, -100};
  DrawListBox(4);
  EXPECT_NE(At(110, 120), kBlue565);
}

TEST_F(Widgets, LineUnderThePointerIsStrictAndNeedsTheLinesOwnItem) {
  ListBox& list = List(4, 3, 3);
  // Line 2 spans 100 < px < 250 and 142 < py < 156.
  EXPECT_EQ(ListBoxLineAt({101, 143}, list), 2);
  EXPECT_EQ(ListBoxLineAt({249, 155}, list), 2);
  EXPECT_EQ(ListBoxLineAt({100, 150}, list), 0);
  EXPECT_EQ(ListBoxLineAt({250, 150}, list), 0);
  EXPECT_EQ(ListBoxLineAt({150, 142}, list), 0);
  EXPECT_EQ(ListBoxLineAt({150, 156}, list), 0);
  list.items[2].clear();
  list.top = 1;  // line 2 shows item 3, but item 2 decides
  EXPECT_EQ(ListBoxLineAt({150, 150}, list), 0);
  G.currentScreen = 8;
  EXPECT_EQ(ListBoxLineAt({150, 130}, list), 0);
}

TEST_F(Widgets, ListNumberTenIsLoggedAndDrawsNothing) {
  DrawListBox(10);
  EXPECT_TRUE(h.LogHas("ListBox perso hors limite"));
  DrawListBox(-1);
  for (uint16_t p : ThePage().pixels) ASSERT_EQ(p, 0);
}

TEST_F(Widgets, ButtonsDrawTheirLitImageAndCheckBoxesTheirState) {
  Form1.DXImageList4[9] = Solid(48, 48, 0x0900);
  Form1.DXImageList4[10] = Solid(48, 48, 0x1000);
  DrawImageButton({100, 100}, 9, false);
  EXPECT_EQ(At(100, 100), 0x0900);
  DrawImageButton({100, 100}, 9, true);
  EXPECT_EQ(At(147, 147), 0x1000);
  EXPECT_TRUE(ImageButtonHit({100, 100}, {147, 147}));
  EXPECT_FALSE(ImageButtonHit({100, 100}, {100, 120}));
  EXPECT_FALSE(ImageButtonHit({100, 100}, {120, 148}));

  Form1.DXImageList4[45] = Solid(10, 10, 0x4500);
  Form1.DXImageList4[46] = Solid(10, 10, 0x4600);
  G.checkBoxes[2] = {200, 300, 1};
  DrawCheckBox(2, "Musique");
  EXPECT_EQ(At(200, 300), 0x4600);
  EXPECT_EQ(At(200 + 12 + 11, 300 + 4 + 1), SmallGlyph('M'));
  G.checkBoxes[2].checked = 0;
  DrawCheckBox(2, "");
  EXPECT_EQ(At(200, 300), 0x4500);
  EXPECT_FALSE(CheckBoxHit({200, 310}, {200, 300}));
  EXPECT_TRUE(CheckBoxHit({201, 319}, {200, 300}));
  EXPECT_FALSE(CheckBoxHit({210, 320}, {200, 300}));
}

TEST_F(Widgets, PicturesAtTheirPlaces) {
  Form1.DXImageList2[0] = Solid(800, 600, 0x0100);
  Form1.DXImageList2[0].transparent = false;
  DrawBackground();
  EXPECT_EQ(At(799, 599), 0x0100);
  Form1.DXImageList2[2] = Solid(5, 5, 0x0200);
  DrawWindowFrame(100, 50);
  EXPECT_EQ(At(70, 50), 0x0200);
  EXPECT_EQ(At(69, 50), 0x0100);
  Form1.DXImageList4[59] = Solid(5, 5, 0x0300);
  DrawPanel();
  EXPECT_EQ(At(240, 200), 0x0300);
  Form1.DXImageList4[42] = Solid(5, 5, 0x0400);
  DrawPawn({300, 310});
  EXPECT_EQ(At(300, 310), 0x0400);
  Form1.DXImageList3[4] = Solid(5, 5, 0x0500);
  DrawEraser(400, 10);
  EXPECT_EQ(At(400, 10), 0x0500);
  for (int n = 0; n <= 11; ++n) Form1.DXImageList3[n] = Solid(5, 5, static_cast<uint16_t>(0x1000 + n));
  DrawSlotMarker(500, 10, 0);
  DrawSlotMarker(500, 10, 11);
  EXPECT_EQ(At(500, 10), 0x0100);
  DrawSlotMarker(500, 10, 10);
  EXPECT_EQ(At(500, 10), 0x100A);
  DrawTwoStateMarker(600, 10, 1);
  EXPECT_EQ(At(600, 10), 0x1008);
  DrawTwoStateMarker(600, 10, 2);
  EXPECT_EQ(At(600, 10), 0x1007);
  Form2.DXImageList2[53] = Solid(5, 5, 0x5300);
  DrawCard(700, 10, 53);
  EXPECT_EQ(At(700, 10), 0x5300);
  DrawCard(700, 20, -1);
  EXPECT_TRUE(h.LogHas("DEMANDE AFFICHAGE CARTE: -1 HORS LIMITE"));
}

TEST_F(Widgets, HeadIsStretchedToEightNinthsOfItsHeightWithNoKey) {
  Picture head = Solid(9, 9, kBlue565);  // all blue: keyed, nothing would show
  head.transparentColour = 0xFF0000;
  Form1.DXImageList2[1] = head;
  DrawHead({10, 20}, 45);  // 40 wide
  EXPECT_EQ(Form1.DXImageList2[1].transparentColour, kNoColour);
  EXPECT_EQ(At(10, 20), kBlue565);
  EXPECT_EQ(At(49, 64), kBlue565);
  EXPECT_EQ(At(50, 20), 0);
  EXPECT_EQ(At(10, 65), 0);
}

TEST_F(Widgets, CodeAndSumNumbersAreFiguresOnAWhiteBoxAtTheCellsCorner) {
  auto count = [](int x0, int y0, int w, int hgt, uint16_t colour) {
    int n = 0;
    for (int y = y0; y < y0 + hgt; ++y)
      for (int x = x0; x < x0 + w; ++x) n += At(x, y) == colour;
    return n;
  };
  const uint16_t white = ToRgb565(0xFFFFFF), blue = ToRgb565(0xC80000), red = ToRgb565(0x0000C8);
  G.boardOriginX = 70;
  G.boardOriginY = 50;
  for (auto& l : G.boardLetters) l = '*';
  for (auto& s : G.boardCellState) s = 1;
  G.boardLetters[CellIndex(2, 3)] = 'A';
  SetCellState(2, 3, 4);
  G.answerGridA[CellIndex(2, 3)] = 17;
  G.boardLetters[CellIndex(5, 5)] = 'B';  // a letter on a tile of another style
  G.answerGridA[CellIndex(5, 5)] = 9;
  DrawCodeNumbers();
  // "17": two digits on a 15 x 12 box at the tile's upper left, inside the tile.
  const int boxX = 70 + 62 - 2, boxY = 50 + 93 + 5;
  EXPECT_EQ(count(boxX, boxY, 15, 12, white) + count(boxX, boxY, 15, 12, blue), 15 * 12);
  EXPECT_GT(count(boxX, boxY, 15, 12, blue), 30);
  EXPECT_EQ(count(70 + 155 - 2, 50 + 155 + 5, 15, 12, white), 0);  // not an open cell

  ClearPage(ThePage(), 0);
  for (auto& a : G.answerGridA) a = 0;
  G.answerGridA[CellIndex(7, 1)] = 42;
  DrawSumNumbers();
  const int sumX = 70 + 217 - 2, sumY = 50 + 31 + 5;
  EXPECT_GT(count(sumX, sumY, 15, 12, red), 30);
  EXPECT_EQ(count(sumX, sumY, 15, 12, white) + count(sumX, sumY, 15, 12, red), 15 * 12);
  int total = 0;
  for (uint16_t p : ThePage().pixels) total += p != 0;
  EXPECT_EQ(total, 15 * 12);  // nothing outside the box
}

}  // namespace
