// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "words/word_store.h"
#include "words_fixture.h"

namespace {

// The alphabet cell of a letter: the crossed pair's two columns from (1, 1),
// or the third word's two rows from (2, 4).
Point CrossedPairKey(char c) { return c <= 'M' ? Point{1, 1 + c - 'A'} : Point{2, 1 + c - 'N'}; }
Point ThirdWordKey(char c) { return c <= 'M' ? Point{2 + c - 'A', 4} : Point{2 + c - 'N', 5}; }

}  // namespace

TEST(CrossedPair, TheSharedWordIsBlankedWhereTheTwoWordsCross) {
  WordsGame h("", true);
  ASSERT_LT(h.Build(24), 100);  // seven letters
  EXPECT_EQ(h.Played(0), 1);
  const std::string w = G.wordSlots[20].str(), v = G.wordSlots[0].str(), t = G.wordSlots[10].str();
  const int p = G.gameLength;
  ASSERT_EQ(w.substr(p - 1, 3), t);
  const int q = static_cast<int>(v.find(t)) + 1;
  std::string across = w, down = v;
  across.replace(p - 1, 3, "   ");
  EXPECT_EQ(RowAt(7, 8, 7), across);
  EXPECT_EQ(LetterAt(6, 8), '*');
  EXPECT_EQ(LetterAt(14, 8), '*');
  EXPECT_EQ(ColumnAt(p + 7, 7, 3), "   ");
  EXPECT_EQ(ColumnAt(p + 7, 8 - q, q - 1), v.substr(0, q - 1));
  EXPECT_EQ(ColumnAt(p + 7, 10, 7 - q - 2), v.substr(q + 2));
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(G.boardCellColour[CellIndex(p + 6 + i, 8)], 255);
    EXPECT_EQ(G.boardPlayable[CellIndex(p + 7, 7 + i)], 1);
  }
  EXPECT_EQ(ColumnAt(1, 1, 13), "ABCDEFGHIJKLM");
  EXPECT_EQ(ColumnAt(2, 1, 13), "NOPQRSTUVWXYZ");
  EXPECT_EQ(CellState(2, 13), 2);
}

TEST(CrossedPair, WritingTheSharedWordBothWaysWithTheMouseWinsAndScoresOnce) {
  WordsGame h("", true);
  h.Build(22);  // eleven letters
  const std::string t = G.wordSlots[10].str();
  const int p = G.gameLength;
  for (int i = 0; i < 3; ++i) h.Drag(CrossedPairKey(t[i]), {p + 6 + i, 8});
  EXPECT_EQ(G.gameWon, 0);
  // A wrong letter dropped on a filled cell replaces it; a letter taken from
  // the board leaves its cell empty.
  h.Drag(CrossedPairKey(t[0] == 'Z' ? 'A' : 'Z'), {p + 7, 7});
  h.Drag({p + 7, 7}, {p + 7, 9});
  EXPECT_EQ(LetterAt(p + 7, 7), ' ');
  h.Drag(CrossedPairKey(t[0]), {p + 7, 7});
  EXPECT_EQ(G.gameWon, 0);
  h.Drag(CrossedPairKey(t[2]), {p + 7, 9});
  EXPECT_EQ(ColumnAt(1, 1, 13), "ABCDEFGHIJKLM");
  h.ExpectScoredOnce();
}

TEST(CrossedPair, EscapeWritesTheSharedWordBothWays) {
  WordsGame h("", true);
  h.Build(23);
  h.ExpectEscapeClosesLater();
  const std::string t = G.wordSlots[10].str();
  const int p = G.gameLength;
  EXPECT_EQ(RowAt(p + 6, 8, 3), t);
  EXPECT_EQ(ColumnAt(p + 7, 7, 3), t);
  h.ExpectGameClosesTenSecondsLater();
}

TEST(CrossedPair, AListWhoseWordsHideNoSharedWordEndsTheGameWithAMessage) {
  WordsGame h("ABCDEFG\r\nXYZ\r\n");
  EXPECT_LE(h.Build(24), 2);
  h.ExpectAbandoned("7 lettres");
}

TEST(CrossedPair, ASharedWordNoOtherWordHoldsIsDrawnAgainThenTheGameEnds) {
  // RUE sits in CARUELS only: the word cannot cross itself.
  WordsGame h("CARUELS\r\nBONJOUR\r\nRUE\r\n");
  const int ticks = h.Build(24);
  EXPECT_LT(ticks, 200);
  h.ExpectAbandoned("crois");
}

TEST(ThirdWord, TheRowShowsTheFirstWordTheGapAndTheThirdWord) {
  WordsGame h("", true);
  ASSERT_LT(h.Build(25), 100);
  EXPECT_EQ(h.Played(0), 1);
  const std::string a = G.wordSlots[10].str(), b = G.wordSlots[9].str(), c = G.wordSlots[1].str();
  EXPECT_EQ(RowAt(1, 8, 12 + c.size()), "*" + a + "*     *" + c);
  EXPECT_EQ(LetterAt(13 + c.size(), 8), '*');
  for (int x = 7; x <= 12; ++x) {
    EXPECT_EQ(G.boardCellColour[CellIndex(x, 8)], 255);
    EXPECT_EQ(G.boardPlayable[CellIndex(x, 8)], 1);
  }
  EXPECT_EQ(RowAt(2, 4, 13), "ABCDEFGHIJKLM");
  EXPECT_EQ(RowAt(2, 5, 13), "NOPQRSTUVWXYZ");
}

TEST(ThirdWord, FillingTheGapWithTheMouseWinsAndScoresOnce) {
  WordsGame h("", true);
  h.Build(25);
  const std::string b = G.wordSlots[9].str();
  // The red cell after the gap takes a letter but is no part of the answer.
  h.Drag(ThirdWordKey('E'), {12, 8});
  for (int i = 0; i < 5; ++i) h.Drag(ThirdWordKey(i == 0 ? (b[0] == 'Z' ? 'A' : 'Z') : b[i]), {7 + i, 8});
  EXPECT_EQ(G.gameWon, 0);
  // A letter dropped on a filled gap cell replaces it.
  h.Drag(ThirdWordKey(b[0]), {7, 8});
  EXPECT_EQ(RowAt(7, 8, 5), b);
  h.ExpectScoredOnce();
}

TEST(ThirdWord, EscapeWritesTheHiddenWordIntoTheGap) {
  WordsGame h("", true);
  h.Build(25);
  h.ExpectEscapeClosesLater();
  EXPECT_EQ(RowAt(7, 8, 5), G.wordSlots[9].str());
  h.ExpectGameClosesTenSecondsLater();
}

TEST(ThirdWord, AListWithoutASplitNineLetterWordEndsTheGameWithAMessage) {
  // CHARPENTE ends in E but CHAR + PENTE are not both in the list.
  WordsGame h("CHARPENTE\r\nCHAR\r\n");
  EXPECT_LE(h.Build(25), 2);
  h.ExpectAbandoned("9 lettres");
}

TEST(ThirdWord, ANineLetterWordWithoutALongWordIsDrawnAgainThenTheGameEnds) {
  WordsGame h("CHARPENTE\r\nCHAR\r\nPENTE\r\n");
  const int ticks = h.Build(25);
  EXPECT_LT(ticks, 1000);
  h.ExpectAbandoned("troisi");
}
