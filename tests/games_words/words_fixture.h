// SPDX-License-Identifier: GPL-3.0-or-later
// A program for the hidden-middle-word, cut-word, stacked-word and exchange
// games, with helpers that play them as a player would: dragging letters
// between the cells' screen points.
#pragma once
#include <algorithm>
#include <string>

#include "catalogue/catalogue.h"
#include "display/drawing.h"
#include "harness/board_play.h"
#include "harness/harness.h"
#include "platform/audio.h"
#include "platform/keys.h"
#include "state/game_state.h"

struct WordsGame : Harness {
  // An empty dictionary text keeps the real lists (realData) or none.
  explicit WordsGame(const std::string& dictionary = "", bool realData = false)
      : Harness(HarnessOptions{.realData = realData}) {
    if (!dictionary.empty()) WriteProgramFile("bin/DicoFrancais.txt", dictionary);
    EXPECT_TRUE(Start());
    Run(4100);
  }
  // Starts the variant and ticks until its board is ready or the game has
  // ended; the number of ticks the build took.
  int Build(uint8_t variant, int mostTicks = 3000) {
    ClearWavesPlayed();
    StartVariant(variant);
    int ticks = 0;
    while (ticks < mostTicks && !G.boardReady && !G.gameTitle.empty()) {
      Tick();
      ++ticks;
    }
    return ticks;
  }
  void Drag(Point fromCell, Point toCell) { DragCells(*this, fromCell, toCell); }
  int Played(int wave) {
    return static_cast<int>(std::count(WavesPlayed().begin(), WavesPlayed().end(), wave));
  }
  // The click after a win records one score line and ends the game; the
  // next tick goes back to the game list.
  void ExpectScoredOnce() {
    ASSERT_EQ(G.gameWon, 1);
    Run(300);
    EXPECT_EQ(Played(11), 1);
    Click(400, 450);
    EXPECT_TRUE(G.gameTitle.empty());
    EXPECT_FALSE(G.listBoxes[listScores].items[1].empty());
    EXPECT_TRUE(G.listBoxes[listScores].items[2].empty());
    Run(300);
    EXPECT_EQ(Played(11), 1);
    EXPECT_EQ(G.currentScreen, 1);
  }
  // Escape gives up: the solution shows at once, the game closes 10 s later.
  void ExpectEscapeClosesLater() {
    Key(kVkEscape);
    Key(kVkReturn);  // "Abandonner la partie ?" answered yes
    EXPECT_EQ(G.gameLost, 1);
    Tick();
    EXPECT_EQ(G.gameWon, 0);
  }
  void ExpectGameClosesTenSecondsLater() {
    Run(9000);
    EXPECT_FALSE(G.gameTitle.empty());
    Run(1100);
    EXPECT_TRUE(G.gameTitle.empty());
  }
  // A build that cannot succeed ends the game with a timed message and a log
  // line instead of an endless hourglass.
  void ExpectAbandoned(const std::string& logged) {
    EXPECT_TRUE(G.gameTitle.empty());
    EXPECT_EQ(G.boardReady, 0);
    EXPECT_EQ(G.messageShowing, 1);
    EXPECT_TRUE(LogHas(logged)) << logged;
  }
};
