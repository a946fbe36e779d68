// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "words/word_routines.h"
#include "words_fixture.h"

namespace {

// Fills every empty cell of the word rows with the letter its word needs,
// taken from the first offer cell (rows 1-6) that holds it.
void PutLettersBack(WordsGame& h, int words) {
  for (int k = 0; k < words; ++k) {
    const std::string word = G.wordSlots[k].str();
    for (int i = 0; i < 10; ++i) {
      if (LetterAt(7 + i, 7 + k) != ' ') continue;
      bool moved = false;
      for (int y = 1; y <= 6 && !moved; ++y)
        for (int x = 1; x <= 20 && !moved; ++x)
          if (LetterAt(x, y) == word[i]) {
            h.Drag({x, y}, {7 + i, 7 + k});
            moved = true;
          }
      ASSERT_TRUE(moved) << word << " " << i;
    }
  }
}

std::string OfferRows(int rows) {
  std::string all;
  for (int y = 1; y <= rows; ++y)
    for (int x = 1; x <= 20; ++x)
      if (LetterAt(x, y) != '*' && LetterAt(x, y) != ' ') all += LetterAt(x, y);
  return all;
}

}  // namespace

TEST(VowelExchange, TheVowelsAreOfferedOneRowPerVowelInTheOrderAOEUIY) {
  WordsGame h("ABRICOTIER\r\nCHRYSALIDE\r\n");
  ASSERT_EQ(h.Build(15), 1);
  EXPECT_EQ(h.Played(0), 1);
  int a = 0, o = 0, e = 0, u = 0, i = 0, y = 0;
  for (int k = 0; k < 6; ++k) {
    const std::string word = G.wordSlots[k].str();
    ASSERT_TRUE(word == "ABRICOTIER" || word == "CHRYSALIDE") << word;
    std::string shown = word;
    for (char& c : shown) {
      a += c == 'A', o += c == 'O', e += c == 'E', u += c == 'U', i += c == 'I', y += c == 'Y';
      if (IsVowel(static_cast<uint8_t>(c))) c = ' ';
    }
    EXPECT_EQ(RowAt(7, 7 + k, 10), shown);
  }
  EXPECT_EQ(RowAt(7, 13, 10), std::string(10, '*'));
  EXPECT_EQ(RowAt(1, 1, a) + LetterAt(1 + a, 1), std::string(a, 'A') + '*');
  EXPECT_EQ(RowAt(1, 2, o) + LetterAt(1 + o, 2), std::string(o, 'O') + '*');
  EXPECT_EQ(RowAt(1, 3, e) + LetterAt(1 + e, 3), std::string(e, 'E') + '*');
  EXPECT_EQ(LetterAt(1, 4), '*');  // no U: the row stays empty
  EXPECT_EQ(RowAt(1, 5, i) + LetterAt(1 + i, 5), std::string(i, 'I') + '*');
  EXPECT_EQ(RowAt(1, 6, y) + LetterAt(1 + y, 6), std::string(y, 'Y') + '*');
  // The blanked cells and the offered letters are red, playable and pickable.
  for (int x = 7; x <= 16; ++x)
    for (int r = 7; r <= 12; ++r) {
      const bool blank = LetterAt(x, r) == ' ';
      EXPECT_EQ(G.boardPlayable[CellIndex(x, r)], blank ? 1 : 0);
      EXPECT_EQ(G.boardCellColour[CellIndex(x, r)], blank ? 255 : 0xffff);
    }
  EXPECT_EQ(G.boardPlayable[CellIndex(1, 1)], 1);
  EXPECT_EQ(G.boardCellColour[CellIndex(1, 1)], 255);
  EXPECT_EQ(G.boardPlayable[CellIndex(1, 4)], 0);
}

TEST(VowelExchange, PuttingTheVowelsBackWithTheMouseWinsAndScoresOnce) {
  WordsGame h("ABRICOTIER\r\nCHRYSALIDE\r\n");
  h.Build(15);
  PutLettersBack(h, 6);
  h.ExpectScoredOnce();
}

