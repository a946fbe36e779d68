// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/page_scaler.h"

#include <algorithm>
#include <cstring>

#include "platform/colour.h"

namespace {

// 0x00RRGGBB of every RGB565 pixel.
const std::vector<uint32_t>& Rgb888() {
  static const std::vector<uint32_t> table = [] {
    std::vector<uint32_t> t(65536);
    for (uint32_t p = 0; p < 65536; ++p) {
      const uint32_t w = FromRgb565(static_cast<uint16_t>(p));  // 0x00BBGGRR
      t[p] = ((w & 0xFF) << 16) | (w & 0xFF00) | ((w >> 16) & 0xFF);
    }
    return t;
  }();
  return table;
}

// a + (b - a) * w / 256 for the three channels at once.
uint32_t Mix(uint32_t a, uint32_t b, int w) {
  const uint32_t rb = ((a & 0xFF00FF) * (256 - w) + (b & 0xFF00FF) * w) >> 8;
  const uint32_t g = ((a & 0x00FF00) * (256 - w) + (b & 0x00FF00) * w) >> 8;
  return (rb & 0xFF00FF) | (g & 0x00FF00);
}

// The page pixel before each shown pixel's centre, and the next one's weight.
void Sample(int shown, int page, bool crisp, std::vector<int>& at, std::vector<int>& weight) {
  at.resize(shown);
  weight.resize(shown);
  for (int i = 0; i < shown; ++i) {
    if (crisp) {
      at[i] = static_cast<int>(static_cast<int64_t>(i) * page / shown);
      weight[i] = 0;
      continue;
    }
    // Centre of shown pixel i, in 1/256 of a page pixel, less half a pixel.
    const int64_t centre = ((2 * static_cast<int64_t>(i) + 1) * page * 256) / (2 * shown) - 128;
    const int64_t clamped = std::clamp<int64_t>(centre, 0, static_cast<int64_t>(page - 1) * 256);
    at[i] = static_cast<int>(clamped >> 8);
    weight[i] = at[i] >= page - 1 ? 0 : static_cast<int>(clamped & 0xFF);
  }
}

// The shown indices whose samples read a page index in [from, to).
void ShownRange(const std::vector<int>& at, const std::vector<int>& weight, int from, int to, int& first, int& last) {
  first = static_cast<int>(at.size());
  last = 0;
  for (int i = 0; i < static_cast<int>(at.size()); ++i)
    if (at[i] + (weight[i] ? 1 : 0) >= from && at[i] < to) {
      first = std::min(first, i);
      last = i + 1;
    }
}

}  // namespace

bool PageScaler::Resize(int width, int height) {
  if (width == width_ && height == height_) return false;
  width_ = width;
  height_ = height;
  crisp_ = width > 0 && width % kPageWidth == 0 && height == width / kPageWidth * kPageHeight;
  Sample(width, kPageWidth, crisp_, column_, columnWeight_);
  Sample(height, kPageHeight, crisp_, row_, rowWeight_);
  return true;
}

Rect PageScaler::ShownArea(Rect changed) const {
  Rect shown{};
  ShownRange(column_, columnWeight_, changed.left, changed.right, shown.left, shown.right);
  ShownRange(row_, rowWeight_, changed.top, changed.bottom, shown.top, shown.bottom);
  return shown;
}

void PageScaler::Scale(const Page& page, Rect area, uint32_t* out, int pitch) const {
  const std::vector<uint32_t>& rgb = Rgb888();
  const uint16_t* pixels = page.pixels.data();
  for (int y = area.top; y < area.bottom; ++y) {
    const uint16_t* above = pixels + row_[y] * kPageWidth;
    const uint16_t* below = rowWeight_[y] ? above + kPageWidth : above;
    uint32_t* to = out + static_cast<size_t>(y - area.top) * pitch;
    for (int x = area.left; x < area.right; ++x) {
      const int c = column_[x], w = columnWeight_[x];
      if (crisp_) {
        to[x - area.left] = rgb[above[c]];
        continue;
      }
      const int next = w ? c + 1 : c;
      const uint32_t top = Mix(rgb[above[c]], rgb[above[next]], w);
      const uint32_t bottom = Mix(rgb[below[c]], rgb[below[next]], w);
      to[x - area.left] = Mix(top, bottom, rowWeight_[y]);
    }
  }
}

Rect ChangedArea(const std::vector<uint16_t>& a, const std::vector<uint16_t>& b) {
  if (a.size() != b.size() || a.size() != static_cast<size_t>(kPageWidth) * kPageHeight)
    return {0, 0, kPageWidth, kPageHeight};
  Rect changed{kPageWidth, kPageHeight, 0, 0};
  for (int y = 0; y < kPageHeight; ++y) {
    const uint16_t* ra = a.data() + y * kPageWidth;
    const uint16_t* rb = b.data() + y * kPageWidth;
    if (std::memcmp(ra, rb, kPageWidth * sizeof(uint16_t)) == 0) continue;
    int left = 0, right = kPageWidth;
    while (ra[left] == rb[left]) ++left;
    while (ra[right - 1] == rb[right - 1]) --right;
    changed = {std::min(changed.left, left), std::min(changed.top, y), std::max(changed.right, right), y + 1};
  }
  return changed.right > changed.left ? changed : Rect{0, 0, 0, 0};
}
