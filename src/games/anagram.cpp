// The anagrams: a word is shown, its letters are given shuffled, and the
// player rebuilds the one other word spelt with exactly those letters.
#include <string>
#include <vector>

#include "display/drawing.h"
#include "display/sound.h"
#include "games/framework.h"
#include "games/game_routines.h"
#include "games/proverbs.h"
#include "state/game_state.h"
#include "words/word_routines.h"
#include "words/word_store.h"

namespace {

// Failed draws allowed before the game gives up: a list whose words never
// have exactly one other anagram would otherwise build for ever.
constexpr int kMostAttempts = 3000;

// One draw of a word: kept only when the list gives it exactly one other
// anagram. False when the list has no word of the length at all.
bool TryAnagramWord(int length, int start) {
  G.wordSlots[1] = "";
  const std::string word = RandomWord(static_cast<uint8_t>(length));
  if (word.empty()) return false;
  G.wordSlots[0] = word;
  std::vector<std::string> anagrams;
  FindAnagrams(anagrams, word);
  if (anagrams.size() == 1 && anagrams[0] != NoResultMarker(word.size())) G.wordSlots[1] = anagrams[0];
  PlaceAcross(start, 5, G.wordSlots[0].str());
  PlaceAcross(start, 10, G.wordSlots[1].str());
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
    if (G.wordSlots[1].str().empty()) {
      if (++G.gameLength >= kMostAttempts) {
        AbandonGame("Aucune anagramme unique dans cette liste.");
        return;
      }
    } else {
      G.boardReady = 1;
      PlaySound(0);
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
    PlaceAcross(start, 11, G.wordSlots[1].str());
  }
  DrawBoard();
  G.wordSlots[2] = ReadBoardRun(start, 11, length, 1);
  CheckGameComplete();
}
