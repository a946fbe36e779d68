// SPDX-License-Identifier: GPL-3.0-or-later
// Colours are Windows values (0x00BBGGRR): 0xFF0000 is blue, 0x0000FF is red.
#pragma once
#include <cstdint>

constexpr uint32_t kNoColour = 0x1FFFFFFF;  // "no transparent colour"

constexpr uint16_t ToRgb565(uint32_t windowsColour) {
  uint32_t r = windowsColour & 0xFF, g = (windowsColour >> 8) & 0xFF, b = (windowsColour >> 16) & 0xFF;
  return static_cast<uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}
constexpr uint32_t FromRgb565(uint16_t p) {
  uint32_t r = (p >> 11) & 0x1F, g = (p >> 5) & 0x3F, b = p & 0x1F;
  r = (r << 3) | (r >> 2);
  g = (g << 2) | (g >> 4);
  b = (b << 3) | (b >> 2);
  return r | (g << 8) | (b << 16);
}
