// SPDX-License-Identifier: GPL-3.0-or-later
#include <map>
#include <set>

#include "grid_fixture.h"

namespace {

constexpr int kTop = 5;

struct ScrambledGrid : GridGame {
  using GridGame::GridGame;
  static Point Right(Point left) { return {left.x + G.gameSize + 1, left.y}; }
  static char Expected(int x, int y) { return static_cast<char>(G.answerGridB[CellIndex(x, y)]); }
  // Moves letters from the right grid until the left one is the crossword:
  // each missing letter is taken from the first right-grid cell holding it.
  void Solve() {
    const int n = G.gameSize;
    for (int y = kTop; y < kTop + n; ++y)
      for (int x = 1; x <= n; ++x) {
        if (Expected(x, y) == ' ' || LetterAt(x, y) == Expected(x, y)) continue;
        Point from{0, 0};
        for (int ry = kTop; ry < kTop + n && from.x == 0; ++ry)
          for (int rx = n + 2; rx <= 2 * n + 1 && from.x == 0; ++rx)
            if (LetterAt(rx, ry) == Expected(x, y)) from = {rx, ry};
        ASSERT_NE(from.x, 0) << Expected(x, y);
        Drag(from, {x, y});
      }
  }
};

void ExpectValidBoard(int n) {
  for (int y = kTop; y < kTop + n; ++y) {
    std::string leftRow, rightRow;
    for (int x = 1; x <= n; ++x) {
      const Point right = ScrambledGrid::Right({x, y});
      const char solution = GridGame::SolutionA(x, y);
      const bool black = solution == '*';
      EXPECT_EQ(ScrambledGrid::Expected(x, y), black ? ' ' : solution);
      EXPECT_EQ(LetterAt(x, y), ' ');
      EXPECT_EQ(CellState(x, y), black ? 3 : 4);
      EXPECT_EQ(CellState(right.x, right.y), black ? 3 : 4);
      EXPECT_EQ(G.boardPlayable[CellIndex(x, y)], 1);
      EXPECT_EQ(G.boardPlayable[CellIndex(right.x, right.y)], 1);
      leftRow += black ? ' ' : solution;
      rightRow += LetterAt(right.x, right.y);
    }
    // Each across run holds its own letters in some order, black squares and
    // one-letter runs in place.
    size_t start = 0;
    while (start <= leftRow.size()) {
      size_t end = leftRow.find(' ', start);
      if (end == std::string::npos) end = leftRow.size();
      std::string a = leftRow.substr(start, end - start), b = rightRow.substr(start, end - start);
      if (a.size() == 1) {
        EXPECT_EQ(a, b);
      }
      std::sort(a.begin(), a.end());
      std::sort(b.begin(), b.end());
      EXPECT_EQ(a, b) << "row " << y;
      if (end < rightRow.size()) {
        EXPECT_EQ(rightRow[end], ' ');
      }
      start = end + 1;
    }
    EXPECT_EQ(LetterAt(n + 1, y), '*');
  }
}

}  // namespace

TEST(ScrambledGridBuild, EveryVariantBuildsOnAHundredSeeds) {
  ScrambledGrid h;
  std::map<uint8_t, int> unchanged, runs;
  h.BuildEverySeed({{37, 8}, {38, 6}, {103, 8}, {104, 6}}, [&](uint8_t variant, int size) {
    ExpectValidBoard(size);
    for (const GridWord& w : WordsOfSolution(size, kTop)) {
      if (w.first.y != w.last.y) continue;
      ++runs[variant];
      std::string shown;
      for (int x = w.first.x; x <= w.last.x; ++x) shown += LetterAt(ScrambledGrid::Right({x, w.first.y}).x, w.first.y);
      unchanged[variant] += shown == w.word;
    }
  });
  // The shuffle leaves a word as it was now and then, not as a rule.
  for (const auto& [variant, count] : runs) EXPECT_LT(unchanged[variant] * 3, count) << "variant " << int(variant);
}

TEST(ScrambledGridPlay, MovingTheLettersFromRightToLeftWinsOnce) {
  ScrambledGrid h;
  h.StartGame(37);
  h.Solve();
  EXPECT_EQ(G.gameWon, 1);
  EXPECT_GT(h.Played(7), 0);
  h.ExpectScoredOnce(G.variantName[37]);
}

TEST(ScrambledGridPlay, LettersGoOnlyToEmptyOpenCellsAndElseFlyBack) {
  ScrambledGrid h;
  h.StartGame(104);
  Point letter{0, 0}, black{0, 0};
  for (int x = 1; x <= 6; ++x)
    for (int y = kTop; y < kTop + 6; ++y) (h.Expected(x, y) == ' ' ? black : letter) = {x, y};
  ASSERT_NE(black.x, 0);
  const Point from = ScrambledGrid::Right(letter);
  const char moved = LetterAt(from.x, from.y);
  // On a black square of the left grid: back home after the 500 ms flight.
  h.Drag(from, black);
  EXPECT_EQ(LetterAt(from.x, from.y), ' ');
  h.Run(600);
  EXPECT_EQ(LetterAt(from.x, from.y), moved);
  EXPECT_EQ(LetterAt(black.x, black.y), ' ');
  EXPECT_EQ(h.Played(2), 1);
  // Onto the left grid, then back into the right grid's empty cell.
  h.Drag(from, letter);
  EXPECT_EQ(LetterAt(letter.x, letter.y), moved);
  h.Drag(letter, from);
  EXPECT_EQ(LetterAt(from.x, from.y), moved);
  // On a cell that holds a letter: it flies back too.
  Point occupied{0, 0};
  for (int x = 8; x <= 13; ++x)
    for (int y = kTop; y < kTop + 6; ++y)
      if (LetterAt(x, y) != ' ' && !(Point{x, y} == from)) occupied = {x, y};
  h.Drag(from, occupied);
  h.Run(600);
  EXPECT_EQ(LetterAt(from.x, from.y), moved);
  h.Solve();
  EXPECT_EQ(G.gameWon, 1);
}

TEST(ScrambledGridPlay, EscapeShowsTheCrosswordOnTheLeft) {
  ScrambledGrid h;
  h.StartGame(103);
  h.GiveUp();
  for (int x = 1; x <= 8; ++x)
    for (int y = kTop; y < kTop + 8; ++y) {
      EXPECT_EQ(LetterAt(x, y), h.SolutionA(x, y));
      EXPECT_EQ(h.Colour(x, y), 255);
    }
  h.ExpectClosedAfterTenSeconds();
}
