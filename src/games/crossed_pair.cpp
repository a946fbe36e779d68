// SPDX-License-Identifier: GPL-3.0-or-later
// From one word to the other: two words of L letters cross like a plus sign;
// the three-letter word they share (across in one, down in the other, on
// its middle letter) is blanked and the player writes it back both ways.
#include <string>

#include "display/drawing.h"
#include "display/sound.h"
#include "games/board.h"
#include "games/framework.h"
#include "games/game_routines.h"
#include "games/word_draws.h"
#include "state/game_state.h"
#include "words/word_routines.h"
#include "words/word_store.h"

namespace {

// The word slots between the routine and the completion check: the shared
// three-letter word, and what the across and down gaps spell.
constexpr int kSharedSlot = 10, kAcrossSlot = 28, kDownSlot = 29;


// Draws of the across word in one call before the game gives up.
constexpr int kMostDraws = 3000;
// Shared words that found no partner before the game gives up; they are kept
// in wordList while the game builds.
constexpr size_t kMostSearches = 50;
// Stored words examined per tick by the partner search: the walk shows the
// hourglass and still ends well within a second.
constexpr int kWordsPerTick = 4000;
// Rows the board shows.
constexpr int kTopRow = 1, kBottomRow = 16;

// Phase 0: an across word with a three-letter word inside, from its third
// letter on. False when the list has no word of the length.
bool DrawAcrossWord(int length) {
  for (int draw = 0; draw < kMostDraws; ++draw) {
    const std::string w = RandomWord(static_cast<uint8_t>(length));
    if (w.empty()) return false;
    G.wordSlots[20] = w;
    const std::string t = FindWordInside(w);
    if (t.size() < 3 || !SpeltWithLetters(t)) continue;
    G.wordSlots[kSharedSlot] = t;
    G.gamePhase = 1;
    G.gameSize = 0;
    G.gameLength = static_cast<int>(w.find(t, 2)) + 1;
    return true;
  }
  return false;
}

// The position (1-based) of the shared word in a partner, chosen so that the
// whole partner stands on the rows shown; 0 when it has none there.
int FittingPosition(const std::string& v, const std::string& t) {
  const int length = static_cast<int>(v.size());
  for (size_t at = v.find(t); at != std::string::npos; at = v.find(t, at + 1)) {
    const int q = static_cast<int>(at) + 1;
    if (8 - q >= kTopRow && 7 - q + length <= kBottomRow) return q;
  }
  return 0;
}

void LayOut(int q) {
  const int p = G.gameLength;
  const std::string w = G.wordSlots[20].str();
  PlaceWord(p + 7, 8 - q, G.wordSlots[0].str(), 0, G.boardLetters, 1);
  PlaceAcross(7, 8, w);
  PlaceWord(p + 7, 7, "   ", 0, G.boardLetters, 1);
  PlaceAcross(p + 6, 8, "   ");
  for (int i = 0; i < 3; ++i)
    for (const Point c : {Point{p + 7, 7 + i}, Point{p + 6 + i, 8}}) {
      G.boardPlayable[CellIndex(c.x, c.y)] = 1;
      G.boardPickable[CellIndex(c.x, c.y)] = 1;
      G.boardCellColour[CellIndex(c.x, c.y)] = kHighlight;
    }
  for (int x = 1; x <= 2; ++x)
    for (int y = 1; y <= 13; ++y) {
      G.boardPlayable[CellIndex(x, y)] = 1;
      G.boardPickable[CellIndex(x, y)] = 1;
      SetCellState(x, y, kCellPalette);
    }
}

// Phase 1: a few thousand stored words per tick, from the first, for another
// word holding the shared word where the board can show it. A walk that
// finds none draws a new across word.
void SearchPartner(int length) {
  const std::string w = G.wordSlots[20].str(), t = G.wordSlots[kSharedSlot].str();
  for (int n = 0; n < kWordsPerTick; ++n) {
    if (G.gameSize >= wordCount[length]) {
      G.wordList.push_back(t);
      G.gamePhase = 0;
      return;
    }
    G.gameSize += 1;
    const std::string v = StoredWord(length, G.gameSize);
    const int q = v == w ? 0 : FittingPosition(v, t);
    if (q == 0) continue;
    G.wordSlots[0] = v;
    LayOut(q);
    G.wordList.clear();
    G.boardReady = 1;
    PlaySound(kSoundBoardReady);
    return;
  }
}

}  // namespace

void PlayCrossedPair(int length) {
  if (!G.boardReady) {
    // A fresh board has no shared word's position yet.
    if (G.gamePhase == 0 && G.gameLength == 0) G.wordList.clear();
    if (G.wordList.size() >= kMostSearches) {
      G.wordList.clear();
      AbandonGame("Aucun mot croisé ne convient dans cette liste.");
      return;
    }
    if (G.gamePhase == 0 && !DrawAcrossWord(length)) {
      AbandonGame("Aucun mot de " + std::to_string(length) + " lettres ne convient dans cette liste.");
      return;
    }
    SearchPartner(length);
  }
  const int p = G.gameLength;
  G.wordSlots[kAcrossSlot] = ReadBoardRun(p + 6, 8, 3, 1);
  G.wordSlots[kDownSlot] = ReadBoardRun(p + 7, 7, 3, 2);
  PlaceWord(1, 1, "ABCDEFGHIJKLM", 0, G.boardLetters, 1);
  PlaceWord(2, 1, "NOPQRSTUVWXYZ", 0, G.boardLetters, 1);
  if (G.gameLost) {
    PlaceAcross(p + 6, 8, G.wordSlots[kSharedSlot].str());
    PlaceWord(p + 7, 7, G.wordSlots[kSharedSlot].str(), 0, G.boardLetters, 1);
  }
  DrawBoard();
  CheckGameComplete();
}

bool CrossedPairSolved() { return SlotsEqual(kSharedSlot, kAcrossSlot) && SlotsEqual(kSharedSlot, kDownSlot); }
