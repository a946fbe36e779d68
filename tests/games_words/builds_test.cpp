// SPDX-License-Identifier: GPL-3.0-or-later
// A hundred builds of every variant on the real lists (the French list and
// the four themes), each checked against the games' own rules; every build
// ends within a second of play (100 ticks).
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "display/resets.h"
#include "words/word_routines.h"
#include "words/word_store.h"
#include "words_fixture.h"

namespace {

constexpr int kGames = 100;
constexpr int kMostTicks = 100;

struct RealLists : WordsGame {
  RealLists() : WordsGame("", true) {}
  // The first game of a variant starts it as the menu does; the next ones
  // reset the board only (a new seed from the clock), so the list is not
  // read again a hundred times.
  void BuildWithinBound(int variant) {
    int ticks = 0;
    if (G.currentVariant != static_cast<unsigned>(variant)) {
      ticks = Build(static_cast<uint8_t>(variant), kMostTicks + 1);
    } else {
      ResetBoard();
      while (ticks <= kMostTicks && !G.boardReady && !G.gameTitle.empty()) {
        Tick();
        ++ticks;
      }
    }
    ASSERT_EQ(G.boardReady, 1) << variant;
    EXPECT_LE(ticks, kMostTicks) << variant;
  }
};

void ExpectExchange(int words, bool vowels) {
  std::string taken;
  for (int k = 0; k < words; ++k) {
    const std::string word = G.wordSlots[k].str();
    ASSERT_EQ(word.size(), 10u);
    EXPECT_TRUE(IsWord(word)) << word;
    std::string shown = word;
    for (char& c : shown)
      if (IsVowel(static_cast<uint8_t>(c)) == vowels) {
        taken += c;
        c = ' ';
      }
    EXPECT_EQ(RowAt(7, 7 + k, 10), shown);
  }
  EXPECT_EQ(G.wordSlots[words].str(), "");
  std::string offered;
  for (int y = 1; y <= 6; ++y)
    for (int x = 1; x <= 20; ++x)
      if (LetterAt(x, y) != '*') offered += LetterAt(x, y);
  EXPECT_TRUE(SameLetters(offered, taken)) << offered;
  if (!vowels) return;
  for (int y = 1; y <= 6; ++y) EXPECT_TRUE(LetterAt(1, y) == '*' || LetterAt(1, y) == "AOEUIY"[y - 1]);
}

}  // namespace

TEST(WordGameBuilds, ExchangesOfferExactlyTheLettersTakenOut) {
  RealLists h;
  for (int variant : {14, 15, 39, 40, 41, 42}) {
    const bool vowels = variant <= 15;
    const int words = vowels ? 8 - 2 * (variant - 14) : 4 - (variant - 39);
    for (int game = 0; game < kGames; ++game) {
      h.BuildWithinBound(variant);
      ExpectExchange(words, vowels);
    }
  }
}

TEST(WordGameBuilds, CutWordsOnTheFrenchListAndTheFourThemes) {
  RealLists h;
  for (int first : {26, 105, 115, 125, 135})
    for (int variant = first; variant <= first + 2; ++variant) {
      const int words = 10 - 2 * (variant - first);
      for (int game = 0; game < kGames; ++game) {
        h.BuildWithinBound(variant);
        std::set<std::string> chosen;
        std::vector<std::string> halves;
        for (int k = 0; k < words; ++k) {
          const std::string word = G.wordSlots[k].str();
          ASSERT_EQ(word.size(), 6u);
          EXPECT_TRUE(IsWord(word)) << word;
          chosen.insert(word);
          halves.push_back(word.substr(0, 3));
          halves.push_back(word.substr(3));
        }
        EXPECT_EQ(chosen.size(), static_cast<size_t>(words));
        std::sort(halves.begin(), halves.end());
        for (int k = 0; k < 2 * words; ++k)
          EXPECT_EQ(RowAt(k < words ? 11 : 15, 4 + k % words, 3), halves[k]);
      }
    }
}

TEST(WordGameBuilds, StackedWordsHideTheirWordInTheShuffledFirstLetters) {
  RealLists h;
  for (int variant = 145; variant <= 150; ++variant) {
    const int rows = 14 - (variant - 145);
    for (int game = 0; game < kGames; ++game) {
      h.BuildWithinBound(variant);
      const std::string hidden = G.wordSlots[0].str();
      ASSERT_EQ(hidden.size(), static_cast<size_t>(rows));
      EXPECT_TRUE(IsWord(hidden)) << hidden;
      EXPECT_TRUE(SameLetters(ColumnAt(1, 1, rows), hidden));
      for (int k = 1; k <= rows; ++k) {
        std::string row = RowAt(1, k, k + 1);
        row[0] = hidden[k - 1];
        EXPECT_TRUE(IsWord(row)) << row;
      }
    }
  }
}

TEST(WordGameBuilds, CrossedPairsShareAKnownWordAndStandOnTheBoard) {
  RealLists h;
  std::set<char> partnerInitials;  // the partners spread over the alphabet
  for (int variant = 22; variant <= 24; ++variant) {
    const int length = 11 - 2 * (variant - 22);
    for (int game = 0; game < kGames; ++game) {
      h.BuildWithinBound(variant);
      const std::string w = G.wordSlots[20].str(), v = G.wordSlots[0].str(), t = G.wordSlots[10].str();
      const int p = G.gameLength;
      ASSERT_EQ(w.size(), static_cast<size_t>(length));
      ASSERT_EQ(v.size(), static_cast<size_t>(length));
      EXPECT_NE(v, w);
      EXPECT_TRUE(IsKnownWord(w) && IsKnownWord(v) && IsKnownWord(t) && t.size() == 3) << w << " " << v << " " << t;
      partnerInitials.insert(v[0]);
      EXPECT_TRUE(p >= 3 && p <= 6);
      EXPECT_EQ(w.substr(p - 1, 3), t);
      // The down word's top and bottom letters lie on rows 1-16.
      int top = 0;
      for (int y = 1; y <= 7 && top == 0; ++y)
        if (LetterAt(p + 7, y) != '*') top = y;
      ASSERT_GE(top, 1);
      EXPECT_EQ(ColumnAt(p + 7, top, length).substr(0, 7 - top), v.substr(0, 7 - top));
      EXPECT_EQ(v.substr(7 - top, 3), t);
      EXPECT_LE(top + length - 1, 16);
    }
  }
  EXPECT_GE(partnerInitials.size(), 10u);
}

TEST(ThirdWords, EveryWordOfTheChainIsAKnownWord) {
  RealLists h;
  std::set<std::string> thirdWords;
  for (int game = 0; game < kGames; ++game) {
    h.BuildWithinBound(25);
    const std::string a = G.wordSlots[10].str(), b = G.wordSlots[9].str(), c = G.wordSlots[1].str();
    ASSERT_EQ(a.size(), 4u);
    ASSERT_EQ(b.size(), 5u);
    EXPECT_GT(c.size(), 2u);
    EXPECT_EQ(G.wordSlots[19].str(), a + b);
    EXPECT_EQ(G.wordSlots[0].str(), b + c);
    for (const std::string& word : {a, b, c, a + b, b + c}) EXPECT_TRUE(IsWord(word) && IsKnownWord(word)) << word;
    thirdWords.insert(c);
    EXPECT_EQ(std::string("BHQSWYZ").find(b.back()), std::string::npos) << b;
  }
  EXPECT_GE(thirdWords.size(), 5u);
}
