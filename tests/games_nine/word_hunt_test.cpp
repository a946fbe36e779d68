// SPDX-License-Identifier: GPL-3.0-or-later
// MAXI-MOTS (46-48) and MOTS COMMENCANT PAR... (49-50) on the real list.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "nine_fixture.h"
#include "words/word_store.h"

namespace {

struct Hunt {
  int row, first;  // the answer row and its first playable column
  bool startsWith;
};
Hunt HuntOf(uint8_t variant) { return variant >= 49 ? Hunt{7, 7, true} : Hunt{6, 6, false}; }

int Found() {
  return static_cast<int>(std::count_if(G.wordList.begin(), G.wordList.end(),
                                        [](const std::string& e) { return !e.empty() && e[0] == ' '; }));
}

// Builds the word on the answer row (after the fixed first letter when the
// hunt has one), clearing what the row held.
void BuildWord(NineGame& h, const Hunt& hunt, const std::string& word) {
  h.ClearAnswer(hunt.row, hunt.first, G.gameLength - (hunt.first - 6));
  h.Spell(hunt.startsWith ? word.substr(1) : word, hunt.row, hunt.first);
  h.Tick();
}

// Three letters of the draw, the first one first, that spell no dictionary
// word, nor do their first two.
std::string NonWord() {
  const std::string letters = G.wordSlots[0].str();
  for (size_t i = 1; i < letters.size(); ++i)
    for (size_t j = 1; j < letters.size(); ++j) {
      const std::string two = {letters[0], letters[i]}, three = two + letters[j];
      if (i != j && !IsWord(two) && !IsWord(three)) return three;
    }
  return "";
}

}  // namespace

TEST(WordHuntGames, EachVariantIsWonThroughTheMouseAndScoredOnce) {
  NineGame h;
  for (uint8_t variant = 46; variant <= 50; ++variant) {
    const Hunt hunt = HuntOf(variant);
    ASSERT_TRUE(h.Build(variant));
    EXPECT_EQ(h.Played(0), 1);
    const int lines = ScoreLines();
    const std::vector<std::string> words = G.wordList;
    for (const std::string& word : words) {
      if (G.gameWon) break;
      if (std::find(G.wordList.begin(), G.wordList.end(), word) == G.wordList.end()) continue;  // found already
      BuildWord(h, hunt, word);
      if (!G.gameWon) {
        EXPECT_NE(std::find(G.wordList.begin(), G.wordList.end(), " " + word), G.wordList.end()) << word;
      }
    }
    EXPECT_EQ(G.gameWon, 1) << "variant " << int(variant);
    EXPECT_GE(Found(), G.gameSize);
    EXPECT_EQ(h.Played(8), Found());
    h.ClickTheWinAway();
    EXPECT_EQ(ScoreLines(), lines + 1) << "variant " << int(variant);
    EXPECT_EQ(G.currentScreen, 1);
  }
}

TEST(WordHuntGames, AWordIsFoundOnceAndLettersThatSpellNoWordAreRefused) {
  NineGame h;
  for (uint8_t variant : {46, 49}) {
    const Hunt hunt = HuntOf(variant);
    ASSERT_TRUE(h.Build(variant));
    const std::string guess = NonWord();
    ASSERT_EQ(guess.size(), 3u);
    BuildWord(h, hunt, guess);
    h.Tick(5);
    EXPECT_EQ(Found(), 0) << guess;
    EXPECT_EQ(h.Played(8), 0);
    // The shortest listed word: its prefixes are too short to be found.
    const std::string word = G.wordList.back();
    BuildWord(h, hunt, word);
    h.Tick(5);
    EXPECT_EQ(Found(), 1) << word;
    EXPECT_EQ(h.Played(8), 1);
    BuildWord(h, hunt, word);
    h.Tick(5);
    EXPECT_EQ(Found(), 1);
    EXPECT_EQ(h.Played(8), 1);
    EXPECT_EQ(G.wordSlots[1].str(), word);
    // The list holds the known words: another dictionary word with a vowel
    // is still accepted, added to the list as found, and counts.
    const std::string letters = G.wordSlots[0].str();
    std::vector<std::string> spelt;
    WordsFromLetters(spelt, letters);
    std::reverse(spelt.begin(), spelt.end());  // shortest first: its prefixes count less often
    for (const std::string& other : spelt) {
      const bool fits = other.size() >= (hunt.startsWith ? 2u : 3u) && other.size() <= static_cast<size_t>(G.gameLength) &&
                        other[0] == (hunt.startsWith ? letters[0] : other[0]) &&
                        other.find_first_of("AEIOUY") != std::string::npos;
      const auto listedAs = [](const std::string& entry) {
        return std::find(G.wordList.begin(), G.wordList.end(), entry) != G.wordList.end();
      };
      if (!fits || listedAs(other) || listedAs(" " + other)) continue;
      const size_t listed = G.wordList.size();
      BuildWord(h, hunt, other);
      h.Tick(5);
      // A prefix on the way (COU for COUPER) may be found too.
      EXPECT_GE(Found(), 2) << other;
      EXPECT_GE(G.wordList.size(), listed + 1);
      EXPECT_NE(std::find(G.wordList.begin(), G.wordList.end(), " " + other), G.wordList.end()) << other;
      break;
    }
  }
}

TEST(WordHuntGames, TheFirstLetterStandsFixedAndAloneIsNeverAWord) {
  NineGame h("");
  ASSERT_TRUE(h.Build(49));
  const char first = G.wordSlots[0].str()[0];
  h.Drag({6, 7}, {7, 7});
  h.Drag({6, 5}, {7, 7});
  h.Run(1000);
  EXPECT_EQ(LetterAt(6, 7), first);
  EXPECT_EQ(LetterAt(6, 5), first);
  EXPECT_EQ(LetterAt(7, 7), ' ');
  EXPECT_EQ(G.wordSlots[1].str(), std::string(1, first));
  EXPECT_EQ(Found(), 0);
  EXPECT_EQ(h.Played(8), 0);
}

TEST(WordHuntGames, EscapeListsTheWordsMissedBesideTheFoundOnes) {
  NineGame h;
  const Hunt hunt = HuntOf(47);
  ASSERT_TRUE(h.Build(47));
  h.Tick();
  const auto foundBefore = h.Pixels(1, 72, 90, 90), missedBefore = h.Pixels(555, 72, 640, 90);
  BuildWord(h, hunt, G.wordList.back());
  ASSERT_EQ(Found(), 1);
  EXPECT_NE(h.Pixels(1, 72, 90, 90), foundBefore);
  EXPECT_EQ(h.Pixels(555, 72, 640, 90), missedBefore);
  const std::vector<std::string> listed = G.wordList;
  h.GiveUp();
  EXPECT_NE(h.Pixels(555, 72, 640, 90), missedBefore);
  EXPECT_EQ(G.wordList, listed);
  h.ExpectGameListAfterTenSeconds();
}

TEST(WordHuntGames, AListThatNeverGivesEnoughWordsEndsTheGameWithAMessage) {
  NineGame h("BEC\r\nBIS\r\nCOU\r\n");
  StartVariant(46);
  h.Tick(300);
  EXPECT_FALSE(G.gameTitle.empty());
  EXPECT_EQ(G.boardReady, 0);
  h.Tick(400);
  EXPECT_TRUE(G.gameTitle.empty());
  EXPECT_EQ(G.messageShowing, 1);
  EXPECT_TRUE(h.LogHas("Aucun tirage de neuf lettres"));
}
