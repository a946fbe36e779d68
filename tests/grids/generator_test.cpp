// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "filler.h"
#include "generator.h"
#include "lexicon.h"

namespace {

GridRules FreeRules(int minBlacks, int maxBlacks) {
  GridRules rules;
  rules.minBlacks = minBlacks;
  rules.maxBlacks = maxBlacks;
  rules.maxTwoLetterPercent = 100;
  return rules;
}

std::string Fill(const Lexicon& lexicon, const GridRules& rules, int width, int height,
                 uint64_t seed, long budget = 100000) {
  std::vector<int> uses(lexicon.WordCount(), 0);
  return FillGrid(lexicon, rules, uses, width, height, seed, budget);
}

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream all;
  all << in.rdbuf();
  return all.str();
}

}  // namespace

TEST(GridFiller, FindsTheOnlyFillOfATinyDictionary) {
  // C A T
  // O R E   across CAT, ORE; down CO, AR, TE. The decoys fit nowhere.
  LexiconOptions options;
  options.twoLetterWords = {"CO", "AR", "TE", "OC"};
  Lexicon lexicon({"CAT", "ORE", "TEA", "OAT", "CO", "AR", "TE", "OC"}, options);
  for (uint64_t seed = 1; seed <= 20; ++seed) EXPECT_EQ(Fill(lexicon, FreeRules(0, 0), 3, 2, seed), "CATORE");
}

TEST(GridFiller, PlacesTheBlackSquaresItsWordsNeed) {
  // C A T      C O D
  // O * I  or  A * I   (the same grid turned over its diagonal)
  // D I P      T I P
  Lexicon lexicon({"CAT", "COD", "TIP", "DIP", "DOG"}, {});
  std::set<std::string> seen;
  for (uint64_t seed = 1; seed <= 20; ++seed) seen.insert(Fill(lexicon, FreeRules(1, 1), 3, 3, seed));
  EXPECT_EQ(seen, (std::set<std::string>{"CATO*IDIP", "CODA*ITIP"}));
}

TEST(GridFiller, KeepsToTheRulesOrFindsNothing) {
  Lexicon lexicon({"CAT", "CUT", "TOE", "TIE"}, {});
  // No black square allowed, no word square in the dictionary.
  EXPECT_EQ(Fill(lexicon, FreeRules(0, 0), 3, 3, 7), "");
  // A word may not appear twice in a grid: ABA needs itself across and down.
  Lexicon square({"ABA", "BOB"}, {});
  EXPECT_EQ(Fill(square, FreeRules(0, 9), 3, 1, 7).size(), 3u);
  EXPECT_EQ(Fill(square, FreeRules(1, 1), 3, 3, 7), "");
  // A word that has reached its limit of grids is not used again.
  GridRules limited = FreeRules(1, 1);
  limited.maxUses = 1;
  std::vector<int> uses(lexicon.WordCount(), 0);
  uses[lexicon.Find("CAT")] = 1;
  limited.limitedLength = 3;
  EXPECT_EQ(FillGrid(lexicon, limited, uses, 3, 3, 7, 100000), "");
}

TEST(GridFiller, LeavesNoLoneLetterAndNoBlockOfFourBlackSquares) {
  // Without the rules, a grid of black squares and lone letters would do.
  Lexicon lexicon({"ABC"}, {});
  EXPECT_EQ(Fill(lexicon, FreeRules(0, 20), 2, 2, 3), "");
  EXPECT_EQ(Fill(lexicon, FreeRules(0, 20), 3, 1, 3), "ABC");
  std::string row = Fill(lexicon, FreeRules(1, 20), 4, 1, 3);
  EXPECT_TRUE(row == "ABC*" || row == "*ABC") << row;
}

TEST(GridGenerator, SameSeedSameBytesOtherSeedOtherGrids) {
  std::vector<std::string> words = ReadAccentedWordFile("/usr/share/dict/american-english");
  ASSERT_GT(words.size(), 10000u);
  LexiconOptions options;
  options.twoLetterWords = ReadWordFile(SOURCE_DIR "/data/grids/two_letters.txt");
  GeneratorOptions generator;
  generator.sides = {6, 8};
  generator.gridsPerSide = 10;
  std::string files[3];
  for (int run = 0; run < 3; ++run) {
    Lexicon lexicon(words, options);
    generator.seed = run < 2 ? 42 : 43;
    std::vector<std::string> lines = GenerateGrids(lexicon, generator);
    ASSERT_EQ(lines.size(), 20u);
    std::string path = ::testing::TempDir() + "grids_" + std::to_string(run) + ".txt";
    ASSERT_TRUE(WriteGridFile(path, lines));
    files[run] = Bytes(path);
    std::remove(path.c_str());
  }
  EXPECT_EQ(files[0], files[1]);
  EXPECT_NE(files[0], files[2]);
  EXPECT_EQ(files[0].substr(0, 4), "6x6=");
  EXPECT_EQ(files[0].substr(40, 2), "\r\n");
}
