// SPDX-License-Identifier: GPL-3.0-or-later
// Paper: pages of a PDF drawn with cairo, in millimetres from the top-left
// corner, black on white, kept in memory until the document is closed.
#pragma once
#include <string>

enum class PaperSize { A4, Letter };

class Paper {
 public:
  explicit Paper(PaperSize size = PaperSize::A4);
  ~Paper();
  Paper(const Paper&) = delete;
  Paper& operator=(const Paper&) = delete;
  double widthMm() const;
  double heightMm() const;
  // Ends the page being drawn and starts the next one.
  void NewPage();
  enum class Align { Left, Centre, Right };
  // Latin-1 text with its baseline at y, in a size given in points.
  void Text(double x, double y, double points, const std::string& latin1, Align align = Align::Left, bool bold = false);
  double TextWidth(double points, const std::string& latin1, bool bold = false);
  // A rectangle's outline (its fill white first when asked).
  void Box(double x, double y, double w, double h, double lineMm = 0.3, bool whiteFill = false);
  // A rectangle filled with a grey (0 black, 1 white).
  void Fill(double x, double y, double w, double h, double grey);
  void Line(double x1, double y1, double x2, double y2, double lineMm = 0.3);
  // Lines one way and the other over the rectangle, `spacingMm` apart.
  void Hatch(double x, double y, double w, double h, double spacingMm);
  int pageCount() const;
  // Closes the document: the PDF's bytes (empty when cairo failed).
  std::string Close();

 private:
  struct Impl;
  Impl* impl_;
};
