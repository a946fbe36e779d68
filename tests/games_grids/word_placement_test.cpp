// SPDX-License-Identifier: GPL-3.0-or-later
#include <map>
#include <set>

#include "games/grid_games.h"
#include "games/grid_reader.h"
#include "grid_fixture.h"

namespace {

struct WordPlacement : GridGame {
  using GridGame::GridGame;
  Point Palette(char letter) const { return PaletteCell(letter, PaletteRow(G.gameSize)); }
  // Drags from the palette every letter the grid still lacks, but for `skip`.
  void FillSolution(Point skip = {0, 0}) {
    for (int x = 1; x <= G.gameSize; ++x)
      for (int y = 1; y <= G.gameSize; ++y)
        if (SolutionA(x, y) != '*' && LetterAt(x, y) != SolutionA(x, y) && !(Point{x, y} == skip))
          Drag(Palette(SolutionA(x, y)), {x, y});
  }
};

// Under the 12 x 12 grid a palette column below a black square of row 12
// reads as a two-letter down word: A over N, B over O, and so on.
bool LitByThePalette(const std::string& word) {
  if (G.gameSize != 12 || word.size() != 2 || word[0] < 'A' || word[0] > 'M' || word[1] != word[0] + 13) return false;
  return GridGame::SolutionA(word[0] - 'A' + 1, 12) == '*';
}

void ExpectValidBoard(int n) {
  const std::vector<GridWord> words = WordsOfSolution(n, 1);
  std::multiset<std::string> expected, listed(G.wordList.begin(), G.wordList.end());
  for (const GridWord& w : words) expected.insert(w.word);
  EXPECT_EQ(listed, expected);
  for (size_t i = 1; i < G.wordList.size(); ++i) EXPECT_GE(G.wordList[i - 1].size(), G.wordList[i].size());
  for (int x = 1; x <= n; ++x)
    for (int y = 1; y <= n; ++y) {
      const char solution = GridGame::SolutionA(x, y);
      const bool black = solution == '*';
      ASSERT_TRUE(black || (solution >= 'A' && solution <= 'Z'));
      EXPECT_EQ(LetterAt(x, y), black ? '*' : ' ');
      EXPECT_EQ(CellState(x, y), black ? 3 : 4);
      EXPECT_EQ(G.boardPlayable[CellIndex(x, y)], black ? 0 : 1);
    }
  const int p = PaletteRow(n);
  for (int k = 0; k < 26; ++k) {
    EXPECT_EQ(LetterAt(1 + k % 13, p + k / 13), 'A' + k);
    EXPECT_EQ(CellState(1 + k % 13, p + k / 13), 2);
  }
  for (const std::string& word : G.wordList) EXPECT_EQ(WordIsPlaced(word), LitByThePalette(word)) << word;
}

}  // namespace

TEST(WordPlacementBuild, EveryVariantBuildsOnAHundredSeeds) {
  WordPlacement h;
  std::map<uint8_t, std::set<std::vector<std::string>>> lists;
  h.BuildEverySeed({{29, 12}, {30, 10}, {31, 8}, {32, 6}, {95, 12}, {96, 10}, {97, 8}, {98, 6}},
                   [&](uint8_t variant, int size) {
                     ExpectValidBoard(size);
                     lists[variant].insert(G.wordList);
                   });
  for (const auto& [variant, seen] : lists) EXPECT_GT(seen.size(), kSelfTestBuilds / 2u) << "variant " << int(variant);
}

TEST(WordPlacementPlay, DraggingTheLettersLightsTheWordsAndWinsOnce) {
  WordPlacement h;
  h.StartGame(31);
  // Everything but one cell: the words through it stay unlit, the game open.
  const std::vector<GridWord> words = WordsOfSolution(8, 1);
  const Point last = words.front().first;
  h.FillSolution(last);
  EXPECT_EQ(G.gameWon, 0);
  for (const GridWord& w : words) {
    const bool throughLast = w.first.x <= last.x && last.x <= w.last.x && w.first.y <= last.y && last.y <= w.last.y;
    if (!throughLast) {
      EXPECT_TRUE(WordIsPlaced(w.word)) << w.word;
    }
  }
  // A letter from the palette leaves the palette full.
  EXPECT_EQ(LetterAt(1, 10), 'A');
  EXPECT_GT(h.Played(7), 0);
  h.Drag(h.Palette(h.SolutionA(last.x, last.y)), last);
  EXPECT_EQ(G.gameWon, 1);
  h.ExpectScoredOnce(G.variantName[31]);
}

