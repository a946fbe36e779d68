// SPDX-License-Identifier: GPL-3.0-or-later
// Bitmap font geometry (the source rectangles the game copies) and the sheets.
#pragma once
#include <string>

#include "makers.h"

struct FontLayout {
  const char* name;
  int cellW, cellH;       // pitch of the grid in the sheet
  int offX, offY;         // rectangle of glyph (c, r): (cellW c + offX, cellH r + offY)
  int rectW, rectH;
  int inkLeft, inkRight;  // columns of the rectangle that may hold ink
  double centreX;         // pitch centre within the rectangle
  double baseline;        // within the rectangle
  double size;            // em in pixels
  const char* face;
  double outline;         // dark edge width
  int sheetW, sheetH;
};

struct GlyphRect {
  int x, y, w, h;
};

extern const FontLayout kBigFont, kMediumFont, kSmallFont;
GlyphRect SourceRect(const FontLayout& f, int glyph);
uint32_t GlyphCodePoint(int code);
Image GlyphSheet(const FontLayout& f, bool highlight, int scheme = 0);
void BlitText(Image& target, const Image& sheet, const FontLayout& f, int x, int y, const std::string& latin1,
              int pitch, bool keyed);
