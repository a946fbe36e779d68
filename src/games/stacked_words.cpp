// SPDX-License-Identifier: GPL-3.0-or-later
// The stacked words: rows 1 ... N hold words of 2 ... N + 1 letters stacked
// from column 1; their first letters, read downwards, spell a hidden word,
// but they are shuffled and the player moves them back.
#include <string>
#include <unordered_set>
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
// Tries that ask every row for a word not stacked yet in this run; the later
// ones take a known word again where a row has no fresh one.
constexpr int kFreshTries = 30;

enum class Try { noWord, failed, built };

// The words this run of the program has stacked: a few long words start with
// each letter, so a plain draw showed the same ones game after game.
std::unordered_set<std::string> stackedThisRun;

// A known candidate not stacked yet in this run; unless `freshOnly` is set
// ("" then), any known word once all are used, any word when none is known.
std::string FreshRowWord(const std::vector<std::string>& list, bool freshOnly) {
  std::vector<std::string> fresh, known;
  for (const std::string& word : list)
    if (IsFairWord(word)) (stackedThisRun.count(word) ? known : fresh).push_back(word);
  if (freshOnly && fresh.empty()) return "";
  return RandomChoice(!fresh.empty() ? fresh : !known.empty() ? known : list);
}

// The hidden word, drawn again (a few times) while it was stacked before.
std::string FreshHiddenWord(int rows) {
  std::string hidden;
  for (int draw = 0; draw < 20; ++draw) {
    hidden = DrawLetterWord(rows, 100);
    if (hidden.empty() || !stackedThisRun.count(hidden)) break;
  }
  return hidden;
}

// One try with a new hidden word; failed when a row has fewer than two
// candidate words, or during the first tries no fresh known one (the next
// call tries again).
Try TryBuild(int rows) {
  const std::string hidden = FreshHiddenWord(rows);
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
    // The row shows a known word not stacked yet when the list has one.
    const std::string word = FreshRowWord(list, G.gameSize < kFreshTries);
    if (word.empty()) return Try::failed;
    PlaceAcross(1, k, word);
  }
  stackedThisRun.insert(hidden);
  for (int k = 1; k <= rows; ++k) stackedThisRun.insert(ReadBoardRun(1, k, k + 1, 1));
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
