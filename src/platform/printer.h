// SPDX-License-Identifier: GPL-3.0-or-later
// The default printer: a page drawn with cairo and sent through CUPS.
#pragma once
#include <string>

class PrintJob {
 public:
  PrintJob();
  ~PrintJob();
  PrintJob(const PrintJob&) = delete;
  PrintJob& operator=(const PrintJob&) = delete;
  int pageWidth() const;   // printer units
  int pageHeight() const;
  void SetFontSize(int size);
  void TextOut(int x, int y, const std::string& latin1);
  void Rectangle(int x1, int y1, int x2, int y2);  // white fill, black pen
  void HatchCross(int x1, int y1, int x2, int y2);  // diagonal cross-hatch
  // The job sends this PDF (pages drawn on a Paper) in place of its own page.
  void UsePdf(const std::string& pdfBytes);
  // Sends the page to the default printer. Without one, or when the print
  // system refuses the job, the page is kept as a PDF at `keptPdf` (a program
  // path; its folders are made). The print system is asked on a worker
  // thread, so a slow or silent one never holds up the game: End gives
  // Sending, and FollowPrint the outcome once it is known.
  enum Outcome { Printed, KeptAsPdf, Failed, Sending };
  Outcome End(const std::string& keptPdf);

 private:
  struct Impl;
  Impl* impl_;
};
// Sends a PDF file (a real path) to the default printer, when there is one,
// on a worker thread that nothing waits for: the file stays where it is.
void SendPdfToPrinter(const std::string& realPath);
// The page being sent: Sending while the print system has not answered;
// after kPrintTimeOutMs without an answer the page is kept as a PDF instead
// (KeptAsPdf) and the worker is left to end on its own. Failed when no page
// is being sent.
constexpr unsigned kPrintTimeOutMs = 15000;
PrintJob::Outcome FollowPrint();
// Tests: a print system that never answers (until set back to false).
void PrinterSilent(bool on);
// Tests: the page of the last dry run, kept as a PDF.
std::string LastPrintedPdf();
// Tests: keep the PDF and do not send it to a printer.
void PrinterDryRun(bool on);
// Tests: act as if the system had no default printer.
void PrinterMissing(bool on);
