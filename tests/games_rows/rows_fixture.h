// A program for the password and ZERUZE games, with helpers that play them
// as a player would: dragging letters between the cells' screen points.
#pragma once
#include <algorithm>
#include <string>

#include "catalogue/catalogue.h"
#include "display/drawing.h"
#include "harness/harness.h"
#include "platform/audio.h"
#include "shell/game_state.h"

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
  Point Centre(Point cell) {
    const Point p = PointOfCell(cell);
    return {p.x + 15, p.y + 15};
  }
  void Drag(Point fromCell, Point toCell) {
    const Point from = Centre(fromCell), to = Centre(toCell);
    MoveTo(from.x, from.y);
    Tick();
    Press(from.x, from.y);
    Tick();
    MoveTo(to.x, to.y);
    Tick();
    Release(to.x, to.y);
    Tick();
  }
  int Played(int wave) {
    return static_cast<int>(std::count(WavesPlayed().begin(), WavesPlayed().end(), wave));
  }
};
