// SPDX-License-Identifier: GPL-3.0-or-later
// A player's moves on the board, and reading rows back, for the anagram and
// extra-letter games.
#pragma once
#include <algorithm>
#include <string>

#include "display/drawing.h"
#include "harness/board_play.h"
#include "harness/harness.h"
#include "state/game_state.h"

inline std::string RowText(int x, int y, int length) { return RowAt(x, y, length); }

// Presses on one cell and releases on another, with the pointer moved there
// as a player's hand would, a tick between each step.
inline void Drag(Harness& h, Point from, Point to) { DragCells(h, from, to); }

// Spells `word` on row `toRow` from column x, taking each letter from the
// first cell of row `fromRow` (same columns) that holds it.
inline void SpellFromRow(Harness& h, const std::string& word, int x, int fromRow, int toRow) {
  for (size_t i = 0; i < word.size(); ++i) {
    int source = -1;
    for (size_t j = 0; j < word.size() && source < 0; ++j)
      if (LetterAt(x + static_cast<int>(j), fromRow) == word[i]) source = x + static_cast<int>(j);
    if (source < 0) return;
    Drag(h, {source, fromRow}, {x + static_cast<int>(i), toRow});
  }
}

