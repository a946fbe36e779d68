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
    EXPECT_TRUE(job.End());
    EXPECT_FALSE(job.End());
  }
  const std::string pdf = LastPrintedPdf();
  ASSERT_FALSE(pdf.empty());
  std::ifstream in(pdf, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
  EXPECT_NE(bytes.find("595.27"), std::string::npos);  // A4 media box
  {
    PrintJob next;
    EXPECT_TRUE(next.End());
  }
  EXPECT_NE(LastPrintedPdf(), pdf);
  EXPECT_FALSE(std::filesystem::exists(pdf));  // the earlier page is cleaned up
  std::filesystem::remove(LastPrintedPdf());
  PrinterDryRun(false);
}
