// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "words/word_store.h"
#include "words_fixture.h"

namespace {

// Puts the first letters back in order through the spare cell below them.
void Unshuffle(WordsGame& h, int rows) {
  const std::string hidden = G.wordSlots[0].str();
  const Point spare{1, rows + 1};
  for (int k = 1; k <= rows; ++k) {
    if (LetterAt(1, k) == hidden[k - 1]) continue;
    int j = k + 1;
    while (j <= rows && LetterAt(1, j) != hidden[k - 1]) ++j;
    ASSERT_LE(j, rows);
    h.Drag({1, k}, spare);
    h.Drag({1, j}, {1, k});
    h.Drag(spare, {1, j});
    ASSERT_EQ(LetterAt(1, spare.y), ' ');
  }
}

}  // namespace

TEST(StackedWords, RealListTheRowsStackWordsOfTwoToNPlusOneLetters) {
  WordsGame h("", true);
  ASSERT_LT(h.Build(145), 100);  // fourteen rows
  const std::string hidden = G.wordSlots[0].str();
  ASSERT_EQ(hidden.size(), 14u);
  EXPECT_TRUE(SameLetters(ColumnAt(1, 1, 14), hidden));
  for (int k = 1; k <= 14; ++k) {
    std::string row = RowAt(1, k, k + 1);
    row[0] = hidden[k - 1];
    EXPECT_TRUE(IsWord(row)) << row;
    EXPECT_EQ(LetterAt(k + 2, k), '*');
    EXPECT_EQ(G.boardCellColour[CellIndex(1, k)], 255);
    EXPECT_EQ(G.boardPlayable[CellIndex(1, k)], 1);
    EXPECT_EQ(G.boardPlayable[CellIndex(2, k)], 0);
  }
  // The longest row ends in column 15; the spare cell is (1, 15).
  EXPECT_NE(LetterAt(15, 14), '*');
  EXPECT_EQ(LetterAt(1, 15), ' ');
  EXPECT_EQ(G.boardPlayable[CellIndex(1, 15)], 1);
  Unshuffle(h, 14);
  EXPECT_EQ(ColumnAt(1, 1, 14), hidden);
  h.ExpectScoredOnce();
}

TEST(StackedWords, EscapeWritesTheHiddenWordDownTheFirstColumn) {
  WordsGame h("", true);
  h.Build(150);
  h.ExpectEscapeClosesLater();
  EXPECT_EQ(ColumnAt(1, 1, 9), G.wordSlots[0].str());
  h.ExpectGameClosesTenSecondsLater();
}

TEST(StackedWords, AListWhereNoHiddenWordFitsEndsTheGameAfterBoundedTries) {
  // One two-letter word per first letter: a row needs two candidates.
  WordsGame h("ABRICOTIE\r\nAB\r\nBA\r\nRA\r\nIR\r\nCA\r\nOR\r\nTA\r\nEN\r\n");
  // The hourglass shows while the tries go on, one a tick.
  const int ticks = h.Build(150, 50);
  EXPECT_EQ(ticks, 50);
  EXPECT_FALSE(G.gameTitle.empty());
  EXPECT_EQ(G.cursorShape, -11);
  int more = 0;
  while (!G.gameTitle.empty() && more < 1000) {
    h.Tick();
    ++more;
  }
  EXPECT_GT(ticks + more, 150);
  EXPECT_LT(ticks + more, 300);
  h.ExpectAbandoned("cach");
}

TEST(StackedWords, AListWithoutAWordOfTheLengthEndsTheGameAtOnce) {
  WordsGame h("MAISON\r\n");
  EXPECT_LE(h.Build(145), 2);
  h.ExpectAbandoned("14 lettres");
}
