// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/shifted_grid.h"

#include "games/framework.h"
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
