// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>

#include "harness/harness.h"
#include "state/game_state.h"
#include "display/resets.h"

TEST(Resets, BoardResetEmptiesTheBoardAndTouchesOnlyTheRealCellStates) {
  Harness h;
  auto& board = static_cast<BoardRecord&>(G);
  std::memset(&board, 0x5A, sizeof(BoardRecord));
  G.bannerX = 7;
  G.lastScore = 99;
  G.clickPending = 1;
  ResetBoard();

  EXPECT_EQ(G.boardOriginX, 70);
  EXPECT_EQ(G.boardOriginY, 50);
  EXPECT_EQ(G.boardReady, 0);
  EXPECT_EQ(G.gameChar, ' ');
  EXPECT_EQ(G.gamePhase, 0);
  EXPECT_EQ(G.bannerX, 400);
  EXPECT_EQ(G.bannerY, 300);
  EXPECT_EQ(G.bannerDX, -1);
  EXPECT_EQ(G.bannerDY, 1);
  EXPECT_EQ(G.lastScore, 0);
  EXPECT_EQ(G.clickPending, 0);
  EXPECT_EQ(G.elapsedTimeText.str(), "00H00MN00S");
  for (int i = 0; i < 441; ++i) {
    EXPECT_EQ(G.boardLetters[i], '*');
    EXPECT_EQ(G.boardCellColour[i], 0xffff);
    EXPECT_EQ(G.answerGridA[i], 1);
  }
  for (int x = 1; x <= 20; ++x)
    for (int y = 1; y <= 20; ++y) EXPECT_EQ(CellState(x, y), 1);
  // The padding before the cell states and the first solution grid after them
  // are not cell states.
  EXPECT_EQ(board.pad17FE[0], 0x5A);
  EXPECT_EQ(CellState(0, 5), 0);
  for (const auto& slot : G.wordSlots) EXPECT_EQ(slot.length, 0);
}

TEST(Resets, GameResetClearsTheRunningGameAndTheHelpLines) {
  Harness h;
  G.currentVariant = 9;
  G.gameWon = 1;
  G.gameLost = 1;
  G.winHandled = 1;
  G.cursorShape = -21;
  G.statusTip = "tip";
  G.listBoxes[listHelp].items[3] = "ligne";
  G.listBoxes[listHelp].top = 4;
  ResetGame();
  EXPECT_EQ(G.currentVariant, 0u);
  EXPECT_EQ(G.gameWon, 0);
  EXPECT_EQ(G.gameLost, 0);
  EXPECT_EQ(G.winHandled, 0);
  EXPECT_EQ(G.cursorShape, 0);
  EXPECT_TRUE(G.statusTip.empty());
  EXPECT_TRUE(G.listBoxes[listHelp].items[3].empty());
  EXPECT_EQ(G.listBoxes[listHelp].top, 0);
}

TEST(SavedRecords, ShortStringsKeepTheirLengthByteAndRoom) {
  ShortString<26> text{};
  text = std::string(40, 'x');
  EXPECT_EQ(text.length, 26);
  EXPECT_EQ(text.str(), std::string(26, 'x'));
  G.commentaryText[50] = "abc";
  EXPECT_EQ(Comment(51), "abc");
  EXPECT_EQ(DataFolderPrefix(), "abc");
  const auto* main = reinterpret_cast<const uint8_t*>(&static_cast<const MainRecord&>(G));
  EXPECT_EQ(main[0x01D2 + 50 * 101], 3);
  EXPECT_EQ(main[0x01D2 + 50 * 101 + 1], 'a');
}
