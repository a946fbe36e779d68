// SPDX-License-Identifier: GPL-3.0-or-later
// Figures a game cannot be played without (the numbers of the coded grids, the
// letter sums and letter values): a drawn face of digits 10 pixels tall whose
// 3, 5 and 8, 1 and 7, 0, 6 and 9 cannot be taken for one another, printed
// on an opaque box so they read on any tile or picture.
#pragma once
#include <cstdint>
#include <string>

struct Page;

constexpr int kFigureWidth = 6;    // one digit's cell
constexpr int kFigureHeight = 10;  // every digit fills the whole height
constexpr int kFigureGap = 1;      // between digits, and the box's margin

// The size of the box that holds the decimal figures of `number`.
int FigureBoxWidth(int number);
constexpr int FigureBoxHeight() { return kFigureHeight + 2 * kFigureGap; }
// Fills the box with `backing` (Windows colour) at (x, y), its top-left
// corner, and draws the figures in `ink` inside it.
void DrawFigures(Page& page, int x, int y, int number, uint32_t ink, uint32_t backing);
