// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "harness/harness.h"
#include "display/list_entries.h"
#include "persistence/scores.h"
#include "state/game_state.h"

namespace {
void WinAfter(int minutes, int seconds, const std::string& title = "PENDU  8 lettres") {
  G.elapsedHours = 0;
  G.elapsedDays = 0;
  G.elapsedMinutes = static_cast<uint8_t>(minutes);
  G.elapsedSeconds = static_cast<uint8_t>(seconds);
  G.elapsedTimeText = "00mn 00s";
  G.gameTitle = title;
  RecordWin();
}
}  // namespace

TEST(Scores, TheScoreFallsWithThePlayTime) {
  Harness h;
  WinAfter(1, 5);
  EXPECT_EQ(G.lastScore, 9160);
  EXPECT_EQ(G.listBoxes[listScores].items[1].substr(41), "9160");
  WinAfter(12, 50);
  EXPECT_EQ(G.lastScore, 0);
  EXPECT_EQ(G.listBoxes[listScores].items[1].substr(41), "0000");
  WinAfter(15, 0);
  EXPECT_EQ(G.lastScore, 1);
  EXPECT_EQ(G.listBoxes[listScores].items[1].substr(41), "0001");
  G.elapsedHours = 1;
  RecordWin();
  EXPECT_EQ(G.lastScore, 1);
}

TEST(Scores, TheLineHoldsNameTitleAndTimeAtTheirColumns) {
  Harness h;
  G.playerName = "Un nom bien trop long";
  WinAfter(0, 30, "MOTS EN CROIX  11 Lettres");
  const std::string line = G.listBoxes[listScores].items[1];
  ASSERT_EQ(line.size(), 45u);
  EXPECT_EQ(line.substr(0, 13), "Un nom bien t");
  // A title of more than 19 characters keeps its first 18.
  EXPECT_EQ(line.substr(13, 19), std::string("MOTS EN CROIX  11 ") + ".");
  EXPECT_EQ(line.substr(32, 9), "00mn 00s.");
}

TEST(Scores, TheNewestLineIsAlwaysFirst) {
  Harness h;
  WinAfter(5, 0);
  WinAfter(0, 1);
  WinAfter(9, 0);
  EXPECT_EQ(G.listBoxes[listScores].items[1].substr(41), "2800");
  EXPECT_EQ(G.listBoxes[listScores].items[2].substr(41), "9992");
  EXPECT_EQ(G.listBoxes[listScores].items[3].substr(41), "6000");
}

TEST(Scores, RemovingTwiceAsksForASelectionTheSecondTime) {
  Harness h;
  G.commentaryText[32] = "Choisissez d'abord une ligne";
  AddEntry(listScores, "un");
  AddEntry(listScores, "deux");
  G.listBoxes[listScores].selected = 1;
  RemoveSelected(listScores);
  EXPECT_EQ(G.listBoxes[listScores].items[1], "deux");
  EXPECT_EQ(G.listBoxes[listScores].selected, -1);
  RemoveSelected(listScores);
  EXPECT_EQ(G.listBoxes[listScores].items[1], "deux");
}
