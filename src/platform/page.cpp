#include "platform/page.h"

#include <algorithm>
#include <cstring>

namespace {

// The key in page format, or -1 when nothing is keyed.
int KeyOf(const Picture& picture) {
  if (!picture.transparent || picture.transparentColour == kNoColour) return -1;
  return ToRgb565(picture.transparentColour);
}

// Eight pixels at a time: the keyed copies run for every sprite of every
// 10 ms frame.
typedef uint16_t Pixels8 __attribute__((vector_size(16)));

void KeyedRow(const uint16_t* from, uint16_t* to, int w, uint16_t key) {
  int i = 0;
  const Pixels8 keys = {key, key, key, key, key, key, key, key};
  for (; i + 8 <= w; i += 8) {
    Pixels8 source, target;
    std::memcpy(&source, from + i, sizeof source);
    std::memcpy(&target, to + i, sizeof target);
    const Pixels8 keep = reinterpret_cast<Pixels8>(source == keys);  // all ones where keyed
    target = (target & keep) | (source & ~keep);
    std::memcpy(to + i, &target, sizeof target);
  }
  for (; i < w; ++i) to[i] = from[i] == key ? to[i] : from[i];
}

// Copies a w x h block starting at picture pixel (sx, sy) to page (x, y); all
// already clipped.
void CopyBlock(Page& page, const Picture& picture, int sx, int sy, int x, int y, int w, int h, int key) {
  for (int row = 0; row < h; ++row) {
    const uint16_t* from = picture.pixels.data() + (sy + row) * picture.width + sx;
    uint16_t* to = page.pixels.data() + (y + row) * kPageWidth + x;
    if (key < 0) {
      std::copy(from, from + w, to);
    } else {
      KeyedRow(from, to, w, static_cast<uint16_t>(key));
    }
  }
}

bool Usable(const Picture& picture) {
  return !picture.empty() && picture.pixels.size() >= static_cast<size_t>(picture.width) * picture.height;
}

}  // namespace

Page& ThePage() {
  static Page page;
  return page;
}

void ClearPage(Page& page, uint32_t windowsColour) {
  std::fill(page.pixels.begin(), page.pixels.end(), ToRgb565(windowsColour));
}

void DrawPictureRect(Page& page, const Picture& picture, Rect source, int x, int y, bool keyed) {
  if (!Usable(picture)) return;
  // Clip the source to the picture, moving the destination with it.
  if (source.left < 0) { x -= source.left; source.left = 0; }
  if (source.top < 0) { y -= source.top; source.top = 0; }
  source.right = std::min(source.right, picture.width);
  source.bottom = std::min(source.bottom, picture.height);
  // Then clip to the page.
  if (x < 0) { source.left -= x; x = 0; }
  if (y < 0) { source.top -= y; y = 0; }
  int w = std::min(source.right - source.left, kPageWidth - x);
  int h = std::min(source.bottom - source.top, kPageHeight - y);
  if (w <= 0 || h <= 0) return;
  CopyBlock(page, picture, source.left, source.top, x, y, w, h, keyed ? KeyOf(picture) : -1);
}

void DrawPicture(Page& page, const Picture& picture, int x, int y) {
  if (!Usable(picture)) return;
  Rect whole{0, 0, picture.width, picture.height};
  DrawPictureRect(page, picture, whole, x, y, true);
}

void StretchPicture(Page& page, const Picture& picture, Rect destination) {
  if (!Usable(picture)) return;
  const int dw = destination.right - destination.left;
  const int dh = destination.bottom - destination.top;
  if (dw <= 0 || dh <= 0) return;
  const int x0 = std::max(destination.left, 0), x1 = std::min(destination.right, kPageWidth);
  const int y0 = std::max(destination.top, 0), y1 = std::min(destination.bottom, kPageHeight);
  if (x0 >= x1 || y0 >= y1) return;
  const int key = KeyOf(picture);
  // Source columns are the same for every row: work them out once.
  std::vector<int> columns(x1 - x0);
  for (int x = x0; x < x1; ++x)
    columns[x - x0] = static_cast<int>(static_cast<int64_t>(x - destination.left) * picture.width / dw);
  int previousRow = -1;
  for (int y = y0; y < y1; ++y) {
    int sy = static_cast<int>(static_cast<int64_t>(y - destination.top) * picture.height / dh);
    const uint16_t* from = picture.pixels.data() + sy * picture.width;
    uint16_t* to = page.pixels.data() + y * kPageWidth;
    if (key < 0 && sy == previousRow) {
      // Enlarged: this row is the one just drawn again.
      std::copy(to - kPageWidth + x0, to - kPageWidth + x1, to + x0);
    } else if (key < 0) {
      for (int x = x0; x < x1; ++x) to[x] = from[columns[x - x0]];
    } else {
      const uint16_t k = static_cast<uint16_t>(key);
      for (int x = x0; x < x1; ++x) {
        uint16_t p = from[columns[x - x0]];
        to[x] = p == k ? to[x] : p;
      }
    }
    previousRow = sy;
  }
}
