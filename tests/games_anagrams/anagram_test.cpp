// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "board_moves.h"
#include "catalogue/catalogue.h"
#include "platform/audio.h"
#include "platform/keys.h"
#include "state/game_state.h"

namespace {

// A dictionary whose only six-letter words with exactly one other anagram
// are ARGENT and GERANT: MAISON has none, the three of ANGLES have two each.
struct AnagramGame : Harness {
  AnagramGame() {
    WriteProgramFile("bin/DicoFrancais.txt",
                     "ARGENT\r\nMAISON\r\nANGLES\r\nGERANT\r\nGLANES\r\nSANGLE\r\n");
    EXPECT_TRUE(Start());
    Run(4100);
  }
  // Variant 18: six letters from column 7.
  void StartGame() {
    StartVariant(18);
    for (int t = 0; t < 2000 && !G.boardReady && !G.gameTitle.empty(); ++t) Tick();
    ASSERT_EQ(G.boardReady, 1);
  }
};

int Played(int wave) { return static_cast<int>(std::count(WavesPlayed().begin(), WavesPlayed().end(), wave)); }

}  // namespace

TEST(AnagramGame, TheBoardShowsTheWordInRedAndItsOnlyAnagramShuffled) {
  AnagramGame h;
  StartVariant(18);
  EXPECT_EQ(G.gameTitle.str(), G.variantName[18]);
  for (int t = 0; t < 2000 && !G.boardReady; ++t) h.Tick();
  ASSERT_EQ(G.boardReady, 1);
  EXPECT_EQ(Played(0), 1);
  const std::string word = G.wordSlots[0].str(), answer = G.wordSlots[1].str();
  EXPECT_TRUE((word == "ARGENT" && answer == "GERANT") || (word == "GERANT" && answer == "ARGENT")) << word;
  EXPECT_EQ(RowText(7, 5, 6), word);
  EXPECT_TRUE(SameLetters(RowText(7, 10, 6), answer));
  EXPECT_EQ(RowText(7, 11, 6), "      ");
  for (int x = 7; x <= 12; ++x) {
    EXPECT_EQ(G.boardCellColour[CellIndex(x, 5)], 255);
    EXPECT_EQ(G.boardPlayable[CellIndex(x, 10)], 1);
    EXPECT_EQ(G.boardPlayable[CellIndex(x, 11)], 1);
    EXPECT_EQ(G.boardPlayable[CellIndex(x, 5)], 0);
  }
  EXPECT_EQ(G.boardPlayable[CellIndex(6, 10)], 0);
  EXPECT_EQ(G.boardPlayable[CellIndex(13, 11)], 0);
}

TEST(AnagramGame, AWordWithNoneOrSeveralAnagramsIsNeverUsed) {
  AnagramGame h;
  std::set<std::string> shown;
  for (int game = 0; game < 40; ++game) {
    h.StartGame();
    shown.insert(G.wordSlots[0].str());
  }
  EXPECT_EQ(shown, (std::set<std::string>{"ARGENT", "GERANT"}));
}

TEST(AnagramGame, SpellingTheAnagramOnTheAnswerRowWins) {
  AnagramGame h;
  h.StartGame();
  const std::string answer = G.wordSlots[1].str();
  SpellFromRow(h, answer, 7, 10, 11);
  EXPECT_EQ(RowText(7, 11, 6), answer);
  EXPECT_EQ(RowText(7, 10, 6), "      ");
  EXPECT_EQ(G.gameWon, 1);
}

TEST(AnagramGame, TheShownWordOrAWrongOrderDoesNotWin) {
  AnagramGame h;
  h.StartGame();
  const std::string word = G.wordSlots[0].str(), answer = G.wordSlots[1].str();
  // The shown word is spelt with the same letters but is not the answer.
  SpellFromRow(h, word, 7, 10, 11);
  EXPECT_EQ(RowText(7, 11, 6), word);
  EXPECT_EQ(G.gameWon, 0);
  // A letter taken back leaves an empty cell that takes any letter again:
  // swapping the answer row's letters into place then wins.
  for (int i = 0; i < 6; ++i) Drag(h, {7 + i, 11}, {7 + i, 10});
  EXPECT_EQ(RowText(7, 11, 6), "      ");
  SpellFromRow(h, answer, 7, 10, 11);
  EXPECT_EQ(G.gameWon, 1);
}

TEST(AnagramGame, DropsOnAFullCellOrOffThePlayRowsFlyBack) {
  AnagramGame h;
  h.StartGame();
  const std::string row10 = RowText(7, 10, 6);
  Drag(h, {7, 10}, {8, 10});  // onto a letter
  Drag(h, {7, 10}, {7, 5});   // onto the shown word
  Drag(h, {7, 10}, {7, 14});  // onto a cell outside the game
  h.Run(1000);
  EXPECT_EQ(RowText(7, 10, 6), row10);
  EXPECT_EQ(RowText(7, 11, 6), "      ");
  EXPECT_EQ(LetterAt(7, 14), '*');
}

TEST(AnagramGame, EscapeShowsTheAnswerAndTheGameClosesTenSecondsLater) {
  AnagramGame h;
  h.StartGame();
  h.Key(kVkEscape);
  h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
  EXPECT_EQ(G.gameLost, 1);
  h.Tick();
  EXPECT_EQ(RowText(7, 11, 6), G.wordSlots[1].str());
  EXPECT_EQ(RowText(7, 10, 6), "      ");
  EXPECT_EQ(G.gameWon, 0);
  h.Run(9000);
  EXPECT_FALSE(G.gameTitle.empty());
  h.Run(1100);
  EXPECT_TRUE(G.gameTitle.empty());
}

TEST(AnagramGame, AListWithoutAWordOfTheLengthEndsTheGameWithAMessage) {
  AnagramGame h;
  StartVariant(16);  // fourteen letters: none in this list
  h.Tick();
  EXPECT_TRUE(G.gameTitle.empty());
  EXPECT_EQ(G.messageShowing, 1);
}

TEST(AnagramGame, AListWithoutAUniqueAnagramGivesUpInsteadOfBuildingForEver) {
  AnagramGame h;
  h.WriteProgramFile("bin/DicoFrancais.txt", "MAISON\r\nANGLES\r\nGLANES\r\nSANGLE\r\n");
  StartVariant(18);
  h.Tick(2900);
  EXPECT_FALSE(G.gameTitle.empty());
  EXPECT_EQ(G.boardReady, 0);
  h.Tick(200);
  EXPECT_TRUE(G.gameTitle.empty());
  EXPECT_EQ(G.messageShowing, 1);
}
