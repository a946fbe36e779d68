// SPDX-License-Identifier: GPL-3.0-or-later
// A hundred builds of every variant on the real word lists, each checked
// against the layout the games promise.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "games/framework.h"
#include "rows_fixture.h"
#include "display/resets.h"
#include "words/word_store.h"

namespace {

constexpr int kBuilds = 100;

struct RealData : RowsGame {
  RealData() : RowsGame("", HarnessOptions{.realData = true}) {}
  // The first build comes from starting the variant; the others from a
  // fresh board, which also reseeds the generator from the clock.
  template <typename Check>
  void BuildMany(uint8_t variant, Check check) {
    StartGame(variant);
    std::set<std::string> words;
    for (int build = 0; build < kBuilds; ++build) {
      if (build > 0) {
        ResetBoard();
        Tick();
      }
      ASSERT_FALSE(G.gameTitle.empty()) << "variant " << int(variant) << " build " << build;
      ASSERT_EQ(G.boardReady, 1);
      check(build);
      words.insert(G.wordSlots[0].str());
      ASSERT_EQ(G.gameWon, 0);
      if (::testing::Test::HasFailure()) return;
    }
    // Every build draws afresh.
    EXPECT_GE(words.size(), 5u) << "variant " << int(variant) << ", e.g. " << *words.begin();
  }
};

void CheckPassword(int length) {
  const std::string password = G.wordSlots[0].str();
  ASSERT_EQ(static_cast<int>(password.size()), length);
  std::string given = ColumnAt(2, 3, length), sorted = password;
  std::sort(given.begin(), given.end());
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(given, sorted);
  EXPECT_EQ(ColumnAt(11, 3, length), std::string(length, ' '));
  for (int k = 1; k <= length; ++k) {
    const int y = k + 2;
    EXPECT_EQ(G.boardPlayable[CellIndex(2, y)], 1);
    EXPECT_EQ(G.boardPickable[CellIndex(2, y)], 1);
    EXPECT_EQ(G.boardCellColour[CellIndex(2, y)], 255);
    const std::string clue = G.wordSlots[k].str();
    const size_t hidden = clue.find(password[k - 1]);
    if (clue != "?????" || commonCount[5] > 0) {  // no "?????" on the French list
      ASSERT_EQ(clue.size(), 5u);
      ASSERT_NE(hidden, std::string::npos) << clue << " for " << password;
      EXPECT_TRUE(IsWord(clue) && IsKnownWord(clue)) << clue;
    }
    const int column = k % 2 == 1 ? 5 : 13;
    int gaps = 0;
    for (int i = 0; i < 5; ++i) {
      const int cell = CellIndex(column + i, y);
      const bool gap = G.boardLetters[cell] == ' ';
      gaps += gap;
      EXPECT_EQ(G.boardCellColour[cell], gap ? 255 : 0xffff);
      EXPECT_EQ(G.boardPlayable[cell], gap ? 1 : 0);
      if (!gap) {
        EXPECT_EQ(static_cast<char>(G.boardLetters[cell]), clue[i]);
      }
    }
    EXPECT_EQ(gaps, 1) << clue;
    if (hidden != std::string::npos) {
      EXPECT_EQ(LetterAt(column + static_cast<int>(hidden), y), ' ');
    }
  }
}

void CheckWordRows(int length) {
  const std::string word = G.wordSlots[0].str();
  ASSERT_EQ(static_cast<int>(word.size()), length);
  for (char c : word) ASSERT_TRUE(c >= 'A' && c <= 'Z') << word;
  EXPECT_TRUE(IsWord(word)) << word;
  EXPECT_EQ(RowAt(7, 2, 13), "ABCDEFGHIJKLM");
  EXPECT_EQ(RowAt(7, 3, 13), "NOPQRSTUVWXYZ");
  EXPECT_EQ(RowAt(7, 7, length), word.substr(0, 1) + std::string(length - 1, ' '));
  for (int y = 8; y <= 14; ++y) EXPECT_EQ(RowAt(7, y, length), std::string(length, ' '));
  // The rows end where the word does.
  if (7 + length <= 20) {
    EXPECT_EQ(LetterAt(7 + length, 7), '*');
  }
  for (int x = 7; x < 7 + length; ++x) {
    EXPECT_EQ(G.boardPlayable[CellIndex(x, 7)], 1);
    EXPECT_EQ(G.boardPlayable[CellIndex(x, 8)], 0);
  }
  EXPECT_EQ(G.gameLength, 1);
}

}  // namespace

TEST(Builds, EveryPasswordVariantBuildsAHundredValidBoards) {
  RealData h;
  const int lengths[] = {12, 10, 8};
  for (int i = 0; i < 3; ++i) {
    const int length = lengths[i];
    h.BuildMany(static_cast<uint8_t>(11 + i), [&](int) { CheckPassword(length); });
  }
}

TEST(Builds, EveryWordRowsVariantBuildsAHundredValidBoards) {
  RealData h;
  for (int v = 51; v <= 59; ++v) {
    const int length = v - 45;
    h.BuildMany(static_cast<uint8_t>(v), [&](int) { CheckWordRows(length); });
  }
}

TEST(Builds, EveryThemedWordRowsVariantBuildsAHundredValidBoards) {
  RealData h;
  for (int theme = 0; theme < 4; ++theme)
    for (int i = 0; i < 4; ++i) {
      const int variant = 108 + 10 * theme + i;
      h.BuildMany(static_cast<uint8_t>(variant), [&](int) { CheckWordRows(6 + i); });
    }
}
