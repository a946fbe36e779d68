// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "catalogue/catalogue.h"
#include "display/drawing.h"
#include "harness/harness.h"
#include "platform/audio.h"
#include "platform/keys.h"
#include "state/forms.h"
#include "state/game_state.h"

#include "proverb_files.h"

namespace {

// A program whose dictionary holds one word of each length the hangmen ask
// for, and proverb files of a few proverbs.
struct Hangman : Harness {
  Hangman() {
    WriteProgramFile("bin/DicoFrancais.txt", "ABRICOTS\r\nACCROCHAGE\r\nPAPILLONNAGE\r\nMER\r\n");
    WriteProverbFiles(*this);
    EXPECT_TRUE(Start());
    Run(4100);
  }
  void StartGame(uint8_t variant) {
    StartVariant(variant);
    Tick();
    ASSERT_EQ(G.boardReady, 1);
  }
  // The key of a letter in the hangman key area (columns 7-19, rows 2-3).
  Point KeyOf(char letter) {
    const int k = letter - 'A';
    const Point cell{7 + k % 13, 2 + k / 13};
    const Point p = PointOfCell(cell);
    return {p.x + 15, p.y + 15};
  }
  void Guess(char letter) {
    const Point key = KeyOf(letter);
    Click(key.x, key.y);
    // Long enough for every sweep of the letter to finish.
    Run(3000);
  }
  int Played(int wave) {
    return static_cast<int>(std::count(WavesPlayed().begin(), WavesPlayed().end(), wave));
  }
};

}  // namespace

TEST(HangmanGame, GuessingEveryLetterWinsAndTheClickAfterScoresOnce) {
  Hangman h;
  h.StartGame(10);
  EXPECT_EQ(G.wordSlots[0].str(), "ABRICOTS");
  EXPECT_EQ(G.wordSlots[1].str(), "--------");
  for (char c : std::string("ABRICOTS")) h.Guess(c);
  EXPECT_EQ(G.wordSlots[1].str(), "ABRICOTS");
  EXPECT_EQ(G.gameSize, 0);
  EXPECT_EQ(G.gameWon, 1);
  h.Run(300);
  EXPECT_EQ(h.Played(11), 1);
  h.Click(400, 450);
  EXPECT_TRUE(G.gameTitle.empty());
  const std::string line = G.listBoxes[listScores].items[1];
  EXPECT_NE(line.find("PENDU  8 lettres"), std::string::npos) << line;
  EXPECT_EQ(G.listBoxes[listScores].items[2], "");
  h.Run(300);
  EXPECT_EQ(h.Played(11), 1);
  EXPECT_EQ(G.currentScreen, 1);
}

TEST(HangmanGame, ElevenWrongKeysLoseAndShowTheSolution) {
  Hangman h;
  h.StartGame(10);
  int misses = 0;
  for (char c : std::string("DEFGHJKLMNPQ")) {
    if (misses == 11) break;
    h.Guess(c);
    ++misses;
    EXPECT_EQ(G.gameSize, misses);
  }
  EXPECT_EQ(G.gameLost, 1);
  h.Tick();
  std::string shown;
  for (int x = 7; x < 15; ++x) shown += static_cast<char>(G.boardLetters[CellIndex(x, 10)]);
  EXPECT_EQ(shown, "ABRICOTS");
  EXPECT_EQ(G.gameWon, 0);
  h.Run(10100);
  EXPECT_TRUE(G.gameTitle.empty());
}

TEST(HangmanGame, ALetterPresentThreeTimesIsRevealedInThreeSweeps) {
  Hangman h;
  h.StartGame(9);  // ACCROCHAGE
  const Point key = h.KeyOf('C');
  h.Click(key.x, key.y);
  int revealed = 0, lastCount = 0;
  for (int t = 0; t < 400 && G.gameChar == 'C'; ++t) {
    h.Tick();
    const std::string shown = G.wordSlots[1].str();
    const int count = static_cast<int>(std::count(shown.begin(), shown.end(), 'C'));
    if (count > lastCount) ++revealed;
    lastCount = count;
  }
  EXPECT_EQ(lastCount, 3);
  EXPECT_EQ(revealed, 3);
  EXPECT_EQ(G.gameSize, 0);
  EXPECT_EQ(G.wordSlots[1].str(), "-CC--C----");
}

