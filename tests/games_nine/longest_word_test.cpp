// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "nine_fixture.h"
#include "display/resets.h"

namespace {

constexpr uint8_t kLongestWord = 4;

// The listed words of the greatest length.
std::vector<std::string> LongestWords() {
  std::vector<std::string> longest;
  for (const std::string& word : G.wordList)
    if (static_cast<int>(word.size()) == G.gameLength) longest.push_back(word);
  return longest;
}

}  // namespace

TEST(LongestWordGame, TheBoardGivesNineLettersAndAnAnswerRowAsLongAsTheLongestWord) {
  NineGame h;
  ASSERT_TRUE(h.Build(kLongestWord));
  EXPECT_EQ(G.gameTitle.str(), G.variantName[kLongestWord]);
  EXPECT_EQ(h.Played(0), 1);
  EXPECT_EQ(RowAt(6, 5, 9), G.wordSlots[0].str());
  EXPECT_EQ(RowAt(6, 6, G.gameLength + 1), std::string(G.gameLength, ' ') + "*");
  EXPECT_EQ(G.gamePhase, 0);
  EXPECT_EQ(G.gameWon, 0);
}

TEST(LongestWordGame, AnyWordOfTheGreatestLengthWinsThroughTheMouseAndIsScoredOnce) {
  NineGame h;
  ASSERT_TRUE(h.Build(kLongestWord));
  // A draw whose greatest length several words share.
  for (int build = 0; build < 100 && LongestWords().size() < 2; ++build) {
    ResetBoard();
    ASSERT_TRUE(h.WaitForBoard());
  }
  const std::vector<std::string> longest = LongestWords();
  ASSERT_GE(longest.size(), 2u);
  const int lines = ScoreLines();
  h.Spell(longest[1], 6, 6);
  h.Tick();
  EXPECT_EQ(RowAt(6, 6, G.gameLength), longest[1]);
  EXPECT_EQ(G.gamePhase, G.gameLength);
  EXPECT_EQ(G.gameWon, 1);
  h.ClickTheWinAway();
  EXPECT_EQ(ScoreLines(), lines + 1);
  EXPECT_NE(G.listBoxes[listScores].items[1].find(G.variantName[kLongestWord].substr(0, 12)), std::string::npos);
  EXPECT_TRUE(G.gameTitle.empty());
  EXPECT_EQ(G.currentScreen, 1);
  h.Click(400, 540);
  h.Tick(3);
  EXPECT_EQ(ScoreLines(), lines + 1);
}

TEST(LongestWordGame, AShorterWordOrLettersThatSpellNoWordDoNotWin) {
  NineGame h;
  ASSERT_TRUE(h.Build(kLongestWord));
  for (int build = 0; build < 100 && G.gameLength < 4; ++build) {
    ResetBoard();
    ASSERT_TRUE(h.WaitForBoard());
  }
  const std::string longest = G.wordList[0];
  // The longest word's letters the other way round, when that is no word.
  std::string reversed(longest.rbegin(), longest.rend());
  if (std::find(G.wordList.begin(), G.wordList.end(), reversed) == G.wordList.end()) {
    h.Spell(reversed, 6, 6);
    h.Tick();
    EXPECT_EQ(RowAt(6, 6, G.gameLength), reversed);
    EXPECT_EQ(G.gamePhase, 0);
    EXPECT_EQ(G.gameWon, 0);
    h.ClearAnswer(6, 6, G.gameLength);
  }
  const auto shorter = std::find_if(G.wordList.begin(), G.wordList.end(),
                                    [](const std::string& w) { return static_cast<int>(w.size()) < G.gameLength; });
  ASSERT_NE(shorter, G.wordList.end());
  h.Spell(*shorter, 6, 6);
  h.Tick();
  EXPECT_EQ(G.gamePhase, 0);
  EXPECT_EQ(G.gameWon, 0);
  h.ClearAnswer(6, 6, G.gameLength);
  h.Spell(longest, 6, 6);
  h.Tick();
  EXPECT_EQ(G.gameWon, 1);
}

TEST(LongestWordGame, EscapeShowsTheFiveLongestWordsThenTheGameList) {
  NineGame h;
  ASSERT_TRUE(h.Build(kLongestWord));
  for (int build = 0; build < 100 && G.wordList.size() < 5; ++build) {
    ResetBoard();
    ASSERT_TRUE(h.WaitForBoard());
  }
  ASSERT_GT(G.wordList.size(), 4u);
  h.GiveUp();
  EXPECT_EQ(RowAt(6, 5, 9), std::string(9, ' '));
  for (int i = 0; i < 5; ++i) {
    const std::string& word = G.wordList[i];
    EXPECT_EQ(RowAt(6, 10 + i, static_cast<int>(word.size()) + 1), word + "*");
  }
  EXPECT_EQ(LetterAt(6, 15), '*');
  h.ExpectGameListAfterTenSeconds();
}

TEST(LongestWordGame, EscapeWithFewerThanFiveWordsShowsThemBesideTheLetters) {
  NineGame h;
  ASSERT_TRUE(h.Build(kLongestWord));
  for (int build = 0; build < 300 && G.wordList.size() > 4; ++build) {
    ResetBoard();
    ASSERT_TRUE(h.WaitForBoard());
  }
  const int listed = static_cast<int>(G.wordList.size());
  ASSERT_LE(listed, 4);
  const std::string letters = G.wordSlots[0].str();
  h.GiveUp();
  EXPECT_EQ(RowAt(6, 5, 9), letters);
  for (int i = 0; i < listed; ++i) EXPECT_EQ(RowAt(6, 10 + i, static_cast<int>(G.wordList[i].size())), G.wordList[i]);
  for (int y = 10 + listed; y <= 14; ++y) EXPECT_EQ(LetterAt(6, y), '*');
}

TEST(LongestWordGame, LettersThatNeverSpellAWordEndTheGameWithAMessage) {
  NineGame h("ZZZZZ\r\n");
  StartVariant(kLongestWord);
  h.Tick(300);
  EXPECT_FALSE(G.gameTitle.empty());
  EXPECT_EQ(G.boardReady, 0);
  EXPECT_EQ(G.cursorShape, -11);
  h.Tick(400);
  EXPECT_TRUE(G.gameTitle.empty());
  EXPECT_EQ(G.messageShowing, 1);
  EXPECT_TRUE(h.LogHas("Aucun tirage de neuf lettres"));
}
