// SPDX-License-Identifier: GPL-3.0-or-later
// The third word: row 8 shows a four-letter word A, a five-cell gap and a
// third word C; the five-letter word B to find makes a nine-letter word
// with A (A + B) and a longer word with C (B + C).
#include <algorithm>
#include <cstring>
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
#include "words/word_store.h"

namespace {

// The word slots between the routine and the completion check: word B, and
// what the gap spells.
constexpr int kWordBSlot = 9, kGapSlot = 29;


constexpr int kMostDraws = 13001;
// Nine-letter words whose B found no long word before the game gives up;
// their B's are kept in wordList while the game builds.
constexpr size_t kMostSearches = 60;
constexpr int kShortestLong = 6, kLongestLong = 12;

// A B ending in one of these letters (a plural's S among them) is not used.
bool BadLastLetter(char c) { return std::strchr("BHQSWYZ", c) != nullptr; }

// Phase 0: a known nine-letter word cut into two known words A (four
// letters) and B (five). False when no draw gives one.
bool DrawNineLetterWord() {
  if (wordCount[9] <= 0) return false;
  for (int draw = 0; draw < kMostDraws; ++draw) {
    // Any known word of the list, not only the common ones: few nine-letter
    // words split into two known words, so the common tier gives six puzzles.
    const std::string w = StoredWord(9, Random(wordCount[9]) + 1);
    const std::string a = w.substr(0, 4), b = w.substr(4);
    if (BadLastLetter(b.back()) || !IsFairWord(w) || !IsFairWord(a) || !IsFairWord(b)) continue;
    // A B that found no long word before is not tried again.
    if (std::find(G.wordList.begin(), G.wordList.end(), b) != G.wordList.end()) continue;
    G.wordSlots[kWordBSlot] = b;
    G.wordSlots[10] = a;
    G.wordSlots[19] = w;
    G.gamePhase = 1;
    G.gameSize = 0;
    G.gameLength = kShortestLong;
    return true;
  }
  return false;
}

void LayOut() {
  PlaceAcross(2, 8, G.wordSlots[10].str());
  PlaceAcross(13, 8, std::string(8, '*'));
  PlaceAcross(13, 8, G.wordSlots[1].str());
  PlaceAcross(7, 8, "     ");
  for (int x = 7; x <= 12; ++x) {
    G.boardPlayable[CellIndex(x, 8)] = 1;
    G.boardPickable[CellIndex(x, 8)] = 1;
    G.boardCellColour[CellIndex(x, 8)] = kHighlight;
  }
  for (int x = 2; x <= 14; ++x)
    for (int y = 4; y <= 5; ++y) {
      G.boardPlayable[CellIndex(x, y)] = 1;
      G.boardPickable[CellIndex(x, y)] = 1;
      SetCellState(x, y, kCellPalette);
    }
}

// Phase 1: for each length of 6 ... 12 letters, a known long word B + C
// whose end C is a known word of three letters or more, walked from a random
// word on; one of the lengths that have one is drawn. When none has, a new
// nine-letter word is drawn on the next tick.
void SearchLongWord() {
  const std::string b = G.wordSlots[kWordBSlot].str();
  std::vector<std::string> found;
  for (int length = kShortestLong; length <= kLongestLong; ++length) {
    const std::string x = FirstFairWord(length, [&](const std::string& x) {
      return x.compare(0, b.size(), b) == 0 && x.size() > b.size() + 2 && IsFairWord(x.substr(b.size()));
    });
    if (!x.empty()) found.push_back(x);
  }
  if (found.empty()) {
    G.wordList.push_back(b);
    G.gamePhase = 0;
    return;
  }
  const std::string x = found[Random(static_cast<int>(found.size()))];
  G.gameLength = static_cast<int>(x.size());
  G.wordSlots[0] = x;
  G.wordSlots[1] = x.substr(b.size());
  G.gamePhase = 2;
  LayOut();
  G.wordList.clear();
  G.boardReady = 1;
  PlaySound(kSoundBoardReady);
}

}  // namespace

void PlayThirdWord() {
  if (!G.boardReady) {
    // A fresh board has no length searched yet.
    if (G.gamePhase == 0 && G.gameLength == 0) G.wordList.clear();
    if (G.wordList.size() >= kMostSearches) {
      G.wordList.clear();
      AbandonGame("Aucun troisième mot ne convient dans cette liste.");
      return;
    }
    if (G.gamePhase == 0 && !DrawNineLetterWord()) {
      // No new B left once some found no long word.
      AbandonGame(G.wordList.empty() ? "Aucun mot de 9 lettres ne convient dans cette liste."
                                     : "Aucun troisième mot ne convient dans cette liste.");
      return;
    }
    SearchLongWord();
  }
  G.wordSlots[kGapSlot] = ReadBoardRun(7, 8, 5, 1);
  WriteAlphabet(2, 4);
  if (G.gameLost) PlaceAcross(7, 8, G.wordSlots[kWordBSlot].str());
  DrawBoard();
  CheckGameComplete();
}

bool ThirdWordSolved() { return SlotsEqual(kWordBSlot, kGapSlot); }
