// SPDX-License-Identifier: GPL-3.0-or-later
// MOTS EN CROIX and ENGLISH CROSS: three words of n letters on rows 7, 8 and
// 9, crossed by three vertical words in the three middle columns. The nine
// letters of the 3 x 3 crossing block are taken out and given shuffled on
// row 1; the player puts them back.
#include "games/crossing_words.h"

#include <algorithm>
#include <bitset>
#include <iterator>
#include <optional>
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

constexpr int kFirstColumn = 6;
constexpr int kFirstRow = 7;  // the horizontal words lie on rows 7, 8 and 9

// Builds tried per tick: a build fails more often than not (one in 7 to 36
// succeeds on the real lists), and ten a tick keep the hourglass short.
constexpr int kBuildsPerTick = 10;
// Failed builds allowed before the game gives up: a list where three
// crossing words are never found would otherwise build for ever.
constexpr int kMostBuilds = 2000;

// b = (n - 1) div 2: the block starts at column b + 5, the vertical words on
// row 8 - b, with q = (n - 3) div 2 letters above and below the block.
int BlockColumn(int n) { return (n - 1) / 2 + 5; }
int VerticalTop(int n) { return 8 - (n - 1) / 2; }
int Wildcards(int n) { return (n - 3) / 2; }

bool BoardHoldsMarker() {
  for (int x = 1; x <= 20; ++x)
    for (int y = 1; y <= 16; ++y)
      if (G.boardLetters[CellIndex(x, y)] == '?') return true;
  return false;
}

// The three letters found in the middle of the known words of one length:
// a column whose block letters are not among them has no vertical word, and
// the build fails without searching the list.
class Middles {
 public:
  Middles(int length, int from) {
    for (int slot = 1; slot <= wordCount[length]; ++slot)
      if (const char* word = StoredWordBytes(length, slot))
        if (IsFairWord(std::string(word, length))) seen_.set(Code(word + from));
  }
  bool Has(const std::string& three) const { return seen_.test(Code(three.data())); }

 private:
  // A-Z, and every other character as one more: such letters only ever let
  // a column through to the real search.
  static int Letter(char c) { return c >= 'A' && c <= 'Z' ? c - 'A' : 26; }
  static int Code(const char* three) { return (Letter(three[0]) * 27 + Letter(three[1])) * 27 + Letter(three[2]); }
  std::bitset<27 * 27 * 27> seen_;
};

// One build: two everyday words across, the third drawn among the known
// words (everyday ones first) whose letters complete in each middle column
// three letters met in the middle of a known word; then for each middle
// column a known vertical word (everyday ones first) drawn among those that
// cross them, or the no-result marker.
bool TryOnce(int n, const Middles& middles) {
  const int c0 = BlockColumn(n), q = Wildcards(n);
  const int from = c0 - kFirstColumn;
  std::string rows[3] = {EverydayWord(n), EverydayWord(n), ""};
  auto completes = [&](const std::string& z) {
    for (int i = from; i < from + 3; ++i)
      if (!middles.Has({rows[0][i], rows[1][i], z[i]})) return false;
    return true;
  };
  if (rows[0].size() == static_cast<size_t>(n) && rows[1].size() == rows[0].size()) {
    // The three bit tests first: the walk may pass every word of the length.
    rows[2] = FirstFairWord(n, [&](const std::string& z) { return completes(z) && IsEverydayWord(z); });
    if (rows[2].empty()) rows[2] = FirstFairWord(n, completes);
  }
  if (rows[2].empty()) rows[2] = RandomWord(static_cast<uint8_t>(n));
  for (int row = 0; row < 3; ++row) {
    PlaceAcross(kFirstColumn, kFirstRow + row, rows[row]);
    G.wordSlots[row] = ReadBoardRun(kFirstColumn, kFirstRow + row, n, 1);
  }
  for (int c = c0; c < c0 + 3; ++c)
    if (!middles.Has(ReadBoardRun(c, kFirstRow, 3, 2))) {
      PlaceWord(c, VerticalTop(n), NoResultMarker(2 * q + 3), 2, G.boardLetters, 1);
      return false;
    }
  const std::string wildcards(q, '?');
  std::vector<std::string> candidates;
  for (int c = c0; c < c0 + 3; ++c) {
    MatchPattern(candidates, wildcards + ReadBoardRun(c, kFirstRow, 3, 2) + wildcards);
    // Known words only: the whole list would give rare verb forms.
    std::erase_if(candidates, [](const std::string& word) { return !IsFairWord(word); });
    std::vector<std::string> everyday;
    std::copy_if(candidates.begin(), candidates.end(), std::back_inserter(everyday), IsEverydayWord);
    if (!everyday.empty()) candidates.swap(everyday);
    const std::string down = candidates.empty() ? NoResultMarker(2 * q + 3) : RandomChoice(candidates);
    PlaceWord(c, VerticalTop(n), down, 2, G.boardLetters, 1);
  }
  return !BoardHoldsMarker();
}

