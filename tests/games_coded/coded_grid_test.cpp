// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>

#include "catalogue/catalogue.h"
#include "display/drawing.h"
#include "display/play_clock.h"
#include "harness/harness.h"
#include "persistence/history.h"
#include "persistence/saved_games.h"
#include "platform/audio.h"
#include "platform/keys.h"
#include "state/game_state.h"
#include "display/resets.h"

namespace {

int PaletteRowFor(int size) { return size == 12 ? 13 : size + 2; }

struct CodedGrid : Harness {
  explicit CodedGrid(HarnessOptions options = {.realData = true}) : Harness(options) {}
  // These cases play cell by cell, the options page's other way.
  void Open() {
    EXPECT_TRUE(Start());
    Run(4100);
    G.checkBoxes[4].checked = 0;
  }
  void StartGame(uint8_t variant) {
    ClearWavesPlayed();
    StartVariant(variant);
    Tick();
    ASSERT_EQ(G.boardReady, 1);
  }
  // A new game of the variant as StartVariant begins it, without reloading
  // the dictionary, which these games never read.
  void Rebuild(uint8_t variant) {
    ClearWavesPlayed();
    ResetGame();
    ResetBoard();
    G.currentVariant = variant;
    G.gameTitle = G.variantName[variant];
    Tick();
  }
  static Point Centre(Point cell) {
    const Point p = PointOfCell(cell);
    return {p.x + 15, p.y + 15};
  }
  // Drags what lies under one cell onto another, as a player would.
  void Drag(Point fromCell, Point toCell) {
    const Point from = Centre(fromCell), to = Centre(toCell);
    MoveTo(from.x, from.y);
    Tick();
    Press(from.x, from.y);
    Tick();
    MoveTo(to.x, to.y);
    Tick();
    Release(to.x, to.y);
    Tick();
  }
  Point PaletteCell(char letter) const {
    const int k = letter - 'A';
    return {1 + k % 13, PaletteRowFor(G.gameSize) + k / 13};
  }
  void DropLetter(char letter, Point cell) { Drag(PaletteCell(letter), cell); }
  static char Letter(int x, int y) { return static_cast<char>(G.boardLetters[CellIndex(x, y)]); }
  static char Solution(int x, int y) { return static_cast<char>(G.answerGridB[CellIndex(x, y)]); }
  // Fills every open cell that does not yet hold its solution letter.
  void FillSolution() {
    for (int x = 1; x <= G.gameSize; ++x)
      for (int y = 1; y <= G.gameSize; ++y)
        if (Solution(x, y) != '*' && Letter(x, y) != Solution(x, y)) DropLetter(Solution(x, y), {x, y});
  }
  int Played(int wave) const {
    return static_cast<int>(std::count(WavesPlayed().begin(), WavesPlayed().end(), wave));
  }
};

// Everything the build promises about one freshly built board of side n.
void ExpectValidBoard(int n, const std::string& context) {
  SCOPED_TRACE(context);
  ASSERT_EQ(G.gameSize, n);
  ASSERT_EQ(G.wordList.size(), 26u);
  std::set<int> codes;
  for (const std::string& entry : G.wordList) codes.insert(std::stoi(entry));
  EXPECT_EQ(codes.size(), 26u);
  EXPECT_EQ(*codes.begin(), 1);
  EXPECT_EQ(*codes.rbegin(), 26);
  int open = 0;
  for (int x = 1; x <= n; ++x)
    for (int y = 1; y <= n; ++y) {
      const int at = CellIndex(x, y);
      const char solution = static_cast<char>(G.answerGridB[at]);
      const char shown = static_cast<char>(G.boardLetters[at]);
      if (solution == '*') {
        EXPECT_EQ(shown, '*');
        EXPECT_EQ(CellState(x, y), 3);
        EXPECT_EQ(G.answerGridA[at], 100);
        EXPECT_EQ(G.boardPlayable[at], 0);
        EXPECT_EQ(G.boardPickable[at], 0);
        continue;
      }
      ++open;
      ASSERT_TRUE(solution >= 'A' && solution <= 'Z') << x << "," << y;
      EXPECT_EQ(G.answerGridA[at], std::stoi(G.wordList[solution - 'A']));
      EXPECT_EQ(shown, (y == 1 && x <= 4) ? solution : ' ') << x << "," << y;
      EXPECT_EQ(CellState(x, y), 4);
      EXPECT_EQ(G.boardPlayable[at], 1);
      EXPECT_EQ(G.boardPickable[at], 1);
    }
  EXPECT_GT(open, n);
  // Outside the grid nothing is written but the palette.
  for (int y = 1; y <= n; ++y) EXPECT_EQ(G.boardLetters[CellIndex(n + 1, y)], '*');
  const int p = PaletteRowFor(n);
  for (int k = 0; k < 26; ++k) {
    const int x = 1 + k % 13, y = p + k / 13;
    EXPECT_EQ(G.boardLetters[CellIndex(x, y)], 'A' + k);
    EXPECT_EQ(CellState(x, y), 2);
    EXPECT_EQ(G.boardPlayable[CellIndex(x, y)], 1);
  }
  EXPECT_EQ(G.boardLetters[CellIndex(14, p)], '*');
}

}  // namespace

