// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "display/drawing.h"
#include "games/board.h"
#include "games/framework.h"
#include "harness/harness.h"
#include "state/game_state.h"
#include "display/resets.h"

namespace {

constexpr int kLeft = 0, kRight = 1;

struct Board : Harness {
  explicit Board(unsigned variant) {
    ResetBoard();
    G.currentVariant = variant;
    G.gameTitle = "JEU";
  }
  uint8_t& Letter(int x, int y) { return G.boardLetters[CellIndex(x, y)]; }
  void Cell(int x, int y, char letter, uint8_t playable, int state = 1, uint8_t pickable = 0) {
    Letter(x, y) = static_cast<uint8_t>(letter);
    G.boardPlayable[CellIndex(x, y)] = playable;
    G.boardPickable[CellIndex(x, y)] = pickable;
    SetCellState(x, y, state);
  }
  void PointAt(int x, int y) {
    G.hoverCellX = x;
    G.hoverCellY = y;
    const Point p = PointOfCell({x, y});
    G.mousePos = {p.x + 10, p.y + 10};
  }
  void Down(int x, int y, int button = kLeft) {
    PointAt(x, y);
    BoardMouseDown(button);
  }
  void Up(int x, int y, int button = kLeft) {
    PointAt(x, y);
    BoardMouseUp(button);
  }
};

}  // namespace

TEST(PickUp, APaletteTileIsCopiedAndAGridLetterMoved) {
  Board b(2);
  b.Cell(1, 13, 'A', 1, 2);
  b.Cell(3, 3, 'E', 1, 4);
  b.Down(1, 13);
  EXPECT_EQ(G.lettersHeld, 1);
  EXPECT_EQ(G.heldText, "A");
  EXPECT_EQ(b.Letter(1, 13), 'A');
  b.Up(2, 2);  // not playable: the letter is lost
  EXPECT_EQ(G.lettersHeld, 0);
  b.Down(3, 3);
  EXPECT_EQ(b.Letter(3, 3), ' ');
  EXPECT_EQ(G.heldOriginCell, (Point{3, 3}));
  EXPECT_EQ(G.clickPending, 1);
}

TEST(Drop, TheFirstFamiliesReplaceWhatTheCellHeld) {
  Board b(30);
  b.Cell(1, 8, 'B', 1, 2);
  b.Cell(4, 4, 'Z', 1, 4);
  b.Down(1, 8);
  b.Up(4, 4);
  EXPECT_EQ(b.Letter(4, 4), 'B');
  EXPECT_EQ(G.lettersHeld, 0);
  EXPECT_EQ(G.heldOriginCell, (Point{1, 1}));
}

TEST(Drop, OffTheBoardTheLetterIsLostInTheFirstFamilies) {
  Board b(80);
  b.Cell(5, 1, 'R', 1, 2);
  b.Down(5, 1);
  G.hoverCellX = -3;  // far left of the board
  G.hoverCellY = 4;
  BoardMouseUp(kLeft);
  EXPECT_EQ(G.lettersHeld, 0);
  EXPECT_EQ(G.letterFlying, 0);
}

TEST(Drop, TheSecondFamiliesSendALetterBackFromAnOccupiedCell) {
  Board b(12);
  b.Cell(2, 2, 'M', 1);
  b.Cell(5, 5, 'X', 1);
  b.Cell(6, 5, '*', 1, 3);
  b.Down(2, 2);
  b.Up(5, 5);
  EXPECT_EQ(b.Letter(5, 5), 'X');
  EXPECT_EQ(G.letterFlying, 1);
  EXPECT_EQ(G.flight.kind, 1);
  EXPECT_EQ(G.flight.text, "M");
}

TEST(Drop, TheSecondFamiliesFillAnEmptyCell) {
  Board b(52);
  b.Cell(2, 2, 'M', 1, 1, 1);
  b.Cell(5, 5, ' ', 1);
  b.Down(2, 2);
  b.Up(5, 5);
  EXPECT_EQ(b.Letter(5, 5), 'M');
  EXPECT_EQ(G.lettersHeld, 0);
}

