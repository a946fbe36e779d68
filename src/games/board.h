// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the board's letters, and the checks several families'
// completion rules share.
#pragma once
#include <cstdint>
#include <string>

// The letters of `length` consecutive cells from (x, y), along x when
// direction is 1, else along y; stored characters as they are.
std::string ReadBoardRun(int x, int y, int length, int direction);

// Writes the text into the board from (x, y) along x, over whatever was there.
void PlaceAcross(int x, int y, const std::string& text);
// The alphabet in two rows of thirteen from (x, row): A-M, then N-Z below.
void WriteAlphabet(int x, int row);

// Word slots k and j hold the same text.
bool SlotsEqual(int k, int j);
// Every cell of columns 1-gameSize, rows firstRow-lastRow, holds the
// solution plane's letter for it.
bool BoardMatches(const int32_t* solution, int firstRow, int lastRow);
// The exchanges and the extra letter keep each word in slot k (0-9) and
// what the board spells for it in slot k + kAnswerSlotOffset.
constexpr int kAnswerSlotOffset = 10;
bool EveryWordMatchesItsAnswer();
