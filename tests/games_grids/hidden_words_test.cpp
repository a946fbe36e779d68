// SPDX-License-Identifier: GPL-3.0-or-later
#include <map>
#include <set>

#include "games/game_routines.h"
#include "persistence/saved_games.h"
#include "grid_fixture.h"

namespace {

struct HiddenWords : GridGame {
  using GridGame::GridGame;
  void Select(Point first, Point last) { Drag(first, last); }
  // Positions 1-4 of a found entry: the cells as letters, 'A' for 1.
  static std::string Cells(Point first, Point last) {
    return {static_cast<char>('@' + first.x), static_cast<char>('@' + first.y), static_cast<char>('@' + last.x),
            static_cast<char>('@' + last.y)};
  }
  static bool Found(const std::string& entry) { return entry[4] == '1'; }
  static int FoundCount() {
    int found = 0;
    for (const std::string& entry : G.wordList) found += Found(entry);
    return found;
  }
  // The entry of the word, or nullptr.
  static const std::string* EntryOf(const std::string& word) {
    for (const std::string& entry : G.wordList)
      if (entry.substr(5) == word) return &entry;
    return nullptr;
  }
};

void ExpectValidBoard(int n) {
  std::set<std::string> words;
  for (const GridWord& w : WordsOfSolution(n, 1)) words.insert(w.word);
  std::set<std::string> listed;
  for (const std::string& entry : G.wordList) {
    ASSERT_GT(entry.size(), 6u);
    EXPECT_EQ(entry.substr(0, 5), "    0");
    listed.insert(entry.substr(5));
  }
  EXPECT_EQ(listed.size(), G.wordList.size()) << "a word is listed twice";
  EXPECT_EQ(listed, words);
  for (int x = 1; x <= n; ++x)
    for (int y = 1; y <= n; ++y) {
      const char solution = GridGame::SolutionA(x, y), shown = LetterAt(x, y);
      if (solution == '*') EXPECT_TRUE(shown >= 'A' && shown <= 'Y') << shown;
      else EXPECT_EQ(shown, solution);
      EXPECT_EQ(CellState(x, y), 4);
      EXPECT_EQ(G.boardPlayable[CellIndex(x, y)], 1);
    }
  EXPECT_EQ(LetterAt(n + 1, 1), '*');
}

}  // namespace

TEST(HiddenWordsBuild, EveryVariantBuildsOnAHundredSeeds) {
  HiddenWords h;
  std::map<uint8_t, std::set<std::vector<std::string>>> lists;
  h.BuildEverySeed({{33, 12}, {34, 10}, {35, 8}, {36, 6}, {99, 12}, {100, 10}, {101, 8}, {102, 6}},
                   [&](uint8_t variant, int size) {
                     ExpectValidBoard(size);
                     lists[variant].insert(G.wordList);
                   });
  for (const auto& [variant, seen] : lists) EXPECT_GT(seen.size(), kSelfTestBuilds / 2u) << "variant " << int(variant);
}

TEST(HiddenWordsPlay, SelectingEveryWordWinsOnceAndFramesItsWord) {
  HiddenWords h;
  h.StartGame(35);
  std::set<std::string> selected;
  for (const GridWord& w : WordsOfSolution(8, 1)) {
    if (!selected.insert(w.word).second) continue;
    const int before = HiddenWords::FoundCount();
    h.Select(w.first, w.last);
    if (G.gameWon) break;
    EXPECT_EQ(HiddenWords::FoundCount(), before + 1) << w.word;
    const std::string* entry = HiddenWords::EntryOf(w.word);
    ASSERT_NE(entry, nullptr);
    // Where a word is found twice in the square, the frame goes where it was
    // selected.
    EXPECT_EQ(entry->substr(0, 4), HiddenWords::Cells(w.first, w.last));
  }
  EXPECT_EQ(G.gameWon, 1);
  EXPECT_EQ(h.Played(7), static_cast<int>(G.wordList.size()));
  h.ExpectScoredOnce(G.variantName[35]);
}

TEST(HiddenWordsPlay, BackwardsSelectionsAndNonWordsFindNothing) {
  HiddenWords h;
  h.StartGame(101);
  const std::vector<GridWord> words = WordsOfSolution(8, 1);
  const GridWord* across = nullptr;
  const GridWord* down = nullptr;
  for (const GridWord& w : words) (w.first.y == w.last.y ? across : down) = &w;
  ASSERT_TRUE(across && down);
  h.Select(across->last, across->first);
  h.Select(down->last, down->first);
  EXPECT_EQ(HiddenWords::FoundCount(), 0);
  // Released off the start's row and column: no word is read.
  h.Select(across->first, {across->last.x, across->last.y + (across->last.y < 8 ? 1 : -1)});
  EXPECT_EQ(HiddenWords::FoundCount(), 0);
  EXPECT_EQ(G.lettersHeld, 0);
  // A single cell reads its own letter, never a listed word.
  h.Select(across->first, across->first);
  EXPECT_EQ(HiddenWords::FoundCount(), 0);
  h.Select(across->first, across->last);
  EXPECT_EQ(HiddenWords::FoundCount(), 1);
  // Found once: selecting it again changes nothing.
  h.Select(across->first, across->last);
  EXPECT_EQ(HiddenWords::FoundCount(), 1);
  EXPECT_EQ(h.Played(7), 1);
}

