// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the page as it stands to <build>/preview/frames/<name>.png, so the
// frames a test draws can be looked at.
#pragma once
#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/colour.h"
#include "platform/page.h"

inline void WritePreviewFrame(const std::string& name) {
  const std::string folder = std::string(PREVIEW_DIR) + "/frames";
  std::filesystem::create_directories(folder);
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kPageWidth, kPageHeight);
  unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < kPageHeight; ++y)
    for (int x = 0; x < kPageWidth; ++x) {
      const uint32_t w = FromRgb565(ThePage().pixel(x, y));  // 0x00BBGGRR
      const uint32_t rgb = ((w & 0xFF) << 16) | (w & 0xFF00) | ((w >> 16) & 0xFF);
      reinterpret_cast<uint32_t*>(data + size_t(y) * stride)[x] = rgb;
    }
  cairo_surface_mark_dirty(s);
  cairo_surface_write_to_png(s, (folder + "/" + name + ".png").c_str());
  cairo_surface_destroy(s);
}