TEST(WordPlacementPlay, EscapeShowsTheSolutionAndTheListGoes) {
  WordPlacement h;
  h.StartGame(29);
  h.GiveUp();
  for (int x = 1; x <= 12; ++x)
    for (int y = 1; y <= 12; ++y) {
      EXPECT_EQ(LetterAt(x, y), h.SolutionA(x, y));
      EXPECT_EQ(h.Colour(x, y), 255);
    }
  h.ExpectClosedAfterTenSeconds();
}

TEST(WordPlacementPlay, MoreThanThirtyWordsGoOnAtX650) {
  WordPlacement h;
  h.StartGame(29);
  ASSERT_GT(G.wordList.size(), 30u);
  const auto firstLineAt = [&](int x) { return h.Area(x, 75, x + 140, 91); };
  const std::vector<uint16_t> first = firstLineAt(500), second = firstLineAt(650);
  const std::vector<std::string> words = G.wordList;
  G.wordList.resize(30);
  h.Tick();
  EXPECT_EQ(firstLineAt(500), first);
  EXPECT_NE(firstLineAt(650), second);
  G.wordList = words;
  h.Tick();
  EXPECT_EQ(firstLineAt(650), second);
}

// The 12 x 12 palette lies right under the grid: a down word ending in row 12
// is read with a palette letter after it and never lights, yet the grid is
// complete without it (and a palette column under a black square reads as a
// two-letter word).
TEST(WordPlacementPlay, DownWordsEndingOnTheTwelveByTwelvePaletteNeverLight) {
  WordPlacement h;
  h.StartGame(95);
  EXPECT_EQ(LetterAt(1, 13), 'A');
  const std::vector<GridWord> words = WordsOfSolution(12, 1);
  // Words that stand somewhere else than at the foot of a column.
  std::set<std::string> elsewhere;
  for (const GridWord& w : words)
    if (!(w.first.x == w.last.x && w.last.y == 12)) elsewhere.insert(w.word);
  h.FillSolution();
  ASSERT_EQ(G.gameWon, 1);
  int unlit = 0;
  for (const GridWord& w : words) {
    EXPECT_EQ(WordIsPlaced(w.word), elsewhere.count(w.word) == 1 || LitByThePalette(w.word)) << w.word;
    unlit += !WordIsPlaced(w.word);
  }
  EXPECT_GT(unlit, 0);
}

TEST(WordPlacementFile, AWordListedTwiceLightsFromEitherOfItsSlots) {
  WordPlacement h(HarnessOptions{});
  h.WriteProgramFile("bin/grilles.txt", "6x6=SE*SE*" + std::string(30, '*') + "\r\n");
  StartVariant(32);
  h.Tick();
  ASSERT_EQ(G.boardReady, 1);
  EXPECT_EQ(G.wordList, (std::vector<std::string>{"SE", "SE"}));
  // Written in the second slot only, the word lights (both entries read it).
  h.Drag(h.Palette('S'), {4, 1});
  EXPECT_FALSE(WordIsPlaced("SE"));
  h.Drag(h.Palette('E'), {5, 1});
  EXPECT_TRUE(WordIsPlaced("SE"));
  EXPECT_EQ(G.gameWon, 0);
  h.Drag(h.Palette('S'), {1, 1});
  h.Drag(h.Palette('E'), {2, 1});
  EXPECT_EQ(G.gameWon, 1);
}

TEST(WordPlacementFile, AGridFileWithoutAUsableGridEndsTheGame) {
  WordPlacement h(HarnessOptions{});
  h.WriteProgramFile("bin/grilles.txt", "6x6=" + std::string(35, 'A') + "-\r\n8x8=" + std::string(64, 'A') + "\r\n");
  StartVariant(32);  // a character outside A-Z
  h.Tick();
  EXPECT_TRUE(G.gameTitle.empty());
  EXPECT_EQ(G.messageShowing, 1);
  EXPECT_TRUE(h.LogHas("Aucune grille 6x6"));
  StartVariant(30);  // no 10 x 10 grid
  h.Tick();
  EXPECT_TRUE(G.gameTitle.empty());
  StartVariant(97);  // no English file at all
  h.Tick();
  EXPECT_TRUE(G.gameTitle.empty());
  h.Tick();
  EXPECT_EQ(G.currentScreen, 1);
}