TEST(VowelExchange, AnotherVowelInTheDrawnWordsPlaceDoesNotWin) {
  WordsGame h("BALANCELLE\r\n");
  h.Build(15);
  auto offered = [](char vowel) {
    for (int x = 1; x <= 20; ++x)
      if (LetterAt(x, 3) == vowel || LetterAt(x, 1) == vowel) return Point{x, vowel == 'E' ? 3 : 1};
    return Point{0, 0};
  };
  // The first word gets an E where it had its first A, and that A where it
  // had its first E: BELANCALLE.
  h.Drag(offered('E'), {8, 7});
  h.Drag(offered('A'), {13, 7});
  PutLettersBack(h, 6);
  EXPECT_EQ(G.wordSlots[10].str(), "BELANCALLE");
  EXPECT_EQ(G.gameWon, 0);
  // Swapping the two through an emptied offer cell wins.
  const Point hole{1, 3};
  ASSERT_EQ(LetterAt(1, 3), ' ');
  h.Drag({8, 7}, hole);
  h.Drag({13, 7}, {8, 7});
  h.Drag(hole, {13, 7});
  EXPECT_EQ(G.wordSlots[10].str(), "BALANCELLE");
  EXPECT_EQ(G.gameWon, 1);
}

TEST(VowelExchange, ASetWhereOneVowelWouldOverflowItsRowEndsTheGameWithAMessage) {
  // Eight times DESESPERER: 32 E's, more than a row of twenty holds.
  WordsGame h("DESESPERER\r\n");
  EXPECT_LE(h.Build(14), 2);
  h.ExpectAbandoned("voyelles");
}

TEST(VowelExchange, SetsWhereOneVowelWouldOverflowItsRowAreDrawnAgain) {
  WordsGame h("DESESPERER\r\nABRICOTIER\r\n");
  for (int game = 0; game < 20; ++game) {
    h.Build(14);
    ASSERT_EQ(G.boardReady, 1);
    int e = 0;
    for (int k = 0; k < 8; ++k)
      for (char c : G.wordSlots[k].str()) e += c == 'E';
    EXPECT_LE(e, 20);
    EXPECT_EQ(RowAt(1, 3, e), std::string(e, 'E'));
  }
}

TEST(VowelExchange, EscapeWritesTheWordsBack) {
  WordsGame h("ABRICOTIER\r\nCHRYSALIDE\r\n");
  h.Build(14);
  h.ExpectEscapeClosesLater();
  for (int k = 0; k < 8; ++k) EXPECT_EQ(RowAt(7, 7 + k, 10), G.wordSlots[k].str());
  h.ExpectGameClosesTenSecondsLater();
}

TEST(ConsonantExchange, OneWordOffersItsConsonantsShuffledOnRowOne) {
  WordsGame h("ABRICOTIER\r\n");
  ASSERT_EQ(h.Build(42), 1);
  EXPECT_EQ(RowAt(7, 7, 10), "A  I O IE ");
  EXPECT_TRUE(SameLetters(RowAt(1, 1, 5), "BRCTR"));
  EXPECT_EQ(LetterAt(6, 1), '*');
  EXPECT_EQ(LetterAt(1, 2), '*');
  EXPECT_EQ(G.wordSlots[1].str(), "");
}

TEST(ConsonantExchange, PuttingTheConsonantsBackWithTheMouseWinsAndScoresOnce) {
  WordsGame h("ABRICOTIER\r\nCHRYSALIDE\r\nGRENOUILLE\r\n");
  h.Build(39);
  std::string consonants;
  for (int k = 0; k < 4; ++k)
    for (char c : G.wordSlots[k].str())
      if (!IsVowel(static_cast<uint8_t>(c))) consonants += c;
  EXPECT_TRUE(SameLetters(OfferRows(3), consonants));
  // Drops off the playable cells fly home.
  const char first = LetterAt(1, 1);
  h.Drag({1, 1}, {7, 16});
  h.Run(1000);
  EXPECT_EQ(LetterAt(1, 1), first);
  // A letter can be put back into the hole it left in the offer.
  int blank = 7;
  while (LetterAt(blank, 7) != ' ') ++blank;
  h.Drag({1, 1}, {blank, 7});
  EXPECT_EQ(LetterAt(1, 1), ' ');
  EXPECT_EQ(LetterAt(blank, 7), first);
  h.Drag({blank, 7}, {1, 1});
  EXPECT_EQ(LetterAt(1, 1), first);
  PutLettersBack(h, 4);
  h.ExpectScoredOnce();
}

TEST(ConsonantExchange, EscapeWritesTheWordsBack) {
  WordsGame h("ABRICOTIER\r\n");
  h.Build(41);
  h.ExpectEscapeClosesLater();
  EXPECT_EQ(RowAt(7, 7, 10), "ABRICOTIER");
  EXPECT_EQ(RowAt(7, 8, 10), "ABRICOTIER");
  EXPECT_EQ(LetterAt(7, 9), '*');
  h.ExpectGameClosesTenSecondsLater();
}

TEST(ConsonantExchange, AListWithoutTenLetterWordsEndsTheGameWithAMessage) {
  WordsGame h("MAISON\r\n");
  EXPECT_LE(h.Build(39), 2);
  h.ExpectAbandoned("10 lettres");
}
