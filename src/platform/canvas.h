// SPDX-License-Identifier: GPL-3.0-or-later
// The text canvas of the page: small text and outlines drawn by cairo straight
// onto the RGB565 page.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

struct Page;

class Canvas {
 public:
  explicit Canvas(Page& page);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  void SetPen(uint32_t windowsColour, int width);
  void SetBrushClear();                      // outlines only
  void SetBrushColour(uint32_t windowsColour);  // filled shapes
  // size in points, as the system font sizes are given (96 dpi).
  void SetFont(uint32_t windowsColour, int size, bool bold);
  void TextOut(int x, int y, const std::string& latin1);
  // The same text inside a one-pixel edge of another colour, so it reads on
  // any picture behind it.
  void TextOutEdged(int x, int y, const std::string& latin1, uint32_t edgeColour);
  void Rectangle(int x1, int y1, int x2, int y2);
  void RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight);
  void Ellipse(int x1, int y1, int x2, int y2);
  // A straight line in the pen, from the centre of one pixel to another's.
  void Line(int x1, int y1, int x2, int y2);
  // Ends this drawing batch; pending drawing reaches the page.
  void Release();

 private:
  struct Impl;
  bool Noted(uint64_t key, const std::function<void(Canvas&)>& draw);
  Impl* impl_;
};
