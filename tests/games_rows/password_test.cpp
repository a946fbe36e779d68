// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/keys.h"
#include "rows_fixture.h"

namespace {

// Variant 13 asks for a password of eight letters.
constexpr uint8_t kEightLetters = 13;

struct Password : RowsGame {
  explicit Password(const std::string& dictionary = "ABRICOTS\r\nCRABS\r\nTOITS\r\n") : RowsGame(dictionary) {}
  int length() { return static_cast<int>(G.wordSlots[0].length); }
  // The gap of clue k: the empty cell of its row among the clue's columns.
  Point GapOf(int k) {
    const int column = k % 2 == 1 ? 5 : 13;
    for (int x = column; x < column + 5; ++x)
      if (LetterAt(x, k + 2) == ' ') return {x, k + 2};
    ADD_FAILURE() << "no gap for clue " << k;
    return {0, 0};
  }
  // A cell of column 2 still holding the letter.
  Point GivenLetter(char letter) {
    for (int y = 3; y < 3 + length(); ++y)
      if (LetterAt(2, y) == letter) return {2, y};
    ADD_FAILURE() << "no " << letter << " left in column 2";
    return {0, 0};
  }
  void FillGap(int k, char letter) { Drag(GivenLetter(letter), GapOf(k)); }
};

}  // namespace

TEST(PasswordGame, TheFirstTickLaysOutTheShuffledLettersAndOneClueARow) {
  Password p;
  p.StartGame(kEightLetters);
  ASSERT_EQ(G.boardReady, 1);
  EXPECT_EQ(G.gameTitle.str(), G.variantName[kEightLetters]);
  EXPECT_EQ(p.Played(0), 1);
  const std::string password = G.wordSlots[0].str();
  ASSERT_EQ(password, "ABRICOTS");
  std::string given = ColumnAt(2, 3, 8), sorted = password;
  std::sort(given.begin(), given.end());
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(given, sorted);
  EXPECT_EQ(ColumnAt(11, 3, 8), "        ");
  EXPECT_EQ(G.wordSlots[18].str(), "        ");
  for (int k = 1; k <= 8; ++k) {
    const std::string clue = G.wordSlots[k].str();
    ASSERT_NE(clue.find(password[k - 1]), std::string::npos) << clue;
    const int column = k % 2 == 1 ? 5 : 13;
    std::string shown = clue;
    shown[clue.find(password[k - 1])] = ' ';
    EXPECT_EQ(RowAt(column, k + 2, 5), shown);
    const Point gap = p.GapOf(k);
    EXPECT_EQ(G.boardPlayable[CellIndex(gap.x, gap.y)], 1);
    EXPECT_EQ(G.boardCellColour[CellIndex(gap.x, gap.y)], 255);
    EXPECT_EQ(G.boardCellColour[CellIndex(column + (gap.x == column ? 1 : 0), k + 2)], 0xffff);
  }
  EXPECT_EQ(G.gameWon, 0);
}

TEST(PasswordGame, DroppingEveryLetterInItsCluesGapWins) {
  Password p;
  p.StartGame(kEightLetters);
  const std::string password = G.wordSlots[0].str();
  for (int k = 1; k <= 8; ++k) {
    EXPECT_EQ(G.gameWon, 0);
    p.FillGap(k, password[k - 1]);
    EXPECT_EQ(LetterAt(11, k + 2), password[k - 1]);
  }
  p.Tick();
  EXPECT_EQ(G.wordSlots[18].str(), password);
  EXPECT_EQ(G.gameWon, 1);
}

