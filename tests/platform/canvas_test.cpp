// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/canvas.h"
#include "platform/page.h"

namespace {

int CountOf(const Page& page, uint16_t value, int x1 = 0, int y1 = 0, int x2 = kPageWidth, int y2 = kPageHeight) {
  int n = 0;
  for (int y = y1; y < y2; ++y)
    for (int x = x1; x < x2; ++x) n += page.pixel(x, y) == value;
  return n;
}

constexpr uint16_t kWhite = 0xFFFF;
constexpr uint16_t kRed = ToRgb565(0x0000FF);
constexpr uint16_t kGreen = ToRgb565(0x008000);
constexpr uint16_t kBlue = ToRgb565(0xFF0000);

}  // namespace

TEST(Canvas, RectangleOutlineCoversLeftTopButNotRightBottom) {
  Page page;
  ClearPage(page, 0xFFFFFF);
  {
    Canvas canvas(page);
    canvas.SetPen(0x0000FF, 1);
    canvas.SetBrushClear();
    canvas.Rectangle(10, 20, 30, 40);
    canvas.Release();
  }
  EXPECT_EQ(page.pixel(10, 20), kRed);
  EXPECT_EQ(page.pixel(29, 39), kRed);
  EXPECT_EQ(page.pixel(20, 20), kRed);
  EXPECT_EQ(page.pixel(10, 30), kRed);
  EXPECT_EQ(page.pixel(30, 40), kWhite);
  EXPECT_EQ(page.pixel(30, 30), kWhite);
  EXPECT_EQ(page.pixel(20, 30), kWhite);  // clear brush: the inside stays
  EXPECT_EQ(CountOf(page, kRed), 2 * 20 + 2 * 18);
}

TEST(Canvas, FilledShapesAndRoundedCorners) {
  Page page;
  ClearPage(page, 0xFFFFFF);
  Canvas canvas(page);
  canvas.SetPen(0x008000, 2);
  canvas.SetBrushColour(0xFF0000);
  canvas.RoundRect(100, 100, 200, 150, 20, 20);
  canvas.SetBrushClear();
  canvas.SetPen(0x0000FF, 1);
  canvas.Ellipse(300, 300, 341, 341);
  canvas.Release();
  EXPECT_EQ(page.pixel(150, 125), kBlue);      // filled inside
  EXPECT_EQ(page.pixel(150, 100), kGreen);     // straight edge
  EXPECT_EQ(page.pixel(100, 100), kWhite);     // the corner is cut
  EXPECT_EQ(page.pixel(101, 101), kWhite);
  EXPECT_EQ(page.pixel(320, 320), kWhite);     // ellipse outline only
  EXPECT_EQ(page.pixel(300, 300), kWhite);
  EXPECT_GT(CountOf(page, kRed, 300, 300, 341, 341), 100);
  EXPECT_GT(CountOf(page, kRed, 300, 318, 302, 323), 0);  // the left-most point
}

TEST(Canvas, TextIsDrawnBelowAndRightOfItsPoint) {
  Page page;
  ClearPage(page, 0xFFFFFF);
  Canvas canvas(page);
  canvas.SetFont(0xFF0000, 12, true);
  canvas.TextOut(50, 60, "\xc9t\xe9 88");
  canvas.Release();
  int inked = 0, minX = kPageWidth, minY = kPageHeight, maxY = 0;
  for (int y = 0; y < kPageHeight; ++y)
    for (int x = 0; x < kPageWidth; ++x)
      if (page.pixel(x, y) != kWhite) {
        ++inked;
        minX = std::min(minX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
      }
  EXPECT_GT(inked, 50);
  EXPECT_GE(minX, 50);
  EXPECT_LT(minX, 55);
  EXPECT_GE(minY, 60);
  EXPECT_LT(minY, 66);  // the accent of the capital sits near the top
  EXPECT_LT(maxY, 60 + 22);  // 12 points are 16 pixels
  EXPECT_GT(CountOf(page, kBlue), 5);
}
