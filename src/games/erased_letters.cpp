// SPDX-License-Identifier: GPL-3.0-or-later
// The erased letters: a crossword from which about half or a quarter of the
// letters have been erased. The letters left are fixed; the player fills the
// erased cells from the alphabet palette.
#include <string>

#include "display/drawing.h"
#include "games/board.h"
#include "games/framework.h"
#include "games/game_routines.h"
#include "games/grid_games.h"
#include "games/shifted_grid.h"
#include "platform/clock.h"
#include "state/game_state.h"

namespace {

// The level parameter names the variant: 12 and 10 erase about half of a
// 12 x 12 and a 10 x 10 grid, 8 and 6 about a quarter of the same two sizes.
struct Level {
  int side;
  int eraseRate;
};
Level LevelOf(int parameter) {
  switch (parameter) {
    case 12: return {12, 50};
    case 10: return {10, 50};
    case 8: return {12, 25};
    default: return {10, 25};
  }
}

// A letter is erased when Random(100) > 100 - rate: 49 or 24 chances in 100.
// Erased cells are the only grid cells a letter may be taken from or dropped
// on; the others are fixed (state 1).
void LayOutGrid(const TjsysGrille& reader, const Level& level) {
  for (int c = 0; c < level.side; ++c)
    for (int r = 0; r < level.side; ++r) {
      const char ch = reader.cells[c][r];
      const int x = c + 1, y = r + 1, at = CellIndex(x, y);
      G.answerGridB[ShiftedIndex(x, y)] = static_cast<uint8_t>(ch);
      char shown = '*';
      int state = kCellBlack;
      if (ch != '*') {
        state = kCellPlain;
        shown = ch;
        if (Random(100) > 100 - level.eraseRate) {
          G.boardPlayable[at] = 1;
          G.boardPickable[at] = 1;
          state = kCellOpen;
          shown = ' ';
        }
      }
      PlaceAcross(x, y, std::string(1, shown));
      SetCellState(x, y, state);
    }
}

bool LayOutErasedLetters(const TjsysGrille& reader, const Level& level) {
  for (int i = 0; i < 441; ++i) G.answerGridA[i] = 0;
  LayOutGrid(reader, level);
  G.wordList.clear();
  reader.CollectWords(G.wordList);
  MarkPalette(CrosswordPaletteRow(level.side));
  LiftBoardAboveToolbar(CrosswordPaletteRow(level.side) + 1);
  return true;
}

}  // namespace

void PlayErasedLetters(int parameter, const std::string& gridFile) {
  const Level level = LevelOf(parameter);
  const bool built = BuildGridGameOnce(level.side, gridFile, [&level](const TjsysGrille& reader) {
    return LayOutErasedLetters(reader, level);
  });
  if (!built) return;
  // The palette's letter values are written too, though this game does not
  // show them.
  WriteValuedPalette(CrosswordPaletteRow(level.side));
  DrawBoard();
  if (G.gameLost) ShowShiftedSolution(level.side);
  // Won when every cell holds its solution letter, as the letter-sum grid.
  CheckGameComplete();
}

// The erased-letter games have no rule of their own; their grid is
// recognised the way the letter-sum grid is.
bool ErasedLettersSolved() { return ShiftedGridSolved(); }
