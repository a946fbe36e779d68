// SPDX-License-Identifier: GPL-3.0-or-later
// The window frame "Fenetres\fenetre.jpg", drawn at (panelX - 30, 72) behind
// every panel page (contents reach x = panelX + 548 and y = 72 + 403). Its
// transparent colour is blue 254, and a JPEG is lossy: so the frame is drawn
// without chroma subsampling and its transparent parts are whole 8 x 8 blocks
// of exactly (0, 0, 254), which decode to that blue (a block of one colour
// carries no detail to lose). The corners are stepped along the blocks.
#include <algorithm>

#include "makers.h"

namespace {

constexpr int kWidth = 584, kHeight = 424, kBlock = 8;

// Transparent blocks: at each corner the block there and its two neighbours
// along the edges, leaving a two-step notch.
bool TransparentBlock(int bx, int by) {
  int nx = kWidth / kBlock, ny = kHeight / kBlock;
  int cx = std::min(bx, nx - 1 - bx), cy = std::min(by, ny - 1 - by);
  return cx + cy <= 1;
}

void SteppedOutline(cairo_t* cr, double k) {
  const double s = kBlock, w = kWidth, h = kHeight;
  cairo_new_path(cr);
  cairo_move_to(cr, k, 2 * s + k);
  cairo_line_to(cr, s + k, 2 * s + k);
  cairo_line_to(cr, s + k, s + k);
  cairo_line_to(cr, 2 * s + k, s + k);
  cairo_line_to(cr, 2 * s + k, k);
  cairo_line_to(cr, w - 2 * s - k, k);
  cairo_line_to(cr, w - 2 * s - k, s + k);
  cairo_line_to(cr, w - s - k, s + k);
  cairo_line_to(cr, w - s - k, 2 * s + k);
  cairo_line_to(cr, w - k, 2 * s + k);
  cairo_line_to(cr, w - k, h - 2 * s - k);
  cairo_line_to(cr, w - s - k, h - 2 * s - k);
  cairo_line_to(cr, w - s - k, h - s - k);
  cairo_line_to(cr, w - 2 * s - k, h - s - k);
  cairo_line_to(cr, w - 2 * s - k, h - k);
  cairo_line_to(cr, 2 * s + k, h - k);
  cairo_line_to(cr, 2 * s + k, h - s - k);
  cairo_line_to(cr, s + k, h - s - k);
  cairo_line_to(cr, s + k, h - 2 * s - k);
  cairo_line_to(cr, k, h - 2 * s - k);
  cairo_close_path(cr);
}

}  // namespace

void MakeWindowFrame(Output& out) {
  Canvas c(kWidth, kHeight);
  cairo_t* cr = c.cr;
  SteppedOutline(cr, 0);
  cairo_pattern_t* body = VerticalGradient(0, kHeight, 0x26304E, 0x0E121E);
  cairo_set_source(cr, body);
  cairo_fill(cr);
  cairo_pattern_destroy(body);
  // caption band behind the page title (drawn at y + 60)
  cairo_rectangle(cr, 24, 50, kWidth - 48, 30);
  SetRgb(cr, 0xFFFFFF, 0.06);
  cairo_fill(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  SteppedOutline(cr, 1.5);
  SetRgb(cr, 0x05060A);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  SteppedOutline(cr, 4.5);
  SetRgb(cr, 0xD0A850);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  SteppedOutline(cr, 9.5);
  SetRgb(cr, 0xD0A850, 0.55);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  Image image = OpaqueImage(c.surface);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (TransparentBlock(x / kBlock, y / kBlock)) image.at(x, y) = kFrameKeyBlue;
  out.Save("Fenetres/fenetre.jpg", image);
  out.Show("interface", "fenetre", image);
}