// The nine block letters, column by column, go to row 1 in that order; the
// block cells are emptied, lit and opened; row 1 is shuffled.
void TakeOutTheBlock(int n) {
  const int c0 = BlockColumn(n);
  int k = 1;
  for (int c = c0; c < c0 + 3; ++c)
    for (int y = kFirstRow; y < kFirstRow + 3; ++y, ++k) {
      const int block = CellIndex(c, y), given = CellIndex(k, 1);
      G.boardLetters[given] = G.boardLetters[block];
      G.boardLetters[block] = ' ';
      G.boardCellColour[block] = kHighlight;
      G.boardPlayable[block] = 1;
      G.boardPickable[block] = 1;
      G.boardPlayable[given] = 1;
      G.boardPickable[given] = 1;
    }
  ShuffleBoardWord(1, 1, 9, 1);
}

}  // namespace

// The middles of the vertical words' length, kept from tick to tick: made
// again only for another length or list. Making them reads every word of the
// length, most of a tick's time when it was done at each tick.
static const Middles& MiddlesOf(int length, int from) {
  struct Kept {
    int length, from;
    uint8_t list;
    std::string first, last;  // the list's first and last word of the length
    Middles middles;
  };
  static std::optional<Kept> kept;
  const std::string first = StoredWord(length, 1), last = StoredWord(length, wordCount[length]);
  if (!kept || kept->length != length || kept->from != from || kept->list != loadedWordList ||
      kept->first != first || kept->last != last)
    kept.emplace(Kept{length, from, loadedWordList, first, last, Middles(length, from)});
  return kept->middles;
}

bool BuildCrossingWords(int n, int attempts, int32_t& failed) {
  const Middles& middles = MiddlesOf(2 * Wildcards(n) + 3, Wildcards(n));
  for (int attempt = 0; attempt < attempts; ++attempt) {
    if (TryOnce(n, middles)) return true;
    ++failed;
  }
  return false;
}

void PlayCrossingWords(int n) {
  if (!G.boardReady) {
    // Given up while building: the last build stays as it is.
    if (G.gameLost) {
      DrawBoard();
      return;
    }
    if (n < 1 || n > 20 || wordCount[n] <= 0) {
      AbandonGame("Aucun mot de " + std::to_string(n) + " lettres dans cette liste.");
      return;
    }
    // gamePhase counts the failed builds.
    int32_t failed = G.gamePhase;
    const bool built = BuildCrossingWords(n, std::min(kBuildsPerTick, kMostBuilds - failed), failed);
    G.gamePhase = failed;
    if (!built) {
      if (failed >= kMostBuilds) {
        AbandonGame("Aucun croisement de mots de " + std::to_string(n) + " lettres dans cette liste.");
        return;
      }
      // The failed build stays on the board until the next tick builds again.
      DrawBoard();
      return;
    }
    PlaySound(kSoundBoardReady);
    G.boardReady = 1;
    // The English games go back to the French list once built.
    LoadWordList(1);
    TakeOutTheBlock(n);
  }
  if (G.gameLost)
    for (int row = 0; row < 3; ++row) PlaceAcross(kFirstColumn, kFirstRow + row, G.wordSlots[row].str());
  DrawBoard();
  CheckGameComplete();
}

// Solved when the three rows spell the three words.
bool CrossingWordsSolved() {
  const int length = G.wordSlots[0].length;
  for (int row = 0; row < 3; ++row)
    if (ReadBoardRun(kFirstColumn, kFirstRow + row, length, 1) != G.wordSlots[row].str()) return false;
  return true;
}
