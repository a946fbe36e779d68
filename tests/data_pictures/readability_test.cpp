// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures a player reads at a glance: small-font capitals of one height and
// weight, and numbers that stand out from the tiles they are printed on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "picture_files.h"
#include "platform/colour.h"
#include "platform/figures.h"
#include "platform/page.h"

namespace {

double Channel(int v8) {
  const double c = v8 / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
int Red(uint16_t p) { return ((p >> 11) & 31) * 255 / 31; }
int Green(uint16_t p) { return ((p >> 5) & 63) * 255 / 63; }
int Blue(uint16_t p) { return (p & 31) * 255 / 31; }
// Relative luminance (WCAG 2) of a 16-bit pixel.
double Luminance(uint16_t p) {
  return 0.2126 * Channel(Red(p)) + 0.7152 * Channel(Green(p)) + 0.0722 * Channel(Blue(p));
}
double Contrast(double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); }

struct InkBox {
  int top = 99, bottom = -1, solid = 0;
};

// The rows that hold the light fill of a small-font glyph (its dark edge
// left out), and how many of its pixels are near white.
InkBox SmallGlyphFill(const Picture& sheet, char ch) {
  const int g = static_cast<unsigned char>(ch) - 32;
  const int left = 13 * (g % 24) + 2, top = 17 * (g / 24) + 4;
  InkBox box;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 10; ++x) {
      const uint16_t p = At(sheet, left + x, top + y);
      if (p == kKey565) continue;
      const double l = Luminance(p);
      if (l > 0.35) {
        box.top = std::min(box.top, y);
        box.bottom = std::max(box.bottom, y);
      }
      if (l > 0.6) ++box.solid;
    }
  return box;
}

}  // namespace

TEST(Readability, SmallFontCapitalsShareOneHeightAndWeight) {
  const Picture sheet = Load("Interface/26.bmp");
  ASSERT_FALSE(sheet.empty());
  const InkBox h = SmallGlyphFill(sheet, 'H');
  for (char ch = 'A'; ch <= 'Z'; ++ch) {
    const InkBox box = SmallGlyphFill(sheet, ch);
    EXPECT_EQ(box.top, h.top) << ch;
    // Q's tail goes below the line.
    if (ch != 'Q') {
      EXPECT_EQ(box.bottom, h.bottom) << ch;
    }
    EXPECT_GE(box.solid, 10) << ch << " is faint";
  }
}
TEST(Readability, CodeNumbersReadOnTheOpenCellTile) {
  // The open-cell face (slot 5) is drawn at (tx - 3, y + 4); the code number
  // at (tx - 1, y + 2) covers its upper-left part. Pure blue must read on
  // every pixel of that part, edge ring aside.
  const Picture face = Load("Slots/5.bmp");
  ASSERT_FALSE(face.empty());
  const double blue = Luminance(0x001F);
  double darkest = 1;
  for (int y = 2; y < 14; ++y)
    for (int x = 2; x < 20; ++x) darkest = std::min(darkest, Luminance(At(face, x, y)));
  EXPECT_GE(Contrast(blue, darkest), 4.5);
  // and over the whole face, where the letters sit
  for (int y = 2; y < 26; ++y)
    for (int x = 2; x < 26; ++x) darkest = std::min(darkest, Luminance(At(face, x, y)));
  EXPECT_GE(Contrast(blue, darkest), 4.5);
}

TEST(Readability, TheLongestVariantMenuLiesInsideOnePanel) {
  // The 13-line menu and its "Retour" line ink x 270-580, y 83-381; the two
  // columns of family names reach x 55-720. No panel border crosses them.
  const Picture back = Load("background/000000.jpg");
  ASSERT_FALSE(back.empty());
  auto border = [](uint16_t p) { return Red(p) > 110 && Green(p) > 80 && Blue(p) < 100 && Red(p) > Blue(p) + 40; };
  int crossings = 0;
  for (int y = 70; y <= 381; ++y)
    for (int x = 50; x <= 740; ++x) crossings += border(At(back, x, y));
  EXPECT_EQ(crossings, 0);
}

TEST(Readability, FiguresAreTallAndTheirDigitsCannotBeConfused) {
  // Each digit drawn as the games draw it, alone on a box; its ink read back.
  auto ink = [](int digit) {
    Page page;
    DrawFigures(page, 10, 10, digit, 0xC80000, 0xFFFFFF);
    std::vector<bool> mask;
    int top = 99, bottom = -1;
    for (int y = 0; y < FigureBoxHeight(); ++y)
      for (int x = 0; x < FigureBoxWidth(digit); ++x) {
        const bool on = page.pixel(10 + x, 10 + y) != ToRgb565(0xFFFFFF);
        mask.push_back(on);
        if (on) top = std::min(top, y), bottom = std::max(bottom, y);
      }
    EXPECT_GE(bottom - top + 1, 10) << digit << " is less than 10 pixels tall";
    return mask;
  };
  std::vector<bool> masks[10];
  for (int d = 0; d <= 9; ++d) masks[d] = ink(d);
  auto differing = [&](int a, int b) {
    int n = 0;
    for (size_t i = 0; i < masks[a].size(); ++i) n += masks[a][i] != masks[b][i];
    return n;
  };
  for (auto [a, b] : {std::pair{3, 5}, {3, 8}, {5, 8}, {1, 7}, {0, 6}, {0, 9}, {6, 9}})
    EXPECT_GE(differing(a, b), 8) << a << " and " << b << " look alike";
  // A number is its digits side by side, each the same as alone.
  EXPECT_EQ(FigureBoxWidth(26), 2 * (kFigureWidth + kFigureGap) + kFigureGap);
  EXPECT_EQ(FigureBoxHeight(), kFigureHeight + 2);
}
