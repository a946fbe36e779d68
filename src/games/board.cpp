// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/board.h"

#include "state/game_state.h"
#include "words/word_routines.h"

void PlaceAcross(int x, int y, const std::string& text) { PlaceWord(x, y, text, 1, G.boardLetters, 1); }

void WriteAlphabet(int x, int row) {
  PlaceAcross(x, row, "ABCDEFGHIJKLM");
  PlaceAcross(x, row + 1, "NOPQRSTUVWXYZ");
}

std::string ReadBoardRun(int x, int y, int length, int direction) {
  std::string run;
  for (int i = 0; i < length; ++i) {
    const int cx = direction == 1 ? x + i : x, cy = direction == 1 ? y : y + i;
    if (cx < 0 || cx > 20 || cy < 0 || cy > 20) break;
    run += static_cast<char>(G.boardLetters[CellIndex(cx, cy)]);
  }
  return run;
}

bool SlotsEqual(int k, int j) { return G.wordSlots[k].str() == G.wordSlots[j].str(); }

bool BoardMatches(const int32_t* solution, int firstRow, int lastRow) {
  const int n = G.gameSize;
  for (int x = 1; x <= n; ++x)
    for (int y = firstRow; y <= lastRow; ++y)
      if (G.boardLetters[CellIndex(x, y)] != solution[CellIndex(x, y)]) return false;
  return true;
}

bool EveryWordMatchesItsAnswer() {
  for (int k = 0; k <= 9; ++k)
    if (!SlotsEqual(k, k + kAnswerSlotOffset)) return false;
  return true;
}
