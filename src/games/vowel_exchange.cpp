// SPDX-License-Identifier: GPL-3.0-or-later
// The vowel exchange: the vowels of W ten-letter words are taken out and
// offered in six rows, one row per vowel (A, O, E, U, I, Y); the player puts
// them back. The consonant exchange shares the whole game but the offer.
#include <string>

#include "display/drawing.h"
#include "display/sound.h"
#include "games/exchanges.h"
#include "games/board.h"
#include "games/framework.h"
#include "games/game_routines.h"
#include "games/word_draws.h"
#include "state/game_state.h"
#include "words/word_routines.h"

namespace {

constexpr int kWordLength = 10;
constexpr int kWordColumn = 7;
constexpr int kFirstWordRow = 7;
// A row of the offer holds twenty letters.
constexpr int kRowRoom = 20;
// Sets of words drawn before the vowel game gives up: a set where one vowel
// comes more than twenty times would not fit its row.
constexpr int kMostSets = 200;
const std::string kVowelRows = "AOEUIY";

bool Exchanged(char c, bool vowels) { return IsVowel(static_cast<uint8_t>(c)) == vowels; }

// Draws the words into slots 0 ... W - 1; false when the list has none.
bool DrawWords(int words) {
  for (int k = 0; k < words; ++k) {
    const std::string word = DrawLetterWord(kWordLength, 1000);
    if (word.empty()) return false;
    G.wordSlots[k] = word;
  }
  return true;
}

bool OfferFits(const std::string& taken, bool vowels) {
  if (!vowels) return taken.size() <= 3 * kRowRoom;
  for (char v : kVowelRows) {
    size_t n = 0;
    for (char c : taken) n += c == v;
    if (n > kRowRoom) return false;
  }
  return true;
}

std::string TakenLetters(int words, bool vowels) {
  std::string taken;
  for (int k = 0; k < words; ++k)
    for (char c : G.wordSlots[k].str())
      if (Exchanged(c, vowels)) taken += c;
  return taken;
}

void Offer(std::string taken, bool vowels) {
  if (vowels) {
    for (size_t row = 0; row < kVowelRows.size(); ++row) {
      std::string line;
      for (char c : taken)
        if (c == kVowelRows[row]) line += c;
      PlaceAcross(1, static_cast<int>(row) + 1, line);
    }
    return;
  }
  ShuffleText(taken);
  for (int row = 0; row * kRowRoom < static_cast<int>(taken.size()); ++row)
    PlaceAcross(1, row + 1, taken.substr(row * kRowRoom, kRowRoom));
}

void Build(int words, bool vowels) {
  std::string taken;
  for (int set = 0;; ++set) {
    if (set == kMostSets) {
      AbandonGame("Trop de voyelles semblables dans les mots tirés.");
      return;
    }
    if (!DrawWords(words)) {
      AbandonGame("Aucun mot de 10 lettres dans cette liste.");
      return;
    }
    taken = TakenLetters(words, vowels);
    if (OfferFits(taken, vowels)) break;
  }
  for (int k = 0; k < words; ++k) {
    std::string shown = G.wordSlots[k].str();
    for (char& c : shown)
      if (Exchanged(c, vowels)) c = ' ';
    PlaceAcross(kWordColumn, kFirstWordRow + k, shown);
  }
  for (int x = 1; x <= 20; ++x)
    for (int y = kFirstWordRow; y <= 20; ++y)
      if (G.boardLetters[CellIndex(x, y)] == ' ') {
        G.boardCellColour[CellIndex(x, y)] = kHighlight;
        G.boardPlayable[CellIndex(x, y)] = 1;
        G.boardPickable[CellIndex(x, y)] = 1;
      }
  Offer(taken, vowels);
  G.wordList.clear();
  G.boardReady = 1;
  PlaySound(kSoundBoardReady);
}

}  // namespace

void PlayExchange(int words, bool vowels) {
  if (!G.boardReady) {
    Build(words, vowels);
    if (!G.boardReady) return;
  }
  // An offer cell stays playable once its letter is taken, so letters can be
  // put back into the offer.
  for (int x = 1; x <= 20; ++x)
    for (int y = 1; y <= 6; ++y)
      if (G.boardLetters[CellIndex(x, y)] != '*') {
        G.boardPlayable[CellIndex(x, y)] = 1;
        G.boardPickable[CellIndex(x, y)] = 1;
        G.boardCellColour[CellIndex(x, y)] = kHighlight;
      }
  for (int k = 1; k <= words; ++k)
    G.wordSlots[9 + k] = ReadBoardRun(kWordColumn, kFirstWordRow + k - 1, kWordLength, 1);
  if (G.gameLost)
    for (int k = 0; k < 8; ++k) PlaceAcross(kWordColumn, kFirstWordRow + k, G.wordSlots[k].str());
  CheckGameComplete();
  DrawBoard();
}

void PlayVowelExchange(int words) { PlayExchange(words, true); }

// Both exchanges are solved when every word reads again on its row.
bool ExchangeSolved() { return EveryWordMatchesItsAnswer(); }
