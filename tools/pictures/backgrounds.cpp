// SPDX-License-Identifier: GPL-3.0-or-later
// The backgrounds (800 x 600 JPEG): the named ones the player chooses from,
// the title splash "00000", the menu background "000000" and the farewell
// picture "0000000" (the travel map "0000" has its own maker). The named ones
// are muted and darkened at the edges so the white text and tiles read on them.
#include <cmath>
#include <utility>
#include <vector>

#include "makers.h"
#include "scenery.h"

namespace {

const double kPi = 3.14159265358979;

Image Finish(Canvas& canvas, double dim) {
  PaintVignette(canvas.cr, dim);
  return OpaqueImage(canvas.surface);
}

// Dark round trees seen against the light (the lavender field's horizon).
void Trees(cairo_t* cr, Dice& dice, int count, double y0, double y1, uint32_t colour) {
  for (int i = 0; i < count; ++i) {
    double x = dice.Between(0, 800), y = dice.Between(y0, y1), r = dice.Between(8, 22) * (0.5 + (y - y0) / (y1 - y0));
    SetRgb(cr, Mix(colour, 0x000000, dice.Between(0, 0.4)));
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_rectangle(cr, x - r * 0.12, y, r * 0.24, r * 1.1);
    cairo_fill(cr);
  }
}

// A broadleaf tree: a trunk and a crown of overlapping leaf clumps, lit from
// the upper left, standing on (x, y) with crown radius r.
void Tree(cairo_t* cr, Dice& dice, double x, double y, double r, uint32_t leaves) {
  cairo_move_to(cr, x - r * 0.12, y);
  cairo_line_to(cr, x - r * 0.07, y - r * 1.1);
  cairo_line_to(cr, x + r * 0.07, y - r * 1.1);
  cairo_line_to(cr, x + r * 0.12, y);
  cairo_close_path(cr);
  SetRgb(cr, Mix(leaves, 0x2A1808, 0.6));
  cairo_fill(cr);
  const double cy = y - r * 1.45;
  for (int layer = 0; layer < 3; ++layer) {
    const uint32_t colour = layer == 0 ? Mix(leaves, 0x000000, 0.35) : layer == 1 ? leaves : Mix(leaves, 0xE0F0A0, 0.3);
    const int clumps = layer == 2 ? 4 : 7;
    for (int k = 0; k < clumps; ++k) {
      const double a = dice.Between(0, 2 * kPi), d = dice.Between(0, r * 0.55);
      double cx = x + std::cos(a) * d, yy = cy + std::sin(a) * d * 0.8, rr = r * dice.Between(0.35, 0.55);
      if (layer == 2) {  // highlights up and to the left
        cx -= r * 0.2;
        yy -= r * 0.25;
        rr *= 0.6;
      }
      cairo_arc(cr, cx, yy, rr, 0, 2 * kPi);
      SetRgb(cr, colour, layer == 2 ? 0.7 : 1.0);
      cairo_fill(cr);
    }
  }
}

// A field shaded from its far edge (lighter, in the haze) to its near edge.
void FillShadedField(cairo_t* cr, double top, double bottom, uint32_t colour) {
  cairo_pattern_t* g = VerticalGradient(top, bottom, Mix(colour, 0xFFFFFF, 0.12), Mix(colour, 0x000000, 0.12));
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// A hedgerow along a path of points: a dark band of bushes with a lit top.
void Hedge(cairo_t* cr, Dice& dice, const std::vector<std::pair<double, double>>& path, double thickness,
           uint32_t colour) {
  for (size_t i = 0; i + 1 < path.size(); ++i) {
    const double x0 = path[i].first, y0 = path[i].second, x1 = path[i + 1].first, y1 = path[i + 1].second;
    const double length = std::hypot(x1 - x0, y1 - y0);
    for (double t = 0; t < length; t += thickness * 0.45) {
      const double x = x0 + (x1 - x0) * t / length, y = y0 + (y1 - y0) * t / length;
      const double r = thickness * dice.Between(0.45, 0.75);
      cairo_arc(cr, x, y - r * 0.5, r, 0, 2 * kPi);
      SetRgb(cr, Mix(colour, 0x000000, dice.Between(0.1, 0.4)));
      cairo_fill(cr);
      cairo_arc(cr, x - r * 0.25, y - r * 0.9, r * 0.5, 0, 2 * kPi);
      SetRgb(cr, Mix(colour, 0xC8E080, 0.25), 0.6);
      cairo_fill(cr);
    }
  }
}

void Clouds(cairo_t* cr, Dice& dice, int count, double y0, double y1, double alpha) {
  for (int i = 0; i < count; ++i) {
    const double x = dice.Between(-50, 850), y = dice.Between(y0, y1), w = dice.Between(60, 160);
    for (int k = 0; k < 6; ++k) {
      cairo_save(cr);
      cairo_translate(cr, x + dice.Between(-w / 2, w / 2), y + dice.Between(-8, 4));
      cairo_scale(cr, 1, 0.55);
      cairo_arc(cr, 0, 0, dice.Between(18, 34), 0, 2 * kPi);
      cairo_restore(cr);
      SetRgb(cr, 0xFFFFFF, alpha);
      cairo_fill(cr);
    }
  }
}

Image Aurore() {
  Canvas c(800, 600);
  Dice d(1);
  PaintSky(c.cr, 0x3A2A6A, 0xC06A7A, 0xFFC080, 380);
  PaintGlow(c.cr, 560, 380, 260, 0xFFE0A0, 0.8);
  PaintRidge(c.cr, d, 360, 40, 0.5, 0x8A5A8A, 0x5A3A6A);
  PaintRidge(c.cr, d, 420, 35, 0.5, 0x5A3A5A, 0x3A2440);
  PaintRidge(c.cr, d, 500, 30, 0.6, 0x2A1A30, 0x140C18);
  return Finish(c, 0.25);
}

// The bocage: a patchwork of fields on rolling land, each field closed by
// hedgerows, with oaks along the hedges and soft clouds in a summer sky.
Image Bocage() {
  Canvas c(800, 600);
  cairo_t* cr = c.cr;
  Dice d(2);
  PaintSky(cr, 0x3A6AA8, 0x7AA8D8, 0xD8E8F0, 300);
  Clouds(cr, d, 9, 60, 230, 0.16);
  PaintRidge(cr, d, 300, 14, 0.5, 0x7A9A88, 0x6A8A78);  // far hills in the haze
  // Fields in rows that widen towards the viewer; hedges between them.
  const uint32_t fields[] = {0x6A9A3A, 0x8AAA4A, 0xB8B060, 0x5A8A34, 0x9AB858, 0xC8B870, 0x78A040};
  const double rows[] = {300, 322, 350, 388, 440, 510, 600};
  for (int row = 0; row + 1 < 7; ++row) {
    const double top = rows[row], bottom = rows[row + 1], depth = (top - 300) / 300;
    const double width = 90 + 260 * depth;
    // Field edges run towards a vanishing point above the horizon, so a
    // boundary at x on the row's far edge meets its near edge at Near(x).
    const double spread = (bottom - 250) / (top - 250);
    auto Near = [spread](double x) { return 400 + (x - 400) * spread; };
    double x = -d.Between(0, width) - 200;
    std::vector<double> edges;
    while (Near(x) < 820) {
      edges.push_back(x);
      const double w = width * d.Between(0.7, 1.4);
      cairo_move_to(cr, x, top);
      cairo_line_to(cr, x + w, top);
      cairo_line_to(cr, Near(x + w), bottom);
      cairo_line_to(cr, Near(x), bottom);
      cairo_close_path(cr);
      const uint32_t colour = Mix(fields[int(d.Next() * 7)], 0xA8C0C8, 0.45 * (1 - depth));
      FillShadedField(cr, top, bottom, colour);
      // furrows on some fields near the viewer
      if (depth > 0.25 && d.Next() < 0.4)
        for (double f = top + 6; f < bottom; f += 5 + 8 * depth) {
          const double t = (f - top) / (bottom - top);
          cairo_move_to(cr, x + (Near(x) - x) * t, f);
          cairo_line_to(cr, x + w + (Near(x + w) - x - w) * t, f);
          SetRgb(cr, 0x000000, 0.08);
          cairo_set_line_width(cr, 1 + depth);
          cairo_stroke(cr);
        }
      x += w;
    }
    // the hedges go on after the fields, so no field covers one
    for (double e : edges) Hedge(cr, d, {{Near(e), bottom}, {e, top}}, 3 + 9 * depth, 0x2A5A20);
    Hedge(cr, d, {{-20, top}, {820, top}}, 3 + 8 * depth, 0x2A5A20);
    const int oaks = 3 + row;
    for (int k = 0; k < oaks; ++k)
      Tree(cr, d, d.Between(0, 800), top + 1, 6 + 22 * depth * d.Between(0.8, 1.2), Mix(0x3A6A28, 0xA8C0C8, 0.4 * (1 - depth)));
  }
  return Finish(c, 0.35);
}

// The calanques: white limestone cliffs, lined with strata and topped with
// umbrella pines, around a cove whose water turns from turquoise to deep blue.
Image Calanques() {
  Canvas c(800, 600);
  cairo_t* cr = c.cr;
  Dice d(3);
  PaintSky(cr, 0x2A70B8, 0x78B4E0, 0xD8EEF8, 300);
  Clouds(cr, d, 5, 60, 180, 0.14);
  // a far headland and an island on the horizon
  cairo_move_to(cr, 330, 300);
  cairo_curve_to(cr, 360, 286, 400, 282, 430, 292);
  cairo_line_to(cr, 450, 300);
  cairo_close_path(cr);
  SetRgb(cr, 0x8AA8C0);
  cairo_fill(cr);
  // the sea: shallow turquoise near the cove's foot, deep blue offshore
  cairo_rectangle(cr, 0, 300, 800, 300);
  cairo_pattern_t* sea = cairo_pattern_create_linear(0, 300, 0, 600);
  cairo_pattern_add_color_stop_rgb(sea, 0, 0.10, 0.38, 0.62);
  cairo_pattern_add_color_stop_rgb(sea, 0.55, 0.10, 0.55, 0.66);
  cairo_pattern_add_color_stop_rgb(sea, 1, 0.30, 0.78, 0.76);
  cairo_set_source(cr, sea);
  cairo_fill(cr);
  cairo_pattern_destroy(sea);
  for (int i = 0; i < 140; ++i) {
    const double y = d.Between(302, 600), w = d.Between(8, 40) * (0.3 + (y - 300) / 300);
    SetRgb(cr, 0xFFFFFF, d.Between(0.08, 0.28));
    cairo_rectangle(cr, d.Between(150, 650), y, w, 1.2);
    cairo_fill(cr);
  }
  // the cliffs, each a jagged wall with a lit face and a shaded one
  for (int side = 0; side < 2; ++side) {
    const double dir = side ? -1 : 1, x0 = side ? 800 : 0;
    std::vector<std::pair<double, double>> edge;
    double y = 120 + 50 * side;
    for (int k = 0; k <= 10; ++k) {
      const double x = x0 + dir * (k * 34 + d.Between(-6, 6));
      edge.push_back({x, y});
      y += 18 + k * 4.5 + d.Between(-12, 10);
    }
    cairo_move_to(cr, x0, 600);
    cairo_line_to(cr, x0, edge[0].second);
    for (auto& p : edge) cairo_line_to(cr, p.first, p.second);
    cairo_line_to(cr, x0 + dir * 360, 600);
    cairo_close_path(cr);
    cairo_pattern_t* rock = cairo_pattern_create_linear(x0, 0, x0 + dir * 360, 0);
    cairo_pattern_add_color_stop_rgb(rock, 0, 0.62, 0.58, 0.52);
    cairo_pattern_add_color_stop_rgb(rock, 0.7, side ? 0.92 : 0.80, side ? 0.89 : 0.77, side ? 0.82 : 0.70);
    cairo_pattern_add_color_stop_rgb(rock, 1, side ? 0.98 : 0.72, side ? 0.95 : 0.69, side ? 0.88 : 0.63);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_source(cr, rock);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(rock);
    // strata and cracks, clipped to the rock
    cairo_save(cr);
    cairo_clip(cr);
    for (int k = 0; k < 26; ++k) {
      const double sy = d.Between(100, 600);
      cairo_move_to(cr, x0, sy);
      for (double t = 0; t <= 360; t += 30) cairo_line_to(cr, x0 + dir * t, sy + t * 0.12 + d.Between(-3, 3));
      SetRgb(cr, 0x5A5048, d.Between(0.15, 0.35));
      cairo_set_line_width(cr, d.Between(0.8, 2));
      cairo_stroke(cr);
    }
    for (int k = 0; k < 12; ++k) {
      double cx = x0 + dir * d.Between(10, 330), cy = d.Between(150, 560);
      cairo_move_to(cr, cx, cy);
      for (int s = 0; s < 4; ++s) {
        cx += d.Between(-6, 6);
        cy += d.Between(10, 22);
        cairo_line_to(cr, cx, cy);
      }
      SetRgb(cr, 0x3A342E, 0.35);
      cairo_set_line_width(cr, 1.2);
      cairo_stroke(cr);
    }
    // the shadowed foot of the cliff in the water
    cairo_rectangle(cr, side ? 440 : 0, 560, 360, 40);
    SetRgb(cr, 0x0A3A50, 0.35);
    cairo_fill(cr);
    cairo_restore(cr);
    // umbrella pines along the top
    for (size_t k = 0; k + 3 < edge.size(); k += 2) {
      const double px = edge[k].first + dir * d.Between(0, 12), py = edge[k].second + 2, h = d.Between(22, 34);
      cairo_move_to(cr, px, py);
      cairo_curve_to(cr, px + dir * 4, py - h * 0.4, px + dir * 2, py - h * 0.7, px + dir * 6, py - h);
      SetRgb(cr, 0x4A3020);
      cairo_set_line_width(cr, 2.2);
      cairo_stroke(cr);
      for (int b = 0; b < 5; ++b) {
        cairo_save(cr);
        cairo_translate(cr, px + dir * 6 + d.Between(-14, 14), py - h - d.Between(-2, 5));
        cairo_scale(cr, 1, 0.42);
        cairo_arc(cr, 0, 0, d.Between(9, 14), 0, 2 * kPi);
        cairo_restore(cr);
        SetRgb(cr, Mix(0x2E5A2A, 0x000000, d.Between(0, 0.35)));
        cairo_fill(cr);
      }
    }
  }
  return Finish(c, 0.35);
}

Image Desert() {
  Canvas c(800, 600);
  Dice d(4);
  PaintSky(c.cr, 0x5A3A7A, 0xD07850, 0xF8C070, 360);
  PaintGlow(c.cr, 240, 330, 120, 0xFFF0C0, 0.9);
  cairo_arc(c.cr, 240, 330, 34, 0, 2 * kPi);
  SetRgb(c.cr, 0xFFF4D8);
  cairo_fill(c.cr);
  PaintRidge(c.cr, d, 370, 30, 0.4, 0xD08A4A, 0x9A5A2A);
  PaintRidge(c.cr, d, 440, 40, 0.35, 0xB06A30, 0x7A4018);
  PaintRidge(c.cr, d, 530, 35, 0.35, 0x8A4A20, 0x4A2208);
  return Finish(c, 0.3);
}

Image Estuaire() {
  Canvas c(800, 600);
  Dice d(5);
  PaintSky(c.cr, 0x1A3A5A, 0x4A7A8A, 0xE0B080, 300);
  PaintGlow(c.cr, 400, 300, 220, 0xFFD090, 0.6);
  PaintRidge(c.cr, d, 290, 12, 0.5, 0x2A4A4A, 0x1A3030);
  PaintWater(c.cr, 300, 0x8A8A80, 0x102A3A, d, 0xFFE0A0);
  return Finish(c, 0.3);
}

Image Glacier() {
  Canvas c(800, 600);
  Dice d(6);
  PaintSky(c.cr, 0x1A3A6A, 0x5A8AC0, 0xC8E0F0, 340);
  // peaks
  cairo_t* cr = c.cr;
  for (int i = 0; i < 6; ++i) {
    double x = -40 + i * 160 + d.Between(-30, 30), top = d.Between(120, 220), half = d.Between(130, 190);
    cairo_move_to(cr, x - half, 420);
    cairo_line_to(cr, x, top);
    cairo_line_to(cr, x + half, 420);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(x - half, 0, x + half, 0);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.92, 0.96, 1.0);
    cairo_pattern_add_color_stop_rgb(g, 0.5, 0.72, 0.82, 0.92);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.38, 0.50, 0.66);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  PaintRidge(c.cr, d, 470, 25, 0.5, 0x7A9AB8, 0x3A5A78);
  PaintRidge(c.cr, d, 540, 25, 0.5, 0x2A4058, 0x101C2A);
  return Finish(c, 0.35);
}

Image Lavande() {
  Canvas c(800, 600);
  Dice d(7);
  PaintSky(c.cr, 0x3A4A8A, 0xB088B8, 0xF0C8A0, 300);
  PaintRidge(c.cr, d, 300, 10, 0.5, 0x6A5A8A, 0x4A3A6A);
  cairo_t* cr = c.cr;
  cairo_rectangle(cr, 0, 305, 800, 295);
  SetRgb(cr, 0x3A2A50);
  cairo_fill(cr);
  // rows of lavender running to a vanishing point
  for (int i = -16; i <= 16; ++i) {
    cairo_move_to(cr, 400 + i * 4, 305);
    cairo_line_to(cr, 400 + i * 70 - 22, 600);
    cairo_line_to(cr, 400 + i * 70 + 22, 600);
    cairo_close_path(cr);
    cairo_pattern_t* g = VerticalGradient(305, 600, 0x7A5AA8, 0x9A5ACA);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  Trees(cr, d, 6, 292, 300, 0x2A2040);
  return Finish(c, 0.35);
}

Image Nocturne() {
  Canvas c(800, 600);
  Dice d(8);
  PaintSky(c.cr, 0x04061A, 0x101A3A, 0x2A3A5A, 420);
  PaintStars(c.cr, d, 400, 420);
  PaintGlow(c.cr, 620, 120, 110, 0xC8D8FF, 0.35);
  cairo_arc(c.cr, 620, 120, 30, 0, 2 * kPi);
  SetRgb(c.cr, 0xF0F0E0);
  cairo_fill(c.cr);
  cairo_arc(c.cr, 632, 112, 27, 0, 2 * kPi);  // crescent
  SetRgb(c.cr, 0x0A1028);
  cairo_fill(c.cr);
  PaintRidge(c.cr, d, 430, 35, 0.5, 0x141C30, 0x0A0E1A);
  PaintRidge(c.cr, d, 510, 30, 0.5, 0x080A12, 0x040408);
  return Finish(c, 0.1);
}

Image Oceane() {
  Canvas c(800, 600);
  Dice d(9);
  PaintSky(c.cr, 0x0A2A4A, 0x2A6A9A, 0x8AC0D8, 260);
  cairo_t* cr = c.cr;
  PaintWater(cr, 260, 0x2A7AA0, 0x041A30, d, 0xE0F4FF);
  for (int i = 0; i < 14; ++i) {  // swell
    double y = 280 + i * i * 2.2;
    cairo_move_to(cr, 0, y);
    for (int x = 0; x <= 800; x += 10) cairo_line_to(cr, x, y + std::sin(x / (30.0 + i * 6) + i) * (1 + i * 0.6));
    SetRgb(cr, 0xFFFFFF, 0.08 + i * 0.01);
    cairo_set_line_width(cr, 1 + i * 0.2);
    cairo_stroke(cr);
  }
  return Finish(c, 0.3);
}

Image Sylve() {
  Canvas c(800, 600);
  Dice d(10);
  PaintSky(c.cr, 0x1A3A24, 0x3A6A3A, 0x8AB070, 600);
  PaintGlow(c.cr, 420, 120, 340, 0xF0F0B0, 0.5);
  cairo_t* cr = c.cr;
  for (int i = 0; i < 26; ++i) {  // trunks, far ones paler
    double depth = i / 26.0, x = d.Between(-20, 820), w = 8 + depth * 36;
    SetRgb(cr, Mix(0x6A8A5A, 0x140E08, depth));
    cairo_rectangle(cr, x, 0, w, 600);
    cairo_fill(cr);
  }
  PaintRidge(c.cr, d, 560, 15, 0.5, 0x2A3A14, 0x101808);
  return Finish(c, 0.3);
}

// The title splash: the name large in gold over a deep night with letters
// drifting in it.
Image TitleSplash() {
  Canvas c(800, 600);
  cairo_t* cr = c.cr;
  Dice d(50);
  PaintSky(cr, 0x0A0A2A, 0x241A4A, 0x3A1A40, 600);
  PaintGlow(cr, 400, 300, 420, 0x6A4AA0, 0.55);
  PaintStars(cr, d, 180, 600);
  PaintLetterDust(cr, d, 90, 0xC8B8FF, 0.12);
  PaintGlow(cr, 400, 300, 260, 0xFFD080, 0.25);
  cairo_pattern_t* gold = VerticalGradient(240, 330, 0xFFF6C8, 0xD08A18);
  OutlinedText(cr, "LETTRARIUM", 400, 332, 96, "DejaVuSerif-Bold.ttf", gold, 0x1A0A02, 4);
  cairo_pattern_destroy(gold);
  // a thin golden rule with a diamond in the middle
  SetRgb(cr, 0xE8C060, 0.9);
  cairo_rectangle(cr, 150, 362, 500, 1.5);
  cairo_fill(cr);
  cairo_move_to(cr, 400, 354);
  cairo_line_to(cr, 409, 363);
  cairo_line_to(cr, 400, 372);
  cairo_line_to(cr, 391, 363);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_set_font_face(cr, DejaVu("DejaVuSerif-Italic.ttf"));
  cairo_set_font_size(cr, 26);
  SetRgb(cr, 0xF0E8FF);
  CentredText(cr, "Jeux de lettres et de mots", 400, 412);
  return OpaqueImage(c.surface);
}

// Behind the game list and the menus: one calm dark panel holds both columns
// of family names (x 55 and 420, y 73 to 373), every variant menu centred on
// x = 400 (the longest, 13 variants and "Retour", inks y 83 to 381) and the
// help lines under them (x 130, y 385 to 520); the main buttons sit on the
// footer at y 540.
Image MenuBackground() {
  Canvas c(800, 600);
  cairo_t* cr = c.cr;
  Dice d(52);
  PaintSky(cr, 0x141E3A, 0x1E2A4A, 0x2A1E3A, 600);
  PaintLetterDust(cr, d, 120, 0xA0B0FF, 0.07);
  cairo_pattern_t* gold = VerticalGradient(14, 50, 0xFFF0B8, 0xD09030);
  OutlinedText(cr, "LETTRARIUM", 400, 50, 40, "DejaVuSerif-Bold.ttf", gold, 0x140A04, 2);
  cairo_pattern_destroy(gold);
  auto panel = [cr](double x, double y, double w, double h) {
    RoundedRect(cr, x, y, w, h, 14);
    SetRgb(cr, 0x05060E, 0.62);
    cairo_fill_preserve(cr);
    SetRgb(cr, 0xC8A048, 0.55);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  };
  panel(30, 62, 760, 466);
  cairo_rectangle(cr, 0, 532, 800, 68);
  SetRgb(cr, 0x000000, 0.45);
  cairo_fill(cr);
  return OpaqueImage(c.surface);
}

Image Farewell() {
  Canvas c(800, 600);
  cairo_t* cr = c.cr;
  Dice d(78);
  PaintSky(cr, 0x1A1040, 0x6A3A6A, 0xE08A5A, 600);
  PaintGlow(cr, 400, 470, 360, 0xFFD090, 0.6);
  PaintLetterDust(cr, d, 60, 0xFFF0E0, 0.1);
  PaintRidge(cr, d, 520, 25, 0.5, 0x2A1430, 0x10081A);
  cairo_pattern_t* gold = VerticalGradient(210, 290, 0xFFF6C8, 0xD08A18);
  OutlinedText(cr, "À bientôt !", 400, 290, 84, "DejaVuSerif-Bold.ttf", gold, 0x1A0A02, 3.5);
  cairo_pattern_destroy(gold);
  cairo_set_font_face(cr, DejaVu("DejaVuSerif-Italic.ttf"));
  cairo_set_font_size(cr, 26);
  SetRgb(cr, 0xFFF4E8);
  CentredText(cr, "Merci d'avoir joué à LETTRARIUM", 400, 350);
  return OpaqueImage(c.surface);
}

}  // namespace

void MakeBackgrounds(Output& out) {
  struct Named {
    const char* name;
    Image (*paint)();
  } named[] = {{"Aurore", Aurore},       {"Bocage", Bocage},   {"Calanques", Calanques}, {"Desert", Desert},
               {"Estuaire", Estuaire},   {"Glacier", Glacier}, {"Lavande", Lavande},     {"Nocturne", Nocturne},
               {"Oceane", Oceane},       {"Sylve", Sylve}};
  for (const Named& n : named) {
    Image image = n.paint();
    out.Save(std::string("background/") + n.name + ".jpg", image);
    out.Show("backgrounds", n.name, image);
  }
  struct Title {
    const char* file;
    Image (*paint)();
  } titles[] = {{"00000", TitleSplash}, {"000000", MenuBackground}, {"0000000", Farewell}};
  for (const Title& t : titles) {
    Image image = t.paint();
    out.Save(std::string("background/") + t.file + ".jpg", image);
    out.Show("backgrounds", t.file, image);
  }
}
