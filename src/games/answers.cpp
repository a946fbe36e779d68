// SPDX-License-Identifier: GPL-3.0-or-later
// The right letter of a cell the player fills, read from where each family
// keeps its solution, for the hint and the check (game_routines.h). 0 for a
// cell the family has no letter for.
#include "games/game_routines.h"

#include "games/shifted_grid.h"
#include "state/game_state.h"

namespace {

bool InSquare(Point c, int firstRow) {
  return c.x >= 1 && c.x <= G.gameSize && c.y >= firstRow && c.y < firstRow + G.gameSize;
}
char Letter(int32_t value) { return value >= 'A' && value <= 'Z' ? static_cast<char>(value) : 0; }

}  // namespace

char CodedGridAnswer(Point c) { return InSquare(c, 1) ? Letter(G.answerGridB[CellIndex(c.x, c.y)]) : 0; }
char CrosswordAnswer(Point c) { return InSquare(c, 1) ? Letter(G.answerGridA[CellIndex(c.x, c.y)]) : 0; }
// The scrambled grid is rebuilt on the left from row 5.
char ScrambledGridAnswer(Point c) { return InSquare(c, 5) ? Letter(G.answerGridB[CellIndex(c.x, c.y)]) : 0; }
char ShiftedGridAnswer(Point c) { return InSquare(c, 1) ? Letter(G.answerGridB[ShiftedIndex(c.x, c.y)]) : 0; }

// The word-guess rows: the row being played, from column 7, spells the word
// of slot 0 (the rows start at row 7, one a turn).
char WordRowsAnswer(Point c) {
  const std::string word = G.wordSlots[0].str();
  const int at = c.x - 7;
  if (c.y != 6 + G.gameLength || at < 0 || at >= static_cast<int>(word.size())) return 0;
  return Letter(static_cast<uint8_t>(word[at]));
}

// The month proverbs: the text of slot 0 in rows 6-10, twenty a row.
char MonthProverbAnswer(Point c) {
  const std::string text = G.wordSlots[0].str();
  const int at = (c.y - 6) * 20 + c.x - 1;
  if (c.y < 6 || c.y > 10 || c.x < 1 || c.x > 20 || at >= static_cast<int>(text.size())) return 0;
  return Letter(static_cast<uint8_t>(text[at]));
}

// The anagrams: the answer row 11, laid out from 10 - length / 2, spells the
// one anagram (slot 1).
char AnagramAnswer(Point c) {
  const std::string word = G.wordSlots[1].str();
  const int at = c.x - (10 - static_cast<int>(word.size()) / 2);
  if (c.y != 11 || at < 0 || at >= static_cast<int>(word.size())) return 0;
  return Letter(static_cast<uint8_t>(word[at]));
}

// The third word: the gap of five cells at (7, 8) spells word B (slot 9).
char ThirdWordAnswer(Point c) {
  const std::string word = G.wordSlots[9].str();
  const int at = c.x - 7;
  if (c.y != 8 || at < 0 || at >= static_cast<int>(word.size())) return 0;
  return Letter(static_cast<uint8_t>(word[at]));
}
