// A player's moves on the board, and reading rows back, for the anagram and
// extra-letter games.
#pragma once
#include <algorithm>
#include <string>

#include "display/drawing.h"
#include "harness/harness.h"
#include "shell/game_state.h"

inline char LetterAt(int x, int y) { return static_cast<char>(G.boardLetters[CellIndex(x, y)]); }

inline std::string RowText(int x, int y, int length) {
  std::string text;
  for (int i = 0; i < length; ++i) text += LetterAt(x + i, y);
  return text;
}

// Presses on one cell and releases on another, with the pointer moved there
// as a player's hand would, a tick between each step.
inline void Drag(Harness& h, Point from, Point to) {
  const Point a = PointOfCell(from), b = PointOfCell(to);
  h.MoveTo(a.x + 15, a.y + 15);
  h.Tick();
  h.Press(a.x + 15, a.y + 15);
  h.Tick();
  h.MoveTo(b.x + 15, b.y + 15);
  h.Tick();
  h.Release(b.x + 15, b.y + 15);
  h.Tick();
}

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

inline bool SameLetters(std::string a, std::string b) {
  std::sort(a.begin(), a.end());
  std::sort(b.begin(), b.end());
  return a == b;
}
