// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "catalogue/catalogue.h"
#include "harness/harness.h"
#include "state/game_state.h"
#include "state/variants.h"
#include "words/word_store.h"

TEST(Catalogue, NamesKeepTheirInnerSpaces) {
  ClearGameState();
  FillCatalogue();
  EXPECT_EQ(G.variantName[1], "MOTS  CODES 12x12");
  EXPECT_EQ(G.variantName[3], "MOTS CODES    8x8");
  EXPECT_EQ(G.variantName[7], "MOTS EN CROIX   9 Lettres");
  EXPECT_EQ(G.variantName[22], "DE L'UN A L'AUTRE 11 Lettres");
  EXPECT_EQ(G.variantName[49], "MOTS COMMENCANT PAR...100/100");
  EXPECT_EQ(G.variantName[50], "MOTS COMMENCANT PAR... 50/100");
  EXPECT_EQ(G.variantName[51], "ZERUZE 6  lettres");
  EXPECT_EQ(G.variantName[55], "ZERUZE 10 lettres");
  EXPECT_EQ(G.variantName[67], "LETTRES PEU EFFACEES  10x10");
  EXPECT_EQ(G.variantName[106], "MOTS COUPES 8  mots / ARBRES");
  EXPECT_EQ(G.variantName[144], "PENDU  8 Lettres / PAYS");
  EXPECT_EQ(G.variantName[150], "9 MOTS EMPILES");
  for (int n = 1; n <= 150; ++n) {
    EXPECT_FALSE(G.variantName[n].empty()) << n;
    EXPECT_FALSE(G.helpFileName[n].empty()) << n;
  }
  EXPECT_EQ(G.variantName[0], "");
}

TEST(Catalogue, HelpFiles) {
  ClearGameState();
  FillCatalogue();
  EXPECT_EQ(G.helpFileName[0], "aide.txt");
  EXPECT_EQ(G.helpFileName[1], "MOTS CODES.txt");
  EXPECT_EQ(G.helpFileName[22], "DE LUN A LAUTRE.txt");
  EXPECT_EQ(G.helpFileName[92], "GRILLES ANGLAISES.txt");
  EXPECT_EQ(G.helpFileName[93], "WORDCODES.txt");
  EXPECT_EQ(G.helpFileName[94], "WORDCODES.txt");
  for (int first : {105, 115, 125, 135}) {
    EXPECT_EQ(G.helpFileName[first], "THEMES.txt") << first;
    EXPECT_EQ(G.helpFileName[first + 1], "LES MOTS COUPES.txt") << first;
    EXPECT_EQ(G.helpFileName[first + 2], "LES MOTS COUPES.txt") << first;
  }
  EXPECT_EQ(G.helpFileName[151], "VOYAGE.txt");  // the travel map
  for (int n = 152; n <= 200; ++n) EXPECT_EQ(G.helpFileName[n], "") << n;
}

TEST(Catalogue, FamiliesCoverTheVariantsInOrder) {
  ClearGameState();
  FillCatalogue();
  EXPECT_EQ(G.familyName[1], "MOTS CODES");
  EXPECT_EQ(G.familyName[9], "DE L'UN A L'AUTRE");
  EXPECT_EQ(G.familyName[20], "SOMMES DE LETTRES");
  EXPECT_EQ(G.familyName[25], "GRILLES ANGLAISES");
  EXPECT_EQ(G.familyName[30], "MOTS EMPILES");
  // Each family's menu starts where the previous one ended; only 150 is left.
  int next = 1;
  for (int f = 1; f <= 30; ++f) {
    EXPECT_EQ(FamilyFirstVariant(f), next) << f;
    ASSERT_GE(FamilyVariantCount(f), 1) << f;
    for (int v = next; v < next + FamilyVariantCount(f); ++v) EXPECT_EQ(VariantFamily(v), f) << v;
    next += FamilyVariantCount(f);
  }
  EXPECT_EQ(next, 150);
  EXPECT_EQ(VariantFamily(150), 0);
  EXPECT_EQ(FamilyVariantCount(2), 1);
  EXPECT_EQ(FamilyVariantCount(10), 1);
  EXPECT_EQ(FamilyVariantCount(25), 13);
  EXPECT_EQ(FamilyFirstVariant(0), 0);
  EXPECT_EQ(FamilyFirstVariant(31), 0);
}

