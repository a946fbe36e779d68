// SPDX-License-Identifier: GPL-3.0-or-later
// The travel map file: every square of the 14 x 8 map named once, as the
// country reader fills the squares (later entries overwrite earlier ones).
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "built_files.h"

namespace {

// The keys of one section of an INI text; keys are compared in upper case.
std::map<std::string, std::string> SectionKeys(const std::string& text, const std::string& section) {
  std::map<std::string, std::string> keys;
  std::istringstream in(text);
  bool inside = false;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line[0] == '[') {
      inside = line == "[" + section + "]";
      continue;
    }
    size_t equals = line.find('=');
    if (!inside || equals == std::string::npos || line[0] == ';') continue;
    std::string key = line.substr(0, equals);
    for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    keys[key] = line.substr(equals + 1);
  }
  return keys;
}

std::string Value(const std::map<std::string, std::string>& keys, const std::string& key, const std::string& fallback) {
  auto it = keys.find(key);
  return it == keys.end() ? fallback : it->second;
}

}  // namespace

TEST(TravelMapFile, NamesEverySquareOnceWithNamesThatFitTheSquareRecord) {
  const std::string text = ReadBuilt("txt/voyage.dta");
  ASSERT_FALSE(text.empty());
  const auto keys = SectionKeys(text, "PAYS");
  std::string squares[14][8];
  for (int n = 0; n <= 112; ++n) {
    const std::string name = Value(keys, "NOM" + std::to_string(n), "AUCUN");
    const int x = std::stoi(Value(keys, "X" + std::to_string(n), "0"));
    const int y = std::stoi(Value(keys, "Y" + std::to_string(n), "0"));
    EXPECT_NE(name, "AUCUN") << "entry " << n;
    ASSERT_TRUE(x >= 0 && x < 14 && y >= 0 && y < 8) << "entry " << n;
    EXPECT_LE(name.size(), 26u) << name;
    // A second entry for a square may only repeat what it already holds.
    if (!squares[x][y].empty()) {
      EXPECT_EQ(squares[x][y], name) << "entry " << n;
    }
    squares[x][y] = name;
  }
  std::set<std::string> names;
  for (int x = 0; x < 14; ++x)
    for (int y = 0; y < 8; ++y) {
      EXPECT_FALSE(squares[x][y].empty()) << x << "," << y;
      EXPECT_TRUE(names.insert(squares[x][y]).second) << "twice: " << squares[x][y];
    }
}

// The dearest square is the one whose name is commentary text 64 exactly.
TEST(TravelMapFile, TheDearestCountryOfTheCommentaryIsOnTheMap) {
  const auto comments = SectionKeys(ReadBuilt("txt/Commentaires.dta"), "COMMENTAIRES");
  const std::string dearest = Value(comments, "TX64", "");
  if (dearest.empty()) GTEST_SKIP() << "no commentary text 64 yet";
  const auto keys = SectionKeys(ReadBuilt("txt/voyage.dta"), "PAYS");
  int found = 0;
  for (int n = 0; n < 112; ++n) found += Value(keys, "NOM" + std::to_string(n), "") == dearest;
  EXPECT_EQ(found, 1) << dearest;
}
