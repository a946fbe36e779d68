// SPDX-License-Identifier: GPL-3.0-or-later
// Playing from the keyboard: once a game is chosen, typed letters, Backspace,
// Space and the arrows play it through the board's own pick-up and drop.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "catalogue/screen_actions.h"
#include "catalogue/catalogue.h"
#include "catalogue/screens.h"
#include "display/drawing.h"
#include "games/keyboard_play.h"
#include "harness/board_play.h"
#include "harness/harness.h"
#include "platform/audio.h"
#include "platform/keys.h"
#include "state/game_state.h"

#include "proverb_files.h"

namespace {

struct Keyboard : Harness {
  // A small dictionary and proverb files, or the real data when none is given.
  explicit Keyboard(bool realData = false) : Harness(HarnessOptions{.realData = realData}) {
    if (!realData) {
      WriteProgramFile("bin/DicoFrancais.txt", "ABRICOTS\r\nORANGE\r\nONAGRE\r\nABRIS\r\nCOTES\r\n");
      WriteProverbFiles(*this);
    }
    EXPECT_TRUE(Start());
    Run(4100);
  }
  void StartGame(uint8_t variant) {
    ClearWavesPlayed();
    StartVariant(variant);
    for (int t = 0; t < 3000 && !G.boardReady && !G.gameTitle.empty(); ++t) Tick();
    ASSERT_EQ(G.boardReady, 1);
    Tick();
  }
  // A hangman letter typed, then its sweeps run out.
  void Guess(char letter) {
    Type(std::string(1, letter));
    Tick();
    for (int t = 0; t < 3000 && G.gameChar != ' '; ++t) Tick();
  }
  void ClickCell(Point cell) {
    const Point p = CellCentre(cell);
    MoveTo(p.x, p.y);
    Tick();
    Click(p.x, p.y);
    Tick();
  }
  // Letters typed one a frame, as a hand types them.
  void TypeEach(const std::string& letters) {
    for (char c : letters) {
      Type(std::string(1, c));
      Tick();
    }
  }
  // The whole board's letters, to see that nothing moved.
  static std::string Board() { return std::string(G.boardLetters, G.boardLetters + 441); }
};

char Solution(int x, int y) { return static_cast<char>(G.answerGridB[CellIndex(x, y)]); }

}  // namespace

TEST(KeyboardPlay, HangmenAndMonthProverbsAreWonByTypingAndPagesKeepTheirKeys) {
  Keyboard h;
  // A hangman: a typed letter is a click on its key, a miss counts once and
  // a letter already tried is refused.
  h.StartGame(10);
  EXPECT_FALSE(G.keyCursor.placed);
  h.Guess('Z');
  EXPECT_EQ(G.gameSize, 1);
  h.Guess('Z');
  EXPECT_EQ(G.gameSize, 1);
  for (char c : std::string("ABRICOTS")) h.Guess(c);
  EXPECT_EQ(G.wordSlots[1].str(), "ABRICOTS");
  EXPECT_EQ(G.gameWon, 1);
  EXPECT_EQ(G.gameSize, 1);

  // A proverb hangman, typed as the player reads it.
  h.StartGame(69);
  for (char c : std::string("PETIALOSUFND")) h.Guess(c);
  EXPECT_EQ(G.wordSlots[1].str(), G.wordSlots[0].str());
  EXPECT_EQ(G.gameWon, 1);

  // A proverb of the month: the cursor starts on the first gap; a wrong
  // letter is taken back with Backspace, then the gaps are typed in order.
  h.StartGame(80);
  std::string gaps;
  Point first{0, 0};
  for (int y = 6; y <= 10; ++y)
    for (int x = 1; x <= 20; ++x)
      if (LetterAt(x, y) == ' ') {
        if (first.x == 0) first = {x, y};
        gaps += G.wordSlots[0].str()[(y - 6) * 20 + x - 1];
      }
  ASSERT_FALSE(gaps.empty());
  EXPECT_EQ(G.keyCursor.cell, first);
  h.Type("Q");
  h.Tick();
  EXPECT_EQ(LetterAt(first.x, first.y), 'Q');
  h.Key(kVkBack);
  h.Tick();
  EXPECT_EQ(LetterAt(first.x, first.y), ' ');
  EXPECT_EQ(G.keyCursor.cell, first);
  h.TypeEach(gaps);
  EXPECT_EQ(G.gameWon, 1);

  // On the player's page and the search page, letters go to the page.
  h.StartGame(18);
  const std::string board = Keyboard::Board();
  for (int page : {6, 8}) {
    ScreenAction(page);
    h.Tick();
    h.Type("AB");
    h.TypeText("no");
    h.Tick();
    EXPECT_NE(G.typedText.find("ABNO"), std::string::npos) << page;
    EXPECT_EQ(Keyboard::Board(), board);
    h.Key(kVkEscape);
    h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
    h.Tick();
  }
  EXPECT_EQ(G.currentScreen, 0);
  EXPECT_EQ(G.gameLost, 0);
}

