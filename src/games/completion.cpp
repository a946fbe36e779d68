// SPDX-License-Identifier: GPL-3.0-or-later
// The shared completion check: each family's rule for a solved board. It
// never fires while the solution is shown, and never clears a win.
#include <string>

#include "games/framework.h"
#include "state/game_state.h"

namespace {

std::string Slot(int k) { return G.wordSlots[k].str(); }
bool SlotsEqual(int a, int b) { return Slot(a) == Slot(b); }
int Letter(int x, int y) { return G.boardLetters[CellIndex(x, y)]; }

bool GridMatches(const int32_t* solution, int firstRow, int lastRow, int offset) {
  const int n = G.gameSize;
  for (int x = 1; x <= n; ++x)
    for (int y = firstRow; y <= lastRow; ++y)
      if (Letter(x, y) != solution[CellIndex(x, y) - offset]) return false;
  return true;
}

// The solution one column and one row lower than the cell, as the letter-sum
// and erased-letter games store it.
bool ShiftedGridMatches() {
  const int n = G.gameSize;
  for (int x = 1; x <= n; ++x)
    for (int y = 1; y <= n; ++y)
      if (Letter(x, y) != G.answerGridB[(x - 1) * 21 + (y - 1)]) return false;
  return true;
}

bool CutWordsRejoined() {
  int j = 0;
  for (int s = 0; s <= 9; ++s)
    if (!G.wordSlots[s].empty()) ++j;
  int pairs = 0;
  for (int s = 0; s < j; ++s)
    for (int k = 0; k < j; ++k)
      if (!G.wordSlots[s].empty() && SlotsEqual(s, 10 + k)) ++pairs;
  return pairs >= j;
}

bool Solved(unsigned v) {
  const int n = G.gameSize;
  if (VariantIn(v, {{1, 3}, {92, 94}})) return GridMatches(G.answerGridB, 1, n, 0);
  if (VariantIn(v, {{29, 32}, {43, 45}, {95, 98}})) return GridMatches(G.answerGridA, 1, n, 0);
  if (VariantIn(v, {{37, 38}, {103, 104}})) return GridMatches(G.answerGridB, 5, n + 4, 0);
  // The erased-letter games have no rule of their own; their grid is
  // recognised the way the letter-sum grid is.
  if (VariantIn(v, {{60, 67}})) return ShiftedGridMatches();
  if (v == 4) return G.gamePhase == n;
  if (VariantIn(v, {{5, 7}, {88, 91}})) {
    const int length = G.wordSlots[0].length;
    return ReadBoardRun(6, 7, length, 1) == Slot(0) && ReadBoardRun(6, 8, length, 1) == Slot(1) &&
           ReadBoardRun(6, 9, length, 1) == Slot(2);
  }
  if (VariantIn(v, {{8, 10}, {68, 87}, {112, 114}, {122, 124}, {132, 134}, {142, 144}, {145, 150}}))
    return SlotsEqual(0, 1);
  if (VariantIn(v, {{11, 13}})) return SlotsEqual(0, 18);
  if (VariantIn(v, {{14, 15}, {19, 21}, {39, 42}})) {
    for (int k = 0; k <= 9; ++k)
      if (!SlotsEqual(k, 10 + k)) return false;
    return true;
  }
  if (VariantIn(v, {{16, 18}})) return SlotsEqual(1, 2);
  if (VariantIn(v, {{22, 24}})) return SlotsEqual(10, 28) && SlotsEqual(10, 29);
  if (v == 25) return SlotsEqual(9, 29);
  if (VariantIn(v, {{26, 28}, {105, 107}, {115, 117}, {125, 127}, {135, 137}})) return CutWordsRejoined();
  if (VariantIn(v, {{46, 50}})) {
    int found = 0;
    for (const auto& item : G.wordList)
      if (!item.empty() && item[0] == ' ') ++found;
    return found >= n;
  }
  if (VariantIn(v, {{51, 59}, {108, 111}, {118, 121}, {128, 131}, {138, 141}})) return SlotsEqual(0, 9);
  return false;  // the hidden-word games decide for themselves
}

}  // namespace

void CheckGameComplete() {
  if (G.gameLost) return;
  if (Solved(G.currentVariant)) G.gameWon = 1;
}
