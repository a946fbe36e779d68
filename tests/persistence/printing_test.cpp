#include <gtest/gtest.h>

#include <filesystem>

#include "harness/harness.h"
#include "persistence/commentary.h"
#include "persistence/printing.h"
#include "platform/printer.h"
#include "shell/game_state.h"
#include "shell/resets.h"

TEST(Printing, HiddenWordsArePrintedWithoutTheirPositionPrefix) {
  EXPECT_EQ(PrintedListLine(34, "01 02LOUP"), "LOUP");
  EXPECT_EQ(PrintedListLine(100, "0102"), "");
  EXPECT_EQ(PrintedListLine(2, "12"), "");
  EXPECT_EQ(PrintedListLine(30, "MAISON"), "MAISON");
}

TEST(Printing, TheBoardGoesToAPrintedPage) {
  Harness h;
  ResetBoard();
  G.gameTitle = "MOTS  CODES 12x12";
  G.currentVariant = 1;
  G.boardLetters[CellIndex(1, 1)] = 'A';
  SetCellState(1, 1, 4);
  SetCellState(2, 1, 3);
  PrinterDryRun(true);
  Imprimegrille();
  const std::string pdf = LastPrintedPdf();
  ASSERT_FALSE(pdf.empty());
  EXPECT_GT(std::filesystem::file_size(pdf), 500u);
  std::filesystem::remove(pdf);
  PrinterDryRun(false);
}
