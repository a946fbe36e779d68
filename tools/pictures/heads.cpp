// SPDX-License-Identifier: GPL-3.0-or-later
// Head pictures "tete\<name>.bmp" (80 x 90, drawn opaque, stretched to the
// height asked) and card backs "back\<name>.bmp".
#include <cmath>

#include "makers.h"
#include "scenery.h"

namespace {

const double kPi = 3.14159265358979;

void Circle(cairo_t* cr, double x, double y, double r, uint32_t colour) {
  cairo_arc(cr, x, y, r, 0, 2 * kPi);
  SetRgb(cr, colour);
  cairo_fill(cr);
}

void Ellipse(cairo_t* cr, double x, double y, double rx, double ry, uint32_t colour) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  SetRgb(cr, colour);
  cairo_fill(cr);
}

void Portrait(cairo_t* cr, uint32_t top, uint32_t bottom) {
  cairo_pattern_t* g = VerticalGradient(0, 90, top, bottom);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
}

// The two default heads: a man and a woman, each with a face shaded from the
// light (top left), eyes with whites and a glint, brows, nose, ears, a
// hairstyle and clothes of their own, on a soft studio light.
void StudioLight(cairo_t* cr, uint32_t light, uint32_t dark) {
  cairo_pattern_t* g = cairo_pattern_create_radial(30, 26, 4, 40, 45, 62);
  Stop(g, 0, light);
  Stop(g, 1, dark);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
}