TEST(HiddenWordsPlay, TheFrameEndsOnTheLastLetterEvenIfThePointerMovesOnAtOnce) {
  HiddenWords h;
  h.StartGame(36);
  const GridWord w = WordsOfSolution(6, 1).back();  // a down word
  ASSERT_EQ(w.first.x, w.last.x);
  const Point from = CellCentre(w.first), to = CellCentre(w.last);
  h.MoveTo(from.x, from.y);
  h.Tick();
  h.Press(from.x, from.y);
  h.Tick();
  h.MoveTo(to.x, to.y);
  h.Tick();
  h.Release(to.x, to.y);
  h.MoveTo(700, 300);  // before the next frame
  h.Tick();
  const std::string* entry = HiddenWords::EntryOf(w.word);
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(*entry, HiddenWords::Cells(w.first, w.last) + "1" + w.word);
}

TEST(HiddenWordsPlay, FramesAreBlueDownRedAcrossAndBothBlueForOneLetter) {
  HiddenWords h;
  h.StartGame(34);
  const auto colourNear = [&](int x, int y, uint32_t colour) {
    for (int dx = -2; dx <= 2; ++dx)
      if (h.Pixel(x + dx, y) == colour) return true;
    return false;
  };
  constexpr uint32_t kBlue = 0xFF0000, kRed = 0x0000FF;
  // With a word left to find the game goes on, and no banner covers the board.
  const auto drawn = [&](const std::string& entry) {
    G.wordList = {entry, "    0ZZ"};
    h.Tick();
  };
  // Down from (2, 2) to (2, 4): blue, right edge 24 px into the cell.
  drawn(HiddenWords::Cells({2, 2}, {2, 4}) + "1ABC");
  Point p = PointOfCell({2, 3});
  EXPECT_TRUE(colourNear(p.x + 3, p.y + 15, kBlue));
  EXPECT_TRUE(colourNear(p.x + 24, p.y + 15, kBlue));
  // Across from (2, 2) to (4, 2): red, right edge 20 px into the last cell.
  drawn(HiddenWords::Cells({2, 2}, {4, 2}) + "1ABC");
  p = PointOfCell({4, 2});
  EXPECT_TRUE(colourNear(p.x + 20, p.y + 18, kRed));
  EXPECT_FALSE(colourNear(p.x + 24, p.y + 18, kBlue));
  // One letter: both rectangles, both blue.
  drawn(HiddenWords::Cells({5, 5}, {5, 5}) + "1Q");
  p = PointOfCell({5, 5});
  EXPECT_TRUE(colourNear(p.x + 20, p.y + 18, kBlue));
  EXPECT_TRUE(colourNear(p.x + 24, p.y + 18, kBlue));
  EXPECT_FALSE(colourNear(p.x + 20, p.y + 18, kRed));
}

// Cells 10 and 13 would be line breaks if kept as their own character codes.
TEST(HiddenWordsPlay, FoundWordsSurviveASavedGame) {
  HiddenWords h;
  h.StartGame(34);
  for (const GridWord& w : WordsOfSolution(10, 1))
    if (w.last.x == 10 || w.last.y == 10) h.Select(w.first, w.last);
  ASSERT_GT(HiddenWords::FoundCount(), 0);
  const std::vector<std::string> list = G.wordList;
  SaveGame(true);
  LoadGame("Boss");
  h.Tick();
  EXPECT_EQ(G.wordList, list);
  EXPECT_EQ(G.boardReady, 1);
  for (const GridWord& w : WordsOfSolution(10, 1))
    if (!G.gameWon) h.Select(w.first, w.last);
  EXPECT_EQ(G.gameWon, 1);
}

TEST(HiddenWordsPlay, EscapeShowsTheCrosswordWithoutItsFillerLetters) {
  HiddenWords h;
  h.StartGame(99);
  h.GiveUp();
  for (int x = 1; x <= 12; ++x)
    for (int y = 1; y <= 12; ++y) {
      EXPECT_EQ(LetterAt(x, y), h.SolutionA(x, y));
      EXPECT_EQ(h.Colour(x, y), 255);
    }
  // Nothing found and no list drawn: still not a win.
  h.Tick(5);
  h.ExpectClosedAfterTenSeconds();
}

TEST(HiddenWordsFile, ARepeatedWordIsListedAndFoundOnceAndAWordlessGridIsWonAtOnce) {
  HiddenWords h(HarnessOptions{});
  h.WriteProgramFile("bin/grilles.txt",
                     "6x6=SE*SE*" + std::string(30, '*') + "\r\n8x8=" + std::string(64, '*') + "\r\n");
  StartVariant(36);
  h.Tick();
  ASSERT_EQ(G.boardReady, 1);
  EXPECT_EQ(G.wordList, (std::vector<std::string>{"    0SE"}));
  h.Select({4, 1}, {5, 1});
  EXPECT_EQ(G.gameWon, 1);
  EXPECT_EQ(G.wordList[0], "DAEA1SE");
  StartVariant(35);
  h.Tick();
  EXPECT_EQ(G.wordList.size(), 0u);
  EXPECT_EQ(G.gameWon, 1);
}

TEST(HiddenWordsFile, AWordReadingBothWaysIsFramedTheWayItWasSelected) {
  HiddenWords h(HarnessOptions{});
  h.WriteProgramFile("bin/grilles.txt", "6x6=ES****S*****" + std::string(24, '*') + "\r\n");
  StartVariant(36);
  h.Tick();
  ASSERT_EQ(G.boardReady, 1);
  ASSERT_EQ(G.wordList, (std::vector<std::string>{"    0ES"}));
  h.Select({1, 1}, {1, 2});
  EXPECT_EQ(G.gameWon, 1);
  EXPECT_EQ(G.wordList[0], "AAAB1ES");
  EXPECT_EQ(G.heldHorizontal, 1);
}