TEST(Drop, ARightClickTurnsACarriedWordAndARightReleaseNeverDrops) {
  Board b(26);
  b.Cell(1, 4, '*', 0);
  for (int x = 2; x <= 4; ++x) b.Cell(x, 4, "CHA"[x - 2], 1);
  b.Cell(5, 4, '*', 0);
  b.Down(3, 4);
  EXPECT_EQ(G.heldText, "CHA");
  EXPECT_EQ(G.heldOriginCell, (Point{2, 4}));
  EXPECT_EQ(b.Letter(2, 4), ' ');
  EXPECT_EQ(G.heldHorizontal, 1);
  b.Down(3, 4, kRight);
  EXPECT_EQ(G.heldHorizontal, 0);
  b.Up(3, 4, kRight);
  EXPECT_EQ(G.lettersHeld, 1);
  b.Up(2, 4);
  EXPECT_EQ(b.Letter(4, 4), 'A');
  EXPECT_EQ(G.lettersHeld, 0);
}

TEST(Drop, TheDeconstructedGridCarriesBlackSquaresHome) {
  Board b(44);
  b.Cell(2, 2, '*', 1, 3);
  b.Down(2, 2);
  EXPECT_EQ(G.heldText, "*");
  EXPECT_EQ(CellState(2, 2), 4);
  b.Up(9, 9);
  EXPECT_EQ(G.flight.kind, 3);
  Board c(44);
  c.Cell(2, 2, 'T', 1, 1);
  c.Cell(3, 3, ' ', 1, 4);
  c.Down(2, 2);
  c.Up(3, 3);
  EXPECT_EQ(c.Letter(3, 3), 'T');
  c.Down(3, 3);
  c.Up(9, 9);  // a letter dropped nowhere is lost
  EXPECT_EQ(G.lettersHeld, 0);
  EXPECT_EQ(G.letterFlying, 0);
}

TEST(Drop, AHiddenWordSelectionReadsAcrossOrDown) {
  Board b(35);
  for (int i = 1; i <= 4; ++i) {
    b.Cell(i, 1, "LOUP"[i - 1], 1);
    b.Cell(1, i, "LAIT"[i - 1], 1);
  }
  b.Down(1, 1);
  EXPECT_EQ(G.lettersHeld, 1);
  b.Up(4, 1);
  EXPECT_EQ(G.heldText, "LOUP");
  b.Down(1, 1);
  b.Up(1, 4);
  EXPECT_EQ(G.heldText, "LAIT");
  b.Down(1, 1);
  b.Up(1, 1);
  EXPECT_EQ(G.heldText, "L");
}

TEST(PickUp, TheHangmanKeysChooseALetterOnlyBetweenSweeps) {
  Board b(9);
  b.Cell(7, 2, 'A', 0, 2, 1);
  b.Cell(8, 2, 'B', 0, 2, 1);
  b.Down(7, 2);
  EXPECT_EQ(G.gameChar, 'A');
  EXPECT_EQ(b.Letter(7, 2), ' ');
  G.gamePhase = 3;
  b.Down(8, 2);
  EXPECT_EQ(G.gameChar, 'A');
  EXPECT_EQ(b.Letter(8, 2), 'B');
  G.gamePhase = 0;
  b.Down(7, 2);  // a used key clears the choice
  EXPECT_EQ(G.gameChar, ' ');
}

TEST(Board, ReadBoardRunReadsStoredCharacters) {
  Board b(1);
  b.Cell(3, 3, 'A', 0);
  b.Cell(4, 3, ' ', 0);
  EXPECT_EQ(ReadBoardRun(3, 3, 3, 1), "A *");
  EXPECT_EQ(ReadBoardRun(3, 3, 2, 2), "A*");
  EXPECT_EQ(ReadBoardRun(3, 3, 0, 1), "");
}