void FillShaded(cairo_t* cr, double x0, double y0, double x1, double y1, uint32_t light, uint32_t dark) {
  cairo_pattern_t* g = cairo_pattern_create_linear(x0, y0, x1, y1);
  Stop(g, 0, light);
  Stop(g, 1, dark);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void FacePath(cairo_t* cr, double chinWidth) {
  cairo_move_to(cr, 40, 19);
  cairo_curve_to(cr, 52, 19, 57, 28, 57, 38);
  cairo_curve_to(cr, 57, 48, 50, 58, 40 + chinWidth, 60);
  cairo_curve_to(cr, 40, 61.5, 40, 61.5, 40 - chinWidth, 60);
  cairo_curve_to(cr, 30, 58, 23, 48, 23, 38);
  cairo_curve_to(cr, 23, 28, 28, 19, 40, 19);
  cairo_close_path(cr);
}

struct Look {
  uint32_t skin, skinShade, iris, brows, mouth;
  double chinWidth;
  bool lashes;
};

void Face(cairo_t* cr, const Look& look) {
  // neck, shadowed under the chin, and ears
  cairo_rectangle(cr, 34, 52, 12, 16);
  FillShaded(cr, 0, 54, 0, 64, look.skinShade, look.skin);
  for (int side = -1; side <= 1; side += 2) {
    Ellipse(cr, 40 + side * 17, 41, 3.5, 5.5, look.skinShade);
    Ellipse(cr, 40 + side * 17.3, 41, 1.8, 3.4, Mix(look.skinShade, 0x7A3A20, 0.25));
  }
  FacePath(cr, look.chinWidth);
  cairo_pattern_t* g = cairo_pattern_create_radial(35, 33, 3, 40, 40, 24);
  Stop(g, 0, Mix(look.skin, 0xFFFFFF, 0.25));
  Stop(g, 0.6, look.skin);
  Stop(g, 1, look.skinShade);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // cheeks
  for (int side = -1; side <= 1; side += 2) {
    cairo_pattern_t* blush = cairo_pattern_create_radial(40 + side * 10, 47, 0, 40 + side * 10, 47, 5);
    cairo_pattern_add_color_stop_rgba(blush, 0, 0.95, 0.45, 0.45, 0.35);
    cairo_pattern_add_color_stop_rgba(blush, 1, 0.95, 0.45, 0.45, 0);
    cairo_set_source(cr, blush);
    cairo_paint(cr);
    cairo_pattern_destroy(blush);
  }
  for (int side = -1; side <= 1; side += 2) {
    const double ex = 40 + side * 7.5, ey = 39;
    Ellipse(cr, ex, ey, 3.8, 2.6, 0xFAF6F0);
    Circle(cr, ex + 0.3, ey + 0.2, 2.1, look.iris);
    Circle(cr, ex + 0.3, ey + 0.2, 1.0, 0x100808);
    Circle(cr, ex - 0.5, ey - 0.7, 0.7, 0xFFFFFF);
    // upper lid and brow
    cairo_arc(cr, ex, ey + 1.2, 4.0, kPi * 1.1, kPi * 1.9);
    SetRgb(cr, 0x2A1610);
    cairo_set_line_width(cr, look.lashes ? 1.4 : 1.0);
    cairo_stroke(cr);
    if (look.lashes) {
      cairo_move_to(cr, ex + side * 3.6, ey - 1.6);
      cairo_line_to(cr, ex + side * 5.2, ey - 2.8);
      cairo_stroke(cr);
    }
    cairo_move_to(cr, ex - side * 3.8, ey - 5.2 + (look.lashes ? 0.6 : 0));
    cairo_curve_to(cr, ex - side * 1, ey - 7.2, ex + side * 2, ey - 7.2, ex + side * 4.4, ey - 5.6);
    SetRgb(cr, look.brows);
    cairo_set_line_width(cr, look.lashes ? 1.2 : 2.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
  }
  // nose: a shaded side and the nostrils' line
  cairo_move_to(cr, 41, 40);
  cairo_curve_to(cr, 42, 44, 43.5, 46, 42.5, 47.5);
  cairo_curve_to(cr, 41.5, 48.3, 39.5, 48.3, 38, 47.6);
  SetRgb(cr, look.skinShade);
  cairo_set_line_width(cr, 1.1);
  cairo_stroke(cr);
}

Image Joueur() {
  Canvas c(80, 90);
  cairo_t* cr = c.cr;
  StudioLight(cr, 0x8CB4E0, 0x1E3050);
  // jacket over a white shirt with an open collar
  cairo_move_to(cr, 2, 90);
  cairo_curve_to(cr, 4, 72, 18, 66, 40, 65);
  cairo_curve_to(cr, 62, 66, 76, 72, 78, 90);
  cairo_close_path(cr);
  FillShaded(cr, 0, 64, 0, 90, 0x3A5A8A, 0x16243E);
  cairo_move_to(cr, 31, 65);
  cairo_line_to(cr, 40, 80);
  cairo_line_to(cr, 49, 65);
  cairo_close_path(cr);
  SetRgb(cr, 0xF4F4F0);
  cairo_fill(cr);
  for (int side = -1; side <= 1; side += 2) {  // lapels
    cairo_move_to(cr, 40 + side * 9, 65);
    cairo_line_to(cr, 40 + side * 3, 82);
    cairo_line_to(cr, 40 + side * 14, 70);
    cairo_close_path(cr);
    SetRgb(cr, 0x24385C);
    cairo_fill(cr);
  }
  const Look look = {0xEDB890, 0xC88A66, 0x4A7A3A, 0x3A2414, 0x9A4A3A, 4.5, false};
  Face(cr, look);
  // a warm smile
  cairo_move_to(cr, 34.5, 51.5);
  cairo_curve_to(cr, 37, 54.5, 43, 54.5, 45.5, 51.5);
  SetRgb(cr, look.mouth);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  // short hair, parted on the left, swept right
  cairo_move_to(cr, 22.5, 40);
  cairo_curve_to(cr, 19, 22, 30, 12, 42, 13);
  cairo_curve_to(cr, 54, 13, 61, 22, 57.5, 40);
  cairo_curve_to(cr, 56, 33, 55, 28, 52, 26);
  cairo_curve_to(cr, 44, 28, 36, 25, 33, 22);
  cairo_curve_to(cr, 30, 26, 27, 30, 25, 34);
  cairo_close_path(cr);
  FillShaded(cr, 30, 12, 50, 40, 0x6A4424, 0x2A180A);
  cairo_move_to(cr, 33, 16.5);
  cairo_curve_to(cr, 40, 15, 48, 17, 53, 22);
  SetRgb(cr, 0xA07850, 0.7);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  return OpaqueImage(c.surface);
}

Image Joueuse() {
  Canvas c(80, 90);
  cairo_t* cr = c.cr;
  StudioLight(cr, 0xF0C0C8, 0x6A2A48);
  // long wavy hair behind the shoulders
  cairo_move_to(cr, 40, 12);
  cairo_curve_to(cr, 62, 12, 66, 30, 64, 46);
  cairo_curve_to(cr, 63, 58, 70, 66, 64, 76);
  cairo_line_to(cr, 16, 76);
  cairo_curve_to(cr, 10, 66, 17, 58, 16, 46);
  cairo_curve_to(cr, 14, 30, 18, 12, 40, 12);
  cairo_close_path(cr);
  FillShaded(cr, 20, 12, 60, 76, 0xB8702E, 0x5A2C10);
  // top with a round neckline and a pendant
  cairo_move_to(cr, 4, 90);
  cairo_curve_to(cr, 6, 74, 20, 67, 40, 67);
  cairo_curve_to(cr, 60, 67, 74, 74, 76, 90);
  cairo_close_path(cr);
  FillShaded(cr, 0, 66, 0, 90, 0x3AA088, 0x145A48);
  const Look look = {0xF2C4A0, 0xD09270, 0x5A3A1E, 0x6A3A1A, 0xC8485A, 3.2, true};
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, 80, 69);
  cairo_clip(cr);
  Face(cr, look);
  cairo_restore(cr);
  cairo_arc(cr, 40, 66, 9, kPi * 0.1, kPi * 0.9);
  SetRgb(cr, 0xF0D070);
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
  Circle(cr, 40, 75.5, 1.8, 0xF0D070);
  // lips
  cairo_move_to(cr, 35.5, 52);
  cairo_curve_to(cr, 38, 50.6, 42, 50.6, 44.5, 52);
  cairo_curve_to(cr, 42, 55, 38, 55, 35.5, 52);
  cairo_close_path(cr);
  SetRgb(cr, look.mouth);
  cairo_fill(cr);
  // a fringe swept across the brow and locks framing the face
  cairo_move_to(cr, 22, 44);
  cairo_curve_to(cr, 18, 24, 28, 14, 41, 14);
  cairo_curve_to(cr, 54, 14, 62, 24, 58, 44);
  cairo_curve_to(cr, 56, 34, 54, 29, 50, 27);
  cairo_curve_to(cr, 44, 31, 34, 30, 28, 27);
  cairo_curve_to(cr, 26, 32, 25, 37, 22, 44);
  cairo_close_path(cr);
  FillShaded(cr, 30, 14, 50, 44, 0xC8803A, 0x6A3414);
  for (int k = 0; k < 3; ++k) {
    cairo_move_to(cr, 28 + 6 * k, 18 + k);
    cairo_curve_to(cr, 34 + 6 * k, 17, 42 + 5 * k, 20, 46 + 4 * k, 26);
    SetRgb(cr, 0xF0B070, 0.55);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  // earrings
  Circle(cr, 23, 48, 1.5, 0xF0D070);
  Circle(cr, 57, 48, 1.5, 0xF0D070);
  return OpaqueImage(c.surface);
}

Image Chat() {
  Canvas c(80, 90);
  cairo_t* cr = c.cr;
  Portrait(cr, 0x8AB07A, 0x2A4A2A);
  for (int side = -1; side <= 1; side += 2) {
    cairo_move_to(cr, 40 + side * 26, 46);
    cairo_line_to(cr, 40 + side * 24, 14);
    cairo_line_to(cr, 40 + side * 8, 30);
    cairo_close_path(cr);
    SetRgb(cr, 0xE0902A);
    cairo_fill(cr);
  }
  Ellipse(cr, 40, 52, 28, 25, 0xE8982E);
  Ellipse(cr, 40, 62, 13, 10, 0xFFF0DC);
  Ellipse(cr, 30, 48, 5, 6, 0x8AC040);
  Ellipse(cr, 50, 48, 5, 6, 0x8AC040);
  Ellipse(cr, 30, 48, 1.6, 5, 0x101010);
  Ellipse(cr, 50, 48, 1.6, 5, 0x101010);
  Circle(cr, 40, 58, 3, 0xD85A6A);
  SetRgb(cr, 0x3A2A1A);
  cairo_set_line_width(cr, 1);
  for (int side = -1; side <= 1; side += 2)
    for (int k = -1; k <= 1; ++k) {
      cairo_move_to(cr, 40 + side * 8, 61 + k * 2);
      cairo_line_to(cr, 40 + side * 30, 58 + k * 5);
      cairo_stroke(cr);
    }
  return OpaqueImage(c.surface);
}

Image Hibou() {
  Canvas c(80, 90);
  cairo_t* cr = c.cr;
  Portrait(cr, 0x2A3A6A, 0x0A1228);
  Circle(cr, 64, 16, 7, 0xF0F0D8);
  Ellipse(cr, 40, 56, 28, 32, 0x8A5A30);
  Ellipse(cr, 40, 66, 16, 20, 0xD8B080);
  for (int side = -1; side <= 1; side += 2) {
    cairo_move_to(cr, 40 + side * 24, 30);
    cairo_line_to(cr, 40 + side * 22, 16);
    cairo_line_to(cr, 40 + side * 10, 28);
    cairo_close_path(cr);
    SetRgb(cr, 0x8A5A30);
    cairo_fill(cr);
    Circle(cr, 40 + side * 12, 42, 10, 0xFFF4D0);
    Circle(cr, 40 + side * 12, 42, 6, 0xF0A020);
    Circle(cr, 40 + side * 12, 42, 3, 0x101010);
  }
  cairo_move_to(cr, 36, 50);
  cairo_line_to(cr, 44, 50);
  cairo_line_to(cr, 40, 58);
  cairo_close_path(cr);
  SetRgb(cr, 0xF0B030);
  cairo_fill(cr);
  return OpaqueImage(c.surface);
}

Image Renard() {
  Canvas c(80, 90);
  cairo_t* cr = c.cr;
  Portrait(cr, 0xB8C8E0, 0x4A6A8A);
  for (int side = -1; side <= 1; side += 2) {
    cairo_move_to(cr, 40 + side * 28, 40);
    cairo_line_to(cr, 40 + side * 26, 8);
    cairo_line_to(cr, 40 + side * 8, 26);
    cairo_close_path(cr);
    SetRgb(cr, 0xD05A18);
    cairo_fill(cr);
  }
  cairo_move_to(cr, 8, 34);
  cairo_curve_to(cr, 10, 24, 70, 24, 72, 34);
  cairo_line_to(cr, 40, 80);
  cairo_close_path(cr);
  SetRgb(cr, 0xE06A1E);
  cairo_fill(cr);
  cairo_move_to(cr, 10, 40);
  cairo_line_to(cr, 40, 80);
  cairo_line_to(cr, 70, 40);
  cairo_line_to(cr, 40, 58);
  cairo_close_path(cr);
  SetRgb(cr, 0xFFF4E8);
  cairo_fill(cr);
  Ellipse(cr, 30, 42, 3, 4, 0x1A1008);
  Ellipse(cr, 50, 42, 3, 4, 0x1A1008);
  Circle(cr, 40, 78, 4, 0x1A1008);
  return OpaqueImage(c.surface);
}

Image Robot() {
  Canvas c(80, 90);
  cairo_t* cr = c.cr;
  Portrait(cr, 0xE0C070, 0x806020);
  cairo_rectangle(cr, 38, 8, 4, 14);
  SetRgb(cr, 0x505860);
  cairo_fill(cr);
  Circle(cr, 40, 8, 5, 0xE03030);
  RoundedRect(cr, 14, 20, 52, 48, 8);
  cairo_pattern_t* g = VerticalGradient(20, 68, 0xD0D8E0, 0x707880);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  RoundedRect(cr, 22, 32, 14, 10, 2);
  RoundedRect(cr, 44, 32, 14, 10, 2);
  SetRgb(cr, 0x30D0F0);
  cairo_fill(cr);
  for (int i = 0; i < 5; ++i) {
    cairo_rectangle(cr, 26 + i * 6, 52, 4, 7);
    SetRgb(cr, 0x303840);
    cairo_fill(cr);
  }
  cairo_rectangle(cr, 22, 70, 36, 20);
  SetRgb(cr, 0x5A6068);
  cairo_fill(cr);
  return OpaqueImage(c.surface);
}

// Card backs: a rounded card, keyed outside its corners.
Image CardBack(int pattern) {
  const int w = 71, h = 96;
  Canvas c(w, h);
  cairo_t* cr = c.cr;
  RoundedRect(cr, 0, 0, w, h, 6);
  SetRgb(cr, 0x101010);
  cairo_fill(cr);
  RoundedRect(cr, 1.5, 1.5, w - 3, h - 3, 5);
  SetRgb(cr, 0xF8F8F0);
  cairo_fill(cr);
  RoundedRect(cr, 5, 5, w - 10, h - 10, 3);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  uint32_t ground = pattern == 0 ? 0xA02028 : pattern == 1 ? 0x1E4A8A : 0x141E48;
  SetRgb(cr, ground);
  cairo_fill(cr);
  if (pattern == 0) {  // lattice
    SetRgb(cr, 0xF0C8C8, 0.7);
    cairo_set_line_width(cr, 1);
    for (int i = -100; i < 200; i += 8) {
      cairo_move_to(cr, i, 0);
      cairo_line_to(cr, i + 100, 100);
      cairo_move_to(cr, i + 100, 0);
      cairo_line_to(cr, i, 100);
    }
    cairo_stroke(cr);
  } else if (pattern == 1) {  // checks
    SetRgb(cr, 0x4A7AC0);
    for (int y = 0; y < h; y += 8)
      for (int x = ((y / 8) % 2) * 8; x < w; x += 16) cairo_rectangle(cr, x, y, 8, 8);
    cairo_fill(cr);
  } else {  // stars
    SetRgb(cr, 0xF0D070);
    for (int row = 0; row < 8; ++row)
      for (int col = 0; col < 5; ++col) {
        double x = 11 + col * 12 + (row % 2) * 6, y = 11 + row * 11;
        cairo_new_sub_path(cr);
        cairo_arc(cr, x, y, (row + col) % 3 == 0 ? 2.2 : 1.3, 0, 2 * kPi);
      }
    cairo_fill(cr);
  }
  cairo_restore(cr);
  return KeyedImage(c.surface);
}

}  // namespace

void MakeHeads(Output& out) {
  struct Head {
    const char* name;
    Image (*paint)();
  } heads[] = {{"Joueur", Joueur}, {"Joueuse", Joueuse}, {"Chat", Chat},
               {"Hibou", Hibou},   {"Renard", Renard},   {"Robot", Robot}};
  for (const Head& h : heads) {
    Image image = h.paint();
    out.Save(std::string("tete/") + h.name + ".bmp", image);
    out.Show("heads", h.name, image);
  }
}

void MakeCardBacks(Output& out) {
  const char* names[] = {"Classique", "Damier", "Etoiles"};
  for (int i = 0; i < 3; ++i) {
    Image image = CardBack(i);
    out.Save(std::string("back/") + names[i] + ".bmp", image);
    out.Show("heads", names[i], image);
  }
}
