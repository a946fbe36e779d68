// SPDX-License-Identifier: GPL-3.0-or-later
// The six word lists as built: what the word store can hold and what the
// themed games need to finish building.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "built_files.h"
#include "state/game_state.h"
#include "platform/clock.h"
#include "words/word_routines.h"
#include "words/word_store.h"

namespace {

constexpr int kWordsPerLength = 60000;

struct ListFile {
  int code;
  const char* path;
};
const ListFile kLists[] = {{1, "bin/DicoFrancais.txt"}, {2, "bin/DicoAnglais.txt"}, {3, "bin/fleurs.txt"},
                           {4, "bin/Arbres.txt"},       {5, "bin/animaux.txt"},     {6, "bin/pays.txt"}};

void ExpectFitsTheStore(const ListFile& list, const std::string& extraCharacters) {
  SCOPED_TRACE(list.path);
  TextLines file = ReadBuiltLines(list.path);
  ASSERT_TRUE(file.readable);
  EXPECT_TRUE(file.everyLineEndsWithCrLf);
  std::set<std::string> seen;
  for (const std::string& w : file.lines) {
    EXPECT_FALSE(w.empty());
    EXPECT_LE(w.size(), 30u) << w;
    EXPECT_TRUE(AllOf(w, extraCharacters)) << w;
    EXPECT_TRUE(seen.insert(w).second) << "twice: " << w;
  }
  for (auto [length, count] : CountsPerLength(file.lines)) EXPECT_LE(count, kWordsPerLength) << length;
}

// Distinct words of exactly `length` characters, all of them letters A-Z.
int PlainWordsOfLength(const std::vector<std::string>& words, size_t length) {
  std::set<std::string> found;
  for (const std::string& w : words)
    if (w.size() == length && AllOf(w, "")) found.insert(w);
  return static_cast<int>(found.size());
}

int NamesOfLength(const std::vector<std::string>& words, size_t length) {
  std::set<std::string> found;
  for (const std::string& w : words)
    if (w.size() == length) found.insert(w);
  return static_cast<int>(found.size());
}

}  // namespace

TEST(DictionaryFiles, HoldOnlyFoldedUpperCaseWordsEachOnceWithinTheStoreLimits) {
  ExpectFitsTheStore(kLists[0], "");
  ExpectFitsTheStore(kLists[1], "");
  EXPECT_GT(ReadBuiltLines(kLists[0].path).lines.size(), 250000u);
  EXPECT_GT(ReadBuiltLines(kLists[1].path).lines.size(), 50000u);
}

TEST(DictionaryFiles, FoldAccentsAndLigaturesAndLeaveOutWhatCannotBeFolded) {
  const std::vector<std::string> french = ReadBuiltLines("bin/DicoFrancais.txt").lines;
  const std::set<std::string> fr(french.begin(), french.end());
  for (const char* w : {"COEUR", "NOEL", "ETE", "OEUVRE", "AIGUE", "ECOLE", "FORET", "A"}) EXPECT_TRUE(fr.count(w)) << w;
  for (const char* w : {"ABAT-JOUR", "ABATJOUR", "AC."}) EXPECT_FALSE(fr.count(w)) << w;

  const std::vector<std::string> english = ReadBuiltLines("bin/DicoAnglais.txt").lines;
  const std::set<std::string> en(english.begin(), english.end());
  for (const char* w : {"APPLE", "CAFE", "NAIVE", "ZOO"}) EXPECT_TRUE(en.count(w)) << w;
  // Proper nouns stay out (the source holds "Aaron" and "London").
  for (const char* w : {"AARON", "LONDON"}) EXPECT_FALSE(en.count(w)) << w;
}

TEST(ThemedLists, ArePlainUpperCaseNamesEachOnce) {
  for (int i = 2; i < 6; ++i) ExpectFitsTheStore(kLists[i], " -'");
}

TEST(ThemedLists, HoldEnoughNamesOfEveryLengthTheThemedGamesDraw) {
  for (int i = 2; i < 6; ++i) {
    SCOPED_TRACE(kLists[i].path);
    const std::vector<std::string> names = ReadBuiltLines(kLists[i].path).lines;
    EXPECT_GE(names.size(), 100u);
    for (size_t length : {6u, 7u, 8u, 9u}) EXPECT_GE(PlainWordsOfLength(names, length), 8) << "word rows " << length;
    for (size_t length : {8u, 10u, 12u}) EXPECT_GE(NamesOfLength(names, length), 8) << "hangman " << length;
    EXPECT_GE(PlainWordsOfLength(names, 6), 10) << "cut words";
  }
}

