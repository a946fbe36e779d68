// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "words_fixture.h"

namespace {

const std::string kTenWords =
    "ARGENT\r\nMAISON\r\nJARDIN\r\nBOUGIE\r\nCHEVAL\r\nFLEUVE\r\nMOUTON\r\nPOMMES\r\nRIVAGE\r\nTALENT\r\n"
    "VOYAGE\r\nSOLEIL\r\n";

// The offer cell holding the half, or (0, 0).
Point OfferedHalf(const std::string& half, int words) {
  for (int x : {11, 15})
    for (int y = 4; y < 4 + words; ++y)
      if (RowAt(x, y, 3) == half) return {x, y};
  return {0, 0};
}

// Rebuilds word k of the game on answer row `row` (1-based) from the offer,
// taking each half by its middle letter.
void Rejoin(WordsGame& h, int k, int row, int words) {
  const std::string word = G.wordSlots[k].str();
  const Point first = OfferedHalf(word.substr(0, 3), words);
  ASSERT_NE(first.x, 0) << word;
  h.Drag({first.x + 1, first.y}, {4, row + 3});
  const Point second = OfferedHalf(word.substr(3), words);
  ASSERT_NE(second.x, 0) << word;
  h.Drag({second.x + 1, second.y}, {9, row + 3});
}

}  // namespace

TEST(CutWords, TheHalvesAreListedSortedInTwoColumnsBesideTheEmptyRows) {
  WordsGame h(kTenWords);
  ASSERT_EQ(h.Build(27), 1);  // eight words
  EXPECT_EQ(h.Played(0), 1);
  std::set<std::string> words;
  std::vector<std::string> halves;
  for (int k = 0; k < 8; ++k) {
    const std::string word = G.wordSlots[k].str();
    ASSERT_EQ(word.size(), 6u);
    words.insert(word);
    halves.push_back(word.substr(0, 3));
    halves.push_back(word.substr(3));
  }
  EXPECT_EQ(words.size(), 8u);  // never the same word twice
  EXPECT_EQ(G.wordSlots[8].str(), "");
  std::sort(halves.begin(), halves.end());
  for (int k = 0; k < 16; ++k) {
    const int x = k < 8 ? 11 : 15, y = 4 + k % 8;
    EXPECT_EQ(RowAt(x, y, 3), halves[k]);
    EXPECT_EQ(G.boardPlayable[CellIndex(x, y)], 1);
  }
  EXPECT_EQ(LetterAt(11, 12), '*');
  for (int row = 4; row <= 11; ++row) {
    EXPECT_EQ(RowAt(3, row, 7), "   *   ");
    for (int x = 3; x <= 9; ++x) EXPECT_EQ(G.boardCellColour[CellIndex(x, row)], 255);
  }
  EXPECT_EQ(LetterAt(3, 12), '*');
  // The halves' list serves the set-up only.
  h.Tick();
  EXPECT_TRUE(G.wordList.empty());
}

TEST(CutWords, HalvesMoveWholeAndTheWordsMayBeRebuiltInAnyRowOrder) {
  WordsGame h(kTenWords);
  h.Build(28);  // six words
  // Taking the last letter of a half takes the half.
  const std::string half = RowAt(11, 4, 3);
  h.Drag({13, 4}, {5, 4});
  EXPECT_EQ(RowAt(3, 4, 3), half);
  EXPECT_EQ(RowAt(11, 4, 3), "   ");
  h.Drag({3, 4}, {12, 4});
  EXPECT_EQ(RowAt(11, 4, 3), half);
  // The words go in bottom to top.
  for (int k = 0; k < 6; ++k) Rejoin(h, k, 6 - k, 6);
  h.ExpectScoredOnce();
}

TEST(CutWords, EscapeWritesTheWordsBack) {
  WordsGame h(kTenWords);
  h.Build(26);
  h.ExpectEscapeClosesLater();
  for (int k = 0; k < 10; ++k) EXPECT_EQ(RowAt(3, 4 + k, 3) + RowAt(7, 4 + k, 3), G.wordSlots[k].str());
  h.ExpectGameClosesTenSecondsLater();
}

TEST(CutWords, AListWithTooFewDifferentWordsEndsTheGameWithAMessage) {
  WordsGame h("ARGENT\r\nMAISON\r\nJARDIN\r\nBOUGIE\r\nCHEVAL\r\n");
  EXPECT_LE(h.Build(28), 2);
  h.ExpectAbandoned("6 lettres");
}