TEST(CodedGridBuild, EveryVariantBuildsAHundredValidBoards) {
  CodedGrid h;
  h.Open();
  const struct {
    uint8_t variant;
    int size;
  } variants[] = {{1, 12}, {2, 10}, {3, 8}, {92, 12}, {93, 10}, {94, 8}};
  for (const auto& [variant, size] : variants) {
    std::set<std::string> grids;
    h.StartGame(variant);
    for (int build = 0; build < kSelfTestBuilds; ++build) {
      if (build > 0) h.Rebuild(variant);
      ASSERT_EQ(G.boardReady, 1);
      const std::string context = "variant " + std::to_string(variant) + " build " + std::to_string(build);
      ExpectValidBoard(size, context);
      EXPECT_EQ(G.gameTitle.str(), G.variantName[variant]);
      EXPECT_EQ(G.gameWon, 0);
      ASSERT_GE(WavesPlayed().size(), 2u);
      EXPECT_EQ(WavesPlayed()[0], 1);
      EXPECT_EQ(WavesPlayed()[1], 0);
      std::string grid;
      for (int x = 1; x <= size; ++x)
        for (int y = 1; y <= size; ++y) grid += static_cast<char>(G.answerGridB[CellIndex(x, y)]);
      grids.insert(grid);
      if (::testing::Test::HasFatalFailure()) return;
      h.Run(10 * (build % 7 + 1));
    }
    EXPECT_GT(grids.size(), 1u) << "variant " << int(variant);
  }
}

TEST(CodedGridBuild, PaletteRowsSitUnderEachGridSize) {
  CodedGrid h;
  h.Open();
  h.StartGame(1);
  EXPECT_EQ(G.boardLetters[CellIndex(1, 13)], 'A');
  EXPECT_EQ(G.boardLetters[CellIndex(13, 14)], 'Z');
  h.StartGame(2);
  EXPECT_EQ(G.boardLetters[CellIndex(1, 11)], '*');
  EXPECT_EQ(G.boardLetters[CellIndex(1, 12)], 'A');
  EXPECT_EQ(G.boardLetters[CellIndex(13, 13)], 'Z');
  h.StartGame(94);
  EXPECT_EQ(G.boardLetters[CellIndex(1, 9)], '*');
  EXPECT_EQ(G.boardLetters[CellIndex(1, 10)], 'A');
  EXPECT_EQ(G.boardLetters[CellIndex(13, 11)], 'Z');
}

TEST(CodedGridPlay, DraggingTheDeducedLettersWinsAndThePaletteStaysFull) {
  CodedGrid h;
  h.Open();
  h.StartGame(3);
  h.FillSolution();
  for (int k = 0; k < 26; ++k) {
    const Point cell = h.PaletteCell('A' + k);
    EXPECT_EQ(G.boardLetters[CellIndex(cell.x, cell.y)], 'A' + k);
  }
  EXPECT_GT(h.Played(7), 0);
  EXPECT_EQ(G.gameWon, 1);
  h.Run(300);
  EXPECT_EQ(h.Played(11), 1);
  h.Click(400, 450);
  EXPECT_TRUE(G.gameTitle.empty());
}

