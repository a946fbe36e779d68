// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "platform/clock.h"
#include "state/game_state.h"
#include "word_files.h"
#include "words/word_routines.h"

using Words = std::vector<std::string>;

TEST(IsVowel, OnlyTheSixUpperCaseVowels) {
  std::string vowels;
  for (int c = 0; c < 256; ++c) {
    if (IsVowel(static_cast<uint8_t>(c))) vowels += static_cast<char>(c);
  }
  EXPECT_EQ(vowels, "AEIOUY");
}

TEST(NoResultMarker, OneQuestionMarkPerCharacterUpToTwentyTwo) {
  EXPECT_EQ(NoResultMarker(0), "");
  EXPECT_EQ(NoResultMarker(1), "?");
  EXPECT_EQ(NoResultMarker(22), std::string(22, '?'));
  EXPECT_EQ(NoResultMarker(30), std::string(22, '?'));
}

TEST_F(WordFiles, RandomWordDrawsEveryStoredWordOfTheLength) {
  LoadFrench({"chat", "chut", "chou", "rat"});
  SetRandSeed(7);
  std::set<std::string> drawn;
  for (int i = 0; i < 200; ++i) drawn.insert(RandomWord(4));
  EXPECT_EQ(drawn, std::set<std::string>({"CHAT", "CHUT", "CHOU"}));
  EXPECT_EQ(RandomWord(3), "RAT");
  EXPECT_EQ(RandomWord(5), "");
  EXPECT_EQ(RandomWord(31), "");
  EXPECT_EQ(RandomWord(255), "");
}

// Twenty-two six-letter words with the first twenty in the common tier.
static Words SixLetterWords(int n) {
  Words words;
  for (int i = 0; i < n; ++i) words.push_back(std::string("MOT") + static_cast<char>('A' + i / 26 / 26 % 26) +
                                             static_cast<char>('A' + i / 26 % 26) + static_cast<char>('A' + i % 26));
  return words;
}

TEST_F(WordFiles, RandomWordDrawsFromTheCommonTierWhereItHoldsEnoughWords) {
  Words dictionary = SixLetterWords(400);
  dictionary.push_back("maison");
  dictionary.push_back("chat");
  dictionary.push_back("chien");
  WriteList("CourantsFrancais.txt", {"maison", "MOTAAA", "MOTAAB", "MOTAAC", "MOTAAD", "MOTAAE", "MOTAAF", "MOTAAG",
                                     "MOTAAH", "MOTAAI", "MOTAAJ", "MOTAAK", "MOTAAL", "MOTAAM", "MOTAAN", "MOTAAO",
                                     "MOTAAP", "MOTAAQ", "MOTAAR", "MOTAAS", "chat"});
  LoadFrench(dictionary);
  EXPECT_EQ(commonCount[6], 20);
  EXPECT_EQ(CommonWord(6, 1), "MAISON");
  EXPECT_EQ(CommonWord(6, 21), "");
  EXPECT_TRUE(IsCommonWord("MAISON"));
  EXPECT_TRUE(IsCommonWord("MOTAAS"));
  EXPECT_FALSE(IsCommonWord("MOTAAT"));  // in the dictionary only
  EXPECT_TRUE(IsCommonWord("CHAT"));
  SetRandSeed(3);
  std::set<std::string> drawn;
  for (int i = 0; i < 2000; ++i) drawn.insert(RandomWord(6));
  EXPECT_EQ(drawn.size(), 20u);  // every common word, and only those
  for (const std::string& w : drawn) EXPECT_TRUE(w == "MAISON" || w.compare(0, 4, "MOTA") == 0) << w;
  // One common word of four letters is too few for a game: the whole list.
  EXPECT_EQ(commonCount[4], 1);
  EXPECT_EQ(RandomWord(4), "CHAT");
  EXPECT_EQ(RandomWord(5), "CHIEN");
}

