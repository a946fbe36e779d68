// SPDX-License-Identifier: GPL-3.0-or-later
// A program for the password and ZERUZE games, with helpers that play them
// as a player would: dragging letters between the cells' screen points.
#pragma once
#include <algorithm>
#include <string>

#include "catalogue/catalogue.h"
#include "display/drawing.h"
#include "harness/board_play.h"
#include "harness/harness.h"
#include "platform/audio.h"
#include "state/game_state.h"

struct RowsGame : Harness {
  explicit RowsGame(const std::string& dictionary, HarnessOptions options = {}) : Harness(options) {
    if (!dictionary.empty()) WriteProgramFile("bin/DicoFrancais.txt", dictionary);
    EXPECT_TRUE(Start());
    Run(4100);
  }
  void StartGame(uint8_t variant) {
    ClearWavesPlayed();
    StartVariant(variant);
    Tick();
  }
  void Drag(Point fromCell, Point toCell) { DragCells(*this, fromCell, toCell); }
  int Played(int wave) {
    return static_cast<int>(std::count(WavesPlayed().begin(), WavesPlayed().end(), wave));
  }
};
