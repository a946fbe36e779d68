// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the pictures of the program folder for the checks.
#pragma once
#include <cstdint>
#include <string>

#include "platform/picture.h"

constexpr uint16_t kKey565 = 0x001F;  // pure blue, and blue 254, after the 16-bit conversion

inline std::string BitmapsPath(const std::string& relative) { return std::string(GAME_DIR) + "/bitmaps/" + relative; }

// Decodes through the program's own loader; an empty picture when it cannot.
inline Picture Load(const std::string& relative) {
  Picture p;
  if (!LoadPicture(BitmapsPath(relative), p)) return Picture{};
  return p;
}

inline uint16_t At(const Picture& p, int x, int y) { return p.pixels[size_t(y) * p.width + x]; }

// A drawn pixel that reads as a mix of the key blue and a drawn colour: blue
// well above both red and green.
inline bool Bluish(uint16_t p) {
  int r = ((p >> 11) & 31) << 3, g = ((p >> 5) & 63) << 2, b = (p & 31) << 3;
  return b > r + 64 && b > g + 64;
}
