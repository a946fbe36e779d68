// SPDX-License-Identifier: GPL-3.0-or-later
// The quick save (save and quit) resumed by the next run of the program: two
// harnesses stand for the two processes, sharing the player's save files.
#include <gtest/gtest.h>

#include <filesystem>

#include "harness/harness.h"
#include "persistence/saved_games.h"
#include "platform/ini_file.h"
#include "platform/keys.h"
#include "state/forms.h"
#include "state/game_state.h"

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
  if (giveUp) first.Key(kVkEscape);
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
