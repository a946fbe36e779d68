// SPDX-License-Identifier: GPL-3.0-or-later
// The coded grids: a crossword whose letters are hidden behind numbers, one
// number per letter of the alphabet, solved by dragging letters from the
// alphabet palette under the grid.
#include <string>

#include "display/drawing.h"
#include "display/sound.h"
#include "games/board.h"
#include "games/framework.h"
#include "games/game_routines.h"
#include "games/grid_games.h"
#include "platform/clock.h"
#include "state/game_state.h"
#include "words/word_routines.h"

namespace {

// wordList entry k is the code of the letter 'A' + k: the numbers 1-26
// shuffled by moving a random entry to the front again and again.
void DealCodeTable() {
  G.wordList.clear();
  for (int n = 1; n <= 26; ++n) G.wordList.push_back(std::to_string(n));
  for (int i = 0; i < 1000; ++i) {
    const int from = Random(26);
    const std::string moved = G.wordList[from];
    G.wordList.erase(G.wordList.begin() + from);
    G.wordList.insert(G.wordList.begin(), moved);
  }
}

// Lays out the chosen grid: black squares shown, every letter hidden but the
// first four of the top row, which are ordinary open cells.
void LayOutGrid(const TjsysGrille& reader, int size) {
  for (int c = 0; c < size; ++c)
    for (int r = 0; r < size; ++r) {
      const char ch = reader.cells[c][r];
      const int x = c + 1, y = r + 1, at = CellIndex(x, y);
      G.answerGridB[at] = static_cast<uint8_t>(ch);
      G.answerGridA[at] = (ch >= 'A' && ch <= 'Z') ? std::stoi(G.wordList[ch - 'A']) : 100;
      std::string shown = "*";
      if (ch != '*') {
        shown = (c < 4 && r == 0) ? std::string(1, ch) : " ";
        G.boardPlayable[at] = 1;
        G.boardPickable[at] = 1;
      }
      PlaceAcross(x, y, shown);
      SetCellState(x, y, ch == '*' ? kCellBlack : kCellOpen);
    }
}

}  // namespace

void PlayCodedGrid(int size, const std::string& gridFile) {
  if (!G.boardReady) {
    DealCodeTable();
    PlaySound(kSoundChoice);
  }
  // Without a usable grid the board would be a field of empty cells that no
  // letter can complete: the game is not built.
  const bool built = BuildGridGameOnce(size, gridFile, [size](const TjsysGrille& reader) {
    LayOutGrid(reader, size);
    MarkPalette(PaletteRow(size));
    return true;
  });
  if (!built) return;
  if (G.gameLost) ShowSolution(size, 1, SolutionPlane::kB);
  // The alphabet is written again every tick, so a letter taken from the
  // palette, or one dropped on it, never changes it for long.
  const int row = PaletteRow(size);
  WriteAlphabet(1, row);
  DrawBoard();
  DrawCodeNumbers();
  CheckGameComplete();
}

bool CodedGridSolved() { return BoardMatches(G.answerGridB, 1, G.gameSize); }
