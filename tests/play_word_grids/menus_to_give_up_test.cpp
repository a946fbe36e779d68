// SPDX-License-Identifier: GPL-3.0-or-later
// The letter-sum, erased-letter, nine-letter and crossing-word games tried as
// a new player would: the family clicked on the game list, the variant on its
// menu, the board built, the game given up with Escape, its solution shown,
// and the game list back ten seconds later. Each page is also written as a
// PNG under the build folder (preview/frames/) for review.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "display/drawing.h"
#include "harness/harness.h"
#include "harness/preview_frame.h"
#include "platform/colour.h"
#include "platform/keys.h"
#include "platform/page.h"
#include "state/game_state.h"

namespace {

char LetterAt(int x, int y) { return static_cast<char>(G.boardLetters[CellIndex(x, y)]); }

std::string RowAt(int x, int y, int length) {
  std::string text;
  for (int i = 0; i < length; ++i) text += LetterAt(x + i, y);
  return text;
}

// Points a player aims at: well inside family f's line on the game list, and
// inside line i of the variant menu for a name of that length.
Point FamilyPoint(int f) {
  const int x = f <= 15 ? 55 : 420;
  const int y = f <= 15 ? 53 + 20 * f : 20 * f - 247;
  return {x + 10, y + 12};
}
Point MenuLinePoint(int i, int length) { return {400 - (length / 2) * 14 + 10, 81 + 20 * i + 12}; }

std::vector<uint16_t> Pixels(const Harness& h, int x0, int y0, int x1, int y1) {
  std::vector<uint16_t> pixels;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) pixels.push_back(h.Pixel565(x, y));
  return pixels;
}

int GridSide(int variant) {
  static const int sides[] = {12, 10, 8, 6, 12, 10, 12, 10};
  return sides[variant - 60];
}

// What the given-up game shows, read from the board.
void ExpectSolutionShown(int variant, const std::vector<std::string>& before) {
  if (variant >= 60 && variant <= 67) {
    const int side = GridSide(variant);
    for (int x = 1; x <= side; ++x)
      for (int y = 1; y <= side; ++y) {
        EXPECT_EQ(G.boardLetters[CellIndex(x, y)], G.answerGridB[(x - 1) * 21 + (y - 1)]) << x << "," << y;
        EXPECT_EQ(G.boardCellColour[CellIndex(x, y)], 255) << x << "," << y;
      }
    return;
  }
  if ((variant >= 5 && variant <= 7) || variant >= 88) {
    const int n = variant <= 7 ? 13 - 2 * (variant - 5) : variant - 83;
    for (int row = 0; row < 3; ++row) EXPECT_EQ(RowAt(6, 7 + row, n), before[row]);
    return;
  }
  if (variant == 4) {
    const int shown = std::min<int>(5, static_cast<int>(G.wordList.size()));
    for (int i = 0; i < shown; ++i) EXPECT_EQ(RowAt(6, 10 + i, static_cast<int>(G.wordList[i].size())), G.wordList[i]);
  }
}

class PlayWordGrids : public testing::TestWithParam<int> {};

TEST_P(PlayWordGrids, ChosenFromTheMenusBuiltGivenUpAndBackToTheList) {
  const int variant = GetParam();
  Harness h(HarnessOptions{.realData = true, .seed = static_cast<uint32_t>(1000 + variant)});
  ASSERT_TRUE(h.Start());
  h.Run(4100);
  ASSERT_EQ(G.currentScreen, 1);

  const int family = VariantFamily(variant);
  const Point f = FamilyPoint(family);
  h.MoveTo(f.x, f.y);
  h.Tick();
  h.Click(f.x, f.y);
  h.Tick();
  if (FamilyVariantCount(family) > 1) {
    ASSERT_EQ(G.currentScreen, 2);
    const int line = variant - FamilyFirstVariant(family);
    const Point v = MenuLinePoint(line, static_cast<int>(G.variantName[variant].size()));
    h.MoveTo(v.x, v.y);
    h.Tick();
    h.Click(v.x, v.y);
  }
  int ticks = 0;
  for (; ticks < 100 && !G.boardReady; ++ticks) h.Tick();
  ASSERT_EQ(G.currentVariant, static_cast<uint32_t>(variant));
  ASSERT_EQ(G.boardReady, 1) << "not built after " << ticks << " ticks";
  ASSERT_FALSE(G.gameTitle.empty());
  if (variant >= 60 && variant <= 67) {
    // The palette's second row, two rows under the grid, ends above the
    // toolbar's buttons (y = 540).
    EXPECT_LE(PointOfCell({1, GridSide(variant) + 4}).y, 540);
    EXPECT_GT(PointOfCell({1, 1}).y, 40);  // under the title
  }
  h.MoveTo(790, 300);
  h.Tick(2);
  WritePreviewFrame("play_" + std::to_string(variant));

  std::vector<std::string> before;
  for (int i = 0; i < 3; ++i) before.push_back(G.wordSlots[i].str());
  const std::vector<uint16_t> listArea = Pixels(h, 555, 70, 800, 120);
  h.Key(kVkEscape);
  h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
  h.Tick();
  EXPECT_EQ(G.gameLost, 1);
  EXPECT_EQ(G.gameWon, 0);
  h.Tick();
  WritePreviewFrame("play_" + std::to_string(variant) + "_given_up");
  ExpectSolutionShown(variant, before);
  // The word hunts list the words missed at the right of the page.
  if (variant >= 46 && variant <= 50) {
    EXPECT_NE(Pixels(h, 555, 70, 800, 120), listArea);
  }

  h.Run(9000);
  EXPECT_FALSE(G.gameTitle.empty());
  h.Run(1100);
  EXPECT_TRUE(G.gameTitle.empty());
  EXPECT_EQ(G.currentScreen, 1);
}

INSTANTIATE_TEST_SUITE_P(Variants, PlayWordGrids,
                         testing::Values(4, 5, 6, 7, 46, 47, 48, 49, 50, 60, 61, 62, 63, 64, 65, 66, 67, 88, 89, 90, 91));

}  // namespace
