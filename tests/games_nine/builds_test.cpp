// SPDX-License-Identifier: GPL-3.0-or-later
// A hundred builds of every variant on the real word lists, each checked:
// the words the game expects are real words the letters spell, and the
// crossing block's words are all in the list the game was built on.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "nine_fixture.h"
#include "display/resets.h"
#include "words/word_store.h"

namespace {

constexpr int kBuilds = kSelfTestBuilds;

// Builds the variant a hundred times: the first from its start, the others
// from a fresh board (which reseeds the generator from the clock), after
// loading the list `list` again when it is not 0. Every build takes less
// than a second.
template <typename Check>
void BuildMany(NineGame& h, uint8_t variant, uint8_t list, Check check) {
  std::set<std::string> first;
  int slowest = 0;
  for (int build = 0; build < kBuilds; ++build) {
    if (build == 0) {
      ASSERT_TRUE(h.Build(variant)) << "variant " << int(variant);
    } else {
      if (list != 0) LoadWordList(list);
      ResetBoard();
      ASSERT_TRUE(h.WaitForBoard()) << "variant " << int(variant) << " build " << build;
    }
    slowest = std::max(slowest, h.buildTicks);
    ASSERT_EQ(G.gameWon, 0);
    check();
    first.insert(G.wordSlots[0].str());
    if (::testing::Test::HasFailure()) return;
  }
  EXPECT_GE(first.size(), kBuilds * 4u / 5) << "every build draws afresh";
  EXPECT_LT(slowest, 100) << "variant " << int(variant);
}

void CheckNineLetters(bool wholeAlphabet) {
  const std::string letters = G.wordSlots[0].str();
  ASSERT_EQ(letters.size(), 9u);
  EXPECT_EQ(RowAt(6, 5, 9), letters);
  for (size_t i = 0; i < letters.size(); ++i) {
    const char c = letters[i];
    EXPECT_TRUE(c >= (wholeAlphabet ? 'A' : 'B') && c <= 'Z') << letters;
    const bool mayRepeat = wholeAlphabet && (c == 'A' || c == 'E');
    if (!mayRepeat) {
      EXPECT_EQ(letters.find(c), i) << letters;
    }
  }
  for (int x = 7; x <= 14; ++x) EXPECT_EQ(G.boardPlayable[CellIndex(x, 5)], 1);
}

// Every listed word is a stored word the letters spell, of the lengths asked.
void CheckListedWords(const std::string& letters, size_t shortest, char first) {
  for (const std::string& word : G.wordList) {
    EXPECT_TRUE(IsWord(word)) << word;
    EXPECT_TRUE(SpeltWith(word, letters)) << word << " from " << letters;
    EXPECT_GE(word.size(), shortest) << word;
    if (first != 0) {
      EXPECT_EQ(word[0], first) << word;
    }
  }
}

void CheckLongestWord() {
  CheckNineLetters(true);
  const std::string letters = G.wordSlots[0].str();
  ASSERT_FALSE(G.wordList.empty());
  CheckListedWords(letters, 2, 0);
  std::vector<std::string> all;
  WordsFromLetters(all, letters);
  EXPECT_TRUE(std::is_permutation(G.wordList.begin(), G.wordList.end(), all.begin(), all.end()));
  EXPECT_TRUE(IsKnownWord(G.wordList[0])) << G.wordList[0];  // a known word reaches the target length
  EXPECT_EQ(G.gameLength, static_cast<int>(all[0].size()));
  EXPECT_EQ(G.gameSize, G.gameLength);
  EXPECT_EQ(RowAt(6, 6, G.gameLength), std::string(G.gameLength, ' '));
  EXPECT_EQ(LetterAt(6 + G.gameLength, 6), '*');
  EXPECT_EQ(G.boardPlayable[CellIndex(6, 5)], 1);
  EXPECT_EQ(G.boardPlayable[CellIndex(6, 6)], 1);
}

void CheckHunt(bool startsWith, int part) {
  CheckNineLetters(false);
  const std::string letters = G.wordSlots[0].str();
  const size_t fewest = startsWith ? 6 : 11, shortest = startsWith ? 2 : 3;
  const char first = startsWith ? letters[0] : 0;
  EXPECT_GE(G.wordList.size(), fewest);
  EXPECT_LT(G.wordList.size(), 64u);
  CheckListedWords(letters, shortest, first);
  // Every such word that a player knows (common or encyclopedic) and that
  // holds a vowel is listed, longest first: no CG, KG or CPT to find.
  std::vector<std::string> all, hunted;
  WordsFromLetters(all, letters);
  for (const std::string& word : all) {
    const bool vowel = word.find_first_of("AEIOUY") != std::string::npos;
    if (word.size() >= shortest && (first == 0 || word[0] == first) && vowel && IsKnownWord(word))
      hunted.push_back(word);
  }
  EXPECT_EQ(G.wordList, hunted);
  for (const std::string& word : G.wordList) EXPECT_NE(word.find_first_of("AEIOUY"), std::string::npos) << word;
  EXPECT_EQ(G.gamePhase, static_cast<int>(G.wordList.size()));
  EXPECT_EQ(G.gameSize, G.gamePhase / part);
  const int row = startsWith ? 7 : 6, length = G.gameLength;
  ASSERT_EQ(length, static_cast<int>(G.wordList[0].size()));
  if (startsWith) {
    EXPECT_EQ(RowAt(6, row, length), letters.substr(0, 1) + std::string(length - 1, ' '));
    EXPECT_EQ(G.boardPlayable[CellIndex(6, 5)], 0);
    EXPECT_EQ(G.boardPlayable[CellIndex(6, row)], 0);
    EXPECT_EQ(G.boardCellColour[CellIndex(6, 5)], 255);
    EXPECT_EQ(G.boardCellColour[CellIndex(6, row)], 255);
  } else {
    EXPECT_EQ(RowAt(6, row, length), std::string(length, ' '));
    EXPECT_EQ(G.boardPlayable[CellIndex(6, row)], 1);
  }
  EXPECT_EQ(G.boardPlayable[CellIndex(5 + length, row)], 1);
  EXPECT_EQ(G.boardPlayable[CellIndex(6 + length, row)], 0);
}

struct Crossing {
  std::vector<std::string> words;  // the three across, then the three down
};

// The layout of words of n letters; returns the six words with the block
// letters taken from the across words (the block cells are empty).
Crossing CheckCrossing(int n) {
  Crossing crossing;
  const int b = (n - 1) / 2, c0 = b + 5, q = (n - 3) / 2, top = 8 - b;
  std::string block;
  for (int row = 0; row < 3; ++row) {
    const std::string word = G.wordSlots[row].str();
    EXPECT_EQ(static_cast<int>(word.size()), n);
    crossing.words.push_back(word);
  }
  for (int c = c0; c < c0 + 3; ++c) {
    std::string down = ColumnAt(c, top, 2 * q + 3);
    for (int row = 0; row < 3; ++row) {
      EXPECT_EQ(down[q + row], ' ');
      const char letter = crossing.words[row][c - 6];
      down[q + row] = letter;
      block += letter;
      EXPECT_EQ(G.boardPlayable[CellIndex(c, 7 + row)], 1);
      EXPECT_EQ(G.boardCellColour[CellIndex(c, 7 + row)], 255);
    }
    EXPECT_EQ(LetterAt(c, top - 1), '*');
    EXPECT_EQ(LetterAt(c, top + 2 * q + 3), '*');
    crossing.words.push_back(down);
  }
  // The rows read around the empty block are the across words.
  for (int row = 0; row < 3; ++row) {
    std::string across = RowAt(6, 7 + row, n);
    for (int c = c0; c < c0 + 3; ++c) across[c - 6] = crossing.words[row][c - 6];
    EXPECT_EQ(across, crossing.words[row]);
  }
  EXPECT_TRUE(SpeltWith(RowAt(1, 1, 9), block)) << RowAt(1, 1, 9) << " for " << block;
  for (int x = 1; x <= 9; ++x) EXPECT_EQ(G.boardPlayable[CellIndex(x, 1)], 1);
  for (int x = 1; x <= 20; ++x)
    for (int y = 1; y <= 16; ++y) EXPECT_NE(LetterAt(x, y), '?');
  return crossing;
}

}  // namespace