TEST(HangmanGame, AClickDuringTheFirstTicksOfASweepCancelsItWithoutAMiss) {
  Hangman h;
  h.StartGame(10);
  const Point z = h.KeyOf('Z');
  h.Click(z.x, z.y);
  ASSERT_EQ(G.gameChar, 'Z');
  ASSERT_EQ(G.gamePhase, 0);
  // A board cell that holds no key.
  h.Press(178, 220);
  h.Release(178, 220);
  EXPECT_EQ(G.gameChar, ' ');
  h.Run(2000);
  EXPECT_EQ(G.gameSize, 0);
}

TEST(HangmanGame, EscapeShowsTheSolutionAndTheGameClosesTenSecondsLater) {
  Hangman h;
  h.StartGame(10);
  h.Key(kVkEscape);
  h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
  EXPECT_EQ(G.gameLost, 1);
  h.Tick();
  EXPECT_EQ(G.boardLetters[CellIndex(7, 10)], 'A');
  h.Run(9000);
  EXPECT_FALSE(G.gameTitle.empty());
  h.Run(1100);
  EXPECT_TRUE(G.gameTitle.empty());
  EXPECT_EQ(h.Played(12), 1);
}

TEST(ProverbHangman, TheProverbIsLaidOutInRowsOnWordBoundariesWithBlankSeparatorsAndItsApostrophe) {
  Hangman h;
  h.StartGame(69);
  const std::string solution = G.wordSlots[0].str();
  EXPECT_EQ(solution, " PETIT A PETIT *****L'OISEAU FAIT SON **NID ");
  EXPECT_EQ(G.wordSlots[1].str(), " ----- - ----- *****-'------ ---- --- **--- ");
  EXPECT_EQ(G.boardLetters[CellIndex(2, 11)], '\'');
  EXPECT_EQ(G.boardLetters[CellIndex(1, 10)], ' ');
  EXPECT_EQ(G.boardLetters[CellIndex(2, 10)], '-');
}

TEST(MonthProverbs, DraggingTheMissingLettersWinsTheGame) {
  Hangman h;
  h.StartGame(80);
  const std::string solution = G.wordSlots[0].str();
  ASSERT_EQ(solution[0], '*');
  for (int i = 0; i < static_cast<int>(solution.size()); ++i) {
    const Point cell{1 + i % 20, 6 + i / 20};
    if (G.boardLetters[CellIndex(cell.x, cell.y)] != ' ') continue;
    const int k = solution[i] - 'A';
    const Point from = PointOfCell({4 + k % 13, 1 + k / 13});
    const Point to = PointOfCell(cell);
    h.MoveTo(from.x + 15, from.y + 15);
    h.Tick();
    h.Press(from.x + 15, from.y + 15);
    h.Tick();
    h.MoveTo(to.x + 15, to.y + 15);
    h.Tick();
    h.Release(to.x + 15, to.y + 15);
    h.Tick();
  }
  h.Tick();
  EXPECT_EQ(G.wordSlots[1].str(), solution);
  EXPECT_EQ(G.gameWon, 1);
}

TEST(HangmanGame, AThemeWithoutAWordOfTheLengthEndsTheGameWithAMessage) {
  Hangman h;
  h.WriteProgramFile("bin/Arbres.txt", "CHENE\r\nHETRE\r\n");
  StartVariant(112);
  h.Tick();
  EXPECT_TRUE(G.gameTitle.empty());
  EXPECT_EQ(G.messageShowing, 1);
  h.Tick();
  EXPECT_EQ(G.currentScreen, 1);
  // Refused at its start with a log line; another variant of the theme goes on.
  EXPECT_TRUE(h.LogHas("liste de mots trop courte : 0 mot(s) de 12 lettres"));
  h.WriteProgramFile("bin/Arbres.txt", "CHENE\r\nBOULEAU\r\n");
  StartVariant(109);  // ZERUZE 7 lettres
  h.Tick(3);
  EXPECT_EQ(G.currentVariant, 109u);
  EXPECT_EQ(G.gameTitle.str(), G.variantName[109]);
}

TEST(ProverbHangman, AMissingProverbFileEndsTheGameWithAMessage) {
  Hangman h;
  StartVariant(68);
  h.Tick();
  EXPECT_TRUE(G.gameTitle.empty());
  EXPECT_EQ(G.messageShowing, 1);
}

TEST(Dispatcher, EveryVariantStartsAndShowsItsTitleWithoutCrashing) {
  Hangman h;
  for (int v = 1; v <= 150; ++v) {
    StartVariant(static_cast<uint8_t>(v));
    h.Tick(3);
    if (!G.gameTitle.empty()) {
      EXPECT_EQ(G.gameTitle.str(), G.variantName[v]) << v;
    }
    h.Key(kVkEscape);
    h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
    h.Run(10100);
  }
}
