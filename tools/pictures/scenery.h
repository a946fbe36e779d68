// SPDX-License-Identifier: GPL-3.0-or-later
// Shared pieces of the 800 x 600 pictures: a repeatable random sequence and
// the layers of a painted landscape.
#pragma once
#include <cairo.h>

#include <cstdint>

#include "makers.h"

struct Dice {
  uint32_t state;
  explicit Dice(uint32_t seed) : state(seed * 2654435761u + 1) {}
  double Next() {  // 0 <= x < 1
    state = state * 1664525u + 1013904223u;
    return (state >> 8) / 16777216.0;
  }
  double Between(double a, double b) { return a + (b - a) * Next(); }
};

// A colour stop of 0xRRGGBB at `at` on a gradient.
void Stop(cairo_pattern_t* p, double at, uint32_t rgb, double alpha = 1);
void PaintSky(cairo_t* cr, uint32_t top, uint32_t middle, uint32_t horizon, double horizonY);
void PaintGlow(cairo_t* cr, double x, double y, double r, uint32_t colour, double alpha);
void PaintStars(cairo_t* cr, Dice& dice, int count, double maxY);
// A ridge of hills from x = 0 to 800 around baseY, filled to the bottom.
void PaintRidge(cairo_t* cr, Dice& dice, double baseY, double amplitude, double roughness, uint32_t top,
                uint32_t bottom);
void PaintWater(cairo_t* cr, double y, uint32_t top, uint32_t bottom, Dice& dice, uint32_t glint);
// Darkens the edges and, by `dim`, the whole picture, so white text reads.
void PaintVignette(cairo_t* cr, double dim);
// Faint scattered letters, as a texture.
void PaintLetterDust(cairo_t* cr, Dice& dice, int count, uint32_t colour, double alpha);