// Every variant has a game, and the table's columns agree with the name the
// catalogue shows: its size or length, its word list, its grid's language.
TEST(Catalogue, TheVariantTableAgreesWithTheNames) {
  ClearGameState();
  FillCatalogue();
  const Game unsized[] = {Game::LongestWord, Game::ThirdWord, Game::MaxiWords, Game::WordsStartingWith,
                          Game::ProverbHangman, Game::MonthProverbs, Game::ErasedLetters};
  for (int v = 1; v <= kVariantCount; ++v) {
    const VariantEntry& row = Variant(v);
    const std::string& name = G.variantName[v];
    ASSERT_NE(row.game, Game::None) << v;
    if (std::find(std::begin(unsized), std::end(unsized), row.game) == std::end(unsized))
      EXPECT_NE(name.find(std::to_string(row.parameter)), std::string::npos) << v << " " << name;
    const bool english = name.find("ENGLISH") != std::string::npos;
    EXPECT_EQ(row.wordList == kEnglishWords, english) << v;
    EXPECT_EQ(row.wordList == kTreeWords, name.find("ARBRES") != std::string::npos) << v;
    const bool englishGrid = name.rfind("WORD", 0) == 0 || name.rfind("HIDDEN", 0) == 0 || name.rfind("MIXWORD", 0) == 0;
    EXPECT_EQ(row.grid == GridLanguage::English, englishGrid) << v;
  }
  EXPECT_EQ(Variant(0).game, Game::None);
  EXPECT_EQ(Variant(kVariantCount + 1).game, Game::None);
}

class StartingVariants : public ::testing::Test {
 protected:
  StartingVariants() {
    // One word per list tells which list is loaded.
    h.WriteProgramFile("bin/DicoFrancais.txt", "chat\r\nanticonstitutionnellement\r\n");
    h.WriteProgramFile("bin/DicoAnglais.txt", "dog\r\n");
    h.WriteProgramFile("bin/fleurs.txt", "rose\r\n");
    h.WriteProgramFile("bin/Arbres.txt", "chene\r\n");
    h.WriteProgramFile("bin/animaux.txt", "lion\r\n");
    h.WriteProgramFile("bin/pays.txt", "france\r\n");
    h.WriteProgramFile("aide/LE PENDU.txt", "Trouvez le mot cach\xE9.\r\n");
  }
  ~StartingVariants() override { ClearWordStore(); }

  static std::string LoadedList() {
    for (const char* word : {"CHAT", "DOG", "ROSE", "CHENE", "LION", "FRANCE"}) {
      if (IsWord(word)) return word;
    }
    return "";
  }
  Harness h;
};

TEST_F(StartingVariants, TitleVariantAndScreen) {
  ASSERT_TRUE(h.Start());
  G.currentScreen = 2;
  StartVariant(8);
  EXPECT_EQ(G.currentVariant, 8u);
  EXPECT_EQ(G.currentScreen, 0);
  EXPECT_EQ(G.gameTitle.str(), "PENDU  12 lettres");
  EXPECT_EQ(G.boardLetters[CellIndex(5, 5)], '*');
  EXPECT_EQ(G.boardOriginX, 70);
  EXPECT_EQ(G.listBoxes[listHelp].items[1].find("Trouvez"), 0u);
}

TEST_F(StartingVariants, EachVariantRangeLoadsItsWordList) {
  ASSERT_TRUE(h.Start());
  struct Case {
    int first, last;
    const char* word;
  } cases[] = {{1, 87, "CHAT"},     {88, 91, "DOG"},     {92, 104, "CHAT"},  {105, 114, "CHENE"},
               {115, 124, "ROSE"},  {125, 134, "LION"},  {135, 144, "FRANCE"}, {145, 150, "CHAT"}};
  for (const Case& c : cases) {
    for (int n : {c.first, c.last}) {
      StartVariant(static_cast<uint8_t>(n));
      EXPECT_EQ(LoadedList(), c.word) << n;
      EXPECT_EQ(G.currentVariant, static_cast<uint32_t>(n));
      EXPECT_EQ(G.gameTitle.str(), G.variantName[n]);
    }
  }
  // The French long words stay under every themed list.
  EXPECT_TRUE(IsWord("ANTICONSTITUTIONNELLEMENT"));
}

TEST_F(StartingVariants, StartingOnTheTravelMapLeavesTheTravelMode) {
  ASSERT_TRUE(h.Start());
  G.travelMapShowing = 1;
  G.travelModeActive = 1;
  StartVariant(25);
  EXPECT_EQ(G.travelMapShowing, 0);
  EXPECT_EQ(G.travelModeActive, 0);
  EXPECT_EQ(G.currentVariant, 25u);
  EXPECT_EQ(G.gameTitle.str(), "TROISIEME MOT");
}

TEST_F(StartingVariants, AnUnknownVariantStartsNothing) {
  ASSERT_TRUE(h.Start());
  StartVariant(0);
  StartVariant(151);
  StartVariant(255);
  EXPECT_EQ(G.currentVariant, 0u);
  EXPECT_TRUE(G.gameTitle.empty());
}
