// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary builder's folding: the rules that decide which words of the
// system lists reach the game, and in which spelling.
#ifdef HAVE_DICTIONARY_BUILDER
#include "fold_words.h"

#include <gtest/gtest.h>

namespace {
// The system lists are UTF-8, whatever the character set of this program's
// own literals.
std::string U(const char8_t* text) { return reinterpret_cast<const char*>(text); }
}  // namespace

TEST(DictionaryBuilder, FoldsEveryAccentIncludingTheLastLetterAndSpellsOutLigatures) {
  EXPECT_EQ(FoldWord(U(u8"été"), false), "ETE");
  EXPECT_EQ(FoldWord(U(u8"noël"), false), "NOEL");
  EXPECT_EQ(FoldWord("c\xc5\x93ur", false), "COEUR");  // cœur, written in bytes: œ has no Latin-1 literal
  EXPECT_EQ(FoldWord(U(u8"ex æquo"), false), "");
  EXPECT_EQ(FoldWord(U(u8"cæcum"), false), "CAECUM");
  EXPECT_EQ(FoldWord(U(u8"château"), false), "CHATEAU");
  EXPECT_EQ(FoldWord(U(u8"L'Haÿ"), false), "");
  EXPECT_EQ(FoldWord(U(u8"haÿ"), false), "HAY");
  EXPECT_EQ(FoldWord(U(u8"Ça"), false), "CA");
  EXPECT_EQ(FoldWord(U(u8"ABÎME"), false), "ABIME");
}

TEST(DictionaryBuilder, RefusesWordsWithAnythingButLetters) {
  for (const char* w : {"abat-jour", "aujourd'hui", "ac.", "", "a b", "x2", "\xff\xfe", "caf\xc3"})
    EXPECT_EQ(FoldWord(w, false), "") << w;
  // A letter with no plain spelling (a Greek alpha) keeps the word out; so does bad UTF-8.
  EXPECT_EQ(FoldWord("\xce\xb1lpha", false), "");
}

TEST(DictionaryBuilder, LowerCaseOnlyKeepsProperNounsOut) {
  EXPECT_EQ(FoldWord(U(u8"London"), true), "");
  EXPECT_EQ(FoldWord(U(u8"Élan"), true), "");
  EXPECT_EQ(FoldWord(U(u8"café"), true), "CAFE");
  EXPECT_EQ(FoldWord(U(u8"London"), false), "LONDON");
}

TEST(DictionaryBuilder, KeepsEachFoldedWordOnceInFirstOccurrenceOrder) {
  std::vector<std::string> words = FoldList({U(u8"a"), U(u8"à"), U(u8"pêche"), U(u8"peche"), U(u8"péché"), U(u8"abat-jour"), U(u8"b")}, false);
  EXPECT_EQ(words, (std::vector<std::string>{"A", "PECHE", "B"}));
}

TEST(DictionaryBuilder, CapDropsLiteraryFormsFirstThenTheLatestWords) {
  std::vector<std::string> words = {"AIMASSIONS", "CHANTERONS", "DANSASSENT", "CHANTEREZ", "FINIRIONS1",
                                    "GAGNASSIEZ", "PARLERIONS", "OU"};
  std::map<size_t, size_t> dropped;
  std::vector<std::string> kept = CapPerLength(words, 3, dropped);
  // Ten letters: six words for three places; the three literary forms go.
  EXPECT_EQ(kept, (std::vector<std::string>{"CHANTERONS", "CHANTEREZ", "FINIRIONS1", "PARLERIONS", "OU"}));
  EXPECT_EQ(dropped, (std::map<size_t, size_t>{{10, 3}}));

  dropped.clear();
  kept = CapPerLength({"AB", "CD", "EF", "GH"}, 2, dropped);
  EXPECT_EQ(kept, (std::vector<std::string>{"AB", "CD"}));
  EXPECT_EQ(dropped[2], 2u);
}
#endif
