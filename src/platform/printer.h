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
  // Sends the page to the default printer; false when printing failed.
  // The rendered page is also kept as a PDF for tests (LastPrintedPdf).
  bool End();

 private:
  struct Impl;
  Impl* impl_;
};
std::string LastPrintedPdf();
// Tests: keep the PDF and do not send it to a printer.
void PrinterDryRun(bool on);
