// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures held in RGB565, decoded from .bmp (SDL) or .jpg (libjpeg), and the
// sprite lists that hold them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/colour.h"

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<uint16_t> pixels;  // row by row, RGB565
  bool transparent = false;
  uint32_t transparentColour = 0xFF0000;  // Windows colour; kNoColour keys nothing
  // Set anew whenever pixels are loaded or made, and copied with them: equal
  // serials mean equal pixels. 0 for a picture built by hand.
  uint64_t serial = 0;
  bool empty() const { return width <= 0 || height <= 0; }
};

// Decodes a picture file by its ending (.bmp or .jpg/.jpeg, case-insensitive).
// The path is a program path (see paths.h). Keeps the transparency settings of
// `out`. Returns false (and leaves `out` unchanged) when it cannot be read;
// `why` then says why, for the log. The declared size and the header are
// checked before decoding: a picture of more than 64 M pixels is refused.
bool LoadPicture(const std::string& path, Picture& out, std::string* why = nullptr);
// Writes a 24-bit Windows bitmap, through a temporary name.
bool SavePictureBmp(const std::string& path, const Picture& picture);
// A copy of the picture resized to w x h (nearest pixel).
Picture StretchedCopy(const Picture& picture, int w, int h);

// A sprite list: numbered pictures, empty where nothing was loaded.
struct ImageList {
  std::vector<Picture> items;
  explicit ImageList(int count = 0) : items(count) {}
  Picture& operator[](int n) { return items.at(n); }
  const Picture& operator[](int n) const { return items.at(n); }
  int count() const { return static_cast<int>(items.size()); }
};
