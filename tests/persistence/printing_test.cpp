// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <chrono>

#include <filesystem>

#include "display/drawing.h"
#include "harness/harness.h"
#include "persistence/commentary.h"
#include "persistence/printing.h"
#include "platform/printer.h"
#include "state/forms.h"
#include "state/game_state.h"
#include "display/resets.h"

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

TEST(Printing, WithoutAPrinterThePageIsKeptAsAPdfAndThePlayerIsTold) {
  Harness h;
  ASSERT_TRUE(h.Start());
  h.Run(4100);
  ResetBoard();
  G.gameTitle = "PENDU  8 Lettres / ARBRES";
  G.currentVariant = 114;
  PrinterMissing(true);
  Imprimegrille();
  PrinterMissing(false);
  const std::string folder = h.dataPrefix + "IMPRESSIONS/";
  ASSERT_TRUE(std::filesystem::is_directory(folder));
  std::string kept;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) kept = entry.path().filename().string();
  // Named after the game and the time.
  EXPECT_EQ(kept.rfind("PENDU 8 ARBRES 20", 0), 0u) << kept;
  EXPECT_EQ(kept.substr(kept.size() - 4), ".pdf");
  EXPECT_GT(std::filesystem::file_size(folder + kept), 500u);
  ASSERT_EQ(G.messageShowing, 1);
  EXPECT_NE(G.messageText.find("Pas d'imprimante"), std::string::npos);
  // On one line, under the game's texts: the folder's start and the name's end.
  EXPECT_LE(G.messageText.size(), 74u) << G.messageText;
  EXPECT_NE(G.messageText.find("IMPRESSIONS/"), std::string::npos) << G.messageText;
  EXPECT_NE(G.messageText.find(kept.substr(kept.size() - 25)), std::string::npos) << G.messageText;

  // The player who looks up from the printer still finds the message: it
  // stays 6 s, then until the next press (here on the game list).
  G.gameTitle.clear();
  h.Run(5900);
  EXPECT_EQ(G.messageShowing, 1);
  h.Run(20000);
  EXPECT_EQ(G.messageShowing, 1);
  h.Press(790, 300);
  h.Release(790, 300);
  h.Tick();
  EXPECT_EQ(G.messageShowing, 0);
  // A press within the 6 s does not cut them short; other messages keep 1.5 s.
  PrinterMissing(true);
  Imprimegrille();
  PrinterMissing(false);
  h.Press(790, 300);
  h.Release(790, 300);
  h.Run(5000);
  EXPECT_EQ(G.messageShowing, 1);
  h.Run(1100);
  EXPECT_EQ(G.messageShowing, 0);
  ShowTimedMessage(2, 520, "court");
  h.Run(1600);
  EXPECT_EQ(G.messageShowing, 0);
}

TEST(Printing, ASilentPrintSystemHoldsUpNeitherTheTickNorTheCloseAndThePageIsKeptAfterItsTimeOut) {
  Harness h;
  ASSERT_TRUE(h.Start());
  h.Run(4100);
  G.gameTitle = "PENDU\n\x1b[2J 8";  // a crafted title: no control character reaches the file name
  PrinterSilent(true);
  Imprimegrille();  // a print that waited for the silent system would never return
  const std::string folder = h.dataPrefix + "IMPRESSIONS/";
  h.Run(kPrintTimeOutMs - 500);
  EXPECT_FALSE(std::filesystem::exists(folder));
  h.Run(1000);
  ASSERT_TRUE(std::filesystem::exists(folder));
  EXPECT_EQ(std::filesystem::directory_iterator(folder)->path().filename().string().rfind("PENDU--[2J 8 20", 0), 0u);
  EXPECT_NE(G.messageText.find("Pas d'imprimante"), std::string::npos);
  Imprimegrille();  // the next page is held too: the close does not wait for it
  const auto closing = std::chrono::steady_clock::now();
  Form1.Close();
  const std::chrono::duration<double, std::milli> closed = std::chrono::steady_clock::now() - closing;
  EXPECT_LT(closed.count(), 1000.0);
  std::printf("close during a silent print: %.3f ms\n", closed.count());
  PrinterSilent(false);
}
