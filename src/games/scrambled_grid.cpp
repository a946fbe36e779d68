// SPDX-License-Identifier: GPL-3.0-or-later
// The scrambled grid: two copies of a crossword side by side, on the left
// empty with its black squares, on the right with the letters of each across
// word shuffled in place. The player moves the letters from right to left
// until the left grid is the crossword.
#include <string>

#include "display/drawing.h"
#include "games/board.h"
#include "games/framework.h"
#include "games/game_routines.h"
#include "games/grid_games.h"
#include "state/game_state.h"
#include "words/word_routines.h"

namespace {

constexpr int kTopRow = 5;

// Solution cell (c, r) is left cell (c + 1, r + 5) and right cell
// (c + size + 2, r + 5); the column between them stays empty.
void LayOutGrids(const TjsysGrille& reader, int size) {
  for (int c = 0; c < size; ++c)
    for (int r = 0; r < size; ++r) {
      const char ch = reader.cells[c][r];
      const char shown = ch == '*' ? ' ' : ch;
      const int y = r + kTopRow, left = CellIndex(c + 1, y), right = CellIndex(c + size + 2, y);
      G.answerGridA[left] = static_cast<uint8_t>(ch);
      G.answerGridB[left] = static_cast<uint8_t>(shown);
      SetCellState(c + 1, y, shown == ' ' ? kCellBlack : kCellOpen);
      SetCellState(c + size + 2, y, shown == ' ' ? kCellBlack : kCellOpen);
      G.boardLetters[left] = ' ';
      G.boardLetters[right] = static_cast<uint8_t>(shown);
      for (int at : {left, right}) {
        G.boardPlayable[at] = 1;
        G.boardPickable[at] = 1;
      }
    }
}

// Every across run of two letters or more in the right grid is shuffled in
// place; runs of one letter and the down words as such are left alone.
void ScrambleRightGrid(int size) {
  const int first = size + 2, last = 2 * size + 1;
  for (int y = kTopRow; y < kTopRow + size; ++y)
    for (int x = first - 1; x < last; ++x) {
      if (x >= first && G.boardLetters[CellIndex(x, y)] != ' ') continue;
      int length = 0;
      while (x + 1 + length <= last && G.boardLetters[CellIndex(x + 1 + length, y)] != ' ') ++length;
      if (length >= 2) ShuffleBoardWord(x + 1, y, length, 1);
    }
}

}  // namespace

void PlayScrambledGrid(int size, const std::string& gridFile) {
  const bool built = BuildGridGameOnce(size, gridFile, [size](const TjsysGrille& reader) {
    LayOutGrids(reader, size);
    ScrambleRightGrid(size);
    return true;
  });
  if (!built) return;
  DrawBoard();
  // The crossword on the left, its black squares as '*' on black tiles.
  if (G.gameLost) ShowSolution(size, kTopRow, SolutionPlane::kA);
  CheckGameComplete();
}

// The grid is laid four rows lower, under the scrambled copy's header.
bool ScrambledGridSolved() { return BoardMatches(G.answerGridB, 5, G.gameSize + 4); }
