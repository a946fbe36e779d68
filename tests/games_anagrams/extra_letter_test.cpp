// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "board_moves.h"
#include "catalogue/catalogue.h"
#include "platform/keys.h"
#include "state/game_state.h"

namespace {

// One word of six letters and one of seven, each with a single letter that
// makes a unique longer word: PLANTE + E gives PLANETE, PLANETE + S gives
// PLANTEES.
struct ExtraLetterGame : Harness {
  ExtraLetterGame() {
    WriteProgramFile("bin/DicoFrancais.txt", "PLANTE\r\nPLANETE\r\nPLANTEES\r\n");
    EXPECT_TRUE(Start());
    Run(4100);
  }
  void StartGame(uint8_t variant) {
    StartVariant(variant);
    for (int t = 0; t < 5000 && !G.boardReady && !G.gameTitle.empty(); ++t) Tick();
    ASSERT_EQ(G.boardReady, 1);
  }
  int Lines() const { return 4 - (G.currentVariant - 19); }
  int AnswerLength() const { return G.gamePhase + 6; }
};

const int kAnswerColumn = 12;

}  // namespace

TEST(ExtraLetterGame, FourLinesUseRowsFourToFourteen) {
  ExtraLetterGame h;
  h.StartGame(19);
  ASSERT_TRUE(G.gamePhase == 1 || G.gamePhase == 2);
  const int b = G.gamePhase, x0 = 4 - b, c = b + 5, d = b + 6;
  const std::string word = b == 1 ? "PLANTE" : "PLANETE", answer = b == 1 ? "PLANETE" : "PLANTEES";
  const char extra = b == 1 ? 'E' : 'S';
  EXPECT_EQ(G.gameSize, 4);
  for (int line = 0; line < 4; ++line) {
    const int r = 3 * line + 4;
    EXPECT_EQ(G.wordSlots[line].str(), answer);
    EXPECT_EQ(RowText(x0, r, c), word) << line;
    EXPECT_EQ(LetterAt(x0 + c + 1, r), extra);
    EXPECT_EQ(RowText(kAnswerColumn, r, d), std::string(d, ' '));
    EXPECT_TRUE(SameLetters(RowText(kAnswerColumn, r + 1, d), answer));
    EXPECT_EQ(G.boardCellColour[CellIndex(x0, r)], 255);
    EXPECT_EQ(G.boardPlayable[CellIndex(kAnswerColumn + d - 1, r)], 1);
    EXPECT_EQ(G.boardPlayable[CellIndex(kAnswerColumn + d, r)], 0);
    EXPECT_EQ(G.boardPlayable[CellIndex(x0, r)], 0);
  }
  EXPECT_EQ(G.wordSlots[4].str(), "");
  EXPECT_EQ(LetterAt(kAnswerColumn, 16), '*');
}

TEST(ExtraLetterGame, RebuildingEveryAnswerWinsAndOneLineLeftDoesNot) {
  ExtraLetterGame h;
  h.StartGame(20);
  const int d = h.AnswerLength();
  for (int line = 0; line < 3; ++line) {
    EXPECT_EQ(G.gameWon, 0);
    const int r = 3 * line + 4;
    SpellFromRow(h, G.wordSlots[line].str(), kAnswerColumn, r + 1, r);
    EXPECT_EQ(RowText(kAnswerColumn, r, d), G.wordSlots[line].str());
  }
  EXPECT_EQ(G.gameWon, 1);
}

TEST(ExtraLetterGame, AWrongOrderDoesNotWinAndTakenBackLettersCanBePlacedAgain) {
  ExtraLetterGame h;
  h.StartGame(21);
  const int d = h.AnswerLength();
  std::string wrong = G.wordSlots[0].str();
  std::swap(wrong[0], wrong[1]);  // PL -> LP: no word
  for (int line = 0; line < 2; ++line)
    SpellFromRow(h, line == 0 ? wrong : G.wordSlots[1].str(), kAnswerColumn, 3 * line + 5, 3 * line + 4);
  EXPECT_EQ(RowText(kAnswerColumn, 4, d), wrong);
  EXPECT_EQ(G.gameWon, 0);
  Drag(h, {kAnswerColumn, 4}, {kAnswerColumn, 5});
  Drag(h, {kAnswerColumn + 1, 4}, {kAnswerColumn + 1, 5});
  EXPECT_EQ(LetterAt(kAnswerColumn, 4), ' ');
  EXPECT_EQ(G.gameWon, 0);
  Drag(h, {kAnswerColumn, 5}, {kAnswerColumn + 1, 4});
  Drag(h, {kAnswerColumn + 1, 5}, {kAnswerColumn, 4});
  EXPECT_EQ(RowText(kAnswerColumn, 4, d), G.wordSlots[0].str());
  EXPECT_EQ(G.gameWon, 1);
}

TEST(ExtraLetterGame, EscapeShowsTheAnswersAndTheGameClosesTenSecondsLater) {
  ExtraLetterGame h;
  h.StartGame(21);
  const int d = h.AnswerLength();
  h.Key(kVkEscape);
  h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
  EXPECT_EQ(G.gameLost, 1);
  h.Tick();
  for (int line = 0; line < 2; ++line) {
    EXPECT_EQ(RowText(kAnswerColumn, 3 * line + 4, d), G.wordSlots[line].str());
    EXPECT_EQ(RowText(kAnswerColumn, 3 * line + 5, d), std::string(d, ' '));
  }
  EXPECT_EQ(G.gameWon, 0);
  h.Run(9000);
  EXPECT_FALSE(G.gameTitle.empty());
  h.Run(1100);
  EXPECT_TRUE(G.gameTitle.empty());
}

TEST(ExtraLetterGame, AListWithoutWordsOfTheLengthEndsTheGameWithAMessage) {
  ExtraLetterGame h;
  h.WriteProgramFile("bin/DicoFrancais.txt", "MER\r\n");
  StartVariant(21);
  h.Tick();
  EXPECT_TRUE(G.gameTitle.empty());
  EXPECT_EQ(G.messageShowing, 1);
}

TEST(ExtraLetterGame, AListWhereNoLetterGivesAUniqueWordGivesUp) {
  ExtraLetterGame h;
  h.WriteProgramFile("bin/DicoFrancais.txt", "MAISON\r\nSOMMEIL\r\n");
  StartVariant(21);
  int ticks = 0;
  for (; ticks < 5000 && !G.gameTitle.empty(); ++ticks) h.Tick();
  EXPECT_TRUE(G.gameTitle.empty());
  EXPECT_EQ(G.boardReady, 0);
  EXPECT_GE(ticks, 3000);
  EXPECT_EQ(G.messageShowing, 1);
}
