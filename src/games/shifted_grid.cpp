// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/shifted_grid.h"

#include "games/board.h"
#include "state/game_state.h"

void WriteValuedPalette(int row) {
  WriteAlphabet(1, row);
  for (int x = 1; x <= 13; ++x)
    for (int y = row; y <= row + 1; ++y) G.answerGridA[CellIndex(x, y)] = G.boardLetters[CellIndex(x, y)] - 64;
}

void ShowShiftedSolution(int side) {
  for (int x = 1; x <= side; ++x)
    for (int y = 1; y <= side; ++y) {
      G.boardCellColour[CellIndex(x, y)] = 255;
      G.boardLetters[CellIndex(x, y)] = static_cast<uint8_t>(G.answerGridB[ShiftedIndex(x, y)]);
    }
}

bool ShiftedGridSolved() {
  const int n = G.gameSize;
  for (int x = 1; x <= n; ++x)
    for (int y = 1; y <= n; ++y)
      if (G.boardLetters[CellIndex(x, y)] != G.answerGridB[ShiftedIndex(x, y)]) return false;
  return true;
}
