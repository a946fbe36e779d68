// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "games/framework.h"
#include "harness/harness.h"
#include "state/game_state.h"
#include "display/resets.h"

namespace {

struct Board : Harness {
  Board() { ResetBoard(); }
  void Variant(unsigned v, int size = 0) {
    G.currentVariant = v;
    G.gameSize = size;
    G.gameWon = 0;
    G.gameLost = 0;
  }
  bool Won() {
    CheckGameComplete();
    return G.gameWon != 0;
  }
  void Letter(int x, int y, char c) { G.boardLetters[CellIndex(x, y)] = static_cast<uint8_t>(c); }
};

}  // namespace

TEST(Completion, GridGamesCompareTheBoardWithTheirSolutionGrid) {
  Board b;
  for (unsigned v : {1u, 92u}) {
    b.Variant(v, 2);
    for (int x = 1; x <= 2; ++x)
      for (int y = 1; y <= 2; ++y) G.answerGridB[CellIndex(x, y)] = 'A';
    for (int x = 1; x <= 2; ++x)
      for (int y = 1; y <= 2; ++y) b.Letter(x, y, 'A');
    EXPECT_TRUE(b.Won()) << v;
    b.Variant(v, 2);
    b.Letter(2, 2, 'B');
    EXPECT_FALSE(b.Won()) << v;
  }
  b.Variant(30, 1);
  G.answerGridA[CellIndex(1, 1)] = 'Z';
  b.Letter(1, 1, 'Z');
  EXPECT_TRUE(b.Won());
}

TEST(Completion, TheScrambledGridIsReadFromRowFive) {
  Board b;
  b.Variant(37, 1);
  G.answerGridB[CellIndex(1, 5)] = 'Q';
  b.Letter(1, 5, 'Q');
  EXPECT_TRUE(b.Won());
}

TEST(Completion, LetterSumsAndErasedLettersKeepTheirSolutionOneCellAway) {
  Board b;
  for (unsigned v : {60u, 64u, 67u}) {
    b.Variant(v, 2);
    for (int x = 1; x <= 2; ++x)
      for (int y = 1; y <= 2; ++y) {
        G.answerGridB[(x - 1) * 21 + (y - 1)] = 'E';
        b.Letter(x, y, 'E');
      }
    EXPECT_TRUE(b.Won()) << v;
    b.Variant(v, 2);
    b.Letter(1, 2, 'F');
    EXPECT_FALSE(b.Won()) << v;
  }
}

TEST(Completion, WordGamesCompareTheirSlots) {
  Board b;
  struct Case {
    unsigned variant;
    int a, b;
  } cases[] = {{9, 0, 1}, {70, 0, 1}, {80, 0, 1}, {133, 0, 1}, {146, 0, 1}, {12, 0, 18},
               {17, 1, 2}, {25, 9, 29}, {55, 0, 9}, {110, 0, 9}};
  for (const Case& c : cases) {
    b.Variant(c.variant);
    G.wordSlots[c.a] = "MAISON";
    G.wordSlots[c.b] = "MAISOM";
    EXPECT_FALSE(b.Won()) << c.variant;
    G.wordSlots[c.b] = "MAISON";
    EXPECT_TRUE(b.Won()) << c.variant;
    G.wordSlots[c.a].clear();
    G.wordSlots[c.b].clear();
  }
}

TEST(Completion, ExchangesNeedEveryPairOfSlots) {
  Board b;
  b.Variant(14);
  for (int k = 0; k <= 9; ++k) G.wordSlots[k] = G.wordSlots[10 + k] = "MOT" + std::to_string(k);
  EXPECT_TRUE(b.Won());
  b.Variant(40);
  G.wordSlots[13] = "AUTRE";
  EXPECT_FALSE(b.Won());
}

TEST(Completion, TheCrossedPairNeedsBothDirections) {
  Board b;
  b.Variant(23);
  G.wordSlots[10] = "RAT";
  G.wordSlots[28] = "RAT";
  EXPECT_FALSE(b.Won());
  G.wordSlots[29] = "RAT";
  EXPECT_TRUE(b.Won());
}

TEST(Completion, CrossingWordsReadRowsSevenToNineFromColumnSix) {
  Board b;
  b.Variant(6);
  G.wordSlots[0] = "ABC";
  G.wordSlots[1] = "DEF";
  G.wordSlots[2] = "GHI";
  const char* rows[] = {"ABC", "DEF", "GHI"};
  for (int r = 0; r < 3; ++r)
    for (int i = 0; i < 3; ++i) b.Letter(6 + i, 7 + r, rows[r][i]);
  EXPECT_TRUE(b.Won());
}

TEST(Completion, CutWordsCountTheRejoinedPairs) {
  Board b;
  b.Variant(27);
  G.wordSlots[0] = "CHAPEAU";
  G.wordSlots[1] = "BATEAU";
  G.wordSlots[10] = "BATEAU";
  EXPECT_FALSE(b.Won());
  G.wordSlots[11] = "CHAPEAU";
  EXPECT_TRUE(b.Won());
}

TEST(Completion, TheLongestWordAndTheListGames) {
  Board b;
  b.Variant(4, 3);
  G.gamePhase = 2;
  EXPECT_FALSE(b.Won());
  G.gamePhase = 3;
  EXPECT_TRUE(b.Won());
  b.Variant(47, 2);
  G.wordList = {" TROUVE", "CACHE", " VU"};
  EXPECT_TRUE(b.Won());
  b.Variant(48, 3);
  EXPECT_FALSE(b.Won());
}

TEST(Completion, NeverFiresWhileTheSolutionIsShownNorForHiddenWords) {
  Board b;
  b.Variant(9);
  G.wordSlots[0] = G.wordSlots[1] = "MAISON";
  G.gameLost = 1;
  CheckGameComplete();
  EXPECT_EQ(G.gameWon, 0);
  b.Variant(34, 1);
  EXPECT_FALSE(b.Won());
  // A win is never taken back.
  b.Variant(9);
  G.gameWon = 1;
  G.wordSlots[1] = "AUTRE";
  CheckGameComplete();
  EXPECT_EQ(G.gameWon, 1);
}
