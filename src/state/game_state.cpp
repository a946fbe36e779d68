// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/game_state.h"

#include <memory>

GameState G{};

std::string Comment(int n) {
  if (n < 1 || n > 499) return "";
  return G.commentaryText[n - 1].str();
}

std::string DataFolderPrefix() {
  // Without a usable entry (a damaged or missing commentary file, where it is
  // empty or "Rien") the player's folders go under the home folder, never
  // into whatever folder the program was started from.
  const std::string prefix = Comment(51);
  return prefix.empty() || prefix == "Rien" ? kDefaultDataFolderPrefix : prefix;
}

bool SoundsOn() { return G.checkBoxes[1].checked != 0; }
bool MusicOn() { return G.checkBoxes[2].checked != 0; }

static bool blinkAsked = false;

bool BlinkPhaseShown() {
  blinkAsked = true;
  return G.blinkPhase != 0;
}

bool TakeBlinkAsked() {
  const bool asked = blinkAsked;
  blinkAsked = false;
  return asked;
}

static bool HasCellState(int x, int y) { return x >= 1 && x <= 20 && y >= 1 && y <= 20; }

int32_t CellState(int x, int y) {
  return HasCellState(x, y) ? G.boardCellState[(x - 1) * 20 + (y - 1)] : 0;
}

void SetCellState(int x, int y, int32_t state) {
  if (HasCellState(x, y)) G.boardCellState[(x - 1) * 20 + (y - 1)] = state;
}

void ClearGameState() {
  // Kept on the heap: the state is large, and a temporary on the stack would be too.
  auto fresh = std::make_unique<GameState>();
  G = *fresh;
}
