// SPDX-License-Identifier: GPL-3.0-or-later
// The proverb files as the two proverb games choose from them: a start line
// below count - 5, forward to a '.' line, then the lines up to the next '.'.
#include <gtest/gtest.h>

#include <set>

#include "built_files.h"
#include "games/proverbs.h"
#include "words/word_store.h"

namespace {

const char* const kProverbFiles[] = {
    "bin/panglais.txt",  "bin/pfrancais.txt", "bin/pecossais.txt",  "bin/pallemands.txt", "bin/pespagnols.txt",
    "bin/pflamands.txt", "bin/pindiens.txt",  "bin/prusses.txt",    "bin/pjanvier.txt",   "bin/pFevrier.txt",
    "bin/pMars.txt",     "bin/pAvril.txt",    "bin/pMai.txt",       "bin/pJuin.txt",      "bin/pJuillet.txt",
    "bin/pAout.txt",     "bin/pSeptembre.txt", "bin/pOctobre.txt",  "bin/pNovembre.txt",  "bin/pDecembre.txt"};

bool IsSeparator(const std::string& line) { return !line.empty() && line[0] == '.'; }

std::string UpperAscii(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

struct Choice {
  bool ranPastTheEnd = false;
  size_t firstLine = 0;  // the proverb's first line
  std::string text;      // the characters the game uses
};

Choice ChooseFrom(const std::vector<std::string>& lines, size_t start) {
  Choice choice;
  size_t i = start;
  do {
    if (++i >= lines.size()) return choice.ranPastTheEnd = true, choice;
  } while (!IsSeparator(lines[i]));
  choice.firstLine = i + 1;
  std::string text;
  do {
    if (++i >= lines.size()) return choice.ranPastTheEnd = true, choice;
    text += " " + UpperAscii(FoldAccents(lines[i]));
  } while (!IsSeparator(lines[i]));
  choice.text = text.substr(0, text.size() - 1);
  return choice;
}

}  // namespace

TEST(ProverbFiles, EveryStartLineGivesAWholeProverbThatFitsTheBoard) {
  for (const char* path : kProverbFiles) {
    SCOPED_TRACE(path);
    TextLines file = ReadBuiltLines(path);
    ASSERT_TRUE(file.readable);
    EXPECT_TRUE(file.everyLineEndsWithCrLf);
    ASSERT_GT(file.lines.size(), 5u);
    std::set<size_t> proverbsReached;
    for (size_t start = 0; start < file.lines.size() - 5; ++start) {
      Choice choice = ChooseFrom(file.lines, start);
      ASSERT_FALSE(choice.ranPastTheEnd) << "start line " << start;
      EXPECT_LE(choice.text.size(), 99u) << choice.text;
      EXPECT_FALSE(LayOutOnWords(choice.text, 20, 5).empty()) << "no word cut across rows: " << choice.text;
      // Letters to guess, and nothing the boards would show as a gap by mistake.
      EXPECT_TRUE(AllOf(choice.text, " '.,;:!?-")) << choice.text;
      EXPECT_NE(choice.text.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos) << "start " << start;
      proverbsReached.insert(choice.firstLine);
    }
    EXPECT_GE(proverbsReached.size(), 25u);
  }
}

// The first and the last proverb of a file are within reach too: every
// proverb of the file is somebody's draw.
TEST(ProverbFiles, NoProverbIsOutOfReach) {
  for (const char* path : kProverbFiles) {
    SCOPED_TRACE(path);
    const std::vector<std::string> lines = ReadBuiltLines(path).lines;
    ASSERT_GT(lines.size(), 5u);
    std::set<size_t> proverbStarts, reached;
    for (size_t i = 1; i < lines.size(); ++i)
      if (IsSeparator(lines[i - 1]) && !IsSeparator(lines[i])) proverbStarts.insert(i);
    for (size_t start = 0; start < lines.size() - 5; ++start) reached.insert(ChooseFrom(lines, start).firstLine);
    EXPECT_EQ(reached, proverbStarts);
  }
}

// Every proverb is told once across the twenty files, whatever its
// punctuation or line breaks.
TEST(ProverbFiles, EachProverbOnceAcrossAllFiles) {
  std::map<std::string, std::string> seen;  // letters of the proverb -> its file
  for (const char* path : kProverbFiles) {
    const std::vector<std::string> lines = ReadBuiltLines(path).lines;
    std::string letters;
    for (const std::string& line : lines) {
      if (!IsSeparator(line)) {
        for (char c : UpperAscii(line))
          if (c >= 'A' && c <= 'Z') letters += c;
        continue;
      }
      if (letters.empty()) continue;
      auto [at, inserted] = seen.emplace(letters, path);
      EXPECT_TRUE(inserted) << letters << " in " << path << " and " << at->second;
      letters.clear();
    }
  }
  EXPECT_GT(seen.size(), 500u);
}
