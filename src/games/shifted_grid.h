// What the letter-sum and erased-letter games share: both play a French
// crossword of the grid file, keep its solution one column and one row lower
// than the cell (index (x - 1) * 21 + (y - 1)) and offer the alphabet palette
// two rows under the grid.
#pragma once
#include <string>

#include "games/grid_reader.h"

// Loads bin\grilles.txt into the reader and selects grid Random(count - 1) + 1
// of key "<side>x<side>". True when the selected grid is side x side and
// every cell is a capital letter or a black square, so it can be played.
bool ChooseCrossword(TjsysGrille& reader, int side);
// Ends the game when no usable grid of the side exists: a log line and a
// timed message, then the game list.
void AbandonWithoutCrossword(int side);

// Index of the solution of cell (x, y) in answerGridB.
inline int ShiftedIndex(int x, int y) { return (x - 1) * 21 + (y - 1); }
// The palette two rows under a grid of the side.
inline int CrosswordPaletteRow(int side) { return side + 2; }
// Makes the 26 palette cells from (1, row) playable palette tiles.
void MakePaletteTiles(int row);
// Writes the alphabet into the palette again, and each tile's letter value
// (A = 1 ... Z = 26) into answerGridA, so a letter taken from the palette, or
// one dropped on it, never changes it for long.
void WriteValuedPalette(int row);
// Every cell of the side x side grid shows its solution letter in colour 255.
void ShowShiftedSolution(int side);
