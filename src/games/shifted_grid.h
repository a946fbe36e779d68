// SPDX-License-Identifier: GPL-3.0-or-later
// What the letter-sum and erased-letter games share beyond the other grid
// games: the crossword's solution kept one column and one row lower than the
// cell (index (x - 1) * 21 + (y - 1)), and the palette two rows under the grid
// with each tile's letter value.
#pragma once

// Index of the solution of cell (x, y) in answerGridB.
inline int ShiftedIndex(int x, int y) { return (x - 1) * 21 + (y - 1); }
// The palette two rows under a grid of the side, whatever its size.
inline int CrosswordPaletteRow(int side) { return side + 2; }
// Writes the alphabet into the palette again, and each tile's letter value
// (A = 1 ... Z = 26) into answerGridA, so a letter taken from the palette, or
// one dropped on it, never changes it for long.
void WriteValuedPalette(int row);
// Every cell of the side x side grid shows its solution letter in colour 255.
void ShowShiftedSolution(int side);
// Every cell of the grid holds the solution kept for it one column and one
// row lower.
bool ShiftedGridSolved();
