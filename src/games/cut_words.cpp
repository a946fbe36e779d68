// SPDX-License-Identifier: GPL-3.0-or-later
// The cut words: W six-letter words are cut into halves of three letters,
// the 2W halves are listed in alphabetical order, and the player puts the
// halves back together in the W empty rows, in any row order.
#include <algorithm>
#include <string>

#include "display/drawing.h"
#include "display/sound.h"
#include "games/board.h"
#include "games/framework.h"
#include "games/game_routines.h"
#include "games/word_draws.h"
#include "state/game_state.h"
#include "words/word_routines.h"

namespace {

// The word slots between the routine and the completion check: word i (1-10)
// in slot i - 1, and what its answer row spells in slot kRowSlots + i - 1.
constexpr int kRowSlots = 10;


// Draws allowed for one word: a themed list with fewer than W different
// six-letter words would otherwise draw for ever.
constexpr int kMostDraws = 2000;

int AnswerRow(int i) { return i + 3; }

bool ChosenBefore(const std::string& word, int count) {
  for (int k = 0; k < count; ++k)
    if (G.wordSlots[k].str() == word) return true;
  return false;
}

// A six-letter word not chosen yet; "" when the draws run out.
std::string DrawNewWord(int chosen) {
  for (int draw = 0; draw < kMostDraws; ++draw) {
    const std::string word = DrawLetterWord(6, 1);
    if (!word.empty() && !ChosenBefore(word, chosen)) return word;
  }
  return "";
}

void MarkPlayable(int x, int y) {
  G.boardPlayable[CellIndex(x, y)] = 1;
  G.boardPickable[CellIndex(x, y)] = 1;
}

void Build(int words) {
  for (int i = 1; i <= words; ++i) {
    const std::string word = DrawNewWord(i - 1);
    if (word.empty()) {
      AbandonGame("Pas assez de mots de 6 lettres dans cette liste.");
      return;
    }
    G.wordSlots[i - 1] = word;
    G.wordList.push_back(word.substr(0, 3));
    G.wordList.push_back(word.substr(3, 3));
    PlaceAcross(3, AnswerRow(i), "   ");
    PlaceAcross(7, AnswerRow(i), "   ");
    for (int x = 3; x <= 9; ++x) {
      MarkPlayable(x, AnswerRow(i));
      G.boardCellColour[CellIndex(x, AnswerRow(i))] = kHighlight;
    }
  }
  std::sort(G.wordList.begin(), G.wordList.end());
  for (int k = 0; k < 2 * words; ++k) {
    const int x = k < words ? 11 : 15, y = 4 + (k < words ? k : k - words);
    PlaceAcross(x, y, G.wordList[k]);
    for (int c = x; c < x + 3; ++c) MarkPlayable(c, y);
  }
  G.boardReady = 1;
  PlaySound(kSoundBoardReady);
}

}  // namespace

void PlayCutWords(int words) {
  G.wordList.clear();
  if (!G.boardReady) {
    Build(words);
    if (!G.boardReady) return;
  }
  if (G.gameLost)
    for (int i = 1; i <= words; ++i) {
      const std::string word = G.wordSlots[i - 1].str();
      PlaceAcross(3, AnswerRow(i), word.substr(0, 3));
      PlaceAcross(7, AnswerRow(i), word.substr(3));
    }
  for (int i = 1; i <= 10; ++i)
    G.wordSlots[kRowSlots + i - 1] =
        i <= words ? ReadBoardRun(3, AnswerRow(i), 3, 1) + ReadBoardRun(7, AnswerRow(i), 3, 1) : std::string();
  DrawBoard();
  CheckGameComplete();
}

// Solved when every word is spelt by one of the answer rows, in any order.
bool CutWordsSolved() {
  int words = 0;
  for (int s = 0; s < kRowSlots; ++s)
    if (!G.wordSlots[s].empty()) ++words;
  int pairs = 0;
  for (int s = 0; s < words; ++s)
    for (int k = 0; k < words; ++k)
      if (!G.wordSlots[s].empty() && SlotsEqual(s, kRowSlots + k)) ++pairs;
  return pairs >= words;
}
