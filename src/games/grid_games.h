// SPDX-License-Identifier: GPL-3.0-or-later
// What the games played on the crossword grid files share: choosing a grid of
// a size, ending a game whose file has none, the alphabet palette under the
// grid, the solution shown after giving up, and the word list beside the grid.
#pragma once
#include <functional>
#include <string>

#include "games/grid_reader.h"
#include "state/game_state.h"

// "6x6", "8x8", "10x10", "12x12".
std::string GridKey(int size);

// Loads the grid file from the program's bin folder and selects grid
// Random(count - 1) + 1 of the size: with two or more grids the last one of
// the size is never drawn, as the grid games have always chosen. True when a
// grid of the size was selected and every cell is a capital A-Z or a black
// square '*', so the game built on it can be won.
bool ChooseGrid(TjsysGrille& reader, int size, const std::string& gridFile);

// Ends a grid game whose file holds no usable grid of the size: a log line and
// a timed message, and back to the game list.
void AbandonGridGame(int size, const std::string& gridFile);

// The build step of a grid game, done on the first call only: gameSize, the
// grid chosen (ChooseGrid), the board laid out by `layOut`, which may refuse
// the grid by returning false; then the board is ready and sound 0 plays. A
// grid that is missing, unusable or refused ends the game (AbandonGridGame).
// True while the game is on and its tick should go on.
bool BuildGridGameOnce(int size, const std::string& gridFile,
                       const std::function<bool(const TjsysGrille&)>& layOut);

// The row of the palette under a grid of the side: right under the 12 x 12
// grid, one empty row below the smaller ones.
int PaletteRow(int size);
// The 26 palette cells from (1, row): playable, pickable, palette tiles.
void MarkPalette(int row);
// A board whose lowest row (the palette's second row under a 12 x 12 grid,
// the black tiles' second stock row under the 10 x 10 deconstructed grid)
// would reach under the toolbar at y = 540, where a press on a tile's lower
// edge works the button instead, is drawn just high enough to end above it.
void LiftBoardAboveToolbar(int lastRow);

// Which solution plane a game keeps its crossword in.
enum class SolutionPlane { kA, kB };
// Shows the solution over the size x size cells from (1, firstRow): every
// cell takes the plane's letter, in the solution colour.
// markWrong: the player's letters that differ from the solution are struck
// through (not in games whose letters the player never wrote).
void ShowSolution(int size, int firstRow, SolutionPlane plane, bool markWrong = true);

// Screen position of line `index` (from 0) of the word list beside the grid:
// thirty lines at x = 500 from y = 75, every later line at x = 650, starting
// from the top again after each thirty.
Point WordListPoint(int index);

// True when the word stands somewhere in the grid of side gameSize, across or
// down, with a '*' right before and right after it: bounded by black squares
// or by the empty board around the grid.
bool WordIsPlaced(const std::string& word);
// The word list of the placement games: each word after its length, lit once
// WordIsPlaced. Drawn only while the game is being played.
void DrawPlacedWordList();
