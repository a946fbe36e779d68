// SPDX-License-Identifier: GPL-3.0-or-later
// The hidden words on a player's list: a square made from the list's words
// instead of a crossword grid.
#pragma once
#include <string>
#include <vector>

// A square of side `size` (cells[column][row], capitals A-Z) holding words of
// the list the store holds, each across or down (the two directions a
// selection reads), the other cells filled with letters; `words` receives
// the words placed, each of which reads exactly once in the square. False
// when fewer than four words could be placed.
bool MakeListSquare(int size, char (&cells)[20][20], bool (&used)[20][20], std::vector<std::string>& words);
