// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/keys.h"
#include "rows_fixture.h"

namespace {

// Variant 51 asks for a word of six letters.
constexpr uint8_t kSixLetters = 51;
const std::vector<std::string> kWords = {"CHATON", "CHALET", "CHAPON", "CARTON", "CASTOR",
                                         "CITRON", "CORDON", "COTONS", "CANTON"};

std::string Dictionary() {
  std::string text;
  for (const std::string& word : kWords) text += word + "\r\n";
  return text + "CHAT\r\n";
}

struct WordRows : RowsGame {
  WordRows() : RowsGame(Dictionary()) {}
  // Drags the letters after the first into the current row.
  void Play(const std::string& guess) {
    const int row = 6 + G.gameLength;
    for (size_t j = 1; j < guess.size(); ++j) {
      const int k = guess[j] - 'A';
      Drag({7 + k % 13, 2 + k / 13}, {7 + static_cast<int>(j), row});
    }
    Tick();
  }
  // A dictionary word other than the one to guess.
  std::string OtherWord() {
    for (const std::string& word : kWords)
      if (word != G.wordSlots[0].str()) return word;
    return "";
  }
};

}  // namespace

TEST(WordRowsGame, TheFirstTickGivesTheAlphabetAndTheFirstLetterOfRowOne) {
  WordRows w;
  w.StartGame(kSixLetters);
  ASSERT_EQ(G.boardReady, 1);
  EXPECT_EQ(G.gameTitle.str(), G.variantName[kSixLetters]);
  EXPECT_EQ(w.Played(0), 1);
  const std::string word = G.wordSlots[0].str();
  EXPECT_NE(std::find(kWords.begin(), kWords.end(), word), kWords.end()) << word;
  EXPECT_EQ(RowAt(7, 2, 13), "ABCDEFGHIJKLM");
  EXPECT_EQ(RowAt(7, 3, 13), "NOPQRSTUVWXYZ");
  EXPECT_EQ(RowAt(7, 7, 6), "C     ");
  for (int y = 8; y <= 14; ++y) EXPECT_EQ(RowAt(7, y, 6), "      ");
  EXPECT_EQ(G.gameLength, 1);
  EXPECT_EQ(G.boardPlayable[CellIndex(8, 7)], 1);
  EXPECT_EQ(G.boardPlayable[CellIndex(8, 8)], 0);
}

TEST(WordRowsGame, AWrongWordMarksItsWellPlacedLettersThenTheRightWordWins) {
  WordRows w;
  w.StartGame(kSixLetters);
  const std::string word = G.wordSlots[0].str(), other = w.OtherWord();
  w.Play(other);
  EXPECT_EQ(RowAt(7, 7, 6), other);
  EXPECT_EQ(G.gameLength, 2);
  EXPECT_EQ(w.Played(2), 1);
  for (int j = 0; j < 6; ++j) EXPECT_EQ(CellState(7 + j, 7), other[j] == word[j] ? 1 : 4) << j;
  // The rows still to play are dark tiles, unlike the well-placed letters.
  for (int j = 0; j < 6; ++j) EXPECT_EQ(CellState(7 + j, 9), 3) << j;
  EXPECT_EQ(G.gameWon, 0);
  // The alphabet never runs out.
  EXPECT_EQ(RowAt(7, 2, 13), "ABCDEFGHIJKLM");
  EXPECT_EQ(RowAt(7, 8, 6), "C     ");
  w.Play(word);
  EXPECT_EQ(G.gameWon, 1);
  for (int j = 0; j < 6; ++j) EXPECT_EQ(CellState(7 + j, 8), 1);
  EXPECT_EQ(RowAt(7, 9, 1), "C");
}

TEST(WordRowsGame, ARowThatIsNoWordKeepsOnlyItsFirstLetter) {
  WordRows w;
  w.StartGame(kSixLetters);
  w.Play("CZZZZZ");
  w.Tick();
  EXPECT_EQ(RowAt(7, 7, 6), "C     ");
  EXPECT_EQ(G.gameLength, 1);
  EXPECT_EQ(G.gameWon, 0);
  EXPECT_EQ(G.gameLost, 0);
}

TEST(WordRowsGame, LettersGoOnlyIntoEmptyCellsOfTheCurrentRow) {
  WordRows w;
  w.StartGame(kSixLetters);
  w.Drag({7, 2}, {8, 8});  // a later row
  w.Drag({7, 2}, {7, 7});  // the given first letter
  w.Run(600);
  EXPECT_EQ(RowAt(7, 8, 6), "      ");
  EXPECT_EQ(RowAt(7, 7, 6), "C     ");
  w.Drag({7, 2}, {8, 7});
  EXPECT_EQ(LetterAt(8, 7), 'A');
  // A letter in a guess row stays there until the row is judged.
  w.Drag({8, 7}, {9, 7});
  EXPECT_EQ(LetterAt(8, 7), 'A');
  EXPECT_EQ(LetterAt(9, 7), ' ');
}

TEST(WordRowsGame, EightWrongWordsLoseAndShowTheWordInTheLastRow) {
  WordRows w;
  w.StartGame(kSixLetters);
  const std::string word = G.wordSlots[0].str(), other = w.OtherWord();
  for (int row = 1; row <= 8; ++row) {
    EXPECT_EQ(G.gameLost, 0) << row;
    w.Play(other);
  }
  EXPECT_EQ(G.gameLost, 1);
  EXPECT_EQ(G.gameLength, 8);
  w.Tick();
  EXPECT_EQ(RowAt(7, 14, 6), word);
  EXPECT_EQ(G.gameWon, 0);
  w.Run(10100);
  EXPECT_TRUE(G.gameTitle.empty());
}

TEST(WordRowsGame, EscapeShowsTheWordAndClosesTenSecondsLater) {
  WordRows w;
  w.StartGame(kSixLetters);
  w.Key(kVkEscape);
  w.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
  EXPECT_EQ(G.gameLost, 1);
  w.Tick();
  EXPECT_EQ(RowAt(7, 14, 6), G.wordSlots[0].str());
  EXPECT_EQ(G.gameWon, 0);
  w.Run(9000);
  EXPECT_FALSE(G.gameTitle.empty());
  w.Run(1100);
  EXPECT_TRUE(G.gameTitle.empty());
}

TEST(WordRowsGame, AListWithoutAUsableWordEndsTheGameWithAMessage) {
  WordRows w;
  // Variant 52 asks for seven letters; the only ones cannot be spelt with
  // the alphabet.
  w.WriteProgramFile("bin/DicoFrancais.txt", "LA MAIN\r\nPORC-EPIC\r\nCHATON\r\n");
  w.StartGame(52);
  EXPECT_TRUE(G.gameTitle.empty());
  EXPECT_EQ(G.messageShowing, 1);
  w.Tick();
  w.StartGame(55);  // nine letters: the hyphenated one only
  EXPECT_TRUE(G.gameTitle.empty());
  EXPECT_EQ(G.messageShowing, 1);
  w.StartGame(53);  // no word of eight letters at all
  EXPECT_TRUE(G.gameTitle.empty());
  EXPECT_EQ(G.messageShowing, 1);
}