TEST(KeyboardPlay, AnagramPasswordAndWordRowsAreWonByTypingWithBackspaceAndRefusals) {
  Keyboard h;
  h.StartGame(18);
  const int start = 7;
  const std::string answer = G.wordSlots[1].str();
  ASSERT_EQ(answer.size(), 6u);
  EXPECT_EQ(G.keyCursor.cell, (Point{start, 11}));
  const std::string pool = RowAt(start, 10, 6);
  // A letter the pool lacks: nothing moves, the refusal sounds and the
  // frame is marked.
  const std::string board = Keyboard::Board();
  ClearWavesPlayed();
  h.TypeText("z");
  h.Tick();
  EXPECT_EQ(Keyboard::Board(), board);
  EXPECT_EQ(G.letterFlying, 0);
  EXPECT_EQ(WavesPlayed(), std::vector<int>{2});
  EXPECT_NE(G.keyCursor.refusedAt, 0u);
  // Text typed while a letter flies home is refused with its sign, not dropped.
  G.letterFlying = 1;
  ClearWavesPlayed();
  PlayTypedText("A");
  EXPECT_EQ(WavesPlayed(), std::vector<int>{2});
  G.letterFlying = 0;
  // A letter typed and taken back returns to the pool.
  h.Type(answer.substr(0, 1));
  h.Tick();
  EXPECT_EQ(LetterAt(start, 11), answer[0]);
  EXPECT_EQ(G.keyCursor.cell, (Point{start + 1, 11}));
  h.Key(kVkBack);
  h.Tick();
  EXPECT_EQ(RowAt(start, 11, 6), "      ");
  EXPECT_TRUE(SameLetters(RowAt(start, 10, 6), pool));
  EXPECT_EQ(G.keyCursor.cell, (Point{start, 11}));
  // A letter the mouse drops on the third cell: the cursor follows it on.
  DragCells(h, {start, 10}, {start + 2, 11});
  h.Tick();
  EXPECT_EQ(G.keyCursor.cell, (Point{start + 3, 11}));
  h.Key(kVkBack);
  h.Tick();
  h.ClickCell({start, 11});
  h.TypeText(answer);
  h.Tick();
  EXPECT_EQ(RowAt(start, 11, 6), answer);
  EXPECT_EQ(G.gameWon, 1);

  // The password: one gap a row, the letters from column 2.
  h.StartGame(13);
  const std::string password = G.wordSlots[0].str();
  ASSERT_EQ(password.size(), 8u);
  const Point gap = G.keyCursor.cell;
  EXPECT_EQ(gap.y, 3);
  h.Type(password.substr(0, 1));
  h.Tick();
  EXPECT_EQ(LetterAt(gap.x, gap.y), password[0]);
  EXPECT_EQ(G.keyCursor.cell.y, 4);
  h.Key(kVkBack);
  h.Tick();
  EXPECT_EQ(LetterAt(gap.x, gap.y), ' ');
  EXPECT_TRUE(SameLetters(ColumnAt(2, 3, 8), password));
  h.Type(password);
  h.Tick();
  EXPECT_EQ(G.wordSlots[18].str(), password);
  EXPECT_EQ(G.gameWon, 1);

  // ZERUZE: a row typed and judged, the cursor goes on to the next row.
  h.StartGame(51);
  const std::string word = G.wordSlots[0].str();
  const std::string other = word == "ORANGE" ? "ONAGRE" : "ORANGE";
  EXPECT_EQ(G.keyCursor.cell, (Point{8, 7}));
  // Backspace never lands on the given first letter; typing goes on.
  h.Key(kVkBack);
  EXPECT_EQ(G.keyCursor.cell, (Point{8, 7}));
  h.TypeEach(other.substr(1));
  h.Tick();
  EXPECT_EQ(RowAt(7, 7, 6), other);
  EXPECT_EQ(G.keyCursor.cell, (Point{8, 8}));
  h.TypeEach(word.substr(1));
  h.Tick();
  EXPECT_EQ(G.gameWon, 1);
}

