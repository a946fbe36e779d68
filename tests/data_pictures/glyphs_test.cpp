// SPDX-License-Identifier: GPL-3.0-or-later
// The glyph sheets: each printable character has ink, the ink lies inside the
// rectangle the game copies for it, and nowhere else on the sheet.
#include <gtest/gtest.h>

#include <vector>

#include "picture_files.h"

namespace {

struct Font {
  const char* file;
  int cellW, cellH, offX, offY, w, h;
  int inkRight;  // ink stays left of this column of the rectangle
};

const Font kFonts[] = {
    {"Slots/1.bmp", 26, 34, 2, 6, 24, 33, 24},  {"Slots/0.bmp", 26, 34, 2, 6, 24, 33, 24},
    {"Slots/12.bmp", 20, 26, -3, 6, 18, 23, 18}, {"Slots/11.bmp", 20, 26, -3, 6, 18, 23, 18},
    // the small font's rectangles overlap the next character's by a column,
    // and its highlight is drawn opaque: its ink keeps to the first ten
    {"Interface/26.bmp", 13, 17, 2, 4, 11, 16, 10},
};

bool Printable(int code) { return (code > 32 && code < 127) || code > 160; }

}  // namespace

TEST(GlyphSheets, EveryPrintableGlyphInsideItsRectangle) {
  for (const Font& f : kFonts) {
    Picture sheet = Load(f.file);
    ASSERT_FALSE(sheet.empty()) << f.file;
    std::vector<bool> inRect(sheet.pixels.size(), false);
    for (int g = 0; g < 224; ++g) {
      int left = f.cellW * (g % 24) + f.offX, top = f.cellH * (g / 24) + f.offY;
      int ink = 0;
      for (int y = top; y < top + f.h; ++y)
        for (int x = left; x < left + f.inkRight; ++x) {
          if (x < 0 || y < 0 || x >= sheet.width || y >= sheet.height) continue;
          inRect[size_t(y) * sheet.width + x] = true;
          ink += At(sheet, x, y) != kKey565;
        }
      if (Printable(g + 32)) {
        EXPECT_GT(ink, 4) << f.file << " glyph " << g + 32 << " is empty";
      }
      if (g + 32 == 32 || g + 32 == 160) {
        EXPECT_EQ(ink, 0) << f.file << " space is not blank";
      }
    }
    int stray = 0;
    for (size_t i = 0; i < sheet.pixels.size(); ++i) stray += !inRect[i] && sheet.pixels[i] != kKey565;
    EXPECT_EQ(stray, 0) << f.file << " has ink outside the glyph rectangles";
  }
}

TEST(GlyphSheets, NormalAndHighlightSheetsDiffer) {
  // same shapes, another colour: a highlighted letter must stand out
  for (auto [normal, lit] : {std::pair{"Slots/1.bmp", "Slots/0.bmp"}, std::pair{"Slots/12.bmp", "Slots/11.bmp"}}) {
    Picture a = Load(normal), b = Load(lit);
    ASSERT_EQ(a.pixels.size(), b.pixels.size());
    int different = 0, inked = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i) {
      if (a.pixels[i] == kKey565) continue;
      ++inked;
      different += a.pixels[i] != b.pixels[i];
    }
    EXPECT_GT(different, inked / 2) << normal;
  }
}

TEST(GlyphSheets, BigCapitalsSitCentredOnTheTileFace) {
  // A tile face lies at (tx - 3, y + 4), 28 px square: its centre is at
  // (11, 18) of the glyph rectangle drawn at (tx, y).
  Picture sheet = Load("Slots/1.bmp");
  ASSERT_FALSE(sheet.empty());
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    int g = letter - 32, left = 26 * (g % 24) + 2, top = 34 * (g / 24) + 6;
    int minX = 99, maxX = -1, minY = 99, maxY = -1;
    for (int y = 0; y < 33; ++y)
      for (int x = 0; x < 24; ++x)
        if (At(sheet, left + x, top + y) != kKey565) {
          minX = std::min(minX, x), maxX = std::max(maxX, x);
          minY = std::min(minY, y), maxY = std::max(maxY, y);
        }
    EXPECT_NEAR((minX + maxX + 1) / 2.0, 11.0, 1.5) << letter;
    EXPECT_NEAR((minY + maxY + 1) / 2.0, 18.0, 2.0) << letter;
    // and it stays on the 28 px face
    EXPECT_GE(minX, -3 + 1) << letter;
    EXPECT_LE(maxX, 24) << letter;
    EXPECT_GE(minY, 5) << letter;
    EXPECT_LE(maxY, 31) << letter;
  }
}
