// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/paper.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include "platform/utf8.h"

namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;

cairo_status_t KeepBytes(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

struct Paper::Impl {
  double width = 210, height = 297;
  std::string bytes;
  cairo_surface_t* surface = nullptr;
  cairo_t* cr = nullptr;
  int pages = 1;
  bool closed = false;
};

Paper::Paper(PaperSize size) : impl_(new Impl) {
  if (size == PaperSize::Letter) {
    impl_->width = 215.9;
    impl_->height = 279.4;
  }
  impl_->surface = cairo_pdf_surface_create_for_stream(KeepBytes, &impl_->bytes, impl_->width * kPointsPerMm,
                                                       impl_->height * kPointsPerMm);
  cairo_pdf_surface_set_metadata(impl_->surface, CAIRO_PDF_METADATA_CREATOR, "Lettrarium");
  impl_->cr = cairo_create(impl_->surface);
  cairo_scale(impl_->cr, kPointsPerMm, kPointsPerMm);
  cairo_set_source_rgb(impl_->cr, 0, 0, 0);
}

Paper::~Paper() {
  cairo_destroy(impl_->cr);
  cairo_surface_destroy(impl_->surface);
  delete impl_;
}

double Paper::widthMm() const { return impl_->width; }
double Paper::heightMm() const { return impl_->height; }
int Paper::pageCount() const { return impl_->pages; }

void Paper::NewPage() {
  cairo_show_page(impl_->cr);
  ++impl_->pages;
}

static void UseFont(cairo_t* cr, double points, bool bold) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, points / kPointsPerMm);
}

double Paper::TextWidth(double points, const std::string& latin1, bool bold) {
  UseFont(impl_->cr, points, bold);
  cairo_text_extents_t extents;
  cairo_text_extents(impl_->cr, Latin1ToUtf8(latin1).c_str(), &extents);
  return extents.x_advance;
}

void Paper::Text(double x, double y, double points, const std::string& latin1, Align align, bool bold) {
  if (latin1.empty()) return;
  const double w = align == Align::Left ? 0 : TextWidth(points, latin1, bold);
  UseFont(impl_->cr, points, bold);
  cairo_move_to(impl_->cr, align == Align::Right ? x - w : align == Align::Centre ? x - w / 2 : x, y);
  cairo_set_source_rgb(impl_->cr, 0, 0, 0);
  cairo_show_text(impl_->cr, Latin1ToUtf8(latin1).c_str());
}

void Paper::Box(double x, double y, double w, double h, double lineMm, bool whiteFill) {
  cairo_t* cr = impl_->cr;
  cairo_rectangle(cr, x, y, w, h);
  if (whiteFill) {
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill_preserve(cr);
  }
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_set_line_width(cr, lineMm);
  cairo_stroke(cr);
}

void Paper::Fill(double x, double y, double w, double h, double grey) {
  cairo_rectangle(impl_->cr, x, y, w, h);
  cairo_set_source_rgb(impl_->cr, grey, grey, grey);
  cairo_fill(impl_->cr);
  cairo_set_source_rgb(impl_->cr, 0, 0, 0);
}

void Paper::Line(double x1, double y1, double x2, double y2, double lineMm) {
  cairo_move_to(impl_->cr, x1, y1);
  cairo_line_to(impl_->cr, x2, y2);
  cairo_set_line_width(impl_->cr, lineMm);
  cairo_set_source_rgb(impl_->cr, 0, 0, 0);
  cairo_stroke(impl_->cr);
}

void Paper::Hatch(double x, double y, double w, double h, double spacingMm) {
  cairo_t* cr = impl_->cr;
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  for (double d = -h; d <= w; d += spacingMm) {
    cairo_move_to(cr, x + d, y);
    cairo_line_to(cr, x + d + h, y + h);
    cairo_move_to(cr, x + w - d, y);
    cairo_line_to(cr, x + w - d - h, y + h);
  }
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_set_line_width(cr, spacingMm / 5);
  cairo_stroke(cr);
  cairo_restore(cr);
}

std::string Paper::Close() {
  if (!impl_->closed) {
    impl_->closed = true;
    cairo_show_page(impl_->cr);
    cairo_surface_finish(impl_->surface);
    if (cairo_surface_status(impl_->surface) != CAIRO_STATUS_SUCCESS) impl_->bytes.clear();
  }
  return impl_->bytes;
}