TEST(CodedGridPlay, AWrongLetterKeepsTheGridUnsolvedUntilReplaced) {
  CodedGrid h;
  h.Open();
  h.StartGame(93);
  // The first hidden cell gets a wrong letter, the rest the right ones.
  Point wrongCell{0, 0};
  for (int y = 1; y <= G.gameSize && wrongCell.x == 0; ++y)
    for (int x = 1; x <= G.gameSize && wrongCell.x == 0; ++x)
      if (h.Letter(x, y) == ' ') wrongCell = {x, y};
  ASSERT_NE(wrongCell.x, 0);
  const char right = h.Solution(wrongCell.x, wrongCell.y);
  const char wrong = right == 'A' ? 'B' : 'A';
  h.DropLetter(wrong, wrongCell);
  EXPECT_EQ(h.Letter(wrongCell.x, wrongCell.y), wrong);
  for (int x = 1; x <= G.gameSize; ++x)
    for (int y = 1; y <= G.gameSize; ++y)
      if (h.Letter(x, y) == ' ') h.DropLetter(h.Solution(x, y), {x, y});
  h.Tick(5);
  EXPECT_EQ(G.gameWon, 0);
  // Dropping on a filled cell replaces its letter.
  h.DropLetter(right, wrongCell);
  EXPECT_EQ(h.Letter(wrongCell.x, wrongCell.y), right);
  EXPECT_EQ(G.gameWon, 1);
}

TEST(CodedGridPlay, AGivenLetterMovedOffTheGridIsLostAndMustComeBack) {
  CodedGrid h;
  h.Open();
  h.StartGame(2);
  const char given = h.Solution(1, 1);
  ASSERT_NE(given, '*');
  ASSERT_EQ(h.Letter(1, 1), given);
  // Dropped on the empty board right of the grid: the letter is gone.
  h.Drag({1, 1}, {18, 5});
  h.Tick(60);
  EXPECT_EQ(h.Letter(1, 1), ' ');
  EXPECT_EQ(h.Letter(18, 5), '*');
  EXPECT_EQ(G.lettersHeld, 0);
  h.FillSolution();
  EXPECT_EQ(G.gameWon, 1);
}

TEST(CodedGridPlay, AGivenLetterIsReplacedByADroppedOne) {
  CodedGrid h;
  h.Open();
  h.StartGame(1);
  const char given = h.Solution(2, 1);
  const char other = given == 'Z' ? 'Y' : 'Z';
  h.DropLetter(other, {2, 1});
  EXPECT_EQ(h.Letter(2, 1), other);
  // A letter dropped on the palette is lost and the palette is whole again.
  h.Drag({2, 1}, h.PaletteCell('A'));
  h.Tick();
  EXPECT_EQ(h.Letter(2, 1), ' ');
  EXPECT_EQ(G.boardLetters[CellIndex(1, 13)], 'A');
  h.FillSolution();
  EXPECT_EQ(G.gameWon, 1);
}

TEST(CodedGridPlay, BlackSquaresCannotBePickedUp) {
  CodedGrid h;
  h.Open();
  h.StartGame(3);
  Point black{0, 0};
  for (int x = 1; x <= 8 && black.x == 0; ++x)
    for (int y = 1; y <= 8 && black.x == 0; ++y)
      if (h.Solution(x, y) == '*') black = {x, y};
  ASSERT_NE(black.x, 0);
  const Point p = CodedGrid::Centre(black);
  h.MoveTo(p.x, p.y);
  h.Tick();
  h.Press(p.x, p.y);
  h.Tick();
  EXPECT_EQ(G.lettersHeld, 0);
  h.Release(p.x, p.y);
  h.Tick();
  EXPECT_EQ(h.Letter(black.x, black.y), '*');
}

TEST(CodedGridPlay, EscapeShowsTheSolutionAndTheGameClosesTenSecondsLater) {
  CodedGrid h;
  h.Open();
  h.StartGame(92);
  h.Key(kVkEscape);
  h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
  EXPECT_EQ(G.gameLost, 1);
  h.Tick();
  for (int x = 1; x <= 12; ++x)
    for (int y = 1; y <= 12; ++y) {
      EXPECT_EQ(h.Letter(x, y), h.Solution(x, y));
      EXPECT_EQ(G.boardCellColour[CellIndex(x, y)], 255);
    }
  // The shown solution is not a win.
  EXPECT_EQ(G.gameWon, 0);
  h.Run(9000);
  EXPECT_FALSE(G.gameTitle.empty());
  h.Run(1100);
  EXPECT_TRUE(G.gameTitle.empty());
  EXPECT_EQ(h.Played(12), 1);
  EXPECT_EQ(h.Played(11), 0);
}

