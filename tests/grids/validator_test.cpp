// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the built grid files against every rule the grid games rely on.
// Written apart from the generator, sharing none of its code.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "lexicon.h"

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream all;
  all << in.rdbuf();
  return all.str();
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (char ch : text) {
    if (ch == '\n') {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
      line.clear();
    } else {
      line += ch;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

// Lower-case UTF-8 entries of a system word list in plain capitals, for a
// tree built without the game's folded dictionaries.
std::set<std::string> FoldSystemList(const std::string& path) {
  std::set<std::string> words;
  for (const std::string& line : SplitLines(ReadAll(path))) {
    std::string out;
    bool ok = !line.empty() && !(line[0] >= 'A' && line[0] <= 'Z');
    for (size_t i = 0; i < line.size() && ok; ++i) {
      unsigned char ch = line[i];
      if (ch >= 'a' && ch <= 'z') {
        out += char(ch - 32);
        continue;
      }
      if (i + 1 >= line.size()) { ok = false; break; }
      unsigned code = ((ch & 0x1F) << 6) | (static_cast<unsigned char>(line[++i]) & 0x3F);
      static const std::map<unsigned, std::string> plain = {
          {0xE0, "A"}, {0xE2, "A"}, {0xE4, "A"}, {0xE1, "A"}, {0xE3, "A"}, {0xE5, "A"}, {0xE6, "AE"},
          {0xE7, "C"}, {0xE8, "E"}, {0xE9, "E"}, {0xEA, "E"}, {0xEB, "E"}, {0xEC, "I"}, {0xED, "I"},
          {0xEE, "I"}, {0xEF, "I"}, {0xF1, "N"}, {0xF2, "O"}, {0xF3, "O"}, {0xF4, "O"}, {0xF5, "O"},
          {0xF6, "O"}, {0xF8, "O"}, {0xF9, "U"}, {0xFA, "U"}, {0xFB, "U"}, {0xFC, "U"}, {0xFD, "Y"},
          {0xFF, "Y"}, {0x153, "OE"}, {0xDF, "SS"}};
      auto found = plain.find(code);
      if (found == plain.end()) ok = false; else out += found->second;
    }
    if (ok) words.insert(out);
  }
  return words;
}

std::set<std::string> Dictionary(const std::string& gameFile, const std::string& systemList) {
  std::string path = std::string(GAME_DIR) + "/bin/" + gameFile;
  if (std::ifstream(path).good()) {
    std::vector<std::string> lines = SplitLines(ReadAll(path));
    return std::set<std::string>(lines.begin(), lines.end());
  }
  return FoldSystemList(systemList);
}

struct Language {
  const char* gridFile;
  const char* dictionaryFile;
  const char* systemList;
  const char* twoLetterList;
  const char* knownList;  // the known words of data/words/, "WORD count" lines:
  const char* moreKnown;  // the common ones and the encyclopedic ones
  const char* refusedList;  // words of data/words/ never put in a grid
};

const Language kLanguages[] = {
    {"grilles.txt", "DicoFrancais.txt", "/usr/share/dict/french", "deux_lettres.txt", "courants_francais.txt",
     "encyclopedie_francais.txt", "refuses_francais.txt"},
    {"grillesEnglish.txt", "DicoAnglais.txt", "/usr/share/dict/american-english", "two_letters.txt",
     "common_english.txt", "encyclopedia_english.txt", "refused_english.txt"},
};

// The first word of every line that is no comment.
std::set<std::string> KnownWords(const std::string& path) {
  std::set<std::string> words;
  for (const std::string& line : SplitLines(ReadAll(path))) {
    if (line.empty() || line[0] == '#') continue;
    words.insert(line.substr(0, line.find(' ')));
  }
  return words;
}

struct LetterRun {
  std::string word;
  std::vector<int> cells;
};

// Every maximal run of letters of the grid, across then down.
std::vector<LetterRun> Runs(const std::string& cells, int n) {
  std::vector<LetterRun> runs;
  for (int direction = 0; direction < 2; ++direction)
    for (int line = 0; line < n; ++line) {
      LetterRun run;
      for (int k = 0; k <= n; ++k) {
        int index = direction == 0 ? line * n + k : k * n + line;
        if (k < n && cells[index] != '*') {
          run.word += cells[index];
          run.cells.push_back(index);
        } else {
          if (!run.word.empty()) runs.push_back(run);
          run = LetterRun();
        }
      }
    }
  return runs;
}

bool WhiteConnected(const std::string& cells, int n) {
  std::vector<int> todo;
  std::vector<bool> seen(cells.size(), false);
  int whites = 0;
  for (size_t i = 0; i < cells.size(); ++i) {
    if (cells[i] == '*') continue;
    ++whites;
    if (todo.empty() && !seen[i] && whites == 1) {
      todo.push_back(static_cast<int>(i));
      seen[i] = true;
    }
  }
  int reached = 0;
  while (!todo.empty()) {
    int i = todo.back();
    todo.pop_back();
    ++reached;
    int r = i / n, c = i % n;
    int next[4][2] = {{r - 1, c}, {r + 1, c}, {r, c - 1}, {r, c + 1}};
    for (auto& p : next) {
      if (p[0] < 0 || p[1] < 0 || p[0] >= n || p[1] >= n) continue;
      int j = p[0] * n + p[1];
      if (cells[j] != '*' && !seen[j]) {
        seen[j] = true;
        todo.push_back(j);
      }
    }
  }
  return reached == whites;
}

class GridFile : public ::testing::TestWithParam<Language> {};

TEST_P(GridFile, EveryGridKeepsEveryRule) {
  const Language& language = GetParam();
  std::string text = ReadAll(std::string(GAME_DIR) + "/bin/" + language.gridFile);
  ASSERT_FALSE(text.empty()) << language.gridFile << " was not built";
  // CR LF after every line, no bare LF.
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n') continue;
    ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at byte " << i;
  }
  ASSERT_EQ(text.substr(text.size() - 2), "\r\n");

  std::set<std::string> dictionary = Dictionary(language.dictionaryFile, language.systemList);
  ASSERT_GT(dictionary.size(), 10000u);
  std::vector<std::string> pairList =
      SplitLines(ReadAll(std::string(SOURCE_DIR) + "/data/grids/" + language.twoLetterList));
  std::set<std::string> pairs(pairList.begin(), pairList.end());
  ASSERT_GT(pairs.size(), 20u);
  // Grids are played without clues: every word is one a reader knows.
  std::set<std::string> known = KnownWords(std::string(SOURCE_DIR) + "/data/words/" + language.knownList);
  known.merge(KnownWords(std::string(SOURCE_DIR) + "/data/words/" + language.moreKnown));
  ASSERT_GT(known.size(), 10000u);

  // The refused words (names, fragments, coarse words; "WORD*" refuses every
  // word it begins) never reach a grid, whatever the known lists hold.
  std::vector<std::string> refused = ReadRefusedWords(std::string(SOURCE_DIR) + "/data/words/" + language.refusedList);
  for (const std::string& w : ReadRefusedWords(std::string(SOURCE_DIR) + "/data/grids/refus.txt")) refused.push_back(w);
  ASSERT_GT(refused.size(), 100u);
  auto isRefused = [&refused](const std::string& word) {
    for (const std::string& r : refused)
      if (r.back() == '*' ? word.compare(0, r.size() - 1, r, 0, r.size() - 1) == 0 : word == r) return true;
    return false;
  };

  std::map<std::string, int> perSize;
  std::set<std::string> grids;
  std::map<std::string, int> gridsHolding;  // words of four letters or more
  int lineNumber = 0;
  for (const std::string& line : SplitLines(text)) {
    ++lineNumber;
    SCOPED_TRACE(std::string(language.gridFile) + " line " + std::to_string(lineNumber));
    size_t equals = line.find('=');
    ASSERT_NE(equals, std::string::npos);
    std::string key = line.substr(0, equals), cells = line.substr(equals + 1);
    int n = key == "6x6" ? 6 : key == "8x8" ? 8 : key == "10x10" ? 10 : key == "12x12" ? 12 : 0;
    ASSERT_NE(n, 0) << "key " << key;
    ASSERT_EQ(cells.size(), size_t(n * n));
    for (char ch : cells) ASSERT_TRUE(ch == '*' || (ch >= 'A' && ch <= 'Z')) << ch;
    ++perSize[key];
    EXPECT_TRUE(grids.insert(cells).second) << "grid twice";

    int blacks = 0;
    for (char ch : cells) blacks += ch == '*';
    EXPECT_GE(blacks * 100, 8 * n * n) << "too few black squares";
    EXPECT_LE(blacks * 100, 20 * n * n) << "too many black squares";
    if (n == 10) {
      EXPECT_LE(blacks, 26);
    }
    for (int r = 0; r + 1 < n; ++r)
      for (int c = 0; c + 1 < n; ++c)
        EXPECT_FALSE(cells[r * n + c] == '*' && cells[r * n + c + 1] == '*' &&
                     cells[(r + 1) * n + c] == '*' && cells[(r + 1) * n + c + 1] == '*')
            << "2 x 2 black squares at row " << r << " column " << c;
    EXPECT_TRUE(WhiteConnected(cells, n));

    std::vector<bool> inWord(cells.size(), false);
    std::set<std::string> words;
    int wordCount = 0, twoLetter = 0;
    for (const LetterRun& run : Runs(cells, n)) {
      if (run.word.size() < 2) continue;
      ++wordCount;
      for (int i : run.cells) inWord[i] = true;
      EXPECT_TRUE(dictionary.count(run.word)) << run.word << " is not in the dictionary";
      EXPECT_TRUE(known.count(run.word)) << run.word << " is not a known word";
      EXPECT_FALSE(isRefused(run.word)) << run.word << " is refused";
      if (run.word.size() == 2) {
        ++twoLetter;
        EXPECT_TRUE(pairs.count(run.word)) << run.word << " is not a listed two-letter word";
      }
      EXPECT_TRUE(words.insert(run.word).second) << run.word << " twice in one grid";
      if (run.word.size() >= 4) ++gridsHolding[run.word];
    }
    for (size_t i = 0; i < cells.size(); ++i)
      if (cells[i] != '*') {
        EXPECT_TRUE(inWord[i]) << "letter at " << i << " in no word";
      }
    EXPECT_LE(twoLetter * 100, 15 * wordCount) << "too many two-letter words";
    EXPECT_LE(wordCount, 60) << "more words than the games can list";
    if (HasFailure()) return;
  }
  for (const char* key : {"6x6", "8x8", "10x10", "12x12"}) EXPECT_GE(perSize[key], 200) << key;
  for (const auto& [word, count] : gridsHolding) EXPECT_LE(count, 10) << word;
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, GridFile, ::testing::ValuesIn(kLanguages),
                         [](const auto& info) { return info.index == 0 ? "French" : "English"; });

}  // namespace