TEST_F(WordFiles, RandomChoicePrefersTheCommonWordsOfAList) {
  WriteList("CourantsFrancais.txt", {"CHAT", "CHOU"});
  LoadFrench({"CHAT", "CHUT", "CHOU", "CHAI"});
  SetRandSeed(5);
  std::set<std::string> drawn;
  for (int i = 0; i < 200; ++i) drawn.insert(RandomChoice({"CHUT", "CHAT", "CHAI", "CHOU"}));
  EXPECT_EQ(drawn, std::set<std::string>({"CHAT", "CHOU"}));
  drawn.clear();
  for (int i = 0; i < 200; ++i) drawn.insert(RandomChoice({"CHUT", "CHAI"}));
  EXPECT_EQ(drawn, std::set<std::string>({"CHUT", "CHAI"}));
  EXPECT_EQ(RandomChoice({}), "");
}

TEST_F(WordFiles, ThemedListsAndMissingTierFilesDrawFromTheWholeList) {
  Words dictionary = SixLetterWords(60);
  WriteList("CourantsFrancais.txt", Words(dictionary.begin(), dictionary.begin() + 20));
  LoadFrench(dictionary);
  EXPECT_EQ(commonCount[6], 20);
  WriteList("fleurs.txt", {"TULIPE", "JASMIN"});
  LoadWordList(3);
  EXPECT_EQ(commonCount[6], 0);
  std::set<std::string> drawn;
  for (int i = 0; i < 200; ++i) drawn.insert(RandomWord(6));
  EXPECT_EQ(drawn, std::set<std::string>({"TULIPE", "JASMIN"}));
  // The English list without its tier file: a log line, every word drawn.
  WriteList("DicoAnglais.txt", SixLetterWords(30));
  LoadWordList(2);
  EXPECT_EQ(commonCount[6], 0);
  drawn.clear();
  for (int i = 0; i < 2000; ++i) drawn.insert(RandomWord(6));
  EXPECT_EQ(drawn.size(), 30u);
}

class Board : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearGameState();
    std::fill(std::begin(G.boardLetters), std::end(G.boardLetters), '*');
  }
  static std::string Row(int y, int x0, int n) {
    std::string s;
    for (int x = x0; x < x0 + n; ++x) s += static_cast<char>(G.boardLetters[CellIndex(x, y)]);
    return s;
  }
  static std::string Column(int x, int y0, int n) {
    std::string s;
    for (int y = y0; y < y0 + n; ++y) s += static_cast<char>(G.boardLetters[CellIndex(x, y)]);
    return s;
  }
};

TEST_F(Board, PlaceWordWritesAlongXForDirectionOneElseAlongY) {
  EXPECT_TRUE(PlaceWord(2, 3, "CHAT", 1, G.boardLetters, 1));
  EXPECT_EQ(Row(3, 1, 6), "*CHAT*");
  EXPECT_TRUE(PlaceWord(4, 1, "RUE", 2, G.boardLetters, 1));
  EXPECT_EQ(Column(4, 0, 5), "*RUE*");
  // The forced write went over the A of CHAT.
  EXPECT_EQ(Row(3, 2, 4), "CHET");
  // The last cells of the board can be used.
  EXPECT_TRUE(PlaceWord(17, 20, "FINS", 1, G.boardLetters, 1));
  EXPECT_EQ(Row(20, 17, 4), "FINS");
}

