// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the letter board and moving letters on it as a player's hand
// would, for the game tests.
#pragma once
#include <algorithm>
#include <string>

#include "display/drawing.h"
#include "harness/harness.h"
#include "state/game_state.h"

inline char LetterAt(int x, int y) { return static_cast<char>(G.boardLetters[CellIndex(x, y)]); }

inline std::string RowAt(int x, int y, int length) {
  std::string text;
  for (int i = 0; i < length; ++i) text += LetterAt(x + i, y);
  return text;
}

inline std::string ColumnAt(int x, int y, int length) {
  std::string text;
  for (int i = 0; i < length; ++i) text += LetterAt(x, y + i);
  return text;
}

inline bool SameLetters(std::string a, std::string b) {
  std::sort(a.begin(), a.end());
  std::sort(b.begin(), b.end());
  return a == b;
}

// The screen point in the middle of a cell.
inline Point CellCentre(Point cell) {
  const Point p = PointOfCell(cell);
  return {p.x + 15, p.y + 15};
}

// Presses on one cell and moves the pointer, button held, to another, a
// tick between each step.
inline void PressAndMoveCells(Harness& h, Point fromCell, Point toCell) {
  const Point from = CellCentre(fromCell), to = CellCentre(toCell);
  h.MoveTo(from.x, from.y);
  h.Tick();
  h.Press(from.x, from.y);
  h.Tick();
  h.MoveTo(to.x, to.y);
  h.Tick();
}

// Presses on one cell and releases on another, with the pointer moved there
// first, a tick between each step.
inline void DragCells(Harness& h, Point fromCell, Point toCell) {
  PressAndMoveCells(h, fromCell, toCell);
  const Point to = CellCentre(toCell);
  h.Release(to.x, to.y);
  h.Tick();
}