TEST(KeyboardPlay, CodedGridIsWonRunByRunBlackTilesAreTypedAndMouseOnlyGamesIgnoreLetters) {
  Keyboard h(true);
  G.checkBoxes[4].checked = 0;  // cell by cell
  h.StartGame(3);
  ASSERT_EQ(G.gameSize, 8);
  // The cursor's frame stands on the first empty cell.
  const Point p = PointOfCell(G.keyCursor.cell);
  const uint32_t edge = h.Pixel(p.x - 5, p.y + 18);
  EXPECT_GT(edge & 0xFF, 0xC0u);
  EXPECT_GT((edge >> 8) & 0xFF, 0xC0u);
  EXPECT_LT((edge >> 16) & 0xFF, 0x40u);
  bool tookBack = false;
  for (int y = 1; y <= 8; ++y)
    for (int x = 1; x <= 8; ++x) {
      if (Solution(x, y) == '*' || (x > 1 && Solution(x - 1, y) != '*')) continue;
      std::string run;
      for (int i = x; i <= 8 && Solution(i, y) != '*'; ++i) run += Solution(i, y);
      // The given letters (row 1, columns 1 to 4) are passed over, never typed.
      if (y == 1 && x <= 4) {
        const int skip = std::min<int>(5 - x, static_cast<int>(run.size()));
        run.erase(0, skip);
        x += skip;
        if (run.empty()) continue;
      }
      h.ClickCell({x, y});
      EXPECT_EQ(G.keyCursor.cell, (Point{x, y}));
      h.Type(run);
      h.Tick();
      EXPECT_EQ(RowAt(x, y, static_cast<int>(run.size())), run);
      if (!tookBack && run.size() >= 2) {
        // Backspace takes the run's last letter back to the palette.
        tookBack = true;
        const int last = x + static_cast<int>(run.size()) - 1;
        h.Key(kVkBack);
        h.Tick();
        EXPECT_EQ(LetterAt(last, y), ' ');
        EXPECT_EQ(G.keyCursor.cell, (Point{last, y}));
        h.Type(run.substr(run.size() - 1));
        h.Tick();
      }
    }
  EXPECT_TRUE(tookBack);
  EXPECT_EQ(G.gameWon, 1);

  // Space turns the cursor down: letters then go down the grid.
  h.StartGame(3);
  const Point before = G.keyCursor.cell;
  h.Type(" ");
  h.Key(kVkDown);
  h.Tick();
  EXPECT_TRUE(G.keyCursor.down);
  EXPECT_GT(G.keyCursor.cell.y, before.y);

  // The deconstructed grid: '*' puts the stock's next black tile on the
  // cursor's cell, Backspace sends it back to the stock.
  h.StartGame(45);
  const auto stock = [] {
    int tiles = 0;
    for (int x = 1; x <= 13; ++x)
      for (int y = G.gameSize + 1; y <= 20; ++y) tiles += LetterAt(x, y) == '*' && CellState(x, y) == 3;
    return tiles;
  };
  const Point at = G.keyCursor.cell;
  const int tiles = stock();
  h.TypeText("*");
  h.Tick();
  EXPECT_EQ(LetterAt(at.x, at.y), '*');
  EXPECT_EQ(CellState(at.x, at.y), 3);
  EXPECT_EQ(stock(), tiles - 1);
  h.Key(kVkBack);
  h.Tick();
  EXPECT_EQ(LetterAt(at.x, at.y), ' ');
  EXPECT_EQ(stock(), tiles);

  // Hidden words are played with the mouse only.
  h.StartGame(36);
  const std::string board = Keyboard::Board();
  EXPECT_FALSE(G.keyCursor.placed);
  h.Type("ABCDE");
  h.Key(kVkBack);
  h.Tick();
  EXPECT_EQ(Keyboard::Board(), board);
}

TEST(KeyboardPlay, ANineLetterHuntIsWonByTypingAndClearingEachWord) {
  Keyboard h(true);
  h.StartGame(50);
  const std::string pool = RowAt(7, 5, 8);
  EXPECT_EQ(G.keyCursor.cell, (Point{7, 7}));
  bool cleared = false;
  for (size_t i = 0; i < G.wordList.size() && !G.gameWon; ++i) {
    const std::string word = G.wordList[i];
    if (word.empty() || word[0] == ' ') continue;
    h.TypeEach(word.substr(1));
    // A word found on the way (its beginning) may end the hunt.
    if (G.gameWon) break;
    EXPECT_EQ(RowAt(7, 7, static_cast<int>(word.size()) - 1), word.substr(1));
    EXPECT_EQ(G.wordList[i][0], ' ') << word;
    h.Key(kVkReturn);  // the word counted: Return clears the row
    h.Tick();
    EXPECT_EQ(RowAt(7, 7, G.gameLength - 1), std::string(G.gameLength - 1, ' '));
    EXPECT_TRUE(SameLetters(RowAt(7, 5, 8), pool));
    cleared = true;
  }
  EXPECT_TRUE(cleared);
  EXPECT_EQ(G.gameWon, 1);
}
