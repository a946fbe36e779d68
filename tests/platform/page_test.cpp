// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/page.h"
#include "platform/page_scaler.h"

namespace {

constexpr uint16_t kRed = ToRgb565(0x0000FF);
constexpr uint16_t kGreen = ToRgb565(0x008000);
constexpr uint16_t kBlue = ToRgb565(0xFF0000);

// A w x h picture whose pixel (x, y) is x + 100 * y + 1 (never a key colour
// of the tests below).
Picture Numbered(int w, int h) {
  Picture p;
  p.width = w;
  p.height = h;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.pixels.push_back(static_cast<uint16_t>(x + 100 * y + 1));
  return p;
}

int CountOf(const Page& page, uint16_t value) {
  int n = 0;
  for (uint16_t p : page.pixels) n += p == value;
  return n;
}

}  // namespace

TEST(Page, ClearUsesWindowsColours) {
  Page page;
  ClearPage(page, 0x0000FF);
  EXPECT_EQ(page.pixel(0, 0), 0xF800);  // red in RGB565
  ClearPage(page, 0xFF0000);
  EXPECT_EQ(page.pixel(799, 599), 0x001F);  // blue
  EXPECT_EQ(CountOf(page, 0x001F), kPageWidth * kPageHeight);
  EXPECT_EQ(&ThePage(), &ThePage());
}

TEST(Page, KeyedBlitLeavesTheKeyColourUntouched) {
  Page page;
  ClearPage(page, 0x008000);
  Picture p = Numbered(4, 3);
  p.pixels[0] = kBlue;
  p.pixels[5] = kBlue;
  p.transparent = true;
  p.transparentColour = 0xFF0000;
  DrawPicture(page, p, 10, 20);
  EXPECT_EQ(page.pixel(10, 20), kGreen);
  EXPECT_EQ(page.pixel(11, 21), kGreen);
  EXPECT_EQ(page.pixel(11, 20), 2);
  EXPECT_EQ(page.pixel(13, 22), 4 + 200);
  EXPECT_EQ(page.pixel(14, 22), kGreen);

  p.transparent = false;  // opaque: the blue comes through
  DrawPicture(page, p, 10, 20);
  EXPECT_EQ(page.pixel(10, 20), kBlue);

  p.transparent = true;
  p.transparentColour = kNoColour;  // keys nothing
  ClearPage(page, 0x008000);
  DrawPicture(page, p, 10, 20);
  EXPECT_EQ(page.pixel(10, 20), kBlue);
}

TEST(Page, FrameKeyOfBlue254MatchesInPageFormat) {
  Page page;
  ClearPage(page, 0x0000FF);
  Picture frame = Numbered(3, 1);
  frame.pixels[1] = ToRgb565(0xFE0000);  // as decoded from the frame picture
  frame.pixels[2] = ToRgb565(0xFF0000);  // the same colour once in 16 bits
  frame.transparent = true;
  frame.transparentColour = 0xFE0000;
  DrawPicture(page, frame, 0, 0);
  EXPECT_EQ(page.pixel(0, 0), 1);
  EXPECT_EQ(page.pixel(1, 0), kRed);
  EXPECT_EQ(page.pixel(2, 0), kRed);
}

TEST(Page, BlitsClipAtEveryEdge) {
  Page page;
  Picture p = Numbered(10, 10);
  DrawPicture(page, p, -3, -4);
  EXPECT_EQ(page.pixel(0, 0), 3 + 400 + 1);
  EXPECT_EQ(page.pixel(6, 5), 9 + 900 + 1);
  EXPECT_EQ(page.pixel(7, 0), 0);
  ClearPage(page, 0);
  DrawPicture(page, p, 795, 597);
  EXPECT_EQ(page.pixel(795, 597), 1);
  EXPECT_EQ(page.pixel(799, 599), 4 + 200 + 1);
  EXPECT_EQ(CountOf(page, 0), kPageWidth * kPageHeight - 15);
  ClearPage(page, 0);
  DrawPicture(page, p, 800, 0);
  DrawPicture(page, p, 0, -10);
  DrawPicture(page, p, -5000, 5000);
  DrawPicture(page, Picture{}, 0, 0);
  EXPECT_EQ(CountOf(page, 0), kPageWidth * kPageHeight);
}

TEST(Page, SourceRectangleCopy) {
  Page page;
  Picture glyphs = Numbered(20, 10);
  DrawPictureRect(page, glyphs, Rect{5, 2, 8, 4}, 100, 50, false);  // 3 x 2
  EXPECT_EQ(page.pixel(100, 50), 5 + 200 + 1);
  EXPECT_EQ(page.pixel(102, 51), 7 + 300 + 1);
  EXPECT_EQ(page.pixel(103, 50), 0);
  EXPECT_EQ(page.pixel(100, 52), 0);
  EXPECT_EQ(CountOf(page, 0), kPageWidth * kPageHeight - 6);

  // A source running past the picture is cut to it; one starting before
  // moves the destination along.
  ClearPage(page, 0);
  DrawPictureRect(page, glyphs, Rect{18, -1, 25, 1}, 10, 10, false);
  EXPECT_EQ(page.pixel(10, 11), 18 + 1);
  EXPECT_EQ(page.pixel(11, 11), 19 + 1);
  EXPECT_EQ(CountOf(page, 0), kPageWidth * kPageHeight - 2);

  // Keyed only when asked.
  glyphs.transparent = true;
  glyphs.transparentColour = FromRgb565(6);
  ClearPage(page, 0x008000);
  DrawPictureRect(page, glyphs, Rect{4, 0, 7, 1}, 0, 0, true);
  EXPECT_EQ(page.pixel(0, 0), 5);
  EXPECT_EQ(page.pixel(1, 0), kGreen);
  DrawPictureRect(page, glyphs, Rect{4, 0, 7, 1}, 0, 0, false);
  EXPECT_EQ(page.pixel(1, 0), 6);
  // Rectangles with nothing in them draw nothing.
  ClearPage(page, 0);
  DrawPictureRect(page, glyphs, Rect{5, 5, 5, 9}, 0, 0, false);
  DrawPictureRect(page, glyphs, Rect{30, 0, 40, 5}, 0, 0, false);
  EXPECT_EQ(CountOf(page, 0), kPageWidth * kPageHeight);
}

