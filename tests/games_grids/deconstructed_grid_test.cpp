// SPDX-License-Identifier: GPL-3.0-or-later
#include <set>
#include <sstream>
#include <vector>

#include "games/grid_games.h"
#include "grid_fixture.h"

namespace {

struct DeconstructedGrid : GridGame {
  using GridGame::GridGame;
  int P() const { return G.gameSize + 2; }
  Point Palette(char letter) const { return PaletteCell(letter, P()); }
  // The first stock tile still holding a black square.
  Point StockTile() const {
    for (int y = P() + 2; y <= P() + 3; ++y)
      for (int x = 1; x <= 13; ++x)
        if (LetterAt(x, y) == '*' && CellState(x, y) == 3) return {x, y};
    return {0, 0};
  }
  static int BlackSquares() {
    int count = 0;
    for (int x = 1; x <= G.gameSize; ++x)
      for (int y = 1; y <= G.gameSize; ++y) count += SolutionA(x, y) == '*';
    return count;
  }
  // Black tiles from the stock, letters from the palette, for every cell that
  // does not yet hold its character.
  void Solve() {
    for (int x = 1; x <= G.gameSize; ++x)
      for (int y = 1; y <= G.gameSize; ++y) {
        const char want = SolutionA(x, y);
        if (LetterAt(x, y) == want) continue;
        if (want == '*') {
          const Point tile = StockTile();
          ASSERT_NE(tile.x, 0);
          Drag(tile, {x, y});
        } else {
          Drag(Palette(want), {x, y});
        }
      }
  }
};

void ExpectValidBoard(int n) {
  int blacks = 0;
  for (int x = 1; x <= n; ++x)
    for (int y = 1; y <= n; ++y) {
      const char solution = GridGame::SolutionA(x, y);
      blacks += solution == '*';
      const bool given = solution != '*' && y == 1 && x <= 4;
      EXPECT_EQ(LetterAt(x, y), given ? solution : ' ');
      EXPECT_EQ(CellState(x, y), 4);
      EXPECT_EQ(G.boardPlayable[CellIndex(x, y)], 1);
    }
  const int p = n + 2;
  // One stock tile per black square: row P + 2 from column 1, then P + 3.
  for (int k = 0; k < 26; ++k) {
    const int x = 1 + k % 13;
    EXPECT_EQ(LetterAt(x, p + k / 13), 'A' + k);
    const bool tile = k < blacks;
    EXPECT_EQ(LetterAt(x, p + 2 + k / 13), '*');
    EXPECT_EQ(CellState(x, p + 2 + k / 13), tile ? 3 : 1) << k;
    EXPECT_EQ(G.boardPlayable[CellIndex(x, p + 2 + k / 13)], tile ? 1 : 0) << k;
  }
  std::multiset<std::string> expected, listed(G.wordList.begin(), G.wordList.end());
  for (const GridWord& w : WordsOfSolution(n, 1)) expected.insert(w.word);
  EXPECT_EQ(listed, expected);
}

}  // namespace

TEST(DeconstructedGridBuild, EveryVariantBuildsOnAHundredSeeds) {
  DeconstructedGrid h;
  h.BuildEverySeed({{43, 10}, {44, 8}, {45, 6}}, [](uint8_t, int size) { ExpectValidBoard(size); });
}

TEST(DeconstructedGridPlay, PuttingTheBlackSquaresAndLettersBackWinsOnce) {
  DeconstructedGrid h;
  h.StartGame(44);
  const int blacks = DeconstructedGrid::BlackSquares();
  ASSERT_GT(blacks, 0);
  // The black tile is carried, drawn as a black square, and becomes one.
  Point black{0, 0};
  for (int y = 1; y <= 8 && black.x == 0; ++y)
    for (int x = 1; x <= 8 && black.x == 0; ++x)
      if (h.SolutionA(x, y) == '*') black = {x, y};
  const Point tile = h.StockTile();
  h.Drag(tile, black);
  EXPECT_EQ(LetterAt(black.x, black.y), '*');
  EXPECT_EQ(CellState(black.x, black.y), 3);
  EXPECT_EQ(CellState(tile.x, tile.y), 4);
  EXPECT_EQ(LetterAt(tile.x, tile.y), ' ');
  h.Solve();
  EXPECT_EQ(G.gameWon, 1);
  h.ExpectScoredOnce(G.variantName[44]);
}

TEST(DeconstructedGridPlay, WordsLightOnlyBetweenPlacedBlackTilesOrEdges) {
  DeconstructedGrid h;
  h.StartGame(45);
  // Every letter in place, no black square yet: only the words that run from
  // edge to edge stand bounded.
  for (int x = 1; x <= 6; ++x)
    for (int y = 1; y <= 6; ++y)
      if (h.SolutionA(x, y) != '*' && LetterAt(x, y) != h.SolutionA(x, y)) h.Drag(h.Palette(h.SolutionA(x, y)), {x, y});
  std::set<std::string> edgeToEdge, bounded;
  for (const GridWord& w : WordsOfSolution(6, 1)) {
    const int length = std::max(w.last.x - w.first.x, w.last.y - w.first.y) + 1;
    if (length == 6) edgeToEdge.insert(w.word);
  }
  for (const std::string& word : G.wordList) EXPECT_EQ(WordIsPlaced(word), edgeToEdge.count(word) == 1) << word;
  EXPECT_EQ(G.gameWon, 0);
  h.Solve();
  for (const std::string& word : G.wordList) EXPECT_TRUE(WordIsPlaced(word)) << word;
  EXPECT_EQ(G.gameWon, 1);
}

