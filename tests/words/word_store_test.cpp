// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "state/forms.h"
#include "state/game_state.h"
#include "word_files.h"
#include "words/word_store.h"

using Words = std::vector<std::string>;

TEST(FoldAccents, FoldsEveryCharacterButTheLast) {
  EXPECT_EQ(FoldAccents("\xE9t\xE9"), "et\xE9");
  EXPECT_EQ(FoldAccents("\xE9"), "\xE9");
  EXPECT_EQ(FoldAccents(""), "");
  // The whole table, each code away from the end of the text.
  EXPECT_EQ(FoldAccents("\xC9\xE8\xE9\xEA\xE0\xE7\xEE\xEF\xF4\xF6\xF9\xFB\xFCx"), "eeeeaciioouuux");
  // Not in the table: kept, wherever they stand.
  EXPECT_EQ(FoldAccents("No\xEBl"), "No\xEBl");
  EXPECT_EQ(FoldAccents("\xE2\xC8\xC0\x9C" "a"), "\xE2\xC8\xC0\x9C" "a");
  // Folding does not change case.
  EXPECT_EQ(FoldAccents("ch\xE2teau"), "ch\xE2teau");
}

TEST_F(WordFiles, LoadStoresWordsFoldedAndUpperCasedByLength) {
  LoadFrench({"\xE9t\xE9", "No\xEBl", "chat", "CHUT", "\xE0"});
  EXPECT_EQ(wordLinesRead, 5);
  EXPECT_EQ(Table(3), Words({"ET\xE9"}));
  EXPECT_EQ(Table(4), Words({"NO\xEBL", "CHAT", "CHUT"}));
  // A one-letter line is its own last character: upper-cased only.
  EXPECT_EQ(Table(1), Words({"\xE0"}));
  EXPECT_EQ(StoredWord(4, 0), "");
  EXPECT_EQ(StoredWord(4, 4), "");
}

TEST_F(WordFiles, EmptyLinesAreWordsOfLengthZero) {
  WriteRaw("DicoFrancais.txt", "a\r\n\r\nb\r\n");
  LoadWordList(1);
  EXPECT_EQ(wordLinesRead, 3);
  EXPECT_EQ(wordCount[0], 1);
  EXPECT_EQ(wordCount[1], 2);
  EXPECT_TRUE(IsWord(""));
}

TEST_F(WordFiles, LinesEndWithCrLfLfOrCrAndTheLastNeedsNoEnd) {
  WriteRaw("DicoFrancais.txt", "un\ndeux\rtrois\r\nquatre");
  LoadWordList(1);
  EXPECT_EQ(wordLinesRead, 4);
  EXPECT_TRUE(IsWord("UN"));
  EXPECT_TRUE(IsWord("DEUX"));
  EXPECT_TRUE(IsWord("TROIS"));
  EXPECT_TRUE(IsWord("QUATRE"));
  // Nothing is trimmed: spaces belong to the word.
  WriteRaw("DicoFrancais.txt", " pi \r\n");
  LoadWordList(1);
  EXPECT_EQ(Table(4), Words({" PI "}));
}

TEST_F(WordFiles, ALoadReplacesShortWordsAndAppendsLongOnes) {
  const std::string frenchLong = "anticonstitutionnellement";  // 25 letters
  const std::string flowerLong = "roseroseroseroseroserose!";   // 25 too
  LoadFrench({"chat", frenchLong, "\xE9t\xE9"});
  WriteList("fleurs.txt", {"rose", flowerLong});
  LoadWordList(3);
  EXPECT_EQ(Table(4), Words({"ROSE"}));
  EXPECT_EQ(wordCount[3], 0);
  EXPECT_EQ(Table(25), Words({"ANTICONSTITUTIONNELLEMENT", "ROSEROSEROSEROSEROSEROSE!"}));
  // Lengths 0 and 21-30 keep the words of every load, each word once.
  LoadWordList(1);
  EXPECT_EQ(wordCount[25], 2);
  EXPECT_EQ(Table(4), Words({"CHAT"}));
}

// Each variant start reloads the dictionary: the tables that outlive a load
// must not grow with it, or memory grows with every game played.
TEST_F(WordFiles, ReloadingAListKeepsTheLongWordTablesLevel) {
  LoadFrench({"chat", "", "anticonstitutionnellement", "intergouvernementalisation", "anticonstitutionnellement"});
  EXPECT_EQ(wordCount[25], 1);
  EXPECT_EQ(wordCount[0], 1);
  for (int load = 0; load < 50; ++load) LoadWordList(1);
  EXPECT_EQ(wordCount[25], 1);
  EXPECT_EQ(wordCount[26], 1);
  EXPECT_EQ(wordCount[0], 1);
  EXPECT_TRUE(IsWord("ANTICONSTITUTIONNELLEMENT"));
  EXPECT_TRUE(IsWord(""));
  EXPECT_EQ(Table(4), Words({"CHAT"}));
}