TEST(Page, StretchByNearestPixel) {
  Page page;
  Picture p = Numbered(2, 2);
  StretchPicture(page, p, Rect{10, 10, 14, 16});  // 4 x 6
  EXPECT_EQ(page.pixel(10, 10), 1);
  EXPECT_EQ(page.pixel(11, 12), 1);
  EXPECT_EQ(page.pixel(12, 10), 2);
  EXPECT_EQ(page.pixel(13, 15), 102);
  EXPECT_EQ(page.pixel(10, 13), 101);
  EXPECT_EQ(page.pixel(14, 10), 0);
  EXPECT_EQ(page.pixel(10, 16), 0);
  EXPECT_EQ(CountOf(page, 0), kPageWidth * kPageHeight - 24);

  // The whole page, from a picture partly off it, keyed.
  p.pixels[3] = kBlue;
  p.transparent = true;
  ClearPage(page, 0x008000);
  StretchPicture(page, p, Rect{-800, -600, 800, 600});
  EXPECT_EQ(page.pixel(0, 0), kGreen);
  EXPECT_EQ(page.pixel(799, 599), kGreen);
  ClearPage(page, 0);
  StretchPicture(page, p, Rect{10, 10, 10, 20});
  StretchPicture(page, p, Rect{10, 10, 5, 20});
  EXPECT_EQ(CountOf(page, 0), kPageWidth * kPageHeight);
}

TEST(Page, WideKeyedRowsKeepEveryKeyedPixel) {
  Page page;
  ClearPage(page, 0x008000);
  Picture p = Numbered(37, 2);  // several runs of eight and a tail
  for (int i = 0; i < 74; i += 5) p.pixels[i] = kBlue;
  p.transparent = true;
  DrawPicture(page, p, 3, 7);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 37; ++x) {
      const uint16_t source = p.pixels[y * 37 + x];
      EXPECT_EQ(page.pixel(3 + x, 7 + y), source == kBlue ? kGreen : source) << x << "," << y;
    }
  EXPECT_EQ(page.pixel(2, 7), kGreen);
  EXPECT_EQ(page.pixel(40, 7), kGreen);
}

TEST(PageScaler, WholeScalesGiveBlocksOtherScalesSmoothAndOnlyTheChangeIsScaledAgain) {
  Page page;
  ClearPage(page, 0x00FF00);
  std::vector<uint16_t> before = page.pixels;
  page.pixels[10 * kPageWidth + 20] = ToRgb565(0x0000FF);  // one red pixel
  const Rect changed = ChangedArea(page.pixels, before);
  EXPECT_EQ(changed.left, 20);
  EXPECT_EQ(changed.top, 10);
  EXPECT_EQ(changed.right, 21);
  EXPECT_EQ(changed.bottom, 11);
  EXPECT_EQ(ChangedArea(before, before).right, 0);

  PageScaler twice;
  EXPECT_TRUE(twice.Resize(1600, 1200));
  EXPECT_FALSE(twice.Resize(1600, 1200));
  EXPECT_TRUE(twice.Crisp());
  const Rect block = twice.ShownArea(changed);
  EXPECT_EQ(block.left, 40);
  EXPECT_EQ(block.right, 42);
  EXPECT_EQ(block.top, 20);
  EXPECT_EQ(block.bottom, 22);
  std::vector<uint32_t> out(4 * 4);
  twice.Scale(page, {39, 19, 43, 23}, out.data(), 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(out[y * 4 + x], (x == 1 || x == 2) && (y == 1 || y == 2) ? 0xFF0000u : 0x00FF00u) << x << "," << y;

  PageScaler larger;
  larger.Resize(1200, 900);
  EXPECT_FALSE(larger.Crisp());
  const Rect around = larger.ShownArea(changed);
  EXPECT_LE(around.right - around.left, 4);  // the pixel and its blend with its neighbours
  std::vector<uint32_t> row(1200);
  larger.Scale(page, {0, 300, 1200, 301}, row.data(), 1200);
  for (uint32_t p : row) EXPECT_EQ(p, 0x00FF00u);  // a plain page stays plain
  larger.Scale(page, {around.left, 15, around.right, 16}, row.data(), 1200);
  int blended = 0;  // the red pixel blends into what it shows
  for (int x = 0; x < around.right - around.left; ++x) blended += row[x] != 0x00FF00u;
  EXPECT_GT(blended, 0);
}
