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
// Rows the board shows.
constexpr int kTopRow = 1, kBottomRow = 16;

// The first known three-letter word among the pieces of the word starting at
// its 3rd to 6th letters, and its position (1-based); 0 when none. Only known
// words: the dictionary's first piece is often an abbreviation or an English
// word (END, ANT, TIN).
int SharedWordIn(const std::string& w) {
  for (size_t at = 2; at <= 5 && at + 3 <= w.size(); ++at)
    if (IsFairWord(w.substr(at, 3))) return static_cast<int>(at) + 1;
  return 0;
}

// Phase 0: a known across word with a known three-letter word inside, from
// its third letter on. False when the list has no word of the length.
bool DrawAcrossWord(int length) {
  for (int draw = 0; draw < kMostDraws; ++draw) {
    const std::string w = RandomWord(static_cast<uint8_t>(length));
    if (w.empty()) return false;
    G.wordSlots[20] = w;
    const int p = IsFairWord(w) ? SharedWordIn(w) : 0;
    if (p == 0) continue;
    G.wordSlots[kSharedSlot] = w.substr(p - 1, 3);
    G.gamePhase = 1;
    G.gameSize = 0;
    G.gameLength = p;
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

// Phase 1: another known word holding the shared word where the board can
// show it, walked from a random word on so that the partners spread over the
// alphabet. When none fits a new across word is drawn on the next tick.
void SearchPartner(int length) {
  const std::string w = G.wordSlots[20].str(), t = G.wordSlots[kSharedSlot].str();
  const std::string v = FirstFairWord(length, [&](const std::string& v) { return v != w && FittingPosition(v, t) > 0; });
  if (v.empty()) {
    G.wordList.push_back(t);
    G.gamePhase = 0;
    return;
  }
  G.gameSize = wordCount[length];
  G.wordSlots[0] = v;
  LayOut(FittingPosition(v, t));
  G.wordList.clear();
  G.boardReady = 1;
  PlaySound(kSoundBoardReady);
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
