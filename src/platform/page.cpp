// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/page.h"

#include <algorithm>
#include <cstring>

#include "platform/frame_log.h"

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

// What a picture adds to a drawing's key: its serial names its pixels.
FrameKey& AddPicture(FrameKey& key, const Picture& picture) {
  return key.Add(reinterpret_cast<uintptr_t>(&picture))
      .Add(reinterpret_cast<uintptr_t>(picture.pixels.data()))
      .Add(picture.serial)
      .Add(static_cast<uint64_t>(picture.width) << 32 | static_cast<uint32_t>(picture.height))
      .Add(picture.transparent ? picture.transparentColour : 0xFFFFFFFFull);
}

}  // namespace

Page& ThePage() {
  static Page page;
  return page;
}

void ClearPage(Page& page, uint32_t windowsColour) {
  if (&page == &ThePage() && FrameDefer(FrameKey().Add(1).Add(windowsColour).value(), true,
                                        [&page, windowsColour] { ClearPage(page, windowsColour); }))
    return;
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
  if (&page == &ThePage()) {
    FrameKey key;
    AddPicture(key.Add(2), picture).Add(source.left).Add(source.top).Add(x).Add(y).Add(w).Add(h).Add(keyed);
    const bool covers = (!keyed || KeyOf(picture) < 0) && x == 0 && y == 0 && w == kPageWidth && h == kPageHeight;
    NotedBlit blit;
    blit.draw = [](const NotedBlit& b) {
      const int* v = b.values;
      DrawPictureRect(*static_cast<Page*>(b.page), *static_cast<const Picture*>(b.picture),
                      {v[0], v[1], v[0] + v[2], v[1] + v[3]}, v[4], v[5], v[6] != 0);
    };
    blit.page = &page;
    blit.picture = &picture;
    const int values[] = {source.left, source.top, w, h, x, y, keyed};
    std::copy(std::begin(values), std::end(values), blit.values);
    if (FrameDefer(key.value(), covers, blit)) return;
  }
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
  if (&page == &ThePage()) {
    FrameKey key;
    AddPicture(key.Add(3), picture).Add(destination.left).Add(destination.top).Add(destination.right).Add(
        destination.bottom);
    const bool covers = KeyOf(picture) < 0 && x0 == 0 && y0 == 0 && x1 == kPageWidth && y1 == kPageHeight;
    if (FrameDefer(key.value(), covers, [&page, &picture, destination] { StretchPicture(page, picture, destination); }))
      return;
  }
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
