// SPDX-License-Identifier: GPL-3.0-or-later
// The 800 x 600 RGB565 off-screen page and the blits onto it. Everything is
// clipped to the page.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/picture.h"

constexpr int kPageWidth = 800;
constexpr int kPageHeight = 600;

struct Rect {
  int left, top, right, bottom;  // right and bottom exclusive
};

struct Page {
  std::vector<uint16_t> pixels = std::vector<uint16_t>(kPageWidth * kPageHeight, 0);
  uint16_t pixel(int x, int y) const { return pixels[y * kPageWidth + x]; }
};

// The page every drawing goes to.
Page& ThePage();

void ClearPage(Page& page, uint32_t windowsColour);
// Draws the picture with its top-left corner at (x, y), keyed by its own
// transparency setting.
void DrawPicture(Page& page, const Picture& picture, int x, int y);
// Copies a source rectangle of the picture to (x, y), keyed when `keyed`.
void DrawPictureRect(Page& page, const Picture& picture, Rect source, int x, int y, bool keyed);
// Stretches the whole picture into the destination rectangle, keyed by its
// own transparency setting.
void StretchPicture(Page& page, const Picture& picture, Rect destination);