TEST(CodedGridFile, TheLastGridOfASizeIsNeverChosen) {
  CodedGrid h(HarnessOptions{});
  const std::string first = "ABCDEFGH" + std::string("*") + std::string(55, 'E');
  const std::string last = std::string(64, 'Z');
  h.WriteProgramFile("bin/grilles.txt", "6x6=" + std::string(36, 'A') + "\r\n8x8=" + first + "\r\n8x8=" + last + "\r\n");
  h.Open();
  for (int build = 0; build < 20; ++build) {
    h.StartGame(3);
    EXPECT_EQ(h.Solution(1, 1), 'A');
    EXPECT_EQ(h.Solution(1, 2), '*');  // the ninth cell, first of the second row
    EXPECT_EQ(h.Solution(8, 1), 'H');
    EXPECT_EQ(h.Letter(4, 1), 'D');
    EXPECT_EQ(h.Letter(5, 1), ' ');
    h.Run(30);
  }
}

TEST(CodedGridFile, NoGridOfTheSizeEndsTheGameWithAMessage) {
  CodedGrid h(HarnessOptions{});
  h.WriteProgramFile("bin/grilles.txt", "6x6=" + std::string(36, 'A') + "\r\n");
  h.Open();
  StartVariant(2);
  h.Tick();
  EXPECT_TRUE(G.gameTitle.empty());
  EXPECT_EQ(G.messageShowing, 1);
  StartVariant(93);  // no English file at all
  h.Tick();
  EXPECT_TRUE(G.gameTitle.empty());
  EXPECT_EQ(G.messageShowing, 1);
  h.Tick();
  EXPECT_EQ(G.currentScreen, 1);
}

TEST(CodedGridFile, AGridWithACharacterThePaletteLacksIsNotBuilt) {
  CodedGrid h(HarnessOptions{});
  h.WriteProgramFile("bin/grilles.txt", "8x8=" + std::string(63, 'A') + "e\r\n");
  h.Open();
  StartVariant(3);
  h.Tick();
  EXPECT_TRUE(G.gameTitle.empty());
  EXPECT_EQ(G.messageShowing, 1);
}

// Moves taken back to the first board (its planes and slots, byte for
// byte), Escape twice keeps the game, then a coded grid, a hangman, an
// anagram and a third word won by hints alone: the banner names them, the
// won time holds their penalties, the record counts them, and each of the
// hangman's is a miss.
TEST(Helps, HintsAloneWinAndPayUndoGoesBackToTheStartEscapeTwiceKeepsTheGame) {
  CodedGrid h;
  h.Open();
  h.StartGame(1);
  const std::string first = SavedRecords().substr(24, sizeof(BoardRecord) - 24);
  for (int x = 1; x <= 12; ++x) if (G.boardPlayable[CellIndex(x, 3)]) h.DropLetter('A', {x, 3});
  // Every move taken back, then Escape twice: asked, then answered "keep".
  for (size_t keys = G.undoBoards.size() + 2; keys > 0; --keys) h.Key(keys > 2 ? kVkUndo : kVkEscape);
  EXPECT_TRUE(SavedRecords().substr(24, sizeof(BoardRecord) - 24) == first);
  h.Key(kVkHint), h.Key(kVkCheck);  // the helps used go with a save and come back with it
  const HelpTally used = G.helps;
  ASSERT_TRUE(SaveGame(false));
  G.helps = {};
  ResumeSavedGame(std::filesystem::directory_iterator(h.dataPrefix + "SAVE")->path().stem().string());
  EXPECT_TRUE(G.helps == used && used.hints == 1 && used.checks == 1);
  for (int game : {1, 10, 18, 25}) {
    if (game != 1) StartVariant(static_cast<uint8_t>(game)), h.Run(2000);
    for (int keys = 0; keys < 200 && !G.gameWon; ++keys) h.Key(kVkHint), h.Tick();
    EXPECT_NE(HelpsUsedText().find(std::to_string(G.helps.hints) + " indices"), std::string::npos);
    h.Click(400, 450);
    const PlayedGame& p = PlayedGames().back();
    EXPECT_TRUE(p.seconds >= 30 * p.hints && p.hints == G.helps.hints && (game != 10 || G.gameSize == p.hints));
  }
}
