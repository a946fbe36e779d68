// SPDX-License-Identifier: GPL-3.0-or-later
// LE MOT LE PLUS LONG: nine letters from the whole alphabet (A and E may come
// twice); the player builds on the answer row a word of the greatest length
// the letters allow. Any word of that length wins.
#include <algorithm>
#include <string>
#include <vector>

#include "display/drawing.h"
#include "display/sound.h"
#include "games/board.h"
#include "games/framework.h"
#include "games/game_routines.h"
#include "games/nine_letters.h"
#include "games/word_draws.h"
#include "state/game_state.h"

using namespace nine_letters;

namespace {

constexpr int kAnswerRow = 6;
constexpr int kShownWords = 5;  // on giving up, from row 10

// One draw; false when the letters spell no word at all (a list without short
// words) or when no known word reaches the greatest length they allow (only
// a rare word would win): the letters are drawn again on the next tick. The
// known words of each length come first, so that giving up shows them.
bool TryLetters() {
  const std::string letters = DrawLetters(true);
  std::vector<std::string> words = WordsSpeltWith(letters);
  std::stable_sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return a.size() > b.size();
    return IsFairWord(a) && !IsFairWord(b);
  });
  if (words.empty() || !IsFairWord(words[0])) return false;
  G.wordSlots[0] = letters;
  G.gameLength = static_cast<int32_t>(words[0].size());
  LayOutLetters(letters, kAnswerRow, G.gameLength, kFirstColumn);
  G.wordList = words;
  G.boardReady = 1;
  PlaySound(kSoundBoardReady);
  return true;
}

// The longest listed words, five at most, under the board.
void ShowLongestWords() {
  if (G.wordList.size() > 4) PlaceAcross(kFirstColumn, kLetterRow, std::string(kLetters, ' '));
  const int shown = std::min<int>(kShownWords, static_cast<int>(G.wordList.size()));
  for (int i = 0; i < shown; ++i) PlaceAcross(kFirstColumn, 10 + i, G.wordList[i]);
}

}  // namespace

void PlayLongestWord() {
  if (!G.boardReady) {
    // Given up while drawing: there is nothing to show.
    if (G.gameLost) return;
    if (!TryLetters()) {
      // gamePhase counts the failed draws until the board is built.
      if (++G.gamePhase >= kMostDraws) AbandonGame("Aucun tirage de neuf lettres ne donne un mot dans cette liste.");
      return;
    }
  }
  DrawBoard();
  const std::string answer = ReadBoardRun(kFirstColumn, kAnswerRow, G.gameLength, 1);
  G.wordSlots[1] = answer;
  if (G.gameLost) {
    ShowLongestWords();
  } else {
    DrawCentredMediumText(500, "LE MOT LE PLUS LONG FAIT " + std::to_string(G.gameLength) + " LETTRES");
    const bool listed = std::find(G.wordList.begin(), G.wordList.end(), answer) != G.wordList.end();
    G.gamePhase = listed ? static_cast<int32_t>(answer.size()) : 0;
    G.gameSize = G.gameLength;
  }
  CheckGameComplete();
}

// The routine counts the found lengths in gamePhase.
bool LongestWordSolved() { return G.gamePhase == G.gameSize; }
