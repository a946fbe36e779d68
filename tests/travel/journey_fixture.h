// SPDX-License-Identifier: GPL-3.0-or-later
// A started program on the real data, past its splash, with helpers to begin
// a journey from the main button and to move the pawn on the map.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>

#include "harness/harness.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/keys.h"
#include "state/game_state.h"

struct Journey : Harness {
  explicit Journey(HarnessOptions options = {.realData = true}) : Harness(options) {}

  void Open() {
    ASSERT_TRUE(Start());
    Run(4100);
  }

  // The travel button of the main row (image 62 at (60, 540)).
  void PressTravelButton() {
    MoveTo(84, 564);
    Tick();
    Click(84, 564);
    Tick();
  }

  static Point SquareCentre(int x, int y) { return {75 + 50 * x, 125 + 50 * y}; }

  // Puts the pawn on (x, y) and gives the square (tx, ty) a known price and game.
  void PlaceAt(int x, int y) {
    G.pawnX = x;
    G.pawnY = y;
  }
  void Price(int tx, int ty, int cost, int reward = 50, int variant = 10) {
    TravelSquare& square = G.travelSquares[tx][ty];
    square.entryCost = cost;
    square.rewardPoints = reward;
    square.stageVariant = variant;
  }

  // Hovers the square for a tick, clicks it, and lets the pawn fly.
  void ClickSquare(int tx, int ty, uint32_t flightMs = 2100) {
    const Point p = SquareCentre(tx, ty);
    MoveTo(p.x, p.y);
    Tick();
    Click(p.x, p.y);
    Run(flightMs);
  }

  // A stage running on (tx, ty) after a paid move from (x, y).
  void EnterStage(int x, int y, int tx, int ty, int cost = 30, int reward = 50, int variant = 10) {
    PlaceAt(x, y);
    Price(tx, ty, cost, reward, variant);
    ClickSquare(tx, ty);
  }

  // Ends the running stage as lost, as giving up would (no time-out yet).
  static void LoseStage() {
    G.gameLost = 1;
    G.gameEndTick = Now();
  }
};

inline int Played(int wave) {
  const auto& w = WavesPlayed();
  return static_cast<int>(std::count(w.begin(), w.end(), wave));
}
