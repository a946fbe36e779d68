// SPDX-License-Identifier: GPL-3.0-or-later
// A travel stage that draws one of the grid games on the crossword files is
// played like any other: built on arrival, won with the mouse, paid, and
// the map comes back.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "games_grids/grid_fixture.h"
#include "journey_fixture.h"

TEST(JourneyStages, AHiddenWordsStageIsWonWithTheMouseAndPaysItsReward) {
  Journey h;
  h.Open();
  h.PressTravelButton();
  G.travelMoney = 100;
  G.destinationX = 12;
  G.destinationY = 6;
  h.EnterStage(5, 3, 5, 4, 30, 55, 36);  // MOTS CACHES 6x6
  ASSERT_EQ(G.currentVariant, 36u);
  EXPECT_EQ(G.travelMoney, 70);
  h.Run(100);
  ASSERT_EQ(G.boardReady, 1);
  ASSERT_FALSE(G.wordList.empty());

  std::set<std::string> selected;
  for (const GridWord& w : WordsOfSolution(6, 1)) {
    if (G.gameWon) break;
    if (selected.insert(w.word).second) DragCells(h, w.first, w.last);
  }
  ASSERT_EQ(G.gameWon, 1);
  h.Run(300);
  h.Click(400, 300);
  h.Tick();
  EXPECT_EQ(G.travelMoney, 125);
  EXPECT_TRUE(G.travelMapShowing);
  EXPECT_FALSE(G.travelModeActive);
  EXPECT_FALSE(G.gameWon);
  EXPECT_TRUE(h.LogHas("passage par voyage continue"));
}
