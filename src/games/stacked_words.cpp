// SPDX-License-Identifier: GPL-3.0-or-later
// The stacked words: rows 1 ... N hold words of 2 ... N + 1 letters stacked
// from column 1; their first letters, read downwards, spell a hidden word,
// but they are shuffled and the player moves them back.
#include <string>
#include <vector>

#include "display/drawing.h"
#include "display/sound.h"
#include "games/board.h"
#include "games/framework.h"
#include "games/game_routines.h"
#include "games/word_draws.h"
#include "platform/clock.h"
#include "state/game_state.h"
#include "words/word_routines.h"

namespace {

// The word slots between the routine and the completion check: the word
// hidden down the first column, and what that column spells.
constexpr int kHiddenSlot = 0, kColumnSlot = 1;


// Hidden words tried before the game gives up: a list where no hidden word
// gives every row two candidates would otherwise restart for ever. Each try
// takes one tick.
constexpr int kMostTries = 200;

enum class Try { noWord, failed, built };

// A known candidate, any word when none is known. Nothing is remembered
// from one game to the next: a board depends on its puzzle code alone.
std::string KnownRowWord(const std::vector<std::string>& list) {
  std::vector<std::string> known;
  for (const std::string& word : list)
    if (IsFairWord(word)) known.push_back(word);
  return RandomChoice(!known.empty() ? known : list);
}

// One try with a new hidden word; failed when a row has fewer than two
// candidate words (the next call tries again).
Try TryBuild(int rows) {
  const std::string hidden = DrawLetterWord(rows, 100);
  if (hidden.empty()) return Try::noWord;
  G.wordSlots[kHiddenSlot] = hidden;
  PlaceWord(1, 1, hidden, 0, G.boardLetters, 1);
  std::vector<std::string> list;
  for (int k = 1; k <= rows; ++k) {
    G.boardCellColour[CellIndex(1, k)] = kHighlight;
    G.boardPlayable[CellIndex(1, k)] = 1;
    G.boardPickable[CellIndex(1, k)] = 1;
    // Row k's word has k + 1 letters, so its length tells which first
    // letter completes it.
    MatchPattern(list, hidden[k - 1] + std::string(k, '?'));
    if (list.size() < 2) return Try::failed;
    // The row shows a known word when the list has one.
    PlaceAcross(1, k, KnownRowWord(list));
  }
  PlaceAcross(1, rows + 1, " ");
  G.boardPlayable[CellIndex(1, rows + 1)] = 1;
  G.boardPickable[CellIndex(1, rows + 1)] = 1;
  ShuffleBoardWord(1, 1, rows, 0);
  PlaySound(kSoundBoardReady);
  G.boardReady = 1;
  return Try::built;
}

}  // namespace

void PlayStackedWords(int rows) {
  if (!G.boardReady) {
    const Try attempt = TryBuild(rows);
    if (attempt == Try::noWord) {
      AbandonGame("Aucun mot de " + std::to_string(rows) + " lettres dans cette liste.");
      return;
    }
    if (attempt == Try::failed) {
      if (++G.gameSize >= kMostTries) AbandonGame("Aucun mot caché ne convient dans cette liste.");
      return;
    }
  }
  if (G.gameLost) PlaceWord(1, 1, G.wordSlots[kHiddenSlot].str(), 0, G.boardLetters, 1);
  G.wordSlots[kColumnSlot] = ReadBoardRun(1, 1, rows, 2);
  DrawBoard();
  CheckGameComplete();
}

bool StackedWordsSolved() { return SlotsEqual(kHiddenSlot, kColumnSlot); }
