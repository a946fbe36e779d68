// SPDX-License-Identifier: GPL-3.0-or-later
// The program for the nine-letter and crossing-word games, with helpers that
// play them as a player would: dragging letters between the cells' screen
// points, then clicking the won game away.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "harness/board_play.h"
#include "platform/audio.h"
#include "platform/keys.h"
#include "words/word_routines.h"

// True when every letter of the word can be taken from the letters, each
// letter at most once.
inline bool SpeltWith(const std::string& word, std::string letters) {
  for (char c : word) {
    const size_t at = letters.find(c);
    if (at == std::string::npos) return false;
    letters.erase(at, 1);
  }
  return true;
}

inline int ScoreLines() {
  int lines = 0;
  for (const std::string& item : G.listBoxes[listScores].items) lines += !item.empty();
  return lines;
}

struct NineGame : Harness {
  // The real word lists unless a French dictionary is given.
  explicit NineGame(const std::string& dictionary = "")
      : Harness(HarnessOptions{.realData = dictionary.empty()}) {
    if (!dictionary.empty()) WriteProgramFile("bin/DicoFrancais.txt", dictionary);
    EXPECT_TRUE(Start());
    Run(4100);
  }
  // Starts the variant and runs until its board is built or the game ends.
  bool Build(uint8_t variant) {
    ClearWavesPlayed();
    StartVariant(variant);
    return WaitForBoard();
  }
  bool WaitForBoard() {
    buildTicks = 0;
    for (; buildTicks < 3000 && !G.boardReady && !G.gameTitle.empty(); ++buildTicks) Tick();
    return G.boardReady == 1 && !G.gameTitle.empty();
  }
  int buildTicks = 0;  // ticks the last build took
  void Drag(Point fromCell, Point toCell) { DragCells(*this, fromCell, toCell); }
  // Moves the letter from the first cell of row `fromRow`, columns
  // first ... last, that holds it; false when none does.
  bool Move(char letter, int fromRow, int first, int last, Point to) {
    for (int x = first; x <= last; ++x)
      if (LetterAt(x, fromRow) == letter) {
        Drag({x, fromRow}, to);
        return true;
      }
    return false;
  }
  // Sends every letter of the answer row, from `first` over `length` cells,
  // back to the empty cells of the letter row (5, columns 6-14).
  void ClearAnswer(int row, int first, int length) {
    for (int x = first; x < first + length; ++x) {
      if (LetterAt(x, row) == ' ') continue;
      for (int home = 6; home <= 14; ++home)
        if (LetterAt(home, 5) == ' ') {
          Drag({x, row}, {home, 5});
          break;
        }
    }
  }
  // Spells the text on the answer row from column `first`, taking each
  // letter from the letter row; stops once the game is won (a word met on
  // the way may win it), since the next press would end the game.
  void Spell(const std::string& text, int row, int first) {
    for (size_t i = 0; i < text.size() && !G.gameWon; ++i)
      ASSERT_TRUE(Move(text[i], 5, 6, 14, {first + static_cast<int>(i), row})) << text;
  }
  // The won game's click: scored, then back to the game list.
  void ClickTheWinAway() {
    MoveTo(400, 540);
    Tick();
    Click(400, 540);
    Tick(3);
  }
  int Played(int wave) {
    return static_cast<int>(std::count(WavesPlayed().begin(), WavesPlayed().end(), wave));
  }
  // Escape: the game is given up and shows its solution from the next tick.
  void GiveUp() {
    Key(kVkEscape);
    Key(kVkReturn);  // "Abandonner la partie ?" answered yes
    EXPECT_EQ(G.gameLost, 1);
    Tick();
    EXPECT_EQ(G.gameWon, 0);
  }
  // The given-up game closes by itself 10 s later, back on the game list.
  void ExpectGameListAfterTenSeconds() {
    Run(9000);
    EXPECT_FALSE(G.gameTitle.empty());
    Run(1100);
    EXPECT_TRUE(G.gameTitle.empty());
    EXPECT_EQ(G.currentScreen, 1);
  }
  // Pixels of the page in a rectangle, to tell whether something was drawn.
  std::vector<uint16_t> Pixels(int x0, int y0, int x1, int y1) const {
    std::vector<uint16_t> pixels;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) pixels.push_back(Pixel565(x, y));
    return pixels;
  }
};
