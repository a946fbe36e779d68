// SPDX-License-Identifier: GPL-3.0-or-later
// The quick save (save and quit) resumed by the next run of the program: two
// harnesses stand for the two processes, sharing the player's save files.
#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/screen_actions.h"
#include "catalogue/catalogue.h"
#include "catalogue/screens.h"
#include "harness/harness.h"
#include "persistence/saved_games.h"
#include "platform/ini_file.h"
#include "platform/keys.h"
#include "state/forms.h"
#include "state/game_state.h"
#include "words/word_store.h"

namespace fs = std::filesystem;

namespace {

struct QuickSave {
  std::string sa1, sa2;
};

// A first run: a game under way (its build left pending so no word list is
// needed), given up when `giveUp`, then saved and quit `savedAfter` ms later.
QuickSave SaveAndQuit(uint32_t startTick, bool giveUp, uint32_t savedAfter) {
  Harness first(HarnessOptions{false, startTick});
  EXPECT_TRUE(first.Start());
  first.Run(4100);
  G.gameTitle = "PENDU  8 lettres";
  G.currentVariant = 0;
  G.currentScreen = 0;
  first.Tick();
  if (giveUp) {
    first.Key(kVkEscape);
    first.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
  }
  first.Run(savedAfter);
  SaveGame(true);
  return {ReadFileBytes(first.dataPrefix + "SAVE/Boss.sa1"), ReadFileBytes(first.dataPrefix + "SAVE/Boss.sa2")};
}

// The next run, over the same player folder.
void PutBack(const Harness& next, const QuickSave& save) {
  WriteFileBytes(next.dataPrefix + "SAVE/Boss.sa1", save.sa1);
  WriteFileBytes(next.dataPrefix + "SAVE/Boss.sa2", save.sa2);
}

}  // namespace

TEST(QuickSave, AResumedQuickSaveLeavesNoBossLineAndShowsItsGamesHelp) {
  QuickSave save;
  {
    Harness first;
    ASSERT_TRUE(first.Start());
    first.Run(4100);
    G.gameTitle = "PENDU  8 lettres";
    G.currentVariant = 10;
    G.currentScreen = 0;
    SaveGame(true);
    save = {ReadFileBytes(first.dataPrefix + "SAVE/Boss.sa1"), ReadFileBytes(first.dataPrefix + "SAVE/Boss.sa2")};
  }
  ASSERT_EQ(save.sa1.size(), 70823u);
  Harness next;
  next.WriteProgramFile("aide/aide.txt", "aide générale\r\n");
  next.WriteProgramFile("aide/LE PENDU.txt", "Le pendu\r\nDevinez le mot\r\n");
  PutBack(next, save);
  ASSERT_TRUE(next.Start());
  EXPECT_EQ(G.gameTitle.str(), "PENDU  8 lettres");
  EXPECT_TRUE(fs::exists(next.dataPrefix + "SAVE/Boss.sa1")) << "kept until the resumed game ends";
  const ListBox& saves = G.listBoxes[listSaves];
  for (int i = 0; i <= 600; ++i) EXPECT_NE(saves.items[i], "Boss") << i;
  EXPECT_EQ(G.listBoxes[listHelp].items[1], "Le pendu");
  EXPECT_EQ(G.listBoxes[listHelp].items[2], "Devinez le mot");
}

TEST(QuickSave, AGameGivenUpBeforeSavingEndsOnceItsTenSecondsHavePassedInTheNextRun) {
  const uint32_t uptime = 50'000'000;
  const QuickSave save = SaveAndQuit(uptime, true, 3000);
  {
    // Resumed an hour of uptime later: the solution has been shown long
    // enough, and the game ends on the first frame.
    Harness next(HarnessOptions{false, uptime + 3'600'000});
    PutBack(next, save);
    ASSERT_TRUE(next.Start());
    ASSERT_EQ(G.gameLost, 1);
    next.Tick();
    EXPECT_TRUE(G.gameTitle.empty());
    EXPECT_EQ(G.gameLost, 0);
    next.Tick();
    EXPECT_EQ(G.currentScreen, 1);
  }
  {
    // Resumed at once (4.1 s + 3 s after the give-up): the solution stays for
    // the rest of its ten seconds.
    Harness next(HarnessOptions{false, uptime + 4100 + 10 + 3000 + 100});
    PutBack(next, save);
    ASSERT_TRUE(next.Start());
    next.Run(2000);
    EXPECT_EQ(G.gameTitle.str(), "PENDU  8 lettres");
    EXPECT_EQ(G.gameLost, 1);
    next.Run(5000);
    EXPECT_TRUE(G.gameTitle.empty());
  }
}

