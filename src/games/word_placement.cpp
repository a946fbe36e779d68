// SPDX-License-Identifier: GPL-3.0-or-later
// The word placement grids: an empty crossword with its black squares, the
// alphabet palette under it and the list of its words beside it. The player
// writes the crossword back letter by letter; each listed word lights up once
// it stands somewhere in the grid.
#include <string>

#include "display/drawing.h"
#include "games/board.h"
#include "games/framework.h"
#include "games/game_routines.h"
#include "games/grid_games.h"
#include "state/game_state.h"

namespace {

// Black squares in place, every other cell an empty open cell.
void LayOutGrid(const TjsysGrille& reader, int size) {
  for (int c = 0; c < size; ++c)
    for (int r = 0; r < size; ++r) {
      const char ch = reader.cells[c][r];
      const int x = c + 1, y = r + 1, at = CellIndex(x, y);
      G.answerGridA[at] = static_cast<uint8_t>(ch);
      G.boardLetters[at] = ch == '*' ? '*' : ' ';
      if (ch != '*') {
        G.boardPlayable[at] = 1;
        G.boardPickable[at] = 1;
      }
      SetCellState(x, y, ch == '*' ? kCellBlack : kCellOpen);
    }
}

}  // namespace

void PlayWordPlacement(int size, const std::string& gridFile) {
  const bool built = BuildGridGameOnce(size, gridFile, [size](const TjsysGrille& reader) {
    LayOutGrid(reader, size);
    G.wordList.clear();
    reader.CollectWords(G.wordList);
    MarkPalette(PaletteRow(size));
    return true;
  });
  if (!built) return;
  // The alphabet is written again every tick, so the palette stays full.
  WriteAlphabet(1, PaletteRow(size));
  DrawBoard();
  DrawPlacedWordList();
  if (G.gameLost) ShowSolution(size, 1, SolutionPlane::kA);
  CheckGameComplete();
}

bool WordPlacementSolved() { return BoardMatches(G.answerGridA, 1, G.gameSize); }
