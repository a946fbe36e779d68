// SPDX-License-Identifier: GPL-3.0-or-later
// A program on the real grid files, driven as a player would: the variant is
// started, letters are dragged with the mouse, selections pressed and
// released, Escape gives up.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "display/drawing.h"
#include "harness/board_play.h"
#include "harness/harness.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/keys.h"
#include "state/game_state.h"
#include "display/resets.h"

struct GridGame : Harness {
  explicit GridGame(HarnessOptions options = {.realData = true}) : Harness(options) {
    EXPECT_TRUE(Start());
    Run(4100);
  }
  void StartGame(uint8_t variant) {
    ClearWavesPlayed();
    StartVariant(variant);
    Tick();
    ASSERT_EQ(G.boardReady, 1);
  }
  // A new game of the variant on the given seed, as StartVariant begins it
  // but without reloading the dictionary, which these games never read.
  void Rebuild(uint8_t variant, uint32_t seed) {
    ClearWavesPlayed();
    ResetGame();
    ResetBoard();
    SetRandSeed(seed);
    G.currentVariant = variant;
    G.gameTitle = G.variantName[variant];
    Tick();
  }
  void Drag(Point fromCell, Point toCell) { DragCells(*this, fromCell, toCell); }
  struct VariantSize {
    uint8_t variant;
    int size;
  };
  // Builds each variant on seeds 1 to 100 (kSelfTestBuilds) and checks every board.
  void BuildEverySeed(std::initializer_list<VariantSize> variants,
                      const std::function<void(uint8_t variant, int size)>& check) {
    for (const auto& [variant, size] : variants)
      for (uint32_t seed = 1; seed <= kSelfTestBuilds; ++seed) {
        SCOPED_TRACE("variant " + std::to_string(variant) + " seed " + std::to_string(seed));
        Rebuild(variant, seed);
        ASSERT_EQ(G.boardReady, 1);
        ASSERT_EQ(G.gameSize, size);
        EXPECT_EQ(G.gameWon, 0);
        EXPECT_EQ(Played(0), 1);
        check(variant, size);
        if (::testing::Test::HasFatalFailure()) return;
      }
  }
  Point PaletteCell(char letter, int paletteRow) const {
    const int k = letter - 'A';
    return {1 + k % 13, paletteRow + k / 13};
  }
  static char SolutionA(int x, int y) { return static_cast<char>(G.answerGridA[CellIndex(x, y)]); }
  static int Colour(int x, int y) { return G.boardCellColour[CellIndex(x, y)]; }
  int Played(int wave) const {
    return static_cast<int>(std::count(WavesPlayed().begin(), WavesPlayed().end(), wave));
  }
  // After the win: the click scores the game once and the game list returns.
  void ExpectScoredOnce(const std::string& title) {
    ASSERT_EQ(G.gameWon, 1);
    Run(300);
    EXPECT_EQ(Played(11), 1);
    Click(400, 450);
    Tick();
    EXPECT_TRUE(G.gameTitle.empty());
    const std::string line = G.listBoxes[listScores].items[1];
    EXPECT_NE(line.find(title.substr(0, 10)), std::string::npos) << line;
    EXPECT_EQ(G.listBoxes[listScores].items[2], "");
    Run(300);
    EXPECT_EQ(Played(11), 1);
    EXPECT_EQ(G.currentScreen, 1);
  }
  // Escape: the solution is shown, not won, and the game closes 10 s later.
  void GiveUp() {
    Key(kVkEscape);
    Key(kVkReturn);  // "Abandonner la partie ?" answered yes
    EXPECT_EQ(G.gameLost, 1);
    Tick();
  }
  void ExpectClosedAfterTenSeconds() {
    EXPECT_EQ(G.gameWon, 0);
    Run(9000);
    EXPECT_FALSE(G.gameTitle.empty());
    Run(1100);
    EXPECT_TRUE(G.gameTitle.empty());
    EXPECT_EQ(Played(12), 1);
    EXPECT_EQ(Played(11), 0);
  }
  // The pixels of a rectangle of the page, to tell whether something drawn
  // there changed.
  std::vector<uint16_t> Area(int x1, int y1, int x2, int y2) const {
    std::vector<uint16_t> pixels;
    for (int y = y1; y < y2; ++y)
      for (int x = x1; x < x2; ++x) pixels.push_back(Pixel565(x, y));
    return pixels;
  }
};

// The words of a solution grid of the side, in the 1-based cells from
// (1, firstRow), across then down: runs of two letters or more.
struct GridWord {
  std::string word;
  Point first, last;
};
inline std::vector<GridWord> WordsOfSolution(int size, int firstRow) {
  std::vector<GridWord> words;
  for (int down = 0; down <= 1; ++down)
    for (int line = 1; line <= size; ++line) {
      std::string run;
      Point start{};
      for (int i = 1; i <= size + 1; ++i) {
        const int x = down ? line : i, y = (down ? i : line) + firstRow - 1;
        const char ch = i <= size ? GridGame::SolutionA(x, y) : '*';
        if (ch != '*') {
          if (run.empty()) start = {x, y};
          run += ch;
          continue;
        }
        if (run.size() >= 2) {
          const int n = static_cast<int>(run.size()) - 1;
          words.push_back({run, start, down ? Point{start.x, start.y + n} : Point{start.x + n, start.y}});
        }
        run.clear();
      }
    }
  return words;
}
