// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop icon: two letter tiles of the game, L and A, on a rounded
// night-blue square, drawn at each size of the hicolor theme as PNGs with
// real transparency (the game's own pictures are keyed; a desktop's are not).
#include <cstdio>

#include "makers.h"

namespace {

// One tile face with its letter, in a unit square scaled to `size` pixels.
void Tile(cairo_t* cr, double x, double y, double size, uint32_t top, uint32_t bottom, const char* letter) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  RoundedRect(cr, size * 0.06, size * 0.08, size, size, size * 0.14);  // shadow
  SetRgb(cr, 0x0A0814, 0.55);
  cairo_fill(cr);
  RoundedRect(cr, 0, 0, size, size, size * 0.14);
  SetRgb(cr, 0x2A180A);
  cairo_fill(cr);
  const double edge = size * 0.045;
  RoundedRect(cr, edge, edge, size - 2 * edge, size - 2 * edge, size * 0.11);
  cairo_pattern_t* g = VerticalGradient(0, size, top, bottom);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_set_font_face(cr, DejaVu("DejaVuSans-Bold.ttf"));
  cairo_set_font_size(cr, size * 0.72);
  SetRgb(cr, 0x201808);
  CentredText(cr, letter, size / 2, size * 0.77);
  cairo_restore(cr);
}

bool WriteIcon(const std::string& path, int px) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, px, px);
  cairo_t* cr = cairo_create(s);
  cairo_scale(cr, px / 256.0, px / 256.0);
  RoundedRect(cr, 8, 8, 240, 240, 44);
  cairo_pattern_t* g = VerticalGradient(8, 248, 0x3A4890, 0x141A40);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  Tile(cr, 30, 34, 120, 0xE8C070, 0xB27A46, "A");
  Tile(cr, 104, 102, 124, 0xFFE9A0, 0xE0B040, "L");
  cairo_destroy(cr);
  const bool ok = cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(s);
  return ok;
}

}  // namespace

void MakeAppIcon(Output& out) {
  if (out.iconDir.empty()) return;
  for (int px : {48, 128, 256}) {
    const std::string folder = out.iconDir + "/hicolor/" + std::to_string(px) + "x" + std::to_string(px) + "/apps";
    MakeFolders(folder);
    if (!WriteIcon(folder + "/org.lettrarium.Lettrarium.png", px)) {
      std::fprintf(stderr, "pictures: cannot write the %d px icon\n", px);
      ++out.failures;
    }
  }
}
