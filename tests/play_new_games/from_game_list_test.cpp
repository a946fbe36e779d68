// SPDX-License-Identifier: GPL-3.0-or-later
// Every variant of the grid games on the crossword files and of the newer
// word games, tried as a new player would: the family is clicked in the game
// list, then the variant's line in its menu; the board is ready within a
// second; Escape gives the game up and shows the solution; ten seconds later
// the game list is back.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "display/drawing.h"
#include "harness/board_play.h"
#include "harness/harness.h"
#include "platform/keys.h"
#include "state/game_state.h"
#include "display/resets.h"

namespace {

enum class Kind { Placement, Hidden, Scrambled, Deconstructed, CrossedPair, ThirdWord, CutWords, Stacked, Exchange };

struct NewVariant {
  int variant;
  Kind kind;
  int size;  // grid side, number of words or stacked rows; unused for the middle words
};

void PrintTo(const NewVariant& v, std::ostream* os) { *os << "variant " << v.variant; }

const std::vector<NewVariant>& Variants() {
  static const std::vector<NewVariant> list = [] {
    std::vector<NewVariant> v;
    const int sides[] = {12, 10, 8, 6};
    for (int i = 0; i < 4; ++i) {
      v.push_back({29 + i, Kind::Placement, sides[i]});
      v.push_back({95 + i, Kind::Placement, sides[i]});
      v.push_back({33 + i, Kind::Hidden, sides[i]});
      v.push_back({99 + i, Kind::Hidden, sides[i]});
    }
    for (int i = 0; i < 2; ++i) {
      v.push_back({37 + i, Kind::Scrambled, 8 - 2 * i});
      v.push_back({103 + i, Kind::Scrambled, 8 - 2 * i});
    }
    for (int i = 0; i < 3; ++i) v.push_back({43 + i, Kind::Deconstructed, 10 - 2 * i});
    for (int i = 0; i < 3; ++i) v.push_back({22 + i, Kind::CrossedPair, 0});
    v.push_back({25, Kind::ThirdWord, 0});
    for (int first : {26, 105, 115, 125, 135})
      for (int i = 0; i < 3; ++i) v.push_back({first + i, Kind::CutWords, 10 - 2 * i});
    // Variant 150 is listed by no menu.
    for (int i = 0; i < 5; ++i) v.push_back({145 + i, Kind::Stacked, 14 - i});
    v.push_back({14, Kind::Exchange, 8});
    v.push_back({15, Kind::Exchange, 6});
    for (int i = 0; i < 4; ++i) v.push_back({39 + i, Kind::Exchange, 4 - i});
    return v;
  }();
  return list;
}

// The family whose menu lists the variant, and the variant's row in it.
void MenuPlace(int variant, int& family, int& row) {
  for (family = 1; family <= 30; ++family) {
    row = variant - FamilyFirstVariant(family);
    if (row >= 0 && row < FamilyVariantCount(family)) return;
  }
  family = 0;
}

// Points inside a family's entry on the game list and inside a variant
// menu's row, as the menus place them.
Point FamilyPoint(int f) {
  const int x = f <= 15 ? 55 : 420, y = f <= 15 ? 53 + 20 * f : 20 * f - 247;
  return {x + 5, y + 12};
}
Point MenuRowPoint(int i, int length) { return {400 - (length / 2) * 14 + 10, 81 + 20 * i + 12}; }

std::string Solution(int x, int y, int length, bool down) {
  std::string text;
  for (int i = 0; i < length; ++i)
    text += static_cast<char>(G.answerGridA[CellIndex(down ? x : x + i, down ? y + i : y)]);
  return text;
}

// The solution is on the board after Escape.
void ExpectSolutionShown(const NewVariant& v) {
  const int n = v.size;
  switch (v.kind) {
    case Kind::Placement:
    case Kind::Hidden:
    case Kind::Deconstructed:
    case Kind::Scrambled: {
      const int top = v.kind == Kind::Scrambled ? 5 : 1;
      for (int y = top; y < top + n; ++y) {
        EXPECT_EQ(RowAt(1, y, n), Solution(1, y, n, false)) << "row " << y;
        for (int x = 1; x <= n; ++x) EXPECT_EQ(G.boardCellColour[CellIndex(x, y)], kHighlight);
      }
      break;
    }
    case Kind::CrossedPair: {
      const int p = G.gameLength;
      const std::string t = G.wordSlots[10].str();
      ASSERT_EQ(t.size(), 3u);
      EXPECT_EQ(RowAt(p + 6, 8, 3), t);
      EXPECT_EQ(ColumnAt(p + 7, 7, 3), t);
      break;
    }
    case Kind::ThirdWord:
      ASSERT_EQ(G.wordSlots[9].str().size(), 5u);
      EXPECT_EQ(RowAt(7, 8, 5), G.wordSlots[9].str());
      break;
    case Kind::CutWords:
      for (int i = 1; i <= n; ++i) {
        ASSERT_EQ(G.wordSlots[i - 1].str().size(), 6u);
        EXPECT_EQ(RowAt(3, i + 3, 3) + RowAt(7, i + 3, 3), G.wordSlots[i - 1].str()) << "word " << i;
      }
      break;
    case Kind::Stacked:
      ASSERT_EQ(G.wordSlots[0].str().size(), static_cast<size_t>(n));
      EXPECT_EQ(ColumnAt(1, 1, n), G.wordSlots[0].str());
      break;
    case Kind::Exchange:
      for (int k = 1; k <= n; ++k) {
        ASSERT_EQ(G.wordSlots[k - 1].str().size(), 10u);
        EXPECT_EQ(RowAt(7, k + 6, 10), G.wordSlots[k - 1].str()) << "word " << k;
      }
      break;
  }
}

class FromGameList : public ::testing::TestWithParam<NewVariant> {
 protected:
  // One program for the whole suite, as one player trying every variant in
  // turn: each case starts and ends on the game list.
  static void SetUpTestSuite() {
    program = new Harness(HarnessOptions{.realData = true});
    ASSERT_TRUE(program->Start());
    program->Run(4100);
  }
  static void TearDownTestSuite() {
    delete program;
    program = nullptr;
  }
  // A case that failed half way leaves the next one on the game list.
  void SetUp() override {
    if (G.currentScreen == 1 && G.gameTitle.empty()) return;
    ResetGame();
    ResetBoard();
    G.gameTitle.clear();
    G.currentVariant = 0;
    G.currentScreen = 1;
    program->Tick();
  }
  static Harness* program;
};
Harness* FromGameList::program = nullptr;

TEST_P(FromGameList, BuildsGivesUpWithEscapeAndReturnsToTheGameList) {
  const NewVariant v = GetParam();
  Harness& h = *program;
  ASSERT_EQ(G.currentScreen, 1);
  ASSERT_TRUE(G.gameTitle.empty());
  int family = 0, row = 0;
  MenuPlace(v.variant, family, row);
  ASSERT_NE(family, 0);

  Point p = FamilyPoint(family);
  h.MoveTo(p.x, p.y);
  h.Tick();
  h.Click(p.x, p.y);
  ASSERT_EQ(G.currentScreen, 2);
  const std::string name = G.variantName[v.variant];
  if (FamilyVariantCount(family) == 1) {
    // A family of one variant starts it without a menu.
    h.Tick();
  } else {
    h.Tick();
    p = MenuRowPoint(row, static_cast<int>(name.size()));
    h.MoveTo(p.x, p.y);
    h.Tick();
    ASSERT_EQ(G.cursorShape, -21) << "the variant's line is not under the pointer";
    h.Click(p.x, p.y);
  }
  ASSERT_EQ(G.currentVariant, static_cast<uint32_t>(v.variant));
  EXPECT_EQ(G.gameTitle.str(), name);
  EXPECT_EQ(G.currentScreen, 0);

  // Moved off the board, as a player waiting for the build.
  h.MoveTo(790, 300);
  int ticks = 0;
  while (!G.boardReady && !G.gameTitle.empty() && ticks < 100) {
    h.Tick();
    ++ticks;
  }
  RecordProperty("build_ticks", ticks);
  ASSERT_EQ(G.boardReady, 1) << "not built after " << ticks << " ticks: " << G.messageText;
  EXPECT_FALSE(G.gameTitle.empty());
  h.Tick();
  EXPECT_NE(G.cursorShape, -11) << "the hourglass stays after the build";
  EXPECT_EQ(G.gameWon, 0);
  EXPECT_EQ(G.gameLost, 0);

  h.Key(kVkEscape);

  h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
  EXPECT_EQ(G.gameLost, 1);
  h.Tick(2);
  EXPECT_EQ(G.gameWon, 0);
  ExpectSolutionShown(v);

  h.Run(9000);
  EXPECT_FALSE(G.gameTitle.empty());
  h.Run(1100);
  EXPECT_TRUE(G.gameTitle.empty());
  h.Tick();
  EXPECT_EQ(G.currentScreen, 1);
}

INSTANTIATE_TEST_SUITE_P(NewGames, FromGameList, ::testing::ValuesIn(Variants()),
                         [](const ::testing::TestParamInfo<NewVariant>& info) {
                           return "Variant" + std::to_string(info.param.variant);
                         });

}  // namespace