TEST_F(Board, PlaceWordNeverWritesOffTheBoard) {
  uint8_t before[441];
  std::copy(std::begin(G.boardLetters), std::end(G.boardLetters), before);
  EXPECT_FALSE(PlaceWord(19, 5, "CHAT", 1, G.boardLetters, 1));
  EXPECT_EQ(Row(5, 19, 2), "CH");
  EXPECT_FALSE(PlaceWord(5, 20, "OUI", 2, G.boardLetters, 1));
  EXPECT_EQ(G.boardLetters[CellIndex(5, 20)], 'O');
  // Nothing else moved: the cells of the next column stay as they were.
  EXPECT_EQ(G.boardLetters[CellIndex(6, 0)], before[CellIndex(6, 0)]);
  EXPECT_EQ(G.boardLetters[CellIndex(6, 1)], before[CellIndex(6, 1)]);
  EXPECT_FALSE(PlaceWord(-1, 0, "AB", 1, G.boardLetters, 1));
  EXPECT_EQ(G.boardLetters[CellIndex(0, 0)], 'B');
}

TEST_F(Board, PlaceWordWithoutForceNeedsEmptyOrAgreeingCells) {
  for (int x = 1; x <= 6; ++x) G.boardLetters[CellIndex(x, 1)] = ' ';
  G.boardLetters[CellIndex(3, 1)] = 'A';
  EXPECT_FALSE(PlaceWord(1, 1, "CHUT", 1, G.boardLetters, 0));
  EXPECT_EQ(Row(1, 1, 4), "  A ");
  EXPECT_TRUE(PlaceWord(1, 1, "CHAT", 1, G.boardLetters, 0));
  EXPECT_EQ(Row(1, 1, 4), "CHAT");
}

TEST_F(Board, ShuffleBoardWordMovesOnlyTheWordsLetters) {
  PlaceWord(2, 4, "ABCDEFGH", 1, G.boardLetters, 1);
  SetRandSeed(99);
  ShuffleBoardWord(2, 4, 8, 1);
  std::string shuffled = Row(4, 2, 8);
  EXPECT_NE(shuffled, "ABCDEFGH");
  std::sort(shuffled.begin(), shuffled.end());
  EXPECT_EQ(shuffled, "ABCDEFGH");
  EXPECT_EQ(G.boardLetters[CellIndex(1, 4)], '*');
  EXPECT_EQ(G.boardLetters[CellIndex(10, 4)], '*');

  PlaceWord(7, 2, "VERTICAL", 2, G.boardLetters, 1);
  ShuffleBoardWord(7, 2, 8, 0);
  std::string column = Column(7, 2, 8);
  EXPECT_NE(column, "VERTICAL");
  std::sort(column.begin(), column.end());
  EXPECT_EQ(column, "ACEILRTV");
}

TEST_F(Board, ShuffleBoardWordOutsideItsLimitsDoesNothing) {
  PlaceWord(15, 1, "ABCDEF", 1, G.boardLetters, 1);
  PlaceWord(1, 11, "ABCDEF", 2, G.boardLetters, 1);
  PlaceWord(1, 1, "AB", 1, G.boardLetters, 1);
  SetRandSeed(5);
  ShuffleBoardWord(15, 1, 6, 1);   // 15 + 6 > 20
  ShuffleBoardWord(1, 11, 6, 0);   // 11 + 6 > 16
  ShuffleBoardWord(1, 1, 1, 1);    // fewer than two letters
  EXPECT_EQ(Row(1, 15, 6), "ABCDEF");
  EXPECT_EQ(Column(1, 11, 6), "ABCDEF");
  // Not a single number was drawn.
  const int next = Random(1000000);
  SetRandSeed(5);
  EXPECT_EQ(Random(1000000), next);
}

TEST(ShuffleText, KeepsTheCharactersAndAcceptsEmptyText) {
  SetRandSeed(3);
  std::string text = "ABCDEFGHIJ";
  ShuffleText(text);
  EXPECT_NE(text, "ABCDEFGHIJ");
  std::sort(text.begin(), text.end());
  EXPECT_EQ(text, "ABCDEFGHIJ");
  std::string empty;
  ShuffleText(empty);
  EXPECT_EQ(empty, "");
}