TEST(PasswordGame, LettersInTheWrongGapsDoNotWinAndCanBeTakenBack) {
  Password p;
  p.StartGame(kEightLetters);
  const std::string password = G.wordSlots[0].str();
  // Every letter one gap down: all gaps filled, nothing spelt.
  for (int k = 1; k <= 8; ++k) p.FillGap(k % 8 + 1, password[k - 1]);
  p.Run(100);
  EXPECT_EQ(ColumnAt(11, 3, 8), "SABRICOT");
  EXPECT_EQ(G.gameWon, 0);
  const Point home = {2, 3};
  ASSERT_EQ(LetterAt(2, 3), ' ');
  // Take the letter back out of clue 1's gap: its answer cell empties.
  Point filled{0, 0};
  for (int x = 5; x < 10; ++x)
    if (G.boardCellColour[CellIndex(x, 3)] == 255) filled = {x, 3};
  ASSERT_EQ(LetterAt(filled.x, filled.y), 'S');
  p.Drag(filled, home);
  EXPECT_EQ(LetterAt(2, 3), 'S');
  EXPECT_EQ(LetterAt(filled.x, filled.y), ' ');
  p.Tick();
  EXPECT_EQ(LetterAt(11, 3), ' ');
  // Clue 2's gap holds 'A'; a gap holding a letter refuses another: dropping the 'S' there sends it back home.
  Point gap2{0, 0};
  for (int x = 13; x < 18; ++x)
    if (G.boardCellColour[CellIndex(x, 4)] == 255) gap2 = {x, 4};
  p.Drag(home, gap2);
  EXPECT_EQ(LetterAt(gap2.x, gap2.y), 'A');
  p.Run(600);
  EXPECT_EQ(LetterAt(2, 3), 'S');
  EXPECT_EQ(G.gameWon, 0);
  // Now the right letters: empty the wrong gaps and refill them.
  for (int k = 2; k <= 8; ++k) {
    Point gap{0, 0};
    const int column = k % 2 == 1 ? 5 : 13;
    for (int x = column; x < column + 5; ++x)
      if (G.boardCellColour[CellIndex(x, k + 2)] == 255) gap = {x, k + 2};
    Point free{0, 0};
    for (int y = 3; y < 11; ++y)
      if (LetterAt(2, y) == ' ') free = {2, y};
    p.Drag(gap, free);
  }
  p.Tick();
  EXPECT_EQ(G.wordSlots[18].str(), "        ");
  for (int k = 1; k <= 8; ++k) p.FillGap(k, password[k - 1]);
  p.Tick();
  EXPECT_EQ(G.gameWon, 1);
}

TEST(PasswordGame, EscapeShowsThePasswordInTheAnswerColumnAndClosesTenSecondsLater) {
  Password p;
  p.StartGame(kEightLetters);
  p.Key(kVkEscape);
  p.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
  EXPECT_EQ(G.gameLost, 1);
  p.Tick();
  EXPECT_EQ(ColumnAt(11, 3, 8), "ABRICOTS");
  EXPECT_EQ(G.gameWon, 0);
  p.Run(9000);
  EXPECT_FALSE(G.gameTitle.empty());
  p.Run(1100);
  EXPECT_TRUE(G.gameTitle.empty());
}

TEST(PasswordGame, RepeatedLettersGetAClueEachAndALetterNoClueHoldsGetsAPlayableGap) {
  // No five-letter word holds the Z.
  Password p("BAZOOKAS\r\nBOKAS\r\n");
  p.StartGame(kEightLetters);
  ASSERT_EQ(G.wordSlots[0].str(), "BAZOOKAS");
  EXPECT_EQ(G.wordSlots[3].str(), "?????");
  EXPECT_EQ(RowAt(5, 5, 5), "?? ??");
  EXPECT_EQ(RowAt(13, 4, 5), "BOK S");  // the first A of BOKAS
  EXPECT_EQ(RowAt(13, 6, 5), "B KAS");  // each O hides the first O
  EXPECT_EQ(RowAt(5, 7, 5), "B KAS");
  EXPECT_EQ(RowAt(5, 9, 5), "BOK S");
  const std::string password = G.wordSlots[0].str();
  for (int k = 1; k <= 8; ++k) p.FillGap(k, password[k - 1]);
  p.Tick();
  EXPECT_EQ(G.gameWon, 1);
}

TEST(PasswordGame, AListWithoutAWordOfTheLengthEndsTheGameWithAMessage) {
  Password p("CRABS\r\nTOITS\r\n");
  p.StartGame(kEightLetters);
  EXPECT_TRUE(G.gameTitle.empty());
  EXPECT_EQ(G.messageShowing, 1);
  p.Tick();
  EXPECT_EQ(G.currentScreen, 1);
}