// The game's own loader reads every list whole and groups it as counted here.
TEST(WordListFiles, LoadThroughTheWordStoreWithTheSameCounts) {
  ClearGameState();
  G.programDir = std::string(GAME_DIR) + "/";
  for (const ListFile& list : kLists) {
    SCOPED_TRACE(list.path);
    ClearWordStore();
    const std::vector<std::string> words = ReadBuiltLines(list.path).lines;
    LoadWordList(static_cast<uint8_t>(list.code));
    EXPECT_EQ(wordLinesRead, static_cast<int32_t>(words.size()));
    const std::map<size_t, int> counts = CountsPerLength(words);
    for (int L = 1; L <= 30; ++L) {
      auto it = counts.find(static_cast<size_t>(L));
      EXPECT_EQ(wordCount[L], it == counts.end() ? 0 : it->second) << "length " << L;
    }
    EXPECT_TRUE(IsWord(words.front()));
    EXPECT_TRUE(IsWord(words.back()));
  }
  ClearWordStore();
}

namespace {

std::set<std::string> LinesOf(const char* path) {
  const std::vector<std::string> lines = ReadBuiltLines(path).lines;
  return std::set<std::string>(lines.begin(), lines.end());
}

// Letters only: "PIC VERT", "PIC-VERT" and "PICVERT" are one name.
std::string LettersOf(const std::string& name) {
  std::string letters;
  for (char c : name)
    if (c >= 'A' && c <= 'Z') letters += c;
  return letters;
}

struct Tier {
  const char* dictionary;
  const char* common;
  int code;
};
const Tier kTiers[] = {{"bin/DicoFrancais.txt", "bin/CourantsFrancais.txt", 1},
                       {"bin/DicoAnglais.txt", "bin/CourantsAnglais.txt", 2}};

}  // namespace

TEST(CommonTiers, HoldOnlyWordsOfTheirDictionaryEachOnceAndEnoughOfEveryLengthTheGamesDraw) {
  for (const Tier& tier : kTiers) {
    SCOPED_TRACE(tier.common);
    TextLines file = ReadBuiltLines(tier.common);
    ASSERT_TRUE(file.readable);
    EXPECT_TRUE(file.everyLineEndsWithCrLf);
    const std::set<std::string> dictionary = LinesOf(tier.dictionary);
    std::set<std::string> seen;
    for (const std::string& w : file.lines) {
      EXPECT_TRUE(dictionary.count(w)) << w;
      EXPECT_TRUE(seen.insert(w).second) << "twice: " << w;
    }
    const std::map<size_t, int> counts = CountsPerLength(file.lines);
    // Hangman, anagrams, password, word rows, extra letter: 4 to 12 letters.
    for (size_t length = 4; length <= 12; ++length) EXPECT_GE(counts.at(length), 300) << length;
  }
  // Words nobody should be asked to find.
  const std::set<std::string> french = LinesOf("bin/CourantsFrancais.txt");
  for (const char* w : {"RES", "EME", "BRUISSASSIEZ", "RIBOULASSIEZ", "MUSSASSIEZ", "FEULATES", "PUAMES", "COPARTAGEREZ",
                        "PUTAIN", "JOSEPH", "JAPON", "MARIA", "LAURA", "XIANG", "BLAIR", "WEBER", "RIE"})
    EXPECT_FALSE(french.count(w)) << w;
  // Nor a rare verb form among the known words; English words, abbreviations and
  // the made-up verb CHERER are out of the dictionary, which keeps the rare forms.
  EXPECT_FALSE(LinesOf("bin/ConnusFrancais.txt").count("EUSSENT"));
  const std::set<std::string> dictionary = LinesOf("bin/DicoFrancais.txt");
  for (const char* w : {"END", "ANT", "CPT", "QQN", "CHERA", "CHERAMES"}) EXPECT_FALSE(dictionary.count(w)) << w;
  for (const char* w : {"DONNASSIONS", "EUSSENT", "CHERE", "CHERIR"}) EXPECT_TRUE(dictionary.count(w)) << w;
  for (const char* w : {"MAISON", "FROMAGE", "PAPILLON", "BOULANGERIE", "ANNIVERSAIRE", "TOMATES", "FASSE"}) EXPECT_TRUE(french.count(w)) << w;
}

