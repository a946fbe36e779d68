// SPDX-License-Identifier: GPL-3.0-or-later
// Hangman pictures "pendu\0.bmp" ... "53.bmp": picture m is drawn at (20, 150)
// after m misses, left of the letter keys and above the word; the eleventh
// piece completes the figure (the game is lost).
#include <algorithm>

#include "makers.h"

namespace {

const double kPi = 3.14159265358979;
constexpr int kSize = 200;
constexpr int kLastStage = 11;

void Beam(cairo_t* cr, double x0, double y0, double x1, double y1, double width) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  cairo_set_line_width(cr, width + 3);
  SetRgb(cr, 0x1C0E04);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, width);
  SetRgb(cr, 0x9A6430);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, width * 0.35);
  SetRgb(cr, 0xC08850);
  cairo_stroke(cr);
}

// The figure is a white chalk line on a dark edge, readable on any background.
void Limb(cairo_t* cr, double x0, double y0, double x1, double y1) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  cairo_set_line_width(cr, 8);
  SetRgb(cr, 0x101018);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 4.5);
  SetRgb(cr, 0xF4F4F8);
  cairo_stroke(cr);
}

Image Stage(int m) {
  Canvas canvas(kSize, kSize);
  cairo_t* cr = canvas.cr;
  if (m >= 1) {  // ground
    cairo_save(cr);
    cairo_translate(cr, 80, 186);
    cairo_scale(cr, 1, 0.18);
    cairo_arc(cr, 0, 0, 72, 0, 2 * kPi);
    cairo_restore(cr);
    SetRgb(cr, 0x10200C);
    cairo_fill_preserve(cr);
    cairo_pattern_t* g = VerticalGradient(174, 198, 0x5A9A3A, 0x2A5A1A);
    cairo_set_source(cr, g);
    cairo_set_line_width(cr, 0);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    Beam(cr, 18, 182, 142, 182, 7);
  }
  if (m >= 2) Beam(cr, 46, 182, 46, 22, 9);
  if (m >= 3) Beam(cr, 40, 22, 146, 22, 8);
  if (m >= 4) Beam(cr, 46, 62, 84, 24, 6);
  if (m >= 5) {  // rope
    cairo_move_to(cr, 126, 24);
    cairo_line_to(cr, 126, 58);
    cairo_set_line_width(cr, 5);
    SetRgb(cr, 0x2A1C08);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 2.5);
    SetRgb(cr, 0xD8B870);
    cairo_stroke(cr);
  }
  if (m >= 6) {  // head
    cairo_arc(cr, 126, 72, 13, 0, 2 * kPi);
    SetRgb(cr, 0x101018);
    cairo_set_line_width(cr, 7.5);
    cairo_stroke_preserve(cr);
    SetRgb(cr, 0xF4F4F8);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
  }
  if (m >= 7) Limb(cr, 126, 87, 126, 132);
  if (m >= 8) Limb(cr, 126, 97, 106, 120);
  if (m >= 9) Limb(cr, 126, 97, 146, 120);
  if (m >= 10) Limb(cr, 126, 132, 110, 166);
  if (m >= 11) {
    Limb(cr, 126, 132, 142, 166);
    // crossed eyes: the game is lost
    SetRgb(cr, 0xF03C28);
    cairo_set_line_width(cr, 2);
    for (double ex : {121.0, 131.0}) {
      cairo_move_to(cr, ex - 2.5, 68.5);
      cairo_line_to(cr, ex + 2.5, 73.5);
      cairo_move_to(cr, ex + 2.5, 68.5);
      cairo_line_to(cr, ex - 2.5, 73.5);
      cairo_stroke(cr);
    }
  }
  return KeyedImage(canvas.surface);
}

}  // namespace

void MakeHangman(Output& out) {
  std::vector<Image> stages;
  for (int m = 0; m <= kLastStage; ++m) stages.push_back(Stage(m));
  for (int n = 0; n <= 53; ++n) {
    // Only 1-11 are ever shown; the numbers beyond keep the finished figure.
    const Image& image = stages[std::min(n, kLastStage)];
    out.Save("pendu/" + std::to_string(n) + ".bmp", image);
    if (n <= kLastStage) out.Show("hangman", "pendu/" + std::to_string(n), image);
  }
}
