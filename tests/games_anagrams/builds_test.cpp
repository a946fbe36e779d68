// SPDX-License-Identifier: GPL-3.0-or-later
// A hundred builds of every variant on the real French list, each checked
// against the games' own rules.
#include <gtest/gtest.h>

#include <vector>

#include "board_moves.h"
#include "catalogue/catalogue.h"
#include "state/game_state.h"
#include "words/word_routines.h"
#include "words/word_store.h"

namespace {

struct RealData : Harness {
  RealData() : Harness(HarnessOptions{.realData = true}) {
    EXPECT_TRUE(Start());
    Run(4100);
  }
  bool Build(uint8_t variant) {
    StartVariant(variant);
    for (int t = 0; t < 3000 && !G.boardReady && !G.gameTitle.empty(); ++t) Tick();
    return G.boardReady == 1;
  }
};

// A puzzle the player can solve: the answer is a known word, or for the
// lengths with prepared puzzles, the answer prepared for the word shown.
bool FairAnswer(const std::string& word, const std::string& answer) {
  if (IsKnownWord(answer)) return true;
  for (const AnagramPair& pair : PreparedAnagrams())
    if (pair.shown == word && pair.answer == answer) return true;
  return false;
}

// The answer is the only stored anagram of the letters, other than them.
void ExpectOnlyAnagram(const std::string& letters, const std::string& answer) {
  std::vector<std::string> list;
  FindAnagrams(list, letters);
  ASSERT_EQ(list.size(), 1u) << letters;
  EXPECT_EQ(list[0], answer);
}

}  // namespace

// A hundred builds of each: every answer is the only other anagram in the
// whole dictionary and a word the player knows.
TEST(AnagramBuilds, EveryVariantBuildsAHundredValidBoards) {
  RealData h;
  for (int variant = 16; variant <= 18; ++variant) {
    const int n = 14 - 4 * (variant - 16), s = 10 - n / 2;
    for (int game = 0; game < kSelfTestBuilds; ++game) {
      ASSERT_TRUE(h.Build(static_cast<uint8_t>(variant))) << variant;
      const std::string word = G.wordSlots[0].str(), answer = G.wordSlots[1].str();
      ASSERT_EQ(word.size(), static_cast<size_t>(n));
      EXPECT_TRUE(IsWord(word)) << word;
      ExpectOnlyAnagram(word, answer);
      EXPECT_TRUE(FairAnswer(word, answer)) << word << " -> " << answer;
      EXPECT_EQ(RowText(s, 5, n), word);
      EXPECT_TRUE(SameLetters(RowText(s, 10, n), answer)) << answer;
      EXPECT_EQ(RowText(s, 11, n), std::string(n, ' '));
      EXPECT_EQ(LetterAt(s - 1, 10), '*');
      EXPECT_EQ(LetterAt(s + n, 10), '*');
    }
  }
}

TEST(ExtraLetterBuilds, EveryVariantBuildsAHundredValidBoards) {
  RealData h;
  for (int variant = 19; variant <= 21; ++variant) {
    const int lines = 4 - (variant - 19);
    int shortWords = 0;
    for (int game = 0; game < kSelfTestBuilds; ++game) {
      ASSERT_TRUE(h.Build(static_cast<uint8_t>(variant))) << variant;
      const int b = G.gamePhase;
      ASSERT_TRUE(b == 1 || b == 2);
      shortWords += b == 1;
      const int x0 = 4 - b, c = b + 5, d = b + 6, a = x0 + c + 3;
      EXPECT_EQ(G.gameSize, lines);
      for (int line = 0; line < lines; ++line) {
        const int r = 3 * line + 4;
        const std::string word = RowText(x0, r, c), answer = G.wordSlots[line].str();
        const char extra = LetterAt(x0 + c + 1, r);
        EXPECT_TRUE(IsWord(word)) << word;
        EXPECT_TRUE(extra >= 'A' && extra <= 'Z');
        ASSERT_EQ(answer.size(), static_cast<size_t>(d));
        ExpectOnlyAnagram(word + extra, answer);
        EXPECT_TRUE(IsKnownWord(answer)) << word << " + " << extra << " -> " << answer;
        EXPECT_EQ(RowText(a, r, d), std::string(d, ' '));
        EXPECT_TRUE(SameLetters(RowText(a, r + 1, d), answer)) << answer;
      }
      for (int k = lines; k < 10; ++k) EXPECT_EQ(G.wordSlots[k].str(), "");
    }
    // Both word lengths come up.
    EXPECT_GT(shortWords, kSelfTestBuilds / 5);
    EXPECT_LT(shortWords, kSelfTestBuilds * 4 / 5);
  }
}
