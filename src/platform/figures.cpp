// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/figures.h"

#include <algorithm>
#include <string>

#include "platform/colour.h"
#include "platform/frame_log.h"
#include "platform/page.h"

namespace {

// Strokes two pixels wide. The 3 is open on the left where the 8 is closed,
// the 5 has a flat top and an open left below, the 1 a flag and a foot, the
// 7 a bare bar, the 6 and the 9 open where the 0 is closed.
const char* const kDigits[10][kFigureHeight] = {
    {".####.", "##..##", "##..##", "##..##", "##..##", "##..##", "##..##", "##..##", "##..##", ".####."},
    {"..##..", ".###..", "####..", "..##..", "..##..", "..##..", "..##..", "..##..", "..##..", "######"},
    {".####.", "##..##", "....##", "....##", "...##.", "..##..", ".##...", "##....", "##....", "######"},
    {".####.", "##..##", "....##", "....##", "..###.", "....##", "....##", "....##", "##..##", ".####."},
    {"...##.", "..###.", ".####.", "##.##.", "##.##.", "######", "...##.", "...##.", "...##.", "...##."},
    {"######", "##....", "##....", "#####.", "....##", "....##", "....##", "....##", "##..##", ".####."},
    {"..###.", ".##...", "##....", "##....", "#####.", "##..##", "##..##", "##..##", "##..##", ".####."},
    {"######", "....##", "....##", "...##.", "...##.", "..##..", "..##..", "..##..", "..##..", "..##.."},
    {".####.", "##..##", "##..##", "##..##", ".####.", "##..##", "##..##", "##..##", "##..##", ".####."},
    {".####.", "##..##", "##..##", "##..##", "##..##", ".#####", "....##", "....##", "...##.", ".###.."},
};

void Fill(Page& page, int x0, int y0, int x1, int y1, uint16_t colour) {
  x0 = std::max(x0, 0), y0 = std::max(y0, 0), x1 = std::min(x1, kPageWidth), y1 = std::min(y1, kPageHeight);
  for (int y = y0; y < y1; ++y) std::fill(page.pixels.begin() + y * kPageWidth + x0, page.pixels.begin() + y * kPageWidth + x1, colour);
}

void DrawNow(Page& page, int x, int y, int number, uint32_t ink, uint32_t backing) {
  const std::string digits = std::to_string(number);
  Fill(page, x, y, x + FigureBoxWidth(number), y + FigureBoxHeight(), ToRgb565(backing));
  const uint16_t inkColour = ToRgb565(ink);
  int left = x + kFigureGap;
  for (char d : digits) {
    if (d >= '0' && d <= '9') {
      for (int row = 0; row < kFigureHeight; ++row)
        for (int col = 0; col < kFigureWidth; ++col)
          if (kDigits[d - '0'][row][col] == '#') Fill(page, left + col, y + kFigureGap + row, left + col + 1, y + kFigureGap + row + 1, inkColour);
    } else {  // the minus of a negative number
      Fill(page, left + 1, y + kFigureGap + 4, left + kFigureWidth - 1, y + kFigureGap + 6, inkColour);
    }
    left += kFigureWidth + kFigureGap;
  }
}

}  // namespace

int FigureBoxWidth(int number) {
  const int n = static_cast<int>(std::to_string(number).size());
  return n * (kFigureWidth + kFigureGap) + kFigureGap;
}

void DrawFigures(Page& page, int x, int y, int number, uint32_t ink, uint32_t backing) {
  if (&page == &ThePage()) {
    NotedBlit blit;
    blit.draw = [](const NotedBlit& b) {
      const int* v = b.values;
      DrawNow(*static_cast<Page*>(b.page), v[0], v[1], v[2], static_cast<uint32_t>(v[3]), static_cast<uint32_t>(v[4]));
    };
    blit.page = &page;
    const int values[] = {x, y, number, static_cast<int>(ink), static_cast<int>(backing)};
    std::copy(std::begin(values), std::end(values), blit.values);
    if (FrameDefer(FrameKey().Add(6).Add(x).Add(y).Add(number).Add(ink).Add(backing).value(), false, blit)) return;
  }
  DrawNow(page, x, y, number, ink, backing);
}
