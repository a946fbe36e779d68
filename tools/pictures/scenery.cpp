// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenery.h"

#include <cmath>
#include <string>

namespace {
const double kPi = 3.14159265358979;
}  // namespace

void Stop(cairo_pattern_t* p, double at, uint32_t rgb, double alpha) {
  cairo_pattern_add_color_stop_rgba(p, at, ((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0,
                                    (rgb & 255) / 255.0, alpha);
}

void PaintSky(cairo_t* cr, uint32_t top, uint32_t middle, uint32_t horizon, double horizonY) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, horizonY);
  Stop(p, 0, top);
  Stop(p, 0.55, middle);
  Stop(p, 1, horizon);
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);
}

void PaintGlow(cairo_t* cr, double x, double y, double r, uint32_t colour, double alpha) {
  cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, r);
  Stop(p, 0, colour, alpha);
  Stop(p, 1, colour, 0);
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);
}

void PaintStars(cairo_t* cr, Dice& dice, int count, double maxY) {
  for (int i = 0; i < count; ++i) {
    double x = dice.Between(0, 800), y = dice.Between(0, maxY), r = dice.Between(0.4, 1.6);
    SetRgb(cr, 0xFFFFF0, dice.Between(0.3, 0.95) * (1 - y / maxY * 0.6));
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_fill(cr);
  }
}

void PaintRidge(cairo_t* cr, Dice& dice, double baseY, double amplitude, double roughness, uint32_t top,
                uint32_t bottom) {
  // a sum of a few sines with random phases gives soft, natural hills
  double phase[4], freq[4] = {1.3, 2.9, 6.1, 13.7};
  for (double& p : phase) p = dice.Between(0, 2 * kPi);
  cairo_move_to(cr, 0, 600);
  for (int x = 0; x <= 800; x += 4) {
    double t = x / 800.0 * 2 * kPi, h = 0;
    for (int k = 0; k < 4; ++k) h += std::sin(freq[k] * t + phase[k]) * std::pow(roughness, k);
    cairo_line_to(cr, x, baseY - amplitude * h);
  }
  cairo_line_to(cr, 800, 600);
  cairo_close_path(cr);
  cairo_pattern_t* p = VerticalGradient(baseY - amplitude * 1.5, 600, top, bottom);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void PaintWater(cairo_t* cr, double y, uint32_t top, uint32_t bottom, Dice& dice, uint32_t glint) {
  cairo_rectangle(cr, 0, y, 800, 600 - y);
  cairo_pattern_t* p = VerticalGradient(y, 600, top, bottom);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  for (int i = 0; i < 160; ++i) {
    double yy = dice.Between(y + 2, 600), w = dice.Between(10, 60) * (0.3 + (yy - y) / (600 - y));
    SetRgb(cr, glint, dice.Between(0.08, 0.3));
    cairo_rectangle(cr, dice.Between(-20, 800), yy, w, 1.2);
    cairo_fill(cr);
  }
}

void PaintVignette(cairo_t* cr, double dim) {
  SetRgb(cr, 0x000000, dim);
  cairo_paint(cr);
  cairo_pattern_t* p = cairo_pattern_create_radial(400, 300, 200, 400, 300, 560);
  Stop(p, 0, 0x000000, 0);
  Stop(p, 1, 0x000000, 0.55);
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);
}

void PaintLetterDust(cairo_t* cr, Dice& dice, int count, uint32_t colour, double alpha) {
  const char* faces[] = {"DejaVuSerif-Bold.ttf", "DejaVuSerif-Italic.ttf", "DejaVuSans-Bold.ttf"};
  const char* letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZÉÈÀÇ";
  std::string all(letters);
  for (int i = 0; i < count; ++i) {
    cairo_save(cr);
    cairo_translate(cr, dice.Between(0, 800), dice.Between(0, 600));
    cairo_rotate(cr, dice.Between(-0.6, 0.6));
    cairo_set_font_face(cr, DejaVu(faces[int(dice.Next() * 3)]));
    cairo_set_font_size(cr, dice.Between(16, 90));
    int k = int(dice.Next() * 26);
    std::string one(1, all[k]);
    SetRgb(cr, colour, alpha * dice.Between(0.3, 1));
    cairo_move_to(cr, 0, 0);
    cairo_show_text(cr, one.c_str());
    cairo_restore(cr);
  }
}
