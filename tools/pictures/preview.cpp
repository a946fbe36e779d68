// SPDX-License-Identifier: GPL-3.0-or-later
// Review sheets: every picture on a grey ground (key colour shown as the
// ground, so a fringe of mixed blue would stand out), grouped and labelled.
#include <algorithm>
#include <cstdio>

#include "makers.h"

namespace {

void Paste(cairo_t* cr, const Image& image, double x, double y, double scale) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height);
  unsigned char* data = cairo_image_surface_get_data(s);
  int stride = cairo_image_surface_get_stride(s);
  for (int yy = 0; yy < image.height; ++yy)
    for (int xx = 0; xx < image.width; ++xx) {
      uint32_t p = image.at(xx, yy);
      bool key = p == kKeyBlue || p == kFrameKeyBlue;
      reinterpret_cast<uint32_t*>(data + size_t(yy) * stride)[xx] = key ? 0 : (0xFF000000u | p);
    }
  cairo_surface_mark_dirty(s);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, scale, scale);
  cairo_set_source_surface(cr, s, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), scale < 1 ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
  cairo_paint(cr);
  cairo_restore(cr);
  cairo_surface_destroy(s);
}

void Sheet(const Output& out, const std::vector<std::string>& groups, const std::string& file, double scale,
           int width) {
  // two passes: measure, then draw
  for (int pass = 0; pass < 2; ++pass) {
    static int height;
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, pass ? height : 1);
    cairo_t* cr = cairo_create(s);
    cairo_set_source_rgb(cr, 0.30, 0.32, 0.36);
    cairo_paint(cr);
    cairo_set_font_face(cr, DejaVu("DejaVuSans.ttf"));
    cairo_set_font_size(cr, 10);
    double x = 8, y = 8, rowH = 0;
    for (const std::string& g : groups) {
      for (const Output::Shown& shown : out.shown) {
        if (shown.group != g) continue;
        double s = shown.image.width > width - 16 ? (width - 16.0) / shown.image.width : scale;
        if (g == "backgrounds") s = 0.5;
        if (g == "screens") s = 1;
        double w = shown.image.width * s, h = shown.image.height * s + 14;
        if (x + w > width - 8) {
          x = 8;
          y += rowH + 8;
          rowH = 0;
        }
        if (pass) {
          Paste(cr, shown.image, x, y, s);
          cairo_set_source_rgb(cr, 0.9, 0.9, 0.9);
          cairo_move_to(cr, x, y + h - 3);
          cairo_show_text(cr, shown.label.c_str());
        }
        x += std::max(w, 60.0) + 8;
        rowH = std::max(rowH, h);
      }
      x = 8;
      y += rowH + 16;
      rowH = 0;
    }
    height = int(y) + 8;
    if (pass) {
      MakeFolders(out.previewDir);
      std::string path = out.previewDir + "/" + file;
      if (cairo_surface_write_to_png(s, path.c_str()) != CAIRO_STATUS_SUCCESS)
        std::fprintf(stderr, "pictures: cannot write %s\n", path.c_str());
    }
    cairo_destroy(cr);
    cairo_surface_destroy(s);
  }
}

}  // namespace

void WritePreview(const Output& out) {
  Sheet(out, {"fonts"}, "fonts.png", 1, 1300);
  Sheet(out, {"sample"}, "frame.png", 2, 1300);
  Sheet(out, {"screens"}, "screens.png", 1, 1620);
  Sheet(out, {"tiles", "buttons", "heads"}, "pictures.png", 2, 1300);
  Sheet(out, {"interface", "hangman"}, "interface.png", 1, 1300);
  Sheet(out, {"backgrounds"}, "backgrounds.png", 0.5, 1300);
}