TEST_F(WordFiles, IsWordComparesExactlyWithTheCurrentList) {
  LoadFrench({"chat", "chien", "anticonstitutionnellement"});
  EXPECT_TRUE(IsWord("CHAT"));
  EXPECT_TRUE(IsWord("CHIEN"));
  EXPECT_TRUE(IsWord("ANTICONSTITUTIONNELLEMENT"));
  EXPECT_FALSE(IsWord("chat"));
  EXPECT_FALSE(IsWord("CHATS"));
  EXPECT_FALSE(IsWord("CHA"));
  EXPECT_FALSE(IsWord(""));
  EXPECT_FALSE(IsWord(std::string(31, 'A')));
  // After another list is loaded the old short words are gone.
  WriteList("Arbres.txt", {"chene"});
  LoadWordList(4);
  EXPECT_FALSE(IsWord("CHAT"));
  EXPECT_TRUE(IsWord("CHENE"));
  EXPECT_TRUE(IsWord("ANTICONSTITUTIONNELLEMENT"));
}

TEST_F(WordFiles, IsWordFindsEveryWordOfABigTable) {
  std::vector<std::string> lines;
  for (int i = 0; i < 20000; ++i) {
    std::string w = "mot";
    for (int k = i, d = 0; d < 5; ++d, k /= 26) w += static_cast<char>('a' + k % 26);
    lines.push_back(w);
  }
  LoadFrench(lines);
  ASSERT_EQ(wordCount[8], 20000);
  int found = 0;
  for (int slot = 1; slot <= wordCount[8]; ++slot) found += IsWord(StoredWord(8, slot));
  EXPECT_EQ(found, 20000);
  EXPECT_FALSE(IsWord("MOTZZZZZ"));
}

TEST_F(WordFiles, ALineOverThirtyCharactersIsLeftOutAndTheProgramGoesOn) {
  LoadFrench({"chat", std::string(31, 'a'), "chien"});
  EXPECT_FALSE(Form1.closed);
  EXPECT_EQ(wordCount[30], 0);
  EXPECT_EQ(Table(4), Words({"CHAT"}));
  EXPECT_EQ(Table(5), Words({"CHIEN"}));
}

TEST_F(WordFiles, AThirtyCharacterLineIsStored) {
  LoadFrench({std::string(30, 'a')});
  EXPECT_FALSE(Form1.closed);
  EXPECT_EQ(Table(30), Words({std::string(30, 'A')}));
}

TEST_F(WordFiles, ATableHoldsSixtyThousandWords) {
  std::vector<std::string> lines(60000, "ab");
  LoadFrench(lines);
  EXPECT_FALSE(Form1.closed);
  EXPECT_EQ(wordCount[2], 60000);
  lines.push_back("ab");
  LoadFrench(lines);
  EXPECT_FALSE(Form1.closed);
  EXPECT_EQ(wordCount[2], 60000);
}

TEST_F(WordFiles, AFullLongWordTableLeavesFurtherLongWordsOut) {
  std::vector<std::string> lines;
  for (int i = 0; i <= 60000; ++i) {
    std::string w(16, 'z');
    for (int k = i, d = 0; d < 5; ++d, k /= 26) w += static_cast<char>('a' + k % 26);
    lines.push_back(w);
  }
  lines.push_back("chat");
  LoadFrench(lines);
  EXPECT_FALSE(Form1.closed);
  EXPECT_EQ(wordCount[21], 60000);
  EXPECT_EQ(Table(4), Words({"CHAT"}));
}

TEST_F(WordFiles, AMissingListGivesALogLineAndNoShortWords) {
  LoadFrench({"chat", "anticonstitutionnellement"});
  LoadWordList(2);
  EXPECT_FALSE(Form1.closed);
  EXPECT_EQ(wordCount[4], 0);
  EXPECT_EQ(wordCount[25], 1);
  EXPECT_EQ(wordLinesRead, 0);
  ASSERT_FALSE(G.debugLog.empty());
  EXPECT_NE(G.debugLog.back().find("DicoAnglais.txt"), std::string::npos);
}

TEST_F(WordFiles, EachCodeReadsItsOwnFile) {
  const char* files[] = {"", "DicoFrancais.txt", "DicoAnglais.txt", "fleurs.txt", "Arbres.txt", "animaux.txt", "pays.txt"};
  for (int code = 1; code <= 6; ++code) WriteList(files[code], {std::string(code, 'q')});
  for (int code = 1; code <= 6; ++code) {
    LoadWordList(static_cast<uint8_t>(code));
    EXPECT_TRUE(IsWord(std::string(code, 'Q'))) << code;
    EXPECT_EQ(wordLinesRead, 1);
  }
}
