// SPDX-License-Identifier: GPL-3.0-or-later
// The anagrams: a word is shown, its letters are given shuffled, and the
// player rebuilds the one other word spelt with exactly those letters.
#include <string>
#include <vector>

#include "display/drawing.h"
#include "display/sound.h"
#include "games/board.h"
#include "games/framework.h"
#include "games/game_routines.h"
#include "platform/clock.h"
#include "state/game_state.h"
#include "words/word_routines.h"
#include "words/word_store.h"

namespace {

// The word slots between the routine and the completion check: the shown
// word, its one anagram, and what the answer row spells.
constexpr int kShownSlot = 0, kAnagramSlot = 1, kAnswerSlot = 2;


// Failed draws allowed before the game gives up: a list whose words never
// have exactly one other anagram would otherwise build for ever.
constexpr int kMostAttempts = 3000;

// The prepared puzzle of the length, drawn uniformly; nullptr when none is
// prepared for it.
const AnagramPair* PreparedPair(int length) {
  std::vector<const AnagramPair*> pairs;
  for (const AnagramPair& pair : PreparedAnagrams())
    if (static_cast<int>(pair.shown.size()) == length) pairs.push_back(&pair);
  return pairs.empty() ? nullptr : pairs[Random(static_cast<int>(pairs.size()))];
}

// One draw of a word: kept only when the list gives it exactly one other
// anagram and that anagram is a known word, so the player can find it. The
// lengths with prepared puzzles take the shown word from them. False when
// the list has no word of the length at all.
bool TryAnagramWord(int length, int start) {
  G.wordSlots[kAnagramSlot] = "";
  const AnagramPair* pair = PreparedPair(length);
  const std::string word = pair ? pair->shown : RandomWord(static_cast<uint8_t>(length));
  if (word.empty()) return false;
  G.wordSlots[kShownSlot] = word;
  std::vector<std::string> anagrams;
  FindAnagrams(anagrams, word);
  const bool unique = anagrams.size() == 1 && anagrams[0] != NoResultMarker(word.size());
  if (unique && (pair ? anagrams[0] == pair->answer : IsKnownWord(anagrams[0]))) G.wordSlots[kAnagramSlot] = anagrams[0];
  PlaceAcross(start, 5, G.wordSlots[kShownSlot].str());
  PlaceAcross(start, 10, G.wordSlots[kAnagramSlot].str());
  PlaceAcross(start, 11, std::string(length, ' '));
  return true;
}

}  // namespace

void PlayAnagram(int length) {
  const int start = 10 - length / 2;
  if (!G.boardReady) {
    if (!TryAnagramWord(length, start)) {
      AbandonGame("Aucun mot de " + std::to_string(length) + " lettres dans cette liste.");
      return;
    }
    if (G.wordSlots[kAnagramSlot].str().empty()) {
      if (++G.gameLength >= kMostAttempts) {
        AbandonGame("Aucune anagramme unique dans cette liste.");
        return;
      }
    } else {
      G.boardReady = 1;
      PlaySound(kSoundBoardReady);
      ShuffleBoardWord(start, 10, length, 1);
      for (int x = start; x < start + length; ++x) {
        for (int y = 10; y <= 11; ++y) {
          G.boardPlayable[CellIndex(x, y)] = 1;
          G.boardPickable[CellIndex(x, y)] = 1;
        }
        G.boardCellColour[CellIndex(x, 5)] = kHighlight;
      }
    }
  }
  if (G.gameLost) {
    PlaceAcross(start, 10, std::string(length, ' '));
    PlaceAcross(start, 11, G.wordSlots[kAnagramSlot].str());
  }
  DrawBoard();
  G.wordSlots[kAnswerSlot] = ReadBoardRun(start, 11, length, 1);
  CheckGameComplete();
}

bool AnagramSolved() { return SlotsEqual(kAnagramSlot, kAnswerSlot); }