TEST(NineLetterBuilds, LongestWordListsEveryWordTheLettersSpell) {
  NineGame h;
  BuildMany(h, 4, 0, CheckLongestWord);
}

TEST(NineLetterBuilds, WordsStartingWithListBetweenSixAndSixtyThreeWordsOfTheFirstLetter) {
  NineGame h;
  BuildMany(h, 49, 0, [] { CheckHunt(true, 1); });
  BuildMany(h, 50, 0, [] { CheckHunt(true, 2); });
}

TEST(NineLetterBuilds, MaxiWordsListBetweenElevenAndSixtyThreeWordsOfThreeLettersOrMore) {
  NineGame h;
  for (int part = 1; part <= 3; ++part) BuildMany(h, static_cast<uint8_t>(45 + part), 0, [part] { CheckHunt(false, part); });
}

TEST(CrossingBuilds, FrenchCrossingsAreMadeOfFrenchWords) {
  NineGame h;
  const int lengths[] = {13, 11, 9};
  for (int v = 5; v <= 7; ++v) {
    const int n = lengths[v - 5];
    BuildMany(h, static_cast<uint8_t>(v), 0, [n] {
      for (const std::string& word : CheckCrossing(n).words) EXPECT_TRUE(IsWord(word) && IsKnownWord(word)) << word;
    });
  }
}

TEST(CrossingBuilds, EnglishCrossingsAreMadeOfEnglishWordsAndLeaveTheFrenchListLoaded) {
  NineGame h;
  LoadWordList(1);
  const int frenchLines = wordLinesRead;
  std::vector<std::string> words;
  for (int v = 88; v <= 91; ++v) {
    const int n = v - 83;
    BuildMany(h, static_cast<uint8_t>(v), 2, [&] {
      for (const std::string& word : CheckCrossing(n).words) words.push_back(word);
      EXPECT_EQ(wordLinesRead, frenchLines);
    });
  }
  LoadWordList(2);
  for (const std::string& word : words) EXPECT_TRUE(IsWord(word) && IsKnownWord(word)) << word;
  EXPECT_EQ(words.size(), 4u * kBuilds * 6);
}
