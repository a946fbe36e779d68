// SPDX-License-Identifier: GPL-3.0-or-later
// Finished pictures (24-bit RGB), the cairo surfaces they are drawn on, and
// the writers for the game's two formats and the review sheet.
#pragma once
#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

// 0xRRGGBB. The game's key colours, as they must come out of the files.
constexpr uint32_t kKeyBlue = 0x0000FF;
constexpr uint32_t kFrameKeyBlue = 0x0000FE;

struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0xRRGGBB, row by row, top first
  Image() = default;
  Image(int w, int h, uint32_t fill = kKeyBlue) : width(w), height(h), pixels(size_t(w) * h, fill) {}
  uint32_t& at(int x, int y) { return pixels[size_t(y) * width + x]; }
  uint32_t at(int x, int y) const { return pixels[size_t(y) * width + x]; }
};

// A cleared (fully transparent) ARGB surface and its context.
struct Canvas {
  cairo_surface_t* surface;
  cairo_t* cr;
  Canvas(int w, int h);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
};

// Colour keying in the game has no alpha: a pixel is either the picture's or
// the key. Coverage below one half becomes the key; the rest keeps its own
// colour un-premultiplied, so an edge shows the colour it was drawn in (a dark
// outline) and never a mix with the key.
Image KeyedImage(cairo_surface_t* surface, uint32_t key = kKeyBlue);
// The surface flattened onto black (for pictures without transparency).
Image OpaqueImage(cairo_surface_t* surface);

bool WriteBmp(const std::string& path, const Image& image);
bool WriteJpeg(const std::string& path, const Image& image, int quality = 90);
bool WritePng(const std::string& path, const Image& image);

// Creates the folder and its parents.
void MakeFolders(const std::string& path);

// Small drawing helpers shared by every maker.
void SetRgb(cairo_t* cr, uint32_t rgb, double alpha = 1.0);
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
cairo_pattern_t* VerticalGradient(double y0, double y1, uint32_t top, uint32_t bottom);
uint32_t Mix(uint32_t a, uint32_t b, double t);
