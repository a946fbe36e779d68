// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/printer.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <cups/cups.h>
#include <unistd.h>

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/utf8.h"

namespace {

// A4 in printer units of 1/600 inch, and in the PDF's points.
constexpr int kUnitsPerInch = 600;
constexpr int kPageUnitsWide = 4960;
constexpr int kPageUnitsHigh = 7016;
constexpr double kPointsWide = 595.276;
constexpr double kPointsHigh = 841.89;
// Hatch lines this far apart (about 1.7 mm).
constexpr int kHatchSpacing = 40;

bool dryRun = false;
bool printerMissing = false;

// A page on its way to the print system, shared with the worker thread.
struct PageOnItsWay {
  std::mutex lock;
  bool answered = false, printed = false;
  std::string pdf, kept;
  uint32_t since = 0;
};
std::shared_ptr<PageOnItsWay> sending;
// Tests: a silent print system holds every page until it speaks again.
std::mutex silenceLock;
std::condition_variable silenceEnds;
bool silent = false;
std::string lastPdf;

std::string TemporaryPdf() {
  const char* dir = std::getenv("TMPDIR");
  std::string pattern = std::string(dir && *dir ? dir : "/tmp") + "/lettrarium-print-XXXXXX.pdf";
  int fd = mkstemps(pattern.data(), 4);
  if (fd < 0) return "";
  close(fd);
  return pattern;
}

// The system's printer choice; none gives an empty name.
std::string DefaultPrinter() {
  if (printerMissing) return "";
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  const char* name = cupsGetDefault();
#pragma GCC diagnostic pop
  return name ? name : "";
}

// Moves the rendered page to the program path `kept`; false when it could not.
bool KeepPdf(const std::string& rendered, const std::string& kept) {
  const size_t slash = kept.find_last_of('\\');
  if (slash != std::string::npos && !ForceDirectories(kept.substr(0, slash))) return false;
  const std::string real = ResolvePath(kept);
  if (real.empty()) return false;
  std::error_code error;
  std::filesystem::rename(rendered, real, error);
  if (!error) return true;
  // Another file system: written beside its name and renamed, so a full disk
  // never leaves an empty or cut page under the final name.
  std::string bytes;
  return ReadBinary(rendered, bytes) && WriteBinary(kept, bytes);
}

}  // namespace

struct PrintJob::Impl {
  std::string path;
  cairo_surface_t* surface = nullptr;
  cairo_t* cr = nullptr;
  int fontSize = 10;
  bool ended = false;
  std::string pdfBytes;  // UsePdf's document, sent in place of the page
};

