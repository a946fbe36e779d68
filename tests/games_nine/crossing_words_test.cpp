// SPDX-License-Identifier: GPL-3.0-or-later
// MOTS EN CROIX (5-7) and ENGLISH CROSS (88-91).
#include <gtest/gtest.h>

#include <string>

#include "nine_fixture.h"
#include "words/word_store.h"

namespace {

int LengthOf(uint8_t variant) {
  const int lengths[] = {13, 11, 9};
  return variant <= 7 ? lengths[variant - 5] : variant - 83;
}
int BlockColumn(int n) { return (n - 1) / 2 + 5; }

// The letter a block cell takes: that of its across word.
char BlockLetter(int c, int y) { return G.wordSlots[y - 7].str()[c - 6]; }

// Puts the letter into the block cell from the given row 1.
void Put(NineGame& h, char letter, Point cell) { ASSERT_TRUE(h.Move(letter, 1, 1, 9, cell)) << letter; }

void Solve(NineGame& h, int n) {
  const int c0 = BlockColumn(n);
  for (int c = c0; c < c0 + 3; ++c)
    for (int y = 7; y <= 9; ++y)
      if (LetterAt(c, y) == ' ') Put(h, BlockLetter(c, y), {c, y});
  h.Tick();
}

}  // namespace

TEST(CrossingWordsGame, EachVariantIsWonThroughTheMouseAndScoredOnce) {
  NineGame h;
  for (uint8_t variant : {5, 6, 7, 88, 89, 90, 91}) {
    const int n = LengthOf(variant);
    ASSERT_TRUE(h.Build(variant));
    EXPECT_EQ(G.gameTitle.str(), G.variantName[variant]);
    EXPECT_EQ(h.Played(0), 1);
    EXPECT_EQ(G.gameWon, 0);
    const int lines = ScoreLines();
    Solve(h, n);
    EXPECT_EQ(RowAt(1, 1, 9), std::string(9, ' '));
    for (int row = 0; row < 3; ++row) EXPECT_EQ(RowAt(6, 7 + row, n), G.wordSlots[row].str());
    EXPECT_EQ(G.gameWon, 1) << "variant " << int(variant);
    h.ClickTheWinAway();
    EXPECT_EQ(ScoreLines(), lines + 1) << "variant " << int(variant);
    EXPECT_EQ(G.currentScreen, 1);
  }
}

TEST(CrossingWordsGame, ALetterInTheWrongBlockCellKeepsTheGameUnsolved) {
  NineGame h;
  ASSERT_TRUE(h.Build(7));
  const int c0 = BlockColumn(9);
  // Two block cells whose letters differ.
  Point a{c0, 7}, b{0, 0};
  for (int c = c0; c < c0 + 3 && b.x == 0; ++c)
    for (int y = 7; y <= 9 && b.x == 0; ++y)
      if (BlockLetter(c, y) != BlockLetter(a.x, a.y)) b = {c, y};
  ASSERT_NE(b.x, 0);
  Put(h, BlockLetter(b.x, b.y), a);
  Put(h, BlockLetter(a.x, a.y), b);
  Solve(h, 9);
  EXPECT_EQ(G.gameWon, 0);
  // Taken back to row 1 and put right, they win.
  h.Drag(a, {1, 1});
  h.Drag(b, {2, 1});
  Solve(h, 9);
  EXPECT_EQ(G.gameWon, 1);
}

TEST(CrossingWordsGame, EscapeRestoresTheThreeWordsThenTheGameList) {
  NineGame h;
  ASSERT_TRUE(h.Build(88));
  h.GiveUp();
  for (int row = 0; row < 3; ++row) EXPECT_EQ(RowAt(6, 7 + row, 5), G.wordSlots[row].str());
  h.ExpectGameListAfterTenSeconds();
}

TEST(CrossingWordsGame, AFailedBuildShowsItsMarkersAndAListWithoutCrossingsEndsTheGame) {
  // Only one word of nine letters: its middle letters DEF never stand in the
  // middle of a nine-letter word.
  NineGame h("ABCDEFGHI\r\nMAISON\r\n");
  StartVariant(7);
  h.Tick();
  EXPECT_EQ(G.boardReady, 0);
  // The marker is written over the column, block cell included.
  EXPECT_EQ(RowAt(6, 7, 9), "ABC?EFGHI");
  EXPECT_EQ(ColumnAt(9, 4, 9), std::string(9, '?'));
  h.Tick(198);
  EXPECT_FALSE(G.gameTitle.empty());
  EXPECT_EQ(G.cursorShape, -11);
  h.Tick(3);
  EXPECT_TRUE(G.gameTitle.empty());
  EXPECT_EQ(G.messageShowing, 1);
  EXPECT_TRUE(h.LogHas("Aucun croisement de mots de 9 lettres"));
}

TEST(CrossingWordsGame, AListWithoutWordsOfTheLengthEndsTheGameAtOnce) {
  NineGame h("MAISON\r\n");
  StartVariant(5);
  h.Tick();
  EXPECT_TRUE(G.gameTitle.empty());
  EXPECT_EQ(G.messageShowing, 1);
  EXPECT_TRUE(h.LogHas("Aucun mot de 13 lettres"));
}

TEST(CrossingWordsGame, AWordThatCrossesItselfBuildsAtOnceAndTheFrenchListComesBack) {
  // The only five-letter word crosses itself: ?BBB? is ABBBA.
  NineGame h("ROTOR\r\n");
  h.WriteProgramFile("bin/DicoAnglais.txt", "ABBBA\r\n");
  StartVariant(88);
  h.Tick();
  ASSERT_EQ(G.boardReady, 1);
  for (int row = 0; row < 3; ++row) EXPECT_EQ(G.wordSlots[row].str(), "ABBBA");
  for (int row = 7; row <= 9; ++row) EXPECT_EQ(RowAt(5, row, 7), "*A   A*");
  EXPECT_EQ(RowAt(6, 6, 5), "*AAA*");
  EXPECT_EQ(RowAt(6, 10, 5), "*AAA*");
  EXPECT_EQ(RowAt(1, 1, 10), "BBBBBBBBB*");
  EXPECT_TRUE(IsWord("ROTOR"));
  EXPECT_FALSE(IsWord("ABBBA"));
}
