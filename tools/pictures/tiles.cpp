// SPDX-License-Identifier: GPL-3.0-or-later
// Slot pictures 2-10 and 13: tile faces, the tile shadow and the board markers.
// A tile face is drawn at (tx - 3, y + 4), its shadow at (tx - 6, y + 7) and
// its big glyph at (tx, y); cells are 31 px apart. Faces are 28 px square so
// that the next cell's shadow (3 px to the left of its face) falls in the gap
// and never on this face; the glyphs are centred on (tx + 11, y + 18), the
// face's centre.
#include "makers.h"

namespace {

constexpr int kFace = 28;

struct FaceColours {
  uint32_t top, bottom, outline, light, dark;
  double border = 1;  // the outline's width
};

Image TileFace(const FaceColours& c) {
  Canvas canvas(kFace, kFace);
  cairo_t* cr = canvas.cr;
  RoundedRect(cr, 0, 0, kFace, kFace, 4);
  SetRgb(cr, c.outline);
  cairo_fill(cr);
  RoundedRect(cr, c.border, c.border, kFace - 2 * c.border, kFace - 2 * c.border, 3);
  cairo_pattern_t* g = VerticalGradient(1, kFace - 1, c.top, c.bottom);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // Bevel: light falls from the top right, as the shadow lies bottom left.
  cairo_set_line_width(cr, 1.5);
  SetRgb(cr, c.light, 0.8);
  cairo_move_to(cr, 3, 2.25);
  cairo_line_to(cr, kFace - 2.25, 2.25);
  cairo_line_to(cr, kFace - 2.25, kFace - 4);
  cairo_stroke(cr);
  SetRgb(cr, c.dark, 0.8);
  cairo_move_to(cr, 2.25, 4);
  cairo_line_to(cr, 2.25, kFace - 2.25);
  cairo_line_to(cr, kFace - 4, kFace - 2.25);
  cairo_stroke(cr);
  return KeyedImage(canvas.surface);
}

Image Shadow() {
  Canvas canvas(kFace, kFace);
  RoundedRect(canvas.cr, 0, 0, kFace, kFace, 4);
  SetRgb(canvas.cr, 0x14121C);
  cairo_fill(canvas.cr);
  return KeyedImage(canvas.surface);
}

// Two-state markers are drawn at a cell's own point; their arrow points to the
// answer column next to them (state 1 at column 10 points right, state 2 at
// column 12 points left).
Image Arrow(bool right) {
  Canvas canvas(31, 34);
  cairo_t* cr = canvas.cr;
  cairo_translate(cr, 11, 18);
  if (!right) cairo_scale(cr, -1, 1);
  cairo_move_to(cr, -10, -4);
  cairo_line_to(cr, 1, -4);
  cairo_line_to(cr, 1, -10);
  cairo_line_to(cr, 12, 0);
  cairo_line_to(cr, 1, 10);
  cairo_line_to(cr, 1, 4);
  cairo_line_to(cr, -10, 4);
  cairo_close_path(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, 3);
  SetRgb(cr, 0x201808);
  cairo_stroke_preserve(cr);
  cairo_pattern_t* g = VerticalGradient(-10, 10, 0xFFE070, 0xE09010);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  return KeyedImage(canvas.surface);
}

// "=" and "+" sit where a tile face would, at (tx - 3, y).
Image Sign(bool plus) {
  Canvas canvas(28, 36);
  cairo_t* cr = canvas.cr;
  cairo_translate(cr, 14, 18);
  if (plus) {
    cairo_rectangle(cr, -10, -3, 20, 6);
    cairo_rectangle(cr, -3, -10, 6, 20);
  } else {
    cairo_rectangle(cr, -10, -7, 20, 5.5);
    cairo_rectangle(cr, -10, 1.5, 20, 5.5);
  }
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, 3);
  SetRgb(cr, 0x201808);
  cairo_stroke_preserve(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_pattern_t* g = VerticalGradient(-10, 10, 0xFFFFFF, 0xFFD040);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  return KeyedImage(canvas.surface);
}

// High contrast: flat black faces that white and amber letters read on at
// 21:1 and 11:1, told apart by their borders: a thick amber one for the
// given letters (a ZERUZE letter in place), white for the palette and the
// open cells; black squares are plain grey.
void MakeHighContrastTiles(Output& out) {
  const FaceColours given = {0x000000, 0x000000, 0xFFB000, 0x000000, 0x000000, 3};
  const FaceColours palette = {0x000000, 0x000000, 0xFFFFFF, 0x000000, 0x000000, 2};
  const FaceColours black = {0x909090, 0x909090, 0x000000, 0x909090, 0x909090, 1};
  const FaceColours open = {0x000000, 0x000000, 0xFFFFFF, 0x000000, 0x000000, 1};
  const std::string folder = std::string(kSchemeFolders[2]) + "Slots/";
  out.Save(folder + "2.bmp", TileFace(given));
  out.Save(folder + "3.bmp", TileFace(palette));
  out.Save(folder + "4.bmp", TileFace(black));
  out.Save(folder + "5.bmp", TileFace(open));
}

// Colour-blind: the given letters (a ZERUZE letter in place) on blue, far
// in lightness from the light open cells under every deficiency.
void MakeColourBlindTiles(Output& out) {
  const FaceColours given = {0x2E8CC8, 0x005A90, 0x001828, 0x90C8F0, 0x003050};
  out.Save(std::string(kSchemeFolders[1]) + "Slots/2.bmp", TileFace(given));
}

}  // namespace

void MakeTiles(Output& out) {
  MakeColourBlindTiles(out);
  MakeHighContrastTiles(out);
  const FaceColours given = {0xB27A46, 0x7A4C28, 0x2A180A, 0xE0B080, 0x4A2C14};
  const FaceColours palette = {0x3C8C96, 0x1E5A64, 0x0A2226, 0x90D0D8, 0x0E3238};
  const FaceColours black = {0x44444C, 0x18181C, 0x000000, 0x80808A, 0x08080A};
  // Open cells carry the pure-blue code numbers at their top-left corner and
  // the red sums stand near them: a light face lets both read at a glance
  // (contrast with the blue above 4.5 everywhere on the face).
  const FaceColours open = {0xE6E8FA, 0xC4C8EC, 0x2A2E58, 0xFFFFFF, 0xB4BAE4};
  const FaceColours spare = {0xE0B040, 0xA07010, 0x302008, 0xFFF0B0, 0x604008};
  struct Made {
    int slot;
    const char* what;
    Image image;
  } made[] = {
      {2, "given letter", TileFace(given)}, {3, "palette", TileFace(palette)},
      {4, "black square / eraser", TileFace(black)}, {5, "open cell", TileFace(open)},
      {6, "shadow", Shadow()}, {7, "marker state 2", Arrow(false)}, {8, "marker state 1", Arrow(true)},
      {9, "=", Sign(false)}, {10, "+", Sign(true)}, {13, "spare tile", TileFace(spare)},
  };
  for (auto& m : made) {
    out.Save("Slots/" + std::to_string(m.slot) + ".bmp", m.image);
    out.Show("tiles", "Slots/" + std::to_string(m.slot) + " " + m.what, m.image);
  }
}
