// SPDX-License-Identifier: GPL-3.0-or-later
// The page scaled to the size it is shown at, by the processor: at a whole
// number each page pixel becomes an exact block, at any other scale the page
// is smoothed (bilinear). Only the part of the page that changed since the
// last present is scaled again, so that a pointer moving over a large screen
// costs little without a graphics device.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/page.h"

class PageScaler {
 public:
  // Sets the shown size; true when it changed (all is to be scaled again).
  bool Resize(int width, int height);
  bool Crisp() const { return crisp_; }
  // The shown pixels that depend on the page's rectangle `changed`.
  Rect ShownArea(Rect changed) const;
  // Writes the shown rectangle `area` as 0x00RRGGBB pixels, its top-left one
  // at `out`, rows `pitch` pixels apart.
  void Scale(const Page& page, Rect area, uint32_t* out, int pitch) const;

 private:
  int width_ = 0, height_ = 0;
  bool crisp_ = false;
  // For each shown column and row: the page pixel left of (above) its centre
  // and the weight, 0-256, of the one after it.
  std::vector<int> column_, row_;
  std::vector<int> columnWeight_, rowWeight_;
};

// Where two pages differ: the smallest rectangle holding every differing
// pixel, empty (right <= left) when they are the same.
Rect ChangedArea(const std::vector<uint16_t>& a, const std::vector<uint16_t>& b);
