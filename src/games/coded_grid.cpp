// SPDX-License-Identifier: GPL-3.0-or-later
// The coded grids: a crossword whose letters are hidden behind numbers, one
// number per letter of the alphabet, solved by dragging letters from the
// alphabet palette under the grid.
#include <string>
#include <vector>

#include "display/drawing.h"
#include "display/sound.h"
#include "games/board.h"
#include "games/framework.h"
#include "games/game_routines.h"
#include "games/grid_games.h"
#include "games/helps.h"
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

// By number (the option's default): a letter put on a number fills all its
// cells, as coded-crossword players expect; unticked, cell by cell.
bool FilledByNumber() { return G.checkBoxes[4].checked != 0; }

// Lays out the chosen grid: black squares shown, every letter hidden but the
// first four of the top row, which are ordinary open cells. Filled by
// number, those letters show in every cell of their numbers, fixed.
void LayOutGrid(const TjsysGrille& reader, int size) {
  std::string given;
  for (int c = 0; c < 4 && c < size; ++c) given += reader.cells[c][0];
  for (int c = 0; c < size; ++c)
    for (int r = 0; r < size; ++r) {
      const char ch = reader.cells[c][r];
      const int x = c + 1, y = r + 1, at = CellIndex(x, y);
      G.answerGridB[at] = static_cast<uint8_t>(ch);
      G.answerGridA[at] = (ch >= 'A' && ch <= 'Z') ? std::stoi(G.wordList[ch - 'A']) : 100;
      std::string shown = "*";
      if (ch != '*') {
        const bool shownAtStart = FilledByNumber() ? given.find(ch) != std::string::npos : c < 4 && r == 0;
        shown = shownAtStart ? std::string(1, ch) : " ";
        const bool fixed = shownAtStart && FilledByNumber();
        G.boardPlayable[at] = fixed ? 0 : 1;
        G.boardPickable[at] = fixed ? 0 : 1;
      }
      PlaceAcross(x, y, shown);
      SetCellState(x, y, ch == '*' ? kCellBlack : kCellOpen);
    }
}

// Word slot 1 holds the letter on each number (character n for number n,
// ' ' none, '?' not known yet). A cell that differs from its number's letter
// was just changed by the player: its letter (or its blank, a letter taken
// off) goes to every cell of the number.
void FillByNumber(int size) {
  std::string table = G.wordSlots[1].str();
  if (table.size() != 27) table = std::string(27, '?');
  for (int n = 1; n <= 26; ++n) {
    std::vector<int> cells;
    for (int x = 1; x <= size; ++x)
      for (int y = 1; y <= size; ++y)
        if (G.answerGridA[CellIndex(x, y)] == n && G.boardPlayable[CellIndex(x, y)]) cells.push_back(CellIndex(x, y));
    char letter = table[n];
    for (int at : cells)
      if (G.boardLetters[at] != static_cast<uint8_t>(letter)) {
        letter = static_cast<char>(G.boardLetters[at]);
        break;
      }
    // A revealed letter stays on its number: its cells all take it, fixed
    // and lit as it is, whatever was dropped on another of them.
    int revealed = -1;
    for (int at : cells)
      if (IsRevealedCell(at / 21, at % 21)) revealed = at;  // CellIndex is x * 21 + y
    if (revealed >= 0) letter = static_cast<char>(G.boardLetters[revealed]);
    for (int at : cells) {
      G.boardLetters[at] = static_cast<uint8_t>(letter);
      if (revealed >= 0) G.boardCellColour[at] = G.boardCellColour[revealed];
    }
    table[n] = letter;
  }
  G.wordSlots[1] = table;
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
  if (FilledByNumber() && !G.gameLost) FillByNumber(size);
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
