// SPDX-License-Identifier: GPL-3.0-or-later
// The deconstructed grid: a crossword shown as a square of white cells, only
// the first four letters of its top row given. Its black squares wait under
// the grid as a stock of black tiles beside the alphabet palette, and its
// words are listed on the right. The player puts the black squares and the
// letters back until the grid is the crossword.
#include <string>

#include "display/drawing.h"
#include "games/board.h"
#include "games/framework.h"
#include "games/game_routines.h"
#include "games/grid_games.h"
#include "state/game_state.h"

namespace {

// The stock holds two rows of thirteen black tiles.
constexpr int kStockSize = 26;

int CountBlackSquares(const TjsysGrille& reader, int size) {
  int count = 0;
  for (int c = 0; c < size; ++c)
    for (int r = 0; r < size; ++r) count += reader.cells[c][r] == '*';
  return count;
}

void PutStockTile(int x, int y) {
  const int at = CellIndex(x, y);
  G.boardLetters[at] = '*';
  SetCellState(x, y, kCellBlack);
  G.boardPlayable[at] = 1;
  G.boardPickable[at] = 1;
}

// Every cell open and playable, the given letters shown; each black square
// goes to the stock, row P + 2 from column 1, then row P + 3.
void LayOutGrid(const TjsysGrille& reader, int size, int paletteRow) {
  int s = 0, o = 2;
  for (int c = 0; c < size; ++c)
    for (int r = 0; r < size; ++r) {
      const char ch = reader.cells[c][r];
      const int x = c + 1, y = r + 1, at = CellIndex(x, y);
      G.answerGridA[at] = static_cast<uint8_t>(ch);
      G.boardPlayable[at] = 1;
      G.boardPickable[at] = 1;
      G.boardLetters[at] = (ch != '*' && c < 4 && r == 0) ? static_cast<uint8_t>(ch) : ' ';
      SetCellState(x, y, kCellOpen);
      if (ch != '*') continue;
      if (s > 12) {
        s = 0;
        o = 3;
      }
      PutStockTile(s + 1, paletteRow + o);
      ++s;
    }
}

}  // namespace

void PlayDeconstructedGrid(int size, const std::string& gridFile) {
  const bool built = BuildGridGameOnce(size, gridFile, [size](const TjsysGrille& reader) {
    // More black squares than the stock holds would leave a grid that can
    // never be completed.
    if (CountBlackSquares(reader, size) > kStockSize) return false;
    LayOutGrid(reader, size, PaletteRow(size));
    G.wordList.clear();
    reader.CollectWords(G.wordList);
    MarkPalette(PaletteRow(size));
    // The second stock row, four rows under the 10 x 10 grid.
    LiftBoardAboveToolbar(PaletteRow(size) + 3);
    return true;
  });
  if (!built) return;
  WriteAlphabet(1, PaletteRow(size));
  DrawBoard();
  // The black tiles the player has placed are the '*' that bound the words.
  DrawPlacedWordList();
  if (G.gameLost) {
    // The crossword's black squares show as holes: '*' on an open cell is
    // not drawn.
    ShowSolution(size, 1, SolutionPlane::kA);
    for (int x = 1; x <= size; ++x)
      for (int y = 1; y <= size; ++y) SetCellState(x, y, kCellOpen);
  }
  CheckGameComplete();
}

bool DeconstructedGridSolved() { return BoardMatches(G.answerGridA, 1, G.gameSize); }
