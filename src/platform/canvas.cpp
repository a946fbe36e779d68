// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/canvas.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "platform/frame_log.h"
#include "platform/page.h"
#include "platform/utf8.h"

namespace {

void SetSource(cairo_t* cr, uint32_t windowsColour) {
  cairo_set_source_rgb(cr, (windowsColour & 0xFF) / 255.0, ((windowsColour >> 8) & 0xFF) / 255.0,
                       ((windowsColour >> 16) & 0xFF) / 255.0);
}

}  // namespace

// The pens, brush and font: copied to a canvas that does a noted drawing later.
struct CanvasStyle {
  uint32_t penColour = 0;
  int penWidth = 1;
  bool brushSolid = true;
  uint32_t brushColour = 0xFFFFFF;
  uint32_t fontColour = 0;
  int fontSize = 8;
  bool fontBold = false;
};

struct Canvas::Impl : CanvasStyle {
  Page* page = nullptr;
  cairo_surface_t* surface = nullptr;
  cairo_t* cr = nullptr;

  // Fills with the brush, then strokes the outline with the pen, as the
  // window system's shape calls do.
  void FillAndStroke() {
    if (brushSolid) {
      SetSource(cr, brushColour);
      cairo_fill_preserve(cr);
    }
    SetSource(cr, penColour);
    cairo_set_line_width(cr, std::max(penWidth, 1));
    cairo_stroke(cr);
  }

  // The outline runs along the centres of the boundary pixels: the shape
  // covers x1 ... x2 - 1 like the window system's, right and bottom excluded.
  void Box(int x1, int y1, int x2, int y2, double& left, double& top, double& width, double& height) const {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    left = x1 + 0.5;
    top = y1 + 0.5;
    width = std::max(x2 - x1 - 1, 0);
    height = std::max(y2 - y1 - 1, 0);
  }

  FrameKey StyleKey(int op) const {
    FrameKey key;
    key.Add(100 + op).Add(penColour).Add(penWidth).Add(brushSolid ? brushColour : 0xFFFFFFFFull);
    key.Add(fontColour).Add(fontSize).Add(fontBold);
    return key;
  }
};

// True when the drawing was only noted for a repeated frame (frame_log.h); it
// is then done later, if at all, on a fresh canvas with the same style.
bool Canvas::Noted(uint64_t key, const std::function<void(Canvas&)>& draw) {
  if (impl_->page != &ThePage()) return false;
  Page* page = impl_->page;
  const CanvasStyle style = *impl_;
  return FrameDefer(key, false, [page, style, draw] {
    Canvas later(*page);
    static_cast<CanvasStyle&>(*later.impl_) = style;
    draw(later);
  });
}

Canvas::Canvas(Page& page) : impl_(new Impl) {
  impl_->page = &page;
  const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_RGB16_565, kPageWidth);
  impl_->surface = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(page.pixels.data()),
                                                       CAIRO_FORMAT_RGB16_565, kPageWidth, kPageHeight, stride);
  // The page was drawn by the blits since cairo last looked at it.
  cairo_surface_mark_dirty(impl_->surface);
  impl_->cr = cairo_create(impl_->surface);
  // Outlines are hard-edged like the window system's pens; only text is smoothed.
  cairo_set_antialias(impl_->cr, CAIRO_ANTIALIAS_NONE);
}

Canvas::~Canvas() {
  Release();
  cairo_destroy(impl_->cr);
  cairo_surface_destroy(impl_->surface);
  delete impl_;
}

void Canvas::SetPen(uint32_t windowsColour, int width) {
  impl_->penColour = windowsColour;
  impl_->penWidth = width;
}

void Canvas::SetBrushClear() { impl_->brushSolid = false; }

void Canvas::SetBrushColour(uint32_t windowsColour) {
  impl_->brushSolid = true;
  impl_->brushColour = windowsColour;
}

void Canvas::SetFont(uint32_t windowsColour, int size, bool bold) {
  impl_->fontColour = windowsColour;
  impl_->fontSize = size;
  impl_->fontBold = bold;
}

// Saves the context and sets the font; moves to the text cell whose top-left
// corner is (x, y) (cairo wants the baseline). The caller restores.
static void BeginText(cairo_t* cr, int x, int y, int size, bool bold) {
  cairo_save(cr);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                         bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, std::abs(size) * 96.0 / 72.0);  // points at 96 dpi
  cairo_font_extents_t font;
  cairo_font_extents(cr, &font);
  cairo_new_path(cr);
  cairo_move_to(cr, x, y + font.ascent);
}

