#include "games/shifted_grid.h"

#include "games/framework.h"
#include "games/proverbs.h"
#include "platform/clock.h"
#include "shell/game_state.h"

bool ChooseCrossword(TjsysGrille& reader, int side) {
  const std::string key = std::to_string(side) + "x" + std::to_string(side);
  reader.LoadFile(G.programDir + "bin\\grilles.txt");
  const int count = reader.CountGrids(key);
  // With two or more grids the last one of the size is never drawn; kept as
  // the grid games have always chosen.
  if (count > 0) reader.SelectGrid(key, Random(count - 1) + 1);
  if (reader.width != side || reader.height != side) return false;
  for (int c = 0; c < side; ++c)
    for (int r = 0; r < side; ++r) {
      const char ch = reader.cells[c][r];
      if (ch != '*' && (ch < 'A' || ch > 'Z')) return false;
    }
  return true;
}

void AbandonWithoutCrossword(int side) {
  AbandonGame("Aucune grille " + std::to_string(side) + "x" + std::to_string(side) + " utilisable dans grilles.txt.");
}

void MakePaletteTiles(int row) {
  for (int x = 1; x <= 13; ++x)
    for (int y = row; y <= row + 1; ++y) {
      G.boardPlayable[CellIndex(x, y)] = 1;
      G.boardPickable[CellIndex(x, y)] = 1;
      SetCellState(x, y, 2);
    }
}

void ShowShiftedSolution(int side) {
  for (int x = 1; x <= side; ++x)
    for (int y = 1; y <= side; ++y) {
      G.boardCellColour[CellIndex(x, y)] = 255;
      G.boardLetters[CellIndex(x, y)] = static_cast<uint8_t>(G.answerGridB[ShiftedIndex(x, y)]);
    }
}

void WriteValuedPalette(int row) {
  WriteAlphabet(1, row);
  for (int x = 1; x <= 13; ++x)
    for (int y = row; y <= row + 1; ++y) G.answerGridA[CellIndex(x, y)] = G.boardLetters[CellIndex(x, y)] - 64;
}
