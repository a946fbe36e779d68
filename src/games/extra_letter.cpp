// SPDX-License-Identifier: GPL-3.0-or-later
// The extra letter: each line shows a word plus a letter, and the player
// rebuilds from the shuffled letters the one word spelt with them all.
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

// Failed draws allowed for one line before the game gives up: a list where
// no word and letter ever give exactly one anagram would build for ever.
constexpr int kMostAttempts = 3000;

// The layout of a game drawn with b = gamePhase: the word of b + 5 letters
// from column 4 - b, its answer of b + 6 letters from column 12.
struct Layout {
  int wordLength, answerLength, firstColumn, answerColumn;
};

Layout LayoutOf(int b) {
  Layout l{b + 5, b + 6, 4 - b, 0};
  l.answerColumn = l.firstColumn + l.wordLength + 3;
  return l;
}

int RowOf(int line) { return 3 * line + 4; }

enum class Attempt { noWord, failed, found };

// One draw for the next line: a word and a letter, kept when they spell
// exactly one stored word and that word is a known one. A failed draw stays on the board until the next
// draw for the same line overwrites it.
Attempt TryLine(const Layout& l) {
  const int line = G.gameSize, r = RowOf(line);
  const std::string word = RandomWord(static_cast<uint8_t>(l.wordLength));
  if (word.empty()) return Attempt::noWord;
  const char extra = static_cast<char>(Random(26) + 65);
  std::vector<std::string> anagrams;
  FindAnagrams(anagrams, word + extra);
  std::string answer;
  if (anagrams.size() == 1 && anagrams[0] != NoResultMarker(word.size() + 1) && IsKnownWord(anagrams[0])) {
    answer = anagrams[0];
    G.wordSlots[line] = answer;
    G.gameSize += 1;
  }
  PlaceAcross(l.firstColumn, r, word);
  PlaceAcross(l.firstColumn + l.wordLength + 1, r, std::string(1, extra));
  PlaceAcross(l.answerColumn, r, std::string(l.answerLength, ' '));
  PlaceAcross(l.answerColumn, r + 1, answer);
  ShuffleBoardWord(l.answerColumn, r + 1, l.answerLength, 1);
  return answer.empty() ? Attempt::failed : Attempt::found;
}

void OpenLines(int words, const Layout& l) {
  G.boardReady = 1;
  PlaySound(kSoundBoardReady);
  for (int line = 0; line < words; ++line) {
    const int r = RowOf(line);
    for (int x = l.answerColumn; x < l.answerColumn + l.answerLength; ++x)
      for (int y = r; y <= r + 1; ++y) {
        G.boardPickable[CellIndex(x, y)] = 1;
        G.boardPlayable[CellIndex(x, y)] = 1;
      }
    // As many cells as the answer has letters: the "+" cell is lit as well,
    // which shows nothing since it holds no letter.
    for (int x = l.firstColumn; x < l.firstColumn + l.answerLength; ++x) G.boardCellColour[CellIndex(x, r)] = kHighlight;
  }
}

}  // namespace

void PlayExtraLetter(int words) {
  if (G.gamePhase == 0) G.gamePhase = Random(2) + 1;
  const Layout l = LayoutOf(G.gamePhase);
  if (!G.boardReady) {
    if (G.gameSize < words) {
      const Attempt attempt = TryLine(l);
      if (attempt == Attempt::noWord) {
        AbandonGame("Aucun mot de " + std::to_string(l.wordLength) + " lettres dans cette liste.");
        return;
      }
      G.gameLength = attempt == Attempt::found ? 0 : G.gameLength + 1;
      if (G.gameLength >= kMostAttempts) {
        AbandonGame("Aucune lettre en plus ne donne un mot unique dans cette liste.");
        return;
      }
    }
    if (G.gameSize == words) OpenLines(words, l);
  }
  if (G.gameLost)
    for (int line = 0; line < words; ++line) {
      PlaceAcross(l.answerColumn, RowOf(line), G.wordSlots[line].str());
      PlaceAcross(l.answerColumn, RowOf(line) + 1, std::string(l.answerLength, ' '));
    }
  DrawBoard();
  for (int line = 0; line < words; ++line) {
    const int r = RowOf(line);
    if (G.boardReady) {
      const Point plus = PointOfCell({l.firstColumn + l.wordLength, r});
      const Point equals = PointOfCell({l.firstColumn + l.wordLength + 2, r});
      DrawSlotMarker(plus.x - 3, plus.y, 10);
      DrawSlotMarker(equals.x - 3, equals.y, 9);
    }
    G.wordSlots[kAnswerSlotOffset + line] = ReadBoardRun(l.answerColumn, r, l.answerLength, 1);
  }
  CheckGameComplete();
}

bool ExtraLetterSolved() { return EveryWordMatchesItsAnswer(); }