void Canvas::TextOut(int x, int y, const std::string& latin1) {
  if (latin1.empty()) return;
  if (Noted(impl_->StyleKey(1).Add(x).Add(y).Add(latin1).value(),
            [x, y, latin1](Canvas& c) { c.TextOut(x, y, latin1); }))
    return;
  cairo_t* cr = impl_->cr;
  BeginText(cr, x, y, impl_->fontSize, impl_->fontBold);
  SetSource(cr, impl_->fontColour);
  cairo_show_text(cr, Latin1ToUtf8(latin1).c_str());
  cairo_restore(cr);
}

void Canvas::TextOutEdged(int x, int y, const std::string& latin1, uint32_t edgeColour) {
  if (latin1.empty()) return;
  if (Noted(impl_->StyleKey(2).Add(x).Add(y).Add(latin1).Add(edgeColour).value(),
            [x, y, latin1, edgeColour](Canvas& c) { c.TextOutEdged(x, y, latin1, edgeColour); }))
    return;
  cairo_t* cr = impl_->cr;
  BeginText(cr, x, y, impl_->fontSize, impl_->fontBold);
  cairo_text_path(cr, Latin1ToUtf8(latin1).c_str());
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, 2.0);
  SetSource(cr, edgeColour);
  cairo_stroke_preserve(cr);
  SetSource(cr, impl_->fontColour);
  cairo_fill(cr);
  cairo_restore(cr);
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2) {
  if (Noted(impl_->StyleKey(3).Add(x1).Add(y1).Add(x2).Add(y2).value(),
            [=](Canvas& c) { c.Rectangle(x1, y1, x2, y2); }))
    return;
  double left, top, width, height;
  impl_->Box(x1, y1, x2, y2, left, top, width, height);
  cairo_new_path(impl_->cr);
  cairo_rectangle(impl_->cr, left, top, width, height);
  impl_->FillAndStroke();
}

void Canvas::RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) {
  if (Noted(impl_->StyleKey(4).Add(x1).Add(y1).Add(x2).Add(y2).Add(cornerWidth).Add(cornerHeight).value(),
            [=](Canvas& c) { c.RoundRect(x1, y1, x2, y2, cornerWidth, cornerHeight); }))
    return;
  double left, top, width, height;
  impl_->Box(x1, y1, x2, y2, left, top, width, height);
  // The corners are quarters of a cornerWidth x cornerHeight ellipse.
  double rx = std::min(std::abs(cornerWidth) / 2.0, width / 2), ry = std::min(std::abs(cornerHeight) / 2.0, height / 2);
  cairo_t* cr = impl_->cr;
  cairo_new_path(cr);
  if (rx <= 0 || ry <= 0) {
    cairo_rectangle(cr, left, top, width, height);
  } else {
    auto corner = [&](double cx, double cy, double from, double to) {
      cairo_save(cr);
      cairo_translate(cr, cx, cy);
      cairo_scale(cr, rx, ry);
      cairo_arc(cr, 0, 0, 1, from, to);
      cairo_restore(cr);
    };
    corner(left + width - rx, top + ry, -M_PI / 2, 0);
    corner(left + width - rx, top + height - ry, 0, M_PI / 2);
    corner(left + rx, top + height - ry, M_PI / 2, M_PI);
    corner(left + rx, top + ry, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
  }
  impl_->FillAndStroke();
}

void Canvas::Line(int x1, int y1, int x2, int y2) {
  if (Noted(impl_->StyleKey(6).Add(x1).Add(y1).Add(x2).Add(y2).value(), [=](Canvas& c) { c.Line(x1, y1, x2, y2); }))
    return;
  cairo_t* cr = impl_->cr;
  cairo_new_path(cr);
  cairo_move_to(cr, x1 + 0.5, y1 + 0.5);
  cairo_line_to(cr, x2 + 0.5, y2 + 0.5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  SetSource(cr, impl_->penColour);
  cairo_set_line_width(cr, std::max(impl_->penWidth, 1));
  cairo_stroke(cr);
}

void Canvas::Ellipse(int x1, int y1, int x2, int y2) {
  if (Noted(impl_->StyleKey(5).Add(x1).Add(y1).Add(x2).Add(y2).value(),
            [=](Canvas& c) { c.Ellipse(x1, y1, x2, y2); }))
    return;
  double left, top, width, height;
  impl_->Box(x1, y1, x2, y2, left, top, width, height);
  cairo_t* cr = impl_->cr;
  cairo_new_path(cr);
  if (width <= 0 || height <= 0) {
    cairo_rectangle(cr, left, top, width, height);
  } else {
    cairo_save(cr);
    cairo_translate(cr, left + width / 2, top + height / 2);
    cairo_scale(cr, width / 2, height / 2);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
  }
  impl_->FillAndStroke();
}

void Canvas::Release() { cairo_surface_flush(impl_->surface); }