PrintJob::PrintJob() : impl_(new Impl) {
  impl_->path = TemporaryPdf();
  // An empty path still gives a working surface (writing nowhere), so every
  // call stays safe and End() reports the failure.
  impl_->surface = cairo_pdf_surface_create(impl_->path.empty() ? nullptr : impl_->path.c_str(), kPointsWide, kPointsHigh);
  impl_->cr = cairo_create(impl_->surface);
  cairo_scale(impl_->cr, 72.0 / kUnitsPerInch, 72.0 / kUnitsPerInch);
  cairo_select_font_face(impl_->cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  SetFontSize(impl_->fontSize);
}

PrintJob::~PrintJob() {
  cairo_destroy(impl_->cr);
  cairo_surface_destroy(impl_->surface);
  // A job never ended leaves no file behind.
  if (!impl_->ended && !impl_->path.empty()) std::remove(impl_->path.c_str());
  delete impl_;
}

int PrintJob::pageWidth() const { return kPageUnitsWide; }

int PrintJob::pageHeight() const { return kPageUnitsHigh; }

void PrintJob::SetFontSize(int size) {
  impl_->fontSize = size;
  cairo_set_font_size(impl_->cr, size * double(kUnitsPerInch) / 72.0);  // points to printer units
}

void PrintJob::TextOut(int x, int y, const std::string& latin1) {
  if (latin1.empty()) return;
  cairo_font_extents_t font;
  cairo_font_extents(impl_->cr, &font);
  // (x, y) is the top-left corner of the text, as the window system places it.
  cairo_move_to(impl_->cr, x, y + font.ascent);
  cairo_set_source_rgb(impl_->cr, 0, 0, 0);
  cairo_show_text(impl_->cr, Latin1ToUtf8(latin1).c_str());
}

void PrintJob::Rectangle(int x1, int y1, int x2, int y2) {
  cairo_t* cr = impl_->cr;
  cairo_rectangle(cr, x1, y1, x2 - x1, y2 - y1);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_fill_preserve(cr);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

void PrintJob::HatchCross(int x1, int y1, int x2, int y2) {
  cairo_t* cr = impl_->cr;
  cairo_save(cr);
  cairo_rectangle(cr, x1, y1, x2 - x1, y2 - y1);
  cairo_clip(cr);
  // Lines one way and the other over the whole cell. They are black: a white
  // hatch on white paper would leave the black squares of a grid blank.
  const int w = x2 - x1, h = y2 - y1;
  for (int d = -h; d <= w; d += kHatchSpacing) {
    cairo_move_to(cr, x1 + d, y1);
    cairo_line_to(cr, x1 + d + h, y2);
    cairo_move_to(cr, x2 - d, y1);
    cairo_line_to(cr, x2 - d - h, y2);
  }
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_restore(cr);
}

PrintJob::Outcome PrintJob::End(const std::string& keptPdf) {
  if (impl_->ended) return Failed;
  impl_->ended = true;
  cairo_show_page(impl_->cr);
  cairo_surface_finish(impl_->surface);
  bool rendered = !impl_->path.empty() && cairo_surface_status(impl_->surface) == CAIRO_STATUS_SUCCESS;
  if (rendered && !impl_->pdfBytes.empty()) {
    std::FILE* file = std::fopen(impl_->path.c_str(), "wb");
    rendered = file && std::fwrite(impl_->pdfBytes.data(), 1, impl_->pdfBytes.size(), file) == impl_->pdfBytes.size();
    if (file && std::fclose(file) != 0) rendered = false;
  }
  if (dryRun && !printerMissing) {
    if (!lastPdf.empty() && lastPdf != impl_->path) std::remove(lastPdf.c_str());
    lastPdf = rendered ? impl_->path : "";
    return rendered ? Printed : Failed;
  }
  if (rendered && !printerMissing && !sending) {
    sending = std::make_shared<PageOnItsWay>();
    sending->pdf = impl_->path;
    sending->kept = keptPdf;
    sending->since = Now();
    std::thread([page = sending] {
      {
        std::unique_lock<std::mutex> quiet(silenceLock);
        silenceEnds.wait(quiet, [] { return !silent; });
      }
      const std::string printer = DefaultPrinter();
      const bool printed =
          !printer.empty() && cupsPrintFile(printer.c_str(), page->pdf.c_str(), "Lettrarium", 0, nullptr) > 0;
      std::lock_guard<std::mutex> hold(page->lock);
      page->answered = true;
      page->printed = printed;
    }).detach();
    return Sending;
  }
  Outcome outcome = Failed;
  if (rendered && !sending) {
    const std::string printer = DefaultPrinter();
    if (!printer.empty() && cupsPrintFile(printer.c_str(), impl_->path.c_str(), "Lettrarium", 0, nullptr) > 0)
      outcome = Printed;
    else if (KeepPdf(impl_->path, keptPdf))
      outcome = KeptAsPdf;
  }
  if (!impl_->path.empty()) std::remove(impl_->path.c_str());
  return outcome;
}

void PrintJob::UsePdf(const std::string& pdfBytes) { impl_->pdfBytes = pdfBytes; }

void SendPdfToPrinter(const std::string& realPath) {
  if (dryRun || printerMissing) return;
  std::thread([realPath] {
    const std::string printer = DefaultPrinter();
    if (!printer.empty()) cupsPrintFile(printer.c_str(), realPath.c_str(), "Lettrarium", 0, nullptr);
  }).detach();
}

PrintJob::Outcome FollowPrint() {
  if (!sending) return PrintJob::Failed;
  std::unique_lock<std::mutex> hold(sending->lock);
  const bool timedOut = Now() - sending->since >= kPrintTimeOutMs;
  if (!sending->answered && !timedOut) return PrintJob::Sending;
  PrintJob::Outcome outcome = PrintJob::Printed;
  // Unanswered: the page moves to its kept name; a late worker finds nothing
  // left to send.
  if (!sending->printed) outcome = KeepPdf(sending->pdf, sending->kept) ? PrintJob::KeptAsPdf : PrintJob::Failed;
  if (sending->answered) std::remove(sending->pdf.c_str());
  hold.unlock();
  sending = nullptr;
  return outcome;
}

void PrinterSilent(bool on) {
  std::lock_guard<std::mutex> quiet(silenceLock);
  silent = on;
  silenceEnds.notify_all();
}

std::string LastPrintedPdf() { return lastPdf; }

void PrinterDryRun(bool on) { dryRun = on; }

void PrinterMissing(bool on) { printerMissing = on; }
