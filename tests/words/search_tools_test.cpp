// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "state/game_state.h"
#include "word_files.h"
#include "words/search_tools.h"

namespace {

// Four-letter words A + three letters, n of them, all matching "A***".
std::vector<std::string> WordsStartingWithA(int n) {
  std::vector<std::string> words;
  for (int i = 0; i < n; ++i) {
    words.push_back(std::string("a") + static_cast<char>('a' + i / 676) + static_cast<char>('a' + i / 26 % 26) +
                    static_cast<char>('a' + i % 26));
  }
  return words;
}

// The 720 orders of six letters, n of them.
std::vector<std::string> OrdersOfSixLetters(int n) {
  std::string letters = "abcdef";
  std::vector<std::string> words;
  do words.push_back(letters);
  while (std::next_permutation(letters.begin(), letters.end()) && static_cast<int>(words.size()) < n);
  return words;
}

}  // namespace

class SearchTools : public WordFiles {
 protected:
  ListBox& Results() { return G.listBoxes[listAnagram]; }
};

TEST_F(SearchTools, IncompleteWordsListUpTo598Answers) {
  LoadFrench(WordsStartingWithA(598));
  Results().top = 7;
  G.typedText = "A***";
  FindIncompleteTool();
  EXPECT_EQ(Results().top, 0);
  EXPECT_EQ(Results().itemCount, 598);
  EXPECT_EQ(Results().items[1], "AAAA");
  EXPECT_EQ(Results().items[598], "AAWZ");
  EXPECT_EQ(Results().items[599], "");
  // Typed text is left as typed.
  EXPECT_EQ(G.typedText, "A***");
}

TEST_F(SearchTools, IncompleteWordsAt599AnswersSayThereAreTooMany) {
  LoadFrench(WordsStartingWithA(599));
  G.typedText = "A*?*";
  FindIncompleteTool();
  EXPECT_EQ(Results().items[1], "Plus de 600 r\xE9ponses");
  EXPECT_EQ(Results().items[2], "");
  EXPECT_EQ(Results().itemCount, 1);
}

TEST_F(SearchTools, AnagramsAtTheSameBoundary) {
  // The typed word itself is never an answer: 599 words give 598 anagrams.
  LoadFrench(OrdersOfSixLetters(599));
  G.typedText = "ABCDEF";
  FindAnagramsTool();
  EXPECT_EQ(Results().itemCount, 598);
  EXPECT_EQ(Results().items[1], "ABCDFE");
  LoadFrench(OrdersOfSixLetters(600));
  FindAnagramsTool();
  EXPECT_EQ(Results().items[1], "Plus de 600 r\xE9ponses");
}

TEST_F(SearchTools, NoAnswerClearsTheEarlierOnes) {
  LoadFrench({"chat", "chut", "cuit", "niche", "chine", "chien"});
  G.typedText = "CH*T";
  FindIncompleteTool();
  ASSERT_EQ(Results().itemCount, 2);
  G.typedText = "ZZ*";
  FindIncompleteTool();
  EXPECT_EQ(Results().items[1], "Pas de r\xE9ponses");
  EXPECT_EQ(Results().items[2], "");
  EXPECT_EQ(Results().itemCount, 1);
  // A word whose only anagram is itself.
  G.typedText = "CHAT";
  FindAnagramsTool();
  EXPECT_EQ(Results().items[1], "Pas de r\xE9ponses");
  G.typedText = "CHIEN";
  FindAnagramsTool();
  EXPECT_EQ(Results().itemCount, 2);
  EXPECT_EQ(Results().items[1], "NICHE");
  EXPECT_EQ(Results().items[2], "CHINE");
}

TEST_F(SearchTools, StarsAndQuestionMarksStandForOneLetter) {
  LoadFrench({"chat", "cuat", "cat", "chats", "chut", "crat"});
  G.typedText = "C*AT";
  FindIncompleteTool();
  ASSERT_EQ(Results().itemCount, 3);
  EXPECT_EQ(Results().items[1], "CHAT");
  EXPECT_EQ(Results().items[2], "CUAT");
  EXPECT_EQ(Results().items[3], "CRAT");
}

TEST_F(SearchTools, ShortMarkersAreShownAsLines) {
  LoadFrench({"a", "chat"});
  // One letter with no answer: the marker "?" is one character long.
  G.typedText = "Z";
  FindIncompleteTool();
  EXPECT_EQ(Results().itemCount, 1);
  EXPECT_EQ(Results().items[1], "?");
  // An empty query: one empty line.
  G.typedText = "";
  FindAnagramsTool();
  EXPECT_EQ(Results().itemCount, 1);
  EXPECT_EQ(Results().items[1], "");
}

TEST_F(SearchTools, SearchesUseTheListLoadedLast) {
  LoadFrench({"chat"});
  WriteList("animaux.txt", {"chat", "tach"});
  LoadWordList(5);
  G.typedText = "CHAT";
  FindAnagramsTool();
  EXPECT_EQ(Results().items[1], "TACH");
}
