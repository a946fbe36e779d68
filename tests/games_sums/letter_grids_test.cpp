// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "games_grids/grid_fixture.h"

namespace {

struct VariantFacts {
  uint8_t variant;
  int side;
  bool sums;
  double blankShare;  // expected share of blank letter cells
};
constexpr VariantFacts kVariants[] = {
    {60, 12, true, 0.09},  {61, 10, true, 0.09},  {62, 8, true, 0.09},   {63, 6, true, 0.09},
    {64, 12, false, 0.49}, {65, 10, false, 0.49}, {66, 12, false, 0.24}, {67, 10, false, 0.24},
};

char Solution(int x, int y) { return static_cast<char>(G.answerGridB[(x - 1) * 21 + (y - 1)]); }
int Value(char ch) { return (ch >= 'A' && ch <= 'Z') ? ch - 64 : 0; }

// The grid games' player, on the palette two rows under these grids.
struct LetterGrid : GridGame {
  using GridGame::GridGame;
  static Point PaletteCell(char letter) {
    const int k = letter - 'A';
    return {1 + k % 13, G.gameSize + 2 + k / 13};
  }
  void DropLetter(char letter, Point cell) { Drag(PaletteCell(letter), cell); }
  // Drops the solution letter on every cell that does not hold it yet.
  void FillSolution() {
    for (int x = 1; x <= G.gameSize; ++x)
      for (int y = 1; y <= G.gameSize; ++y)
        if (Solution(x, y) != '*' && LetterAt(x, y) != Solution(x, y)) DropLetter(Solution(x, y), {x, y});
  }
  static Point FirstCell(int state) {
    for (int y = 1; y <= G.gameSize; ++y)
      for (int x = 1; x <= G.gameSize; ++x)
        if (CellState(x, y) == state) return {x, y};
    return {0, 0};
  }
};

struct Counts {
  int letters = 0;
  int blanks = 0;
};

// Everything the build promises about one freshly built board; counts the
// letter cells and the blank ones.
void ExpectValidBoard(const VariantFacts& v, Counts& counts) {
  const int n = v.side;
  ASSERT_EQ(G.gameSize, n);
  EXPECT_FALSE(G.wordList.empty());
  for (int x = 1; x <= n; ++x)
    for (int y = 1; y <= n; ++y) {
      const int at = CellIndex(x, y);
      const char solution = Solution(x, y);
      const char shown = LetterAt(x, y);
      if (solution == '*') {
        EXPECT_EQ(shown, '*');
        EXPECT_EQ(CellState(x, y), 3);
        EXPECT_EQ(G.boardPlayable[at], 0);
        continue;
      }
      ASSERT_TRUE(solution >= 'A' && solution <= 'Z') << x << "," << y;
      ++counts.letters;
      const bool blank = shown == ' ';
      if (blank) ++counts.blanks;
      else EXPECT_EQ(shown, solution) << x << "," << y;
      if (v.sums) {
        EXPECT_EQ(CellState(x, y), 4);
        EXPECT_EQ(G.boardPlayable[at], 1);
        EXPECT_EQ(G.boardPickable[at], 1);
      } else {
        EXPECT_EQ(CellState(x, y), blank ? 4 : 1);
        EXPECT_EQ(G.boardPlayable[at], blank ? 1 : 0);
        EXPECT_EQ(G.boardPickable[at], blank ? 1 : 0);
      }
    }
  // Nothing is written right of the grid; the palette sits two rows under it.
  for (int y = 1; y <= n; ++y) EXPECT_EQ(G.boardLetters[CellIndex(n + 1, y)], '*');
  for (int k = 0; k < 26; ++k) {
    const int x = 1 + k % 13, y = n + 2 + k / 13;
    EXPECT_EQ(G.boardLetters[CellIndex(x, y)], 'A' + k);
    EXPECT_EQ(CellState(x, y), 2);
    EXPECT_EQ(G.boardPlayable[CellIndex(x, y)], 1);
    EXPECT_EQ(G.answerGridA[CellIndex(x, y)], k + 1);
  }
}

// The row sums stand right of the grid and the column sums under it, each the
// sum of the solution's letter values.
void ExpectSolutionSums(int n) {
  for (int i = 1; i <= n; ++i) {
    int column = 0, row = 0;
    for (int j = 1; j <= n; ++j) {
      column += Value(Solution(i, j));
      row += Value(Solution(j, i));
    }
    EXPECT_EQ(G.answerGridA[CellIndex(i, n + 1)], column) << "column " << i;
    EXPECT_EQ(G.answerGridA[CellIndex(n + 1, i)], row) << "row " << i;
  }
  // Inside the grid no number is printed.
  for (int x = 1; x <= n; ++x)
    for (int y = 1; y <= n; ++y) EXPECT_EQ(G.answerGridA[CellIndex(x, y)], 0);
}

}  // namespace