TEST_F(WordFiles, FindWordInsideLooksAtPositionsThreeToSix) {
  LoadFrench({"cha", "hat", "tes", "oui"});
  EXPECT_EQ(FindWordInside("ACHATER"), "HAT");   // CHA at position 2 is not looked at
  EXPECT_EQ(FindWordInside("XXHATXX"), "HAT");
  EXPECT_EQ(FindWordInside("CHAPEAU"), "");      // CHA at position 1 does not count
  EXPECT_EQ(FindWordInside("XXXXXTES"), "TES");  // position 6
  EXPECT_EQ(FindWordInside("XXXXXXTES"), "");    // position 7 is past the search
  EXPECT_EQ(FindWordInside("XXXOU"), "");        // a short piece is never a word
  EXPECT_EQ(FindWordInside(""), "");
}

TEST_F(WordFiles, WordsFromLettersTakesEachGivenLetterOnce) {
  LoadFrench({"ete", "te", "et", "tete", "ta"});
  Words list;
  WordsFromLetters(list, "eet");
  EXPECT_EQ(list, Words({"ETE", "TE", "ET"}));
  WordsFromLetters(list, "ET");
  EXPECT_EQ(list, Words({"TE", "ET"}));
  // Longest first.
  WordsFromLetters(list, "TETEA");
  EXPECT_EQ(list, Words({"TETE", "ETE", "TE", "ET", "TA"}));
  // Nothing spelt: the marker of the letters' length.
  WordsFromLetters(list, "XYZ");
  EXPECT_EQ(list, Words({"???"}));
  WordsFromLetters(list, "E");
  EXPECT_EQ(list, Words({"?"}));
  // A given space never matches.
  WordsFromLetters(list, "E T");
  EXPECT_EQ(list, Words({"TE", "ET"}));
}

TEST_F(WordFiles, MatchPatternComparesTheFixedLetters) {
  LoadFrench({"chat", "chut", "chats", "cha", "rhat", "www", "chit"});
  Words list;
  EXPECT_FALSE(MatchPattern(list, "CH?T"));
  EXPECT_EQ(list, Words({"CHAT", "CHUT", "CHIT"}));
  EXPECT_FALSE(MatchPattern(list, "ch?t"));
  EXPECT_EQ(list, Words({"CHAT", "CHUT", "CHIT"}));
  EXPECT_FALSE(MatchPattern(list, "CHAT"));
  EXPECT_EQ(list, Words({"CHAT"}));
  EXPECT_TRUE(MatchPattern(list, "CHOT"));
  EXPECT_EQ(list, Words({"????"}));
  EXPECT_FALSE(MatchPattern(list, "????"));
  EXPECT_EQ(list, Words({"CHAT", "CHUT", "RHAT", "CHIT"}));
  // The sentinel is never returned.
  EXPECT_FALSE(MatchPattern(list, "???"));
  EXPECT_EQ(list, Words({"CHA"}));
  EXPECT_TRUE(MatchPattern(list, "W?W"));
  EXPECT_EQ(list, Words({"???"}));
  EXPECT_TRUE(MatchPattern(list, std::string(25, '?')));
  EXPECT_EQ(list, Words({std::string(22, '?')}));
  EXPECT_TRUE(MatchPattern(list, ""));
  EXPECT_EQ(list, Words({""}));
}

TEST_F(WordFiles, FindAnagramsWantsExactlyTheLetters) {
  LoadFrench({"chien", "niche", "chine", "www", "ete", "tee", "tte"});
  Words list;
  FindAnagrams(list, "chien");
  EXPECT_EQ(list, Words({"NICHE", "CHINE"}));
  FindAnagrams(list, "ETE");
  EXPECT_EQ(list, Words({"TEE"}));
  FindAnagrams(list, "WWW");
  EXPECT_EQ(list, Words({"???"}));
  FindAnagrams(list, "ZUT");
  EXPECT_EQ(list, Words({"???"}));
  FindAnagrams(list, "");
  EXPECT_EQ(list, Words({""}));
}