TEST(DeconstructedGridPlay, TilesFlyBackLettersAreLostAndGivenLettersMustReturn) {
  DeconstructedGrid h;
  h.StartGame(43);
  // A black tile dropped on a letter flies back to its stock cell.
  const Point tile = h.StockTile();
  Point given{0, 0};
  for (int x = 4; x >= 1; --x)
    if (h.SolutionA(x, 1) != '*') given = {x, 1};
  ASSERT_NE(given.x, 0);
  const char letter = LetterAt(given.x, given.y);
  h.Drag(tile, given);
  EXPECT_EQ(CellState(tile.x, tile.y), 4);
  h.Run(600);
  EXPECT_EQ(LetterAt(tile.x, tile.y), '*');
  EXPECT_EQ(CellState(tile.x, tile.y), 3);
  EXPECT_EQ(LetterAt(given.x, given.y), letter);
  // A given letter dropped on a filled cell is lost; the grid then needs it.
  h.Drag(given, h.Palette('A'));
  h.Run(600);
  EXPECT_EQ(LetterAt(given.x, given.y), ' ');
  EXPECT_EQ(G.lettersHeld, 0);
  h.Solve();
  EXPECT_EQ(G.gameWon, 1);
}

TEST(DeconstructedGridPlay, EscapeShowsTheLettersAndLeavesHolesForTheBlackSquares) {
  DeconstructedGrid h;
  h.StartGame(45);
  h.Drag(h.StockTile(), {6, 6});
  h.GiveUp();
  for (int x = 1; x <= 6; ++x)
    for (int y = 1; y <= 6; ++y) {
      EXPECT_EQ(LetterAt(x, y), h.SolutionA(x, y));
      EXPECT_EQ(h.Colour(x, y), 255);
      EXPECT_EQ(CellState(x, y), 4);
    }
  h.ExpectClosedAfterTenSeconds();
}

TEST(DeconstructedGridFile, TheFourteenthBlackSquareStartsTheSecondStockRowAndTooManyEndTheGame) {
  DeconstructedGrid h(HarnessOptions{});
  // 6 x 6: columns 1 and 2 black below the top row (10), three more make 13.
  std::string grid(36, 'E');
  for (int r = 1; r < 6; ++r) grid[r * 6] = grid[r * 6 + 1] = '*';
  grid[5 * 6 + 5] = grid[5 * 6 + 3] = grid[3 * 6 + 4] = '*';
  std::string fourteen = grid;
  fourteen[1 * 6 + 4] = '*';
  h.WriteProgramFile("bin/grilles.txt", "6x6=" + grid + "\r\n6x6=" + fourteen + "\r\n6x6=" + grid + "\r\n8x8=" +
                                            std::string(27, '*') + std::string(37, 'E') + "\r\n");
  // Grids 1 and 2 of the size are the ones that can be drawn.
  bool seen13 = false, seen14 = false;
  for (int build = 0; build < 20 && !(seen13 && seen14); ++build) {
    StartVariant(45);
    h.Tick();
    ASSERT_EQ(G.boardReady, 1);
    const bool is14 = DeconstructedGrid::BlackSquares() == 14;
    (is14 ? seen14 : seen13) = true;
    EXPECT_EQ(CellState(13, 10), 3);
    EXPECT_EQ(CellState(1, 11), is14 ? 3 : 1);
    EXPECT_EQ(CellState(2, 11), 1);
    h.Key(kVkEscape);
    h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
    h.Click(400, 300);
    h.Run(50);
  }
  EXPECT_TRUE(seen13 && seen14);
  // More black squares than the stock holds: the grid could never be done.
  StartVariant(44);
  h.Tick();
  EXPECT_TRUE(G.gameTitle.empty());
  EXPECT_EQ(G.messageShowing, 1);
  EXPECT_TRUE(h.LogHas("Aucune grille 8x8"));
}

TEST(DeconstructedGridFile, BothStockRowsOfEveryTenByTenGridLieAboveTheToolbar) {
  std::vector<std::string> grids;
  {
    std::stringstream file(ReadFileBytes(std::string(GAME_DIR) + "/bin/grilles.txt"));
    for (std::string line; std::getline(file, line);)
      if (line.rfind("10x10=", 0) == 0) grids.push_back(line);
  }
  if (grids.empty()) GTEST_SKIP() << "grid file not built";
  DeconstructedGrid h(HarnessOptions{});
  int secondRowsSeen = 0;
  for (size_t n = 0; n < grids.size(); ++n) {
    SCOPED_TRACE("grid " + std::to_string(n + 1));
    // Each grid alone in the file, so it is the one drawn.
    h.WriteProgramFile("bin/grilles.txt", grids[n] + "\r\n");
    StartVariant(43);
    h.Tick();
    ASSERT_EQ(G.boardReady, 1);
    // The second stock row ends above the toolbar's buttons (y = 540), and
    // the grid stays under the title.
    const int P = h.P();
    EXPECT_LE(PointOfCell({1, P + 4}).y, 540);
    EXPECT_GT(PointOfCell({1, 1}).y, 40);
    // The lower edge of every tile of the second row is the tile's, not a button's.
    for (int x = 1; x <= 13; ++x) {
      if (CellState(x, P + 3) != 3) continue;
      ++secondRowsSeen;
      const Point edge = PointOfCell({x, P + 3});
      h.MoveTo(edge.x + 15, edge.y + 29);
      h.Tick();
      EXPECT_EQ(G.hoverHot, 0) << "column " << x;
      EXPECT_EQ(CellAtPoint(G.mousePos).y, P + 3);
    }
    h.Key(kVkEscape);
    h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
    h.Click(400, 300);
    h.Run(50);
  }
  EXPECT_GT(secondRowsSeen, 0) << "some grid has more than 13 black squares";
}