// The refused words (names, abbreviations, coarse words; "WORD*" refuses
// every word it begins) never reach a tier, whatever the committed lists hold.
TEST(CommonTiers, LeaveOutEveryRefusedWord) {
  const std::pair<const char*, const char*> lists[] = {{"data/words/refuses_francais.txt", "bin/CourantsFrancais.txt"},
                                                       {"data/words/refused_english.txt", "bin/CourantsAnglais.txt"}};
  for (const auto& [refusedPath, tierPath] : lists) {
    SCOPED_TRACE(tierPath);
    std::ifstream in(std::string(SOURCE_DIR) + "/" + refusedPath);
    ASSERT_TRUE(in) << refusedPath;
    std::set<std::string> words;
    std::vector<std::string> prefixes;
    for (std::string line; std::getline(in, line);) {
      if (line.empty() || line[0] == '#') continue;
      std::istringstream fields(line);
      for (std::string w; fields >> w;) {
        if (w.back() == '*') prefixes.push_back(w.substr(0, w.size() - 1));
        else words.insert(w);
      }
    }
    ASSERT_GT(words.size(), 50u);
    for (const std::string& w : LinesOf(tierPath)) {
      EXPECT_FALSE(words.count(w)) << w;
      for (const std::string& p : prefixes) EXPECT_NE(w.rfind(p, 0), 0u) << w << " begins with " << p;
    }
  }
}

TEST(CommonTiers, EveryWordTheGamesDrawIsACommonWordAndADictionaryWord) {
  ClearGameState();
  G.programDir = std::string(GAME_DIR) + "/";
  SetRandSeed(14);
  for (const Tier& tier : kTiers) {
    SCOPED_TRACE(tier.common);
    const std::set<std::string> common = LinesOf(tier.common);
    ClearWordStore();
    LoadWordList(static_cast<uint8_t>(tier.code));
    for (int length = 2; length <= 20; ++length) {
      if (commonCount[length] < kCommonTierMinimum) continue;
      for (int i = 0; i < 200; ++i) {
        const std::string w = RandomWord(static_cast<uint8_t>(length));
        ASSERT_TRUE(common.count(w)) << w;
        ASSERT_TRUE(IsWord(w)) << w;
      }
    }
  }
  ClearWordStore();
}

TEST(ThemedLists, HoldEachNameOnceEvenWithoutSpacesAndHyphens) {
  for (int i = 2; i < 6; ++i) {
    SCOPED_TRACE(kLists[i].path);
    std::map<std::string, std::string> byLetters;
    for (const std::string& name : ReadBuiltLines(kLists[i].path).lines) {
      auto [at, inserted] = byLetters.emplace(LettersOf(name), name);
      EXPECT_TRUE(inserted) << name << " and " << at->second;
    }
  }
}

TEST(ThemedLists, HoldNoRegionEnglishNameNonMemberOrSecondSpelling) {
  const std::set<std::string> countries = LinesOf("bin/pays.txt");
  for (const char* w : {"TIBET", "TOSCANE", "CORSE", "BRETAGNE", "CALIFORNIE", "SIBERIE", "REPUBLIQUE TCHEQUE", "ECOSSE"})
    EXPECT_FALSE(countries.count(w)) << w;
  EXPECT_TRUE(countries.count("TCHEQUIE") && countries.count("ROYAUME-UNI") && countries.count("COTE D'IVOIRE"));
  const std::set<std::string> animals = LinesOf("bin/animaux.txt");
  for (const char* w : {"YACK", "PIC VERT", "CANGOUROU", "IBEX"}) EXPECT_FALSE(animals.count(w)) << w;
  for (const char* w : {"YAK", "PIVERT", "KANGOUROU", "PINTADE", "DINDE", "MORUE", "SEICHE", "ORIGNAL"})
    EXPECT_TRUE(animals.count(w)) << w;
  const std::set<std::string> flowers = LinesOf("bin/fleurs.txt");
  for (const char* w : {"ROSE DES SABLES", "WELWITSCHIA", "LYS MARTAGON", "BOUTON D OR"}) EXPECT_FALSE(flowers.count(w)) << w;
  EXPECT_TRUE(flowers.count("PISSENLIT"));
  EXPECT_FALSE(LinesOf("bin/Arbres.txt").count("BOIS DE ROSE"));
}
