// SPDX-License-Identifier: GPL-3.0-or-later
// The third word: row 8 shows a four-letter word A, a five-cell gap and a
// third word C; the five-letter word B to find makes a nine-letter word
// with A (A + B) and a longer word with C (B + C).
#include <cstring>
#include <string>

#include "display/drawing.h"
#include "display/sound.h"
#include "games/board.h"
#include "games/framework.h"
#include "games/game_routines.h"
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
// Stored words examined per tick by the long-word search: about all the
// lengths it walks for one nine-letter word.
constexpr int kWordsPerTick = 250000;
constexpr int kShortestLong = 6, kLongestLong = 12;

// A B ending in one of these letters (a plural's S among them) is not used.
bool BadLastLetter(char c) { return std::strchr("BHQSWYZ", c) != nullptr; }

// Phase 0: a nine-letter word cut into two words A (four letters) and B
// (five). False when no draw gives one.
bool DrawNineLetterWord() {
  for (int draw = 0; draw < kMostDraws; ++draw) {
    const std::string w = RandomWord(9);
    if (w.empty()) return false;
    const std::string a = w.substr(0, 4), b = w.substr(4);
    if (BadLastLetter(b.back()) || !IsWord(a) || !IsWord(b)) continue;
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

// Phase 1: the stored words of 6 ... 12 letters, a length at a time, for a
// long word B + C whose end C is a word of three letters or more. When the
// lengths run out a new nine-letter word is drawn on the next tick.
void SearchLongWord() {
  const std::string b = G.wordSlots[kWordBSlot].str();
  for (int n = 0; n < kWordsPerTick; ++n) {
    const int length = G.gameLength;
    if (G.gameSize >= wordCount[length]) {
      G.gameLength += 1;
      G.gameSize = 0;
      if (G.gameLength > kLongestLong) {
        G.wordList.push_back(b);
        G.gamePhase = 0;
        return;
      }
      continue;
    }
    G.gameSize += 1;
    const char* x = StoredWordBytes(length, G.gameSize);
    if (!x || std::memcmp(x, b.data(), b.size()) != 0) continue;
    const std::string c(x + b.size(), length - b.size());
    if (c.size() <= 2 || !IsWord(c)) continue;
    G.wordSlots[0] = std::string(x, length);
    G.wordSlots[1] = c;
    G.gamePhase = 2;
    LayOut();
    G.wordList.clear();
    G.boardReady = 1;
    PlaySound(kSoundBoardReady);
    return;
  }
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
      AbandonGame("Aucun mot de 9 lettres ne convient dans cette liste.");
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
