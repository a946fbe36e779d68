// Head pictures "tete\<name>.bmp" (80 x 90, drawn opaque, stretched to the
// height asked) and card backs "back\<name>.bmp".
#include <cmath>

#include "makers.h"

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

void Smile(cairo_t* cr, double x, double y, double r) {
  cairo_arc(cr, x, y, r, kPi * 0.15, kPi * 0.85);
  SetRgb(cr, 0x3A1A10);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

void Person(cairo_t* cr, uint32_t shirt, uint32_t hair, bool longHair) {
  if (longHair) {
    cairo_rectangle(cr, 20, 30, 40, 42);
    SetRgb(cr, hair);
    cairo_fill(cr);
  }
  cairo_move_to(cr, 6, 90);
  cairo_curve_to(cr, 8, 66, 24, 62, 40, 62);
  cairo_curve_to(cr, 56, 62, 72, 66, 74, 90);
  cairo_close_path(cr);
  SetRgb(cr, shirt);
  cairo_fill(cr);
  cairo_rectangle(cr, 34, 52, 12, 12);
  SetRgb(cr, 0xE0A880);
  cairo_fill(cr);
  Ellipse(cr, 40, 38, 17, 20, 0xF0BC94);
  cairo_arc(cr, 40, 32, 18, kPi, 2 * kPi);
  SetRgb(cr, hair);
  cairo_fill(cr);
  Circle(cr, 33, 39, 2.3, 0x2A1A10);
  Circle(cr, 47, 39, 2.3, 0x2A1A10);
  Smile(cr, 40, 44, 7);
}

Image Joueur() {
  Canvas c(80, 90);
  Portrait(c.cr, 0x6A8AB8, 0x2A3A60);
  Person(c.cr, 0x2A8A7A, 0x5A3A1A, false);
  return OpaqueImage(c.surface);
}

Image Joueuse() {
  Canvas c(80, 90);
  Portrait(c.cr, 0xC88AA8, 0x603A5A);
  Person(c.cr, 0xC84A4A, 0xA0602A, true);
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