TEST(LetterGridBuild, EveryVariantBuildsAHundredBoardsWithTheExpectedBlankShare) {
  LetterGrid h;
  for (const VariantFacts& v : kVariants) {
    SCOPED_TRACE("variant " + std::to_string(v.variant));
    Counts counts;
    h.BuildEverySeed({{v.variant, v.side}}, [&](uint8_t, int) {
      const int blanksBefore = counts.blanks;
      ExpectValidBoard(v, counts);
      EXPECT_GT(counts.blanks, blanksBefore) << "nothing to fill";
      if (v.sums) ExpectSolutionSums(v.side);
    });
    const double share = static_cast<double>(counts.blanks) / counts.letters;
    EXPECT_NEAR(share, v.blankShare, 0.025) << counts.blanks << " of " << counts.letters;
  }
}

TEST(LetterGridPlay, EveryVariantIsWonFromThePaletteAndScoredOnce) {
  for (const VariantFacts& v : kVariants) {
    SCOPED_TRACE("variant " + std::to_string(v.variant));
    LetterGrid h;
    h.StartGame(v.variant);
    h.Run(2000);
    h.FillSolution();
    EXPECT_EQ(G.gameWon, 1);
    // The palette is whole after all those drags.
    for (int k = 0; k < 26; ++k) {
      const Point cell = LetterGrid::PaletteCell('A' + k);
      EXPECT_EQ(LetterAt(cell.x, cell.y), 'A' + k);
    }
    if (v.sums) ExpectSolutionSums(v.side);
    h.ExpectScoredOnce(G.variantName[v.variant]);
  }
}

TEST(LetterGridPlay, FixedLettersCanNeitherBeTakenNorOverwritten) {
  LetterGrid h;
  h.StartGame(66);
  const Point fixed = LetterGrid::FirstCell(1);
  ASSERT_NE(fixed.x, 0);
  const char letter = LetterAt(fixed.x, fixed.y);
  const Point p = CellCentre(fixed);
  h.MoveTo(p.x, p.y);
  h.Tick();
  h.Press(p.x, p.y);
  h.Tick();
  EXPECT_EQ(G.lettersHeld, 0);
  h.Release(p.x, p.y);
  h.Tick();
  EXPECT_EQ(LetterAt(fixed.x, fixed.y), letter);
  // A palette letter dropped on it is lost.
  h.DropLetter(letter == 'Q' ? 'W' : 'Q', fixed);
  h.Tick(60);
  EXPECT_EQ(LetterAt(fixed.x, fixed.y), letter);
  EXPECT_EQ(G.lettersHeld, 0);
  // A letter dropped on an erased cell can be taken back off the grid.
  const Point erased = LetterGrid::FirstCell(4);
  ASSERT_NE(erased.x, 0);
  h.DropLetter('K', erased);
  EXPECT_EQ(LetterAt(erased.x, erased.y), 'K');
  h.Drag(erased, {19, 3});
  h.Tick(60);
  EXPECT_EQ(LetterAt(erased.x, erased.y), ' ');
}

TEST(LetterGridPlay, GivenSumLettersMoveAndTheSumsStay) {
  LetterGrid h;
  h.StartGame(62);
  Point given{0, 0};
  for (int x = 1; x <= 8 && given.x == 0; ++x)
    for (int y = 1; y <= 8 && given.x == 0; ++y)
      if (LetterAt(x, y) >= 'A' && LetterAt(x, y) <= 'Z') given = {x, y};
  ASSERT_NE(given.x, 0);
  // Taken off the grid, the given letter is gone; the sums do not follow.
  h.Drag(given, {19, 3});
  h.Tick(60);
  EXPECT_EQ(LetterAt(given.x, given.y), ' ');
  ExpectSolutionSums(8);
  h.FillSolution();
  EXPECT_EQ(G.gameWon, 1);
}

TEST(LetterGridPlay, EscapeShowsTheSolution) {
  for (uint8_t variant : {61, 64}) {
    LetterGrid h;
    h.StartGame(variant);
    h.GiveUp();
    for (int x = 1; x <= G.gameSize; ++x)
      for (int y = 1; y <= G.gameSize; ++y) {
        EXPECT_EQ(LetterAt(x, y), Solution(x, y));
        EXPECT_EQ(G.boardCellColour[CellIndex(x, y)], 255);
      }
    h.ExpectClosedAfterTenSeconds();
  }
}

TEST(LetterGridFile, NoUsableGridOfTheSizeEndsTheGameWithAMessageAndALogLine) {
  LetterGrid h(HarnessOptions{});
  h.WriteProgramFile("bin/grilles.txt", "6x6=" + std::string(36, 'A') + "\r\n10x10=" + std::string(99, 'A') + "e\r\n");
  for (uint8_t variant : {60, 65, 66, 67}) {
    SCOPED_TRACE(int(variant));
    StartVariant(variant);
    h.Tick();
    EXPECT_TRUE(G.gameTitle.empty());
    EXPECT_EQ(G.messageShowing, 1);
    h.Run(2000);
  }
  EXPECT_TRUE(h.LogHas("Aucune grille 12x12 utilisable dans grilles.txt."));
  EXPECT_TRUE(h.LogHas("Aucune grille 10x10 utilisable dans grilles.txt."));
  // The one 6x6 grid is chosen and played.
  StartVariant(63);
  h.Tick();
  EXPECT_EQ(G.boardReady, 1);
  EXPECT_EQ(Solution(6, 6), 'A');
  EXPECT_EQ(G.answerGridA[CellIndex(7, 1)], 6);
}