TEST(QuickSave, KeptWhileTheResumedGameRunsGoneOnceWonWhoseScoreIsWrittenAtTheWinAndNeverCountedTwice) {
  const QuickSave save = SaveAndQuit(100000, false, 0);
  Harness next;
  PutBack(next, save);
  ASSERT_TRUE(next.Start());
  next.Run(1000);
  ASSERT_EQ(G.gameTitle.str(), "PENDU  8 lettres");
  G.playerName = "GAGNANT";
  G.gameWon = 1;
  next.Tick(2);
  // On disk before any click: the score, and the quick save gone.
  EXPECT_EQ(IniFile(next.dataPrefix + "CFG/favoris.vlk").ReadString("SCORES", "N1", "").rfind("GAGNANT", 0), 0u);
  EXPECT_FALSE(fs::exists(next.dataPrefix + "SAVE/Boss.sa1"));
  next.Click(400, 300);
  EXPECT_TRUE(G.listBoxes[listScores].items[2].empty()) << "the click recorded the win again";
  // A kill between the score's write and the removal: the quick save is back.
  PutBack(next, save);
  Form1.Close();
  Harness last;
  last.dataPrefix = next.dataPrefix;
  ASSERT_TRUE(last.Start());
  EXPECT_TRUE(G.gameTitle.empty()) << "a counted win resumed";
  EXPECT_FALSE(fs::exists(next.dataPrefix + "SAVE/Boss.sa1"));
  EXPECT_TRUE(G.listBoxes[listScores].items[2].empty());
}

// Save-and-quit on the travel map, then a start, twenty times over, the
// pointer resting on the button each time: every start resumes the map and
// waits for the player; none plays again the click that saved.
TEST(QuickSave, SaveAndQuitOnTheTravelMapResumesTheMapTwentyTimesOver) {
  const std::string player = MakeTempFolder("quick-save-map");
  for (int run = 0; run <= 20; ++run) {
    Harness h(HarnessOptions{.realData = true, .startTick = 100000 + 7919u * run});
    h.dataPrefix = player;
    ASSERT_TRUE(h.Start());
    h.MoveTo(750, 35);
    if (run == 0) {
      h.Run(4100);
      h.Click(70, 560);  // the journey button of the game list
    }
    h.Run(200);
    ASSERT_FALSE(Form1.closed) << run;
    ASSERT_TRUE(G.travelMapShowing) << run;
    EXPECT_EQ(fs::exists(player + "SAVE/Boss.sa1"), run > 0) << run;  // kept until replaced
    if (run == 20) break;
    h.Click(750, 35);
    h.Tick();
    ASSERT_TRUE(Form1.closed) << run;
  }
}

// A themed game saved while still being built, its help page open, by
// another player, with input pending: the next start loads the theme's
// words, goes on building once the page is closed, and keeps the name the
// settings give.
TEST(QuickSave, AThemedGameSavedWhileBuildingResumesOnItsPageWithItsOwnWords) {
  const std::string player = MakeTempFolder("quick-save-build");
  {
    Harness h(HarnessOptions{.realData = true});
    h.dataPrefix = player;
    ASSERT_TRUE(h.Start());
    h.Run(4100);
    StartVariant(118);  // ZERUZE 6 lettres on the flowers
    ScreenAction(5);
    G.playerName = "ALICE";
    G.clickPending = 1;
    G.listScrollHeld = 1;
    ASSERT_TRUE(SaveGame(true));
    G.playerName = "BOB";
    Form1.Close();
  }
  Harness h(HarnessOptions{.realData = true});
  h.dataPrefix = player;
  LoadWordList(1);
  ASSERT_TRUE(h.Start());
  EXPECT_EQ(loadedWordList, 3);  // the flowers
  EXPECT_EQ(G.playerName.str(), "BOB");
  EXPECT_EQ(G.clickPending, 0);
  EXPECT_EQ(G.currentScreen, 5);
  h.Key(kVkEscape);
  h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
  h.Run(500);
  EXPECT_TRUE(G.boardReady);
  EXPECT_FALSE(Form1.closed);
}
