// SPDX-License-Identifier: GPL-3.0-or-later
// The letter sums: a crossword with about one letter in eleven left blank.
// Every letter is worth its rank (A = 1 ... Z = 26); the sum of each row
// stands right of the row, the sum of each column under it, and every palette
// tile shows its letter's value. The player fills the blanks from the palette.
#include <string>
#include <vector>

#include "display/drawing.h"
#include "games/board.h"
#include "games/framework.h"
#include "games/game_routines.h"
#include "games/grid_games.h"
#include "games/shifted_grid.h"
#include "platform/clock.h"
#include "state/game_state.h"

namespace {

int LetterValue(char ch) { return (ch >= 'A' && ch <= 'Z') ? ch - 64 : 0; }

// Letters are kept, or left blank on 9 draws in 100; every letter cell, given
// or blank, may be taken and dropped on.
void LayOutGrid(const TjsysGrille& reader, int size) {
  for (int c = 0; c < size; ++c)
    for (int r = 0; r < size; ++r) {
      const char ch = reader.cells[c][r];
      const int x = c + 1, y = r + 1, at = CellIndex(x, y);
      G.answerGridB[ShiftedIndex(x, y)] = static_cast<uint8_t>(ch);
      char shown = '*';
      if (ch != '*') {
        G.boardPlayable[at] = 1;
        G.boardPickable[at] = 1;
        shown = Random(100) > 90 ? ' ' : ch;
      }
      PlaceAcross(x, y, std::string(1, shown));
      SetCellState(x, y, ch == '*' ? kCellBlack : kCellOpen);
    }
  // A small grid may come out with no blank at all, a game won before the
  // player moves: one of its letters, drawn at random, is then left blank.
  std::vector<int> letters;
  for (int x = 1; x <= size; ++x)
    for (int y = 1; y <= size; ++y) {
      const uint8_t shown = G.boardLetters[CellIndex(x, y)];
      if (shown == ' ') return;
      if (shown != '*') letters.push_back(CellIndex(x, y));
    }
  if (!letters.empty()) G.boardLetters[letters[Random(static_cast<int>(letters.size()))]] = ' ';
}

// The solution's sums: columns in row size + 1, rows in column size + 1. They
// never follow what the board shows.
void WriteSums(const TjsysGrille& reader, int size) {
  for (int i = 0; i < size; ++i) {
    int column = 0, row = 0;
    for (int j = 0; j < size; ++j) {
      column += LetterValue(reader.cells[i][j]);
      row += LetterValue(reader.cells[j][i]);
    }
    G.answerGridA[CellIndex(i + 1, size + 1)] = column;
    G.answerGridA[CellIndex(size + 1, i + 1)] = row;
  }
}

// The board laid out on the chosen grid; the sums are the solution's.
bool LayOutLetterSums(const TjsysGrille& reader, int size) {
  for (int i = 0; i < 441; ++i) G.answerGridA[i] = 0;
  LayOutGrid(reader, size);
  G.wordList.clear();
  reader.CollectWords(G.wordList);
  MarkPalette(CrosswordPaletteRow(size));
  LiftBoardAboveToolbar(CrosswordPaletteRow(size) + 1);
  WriteSums(reader, size);
  return true;
}

}  // namespace

void PlayLetterSums(int size, const std::string& gridFile) {
  const bool built = BuildGridGameOnce(size, gridFile, [size](const TjsysGrille& reader) {
    return LayOutLetterSums(reader, size);
  });
  if (!built) return;
  WriteValuedPalette(CrosswordPaletteRow(size));
  DrawBoard();
  DrawSumNumbers();
  if (G.gameLost) ShowShiftedSolution(size);
  CheckGameComplete();
}

bool LetterSumsSolved() { return ShiftedGridSolved(); }
