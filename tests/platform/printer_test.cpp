// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/printer.h"
#include "temp_folder.h"

TEST(Printer, DryRunKeepsTheRenderedPage) {
  PrinterDryRun(true);
  {
    PrintJob job;
    EXPECT_EQ(job.pageWidth(), 4960);
    EXPECT_EQ(job.pageHeight(), 7016);
    job.SetFontSize(16);
    job.TextOut(1240, 2, "Mots crois\xe9s");
    job.Rectangle(100, 400, 300, 600);
    job.HatchCross(300, 400, 500, 600);
    EXPECT_EQ(job.End(""), PrintJob::Printed);
    EXPECT_EQ(job.End(""), PrintJob::Failed);  // a job ends once
  }
  const std::string pdf = LastPrintedPdf();
  ASSERT_FALSE(pdf.empty());
  std::ifstream in(pdf, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
  EXPECT_NE(bytes.find("595.27"), std::string::npos);  // A4 media box
  {
    PrintJob next;
    EXPECT_EQ(next.End(""), PrintJob::Printed);
  }
  EXPECT_NE(LastPrintedPdf(), pdf);
  EXPECT_FALSE(std::filesystem::exists(pdf));  // the earlier page is cleaned up
  std::filesystem::remove(LastPrintedPdf());
  PrinterDryRun(false);
}

TEST(Printer, WithoutAPrinterThePageIsKeptWhereAsked) {
  TempFolder t;
  PrinterMissing(true);
  {
    PrintJob job;
    job.TextOut(100, 100, "Grille");
    EXPECT_EQ(job.End(t.path + "Impressions\\page.pdf"), PrintJob::KeptAsPdf);
  }
  {
    PrintJob job;  // a folder that cannot be made: nothing is kept
    t.Write("file", "x");
    EXPECT_EQ(job.End(t.path + "file\\page.pdf"), PrintJob::Failed);
  }
  PrinterMissing(false);
  std::ifstream in(t.path + "Impressions/page.pdf", std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
}
