// SPDX-License-Identifier: GPL-3.0-or-later
// Booklets: a small one written to a folder and its first puzzle replayed
// from its code; the command line's refusals; the LIVRET page by the mouse.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "app/command_line.h"
#include "catalogue/booklet.h"
#include "catalogue/puzzle_codes.h"
#include "harness/harness.h"
#include "harness/preview_frame.h"
#include "platform/printer.h"
#include "state/game_state.h"

namespace {
int Pages(const std::string& pdf) {  // "/Type /Page" but not "/Type /Pages"
  int pages = 0;
  for (size_t at = 0; (at = pdf.find("/Type /Page", at)) != std::string::npos; at += 11) pages += pdf[at + 11] != 's';
  return pages;
}
}  // namespace

TEST(Booklet, IsAPdfOfItsPagesWhosePuzzlesTheirCodesReplayAndAFailedOneLeavesNoFile) {
  Harness h(HarnessOptions{true});
  ASSERT_TRUE(h.Start());
  h.Run(4100);
  const std::vector<std::string> codes = BookletCodes({1, 33, 16, 46}, 1, 7);
  BookletOptions options;
  const std::string folder = MakeTempFolder("booklet");
  EXPECT_EQ(WriteBookletFile(folder + "livret.pdf", codes, options), "");
  const std::string pdf = ReadFileBytes(folder + "livret.pdf");
  EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
  EXPECT_EQ(Pages(pdf), BookletPageCount(options, codes.size()));
  EXPECT_EQ(BookletPageCount(options, codes.size()), 1 + 2 + 1);  // title, puzzles two a page, solutions
  EXPECT_TRUE(G.gameTitle.empty());
  EXPECT_EQ(G.currentScreen, kScreenGameList);

  PrintedPuzzle printed;
  ASSERT_TRUE(BuildPrintedPuzzle(codes[0], 1, printed));
  ASSERT_TRUE(StartPuzzleCode(codes[0]));
  h.Run(2000);
  ASSERT_TRUE(G.boardReady);
  EXPECT_EQ(std::memcmp(G.boardLetters, printed.board.boardLetters, sizeof G.boardLetters), 0);
  EXPECT_EQ(std::memcmp(G.answerGridB, printed.board.answerGridB, sizeof G.answerGridB), 0);
  EXPECT_EQ(G.wordList, printed.wordList);

  EXPECT_NE(WriteBookletFile(folder + "raté.pdf", {codes[0], "005-AAAA-00"}, options), "");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);  // livret.pdf alone

  CommandLine line;
  line.booklet = true;
  line.bookletFile = folder + "x.pdf";
  line.variants = "1,5";
  std::string out, err;
  EXPECT_EQ(AnswerCommandLine(line, out, err), 2);
  EXPECT_EQ(err.rfind("lettrarium : --variants 5 : pas dans un livret", 0), 0u) << err;
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
}

TEST(Booklet, TheLivretPageMakesOneByTheMouseUnderAProgressBarAndNamesTheFileThenOneOnAList) {
  Harness h(HarnessOptions{true});
  ASSERT_TRUE(h.Start());
  std::filesystem::create_directories(h.dataPrefix + "LISTES");  // a list put in the folder by hand
  std::ofstream(h.dataPrefix + "LISTES/fruits.txt") << "# Les fruits\nmyrtille\nnoisette\nrhubarbe\n";
  h.Run(4100);
  h.Click(390, 507);  // "LIVRET" on the game list
  h.Run(1000);
  ASSERT_EQ(G.currentScreen, kScreenBooklet);
  const int L = G.panelX + 20, T = 72 + 12;  // inside a button at (L + x, T + y)
  h.Click(L + 440, T + 67);  // the next variant, ">"
  h.Click(L + 160, T + 117);  // "+": 7 of them
  h.Click(L + 300, T + 117);  // "AJOUTER"
  h.Click(L + 190, T + 252);  // 4 to a page
  h.Click(L + 260, T + 252);  // without solutions
  h.TypeText("Lundi");
  h.Tick();
  WritePreviewFrame("booklet_page");
  PrinterMissing(true);
  h.Click(L + 20, 422 - 30 + 12);  // "FAIRE LE LIVRET"
  h.Tick(2);
  WritePreviewFrame("booklet_page_building");
  h.Run(3000);
  const std::string folder = h.dataPrefix + "IMPRESSIONS/";
  ASSERT_TRUE(std::filesystem::is_directory(folder));
  const std::string file = std::filesystem::directory_iterator(folder)->path().filename().string();
  EXPECT_EQ(file.rfind("Lundi 20", 0), 0u) << file;
  EXPECT_EQ(Pages(ReadFileBytes(folder + file)), 1 + 2);  // 7 puzzles, 4 a page, no solutions
  EXPECT_NE(G.messageText.find("IMPRESSIONS/Lundi 20"), std::string::npos) << G.messageText;

  h.Click(L + 420, T + 145);  // "X": the coded grids are taken off
  h.Click(L + 440, T + 92);  // the words: "LES FRUITS : ce jeu ne prend pas de liste"
  h.Click(L + 300, T + 117);  // AJOUTER: refused
  for (int i = 0; i < 5; ++i) h.Click(L + 440, T + 67);  // on to PENDU 8 lettres
  h.Click(L + 300, T + 117);  // 7 of them on the list
  h.TypeText(" 2");
  h.Tick();
  WritePreviewFrame("booklet_page_on_a_list");
  h.Click(L + 20, 422 - 30 + 12);
  h.Run(3000);
  int pages = 0;  // of the second booklet, 7 hangmen and not 14 puzzles
  for (const auto& made : std::filesystem::directory_iterator(folder))
    if (made.path().filename().string().rfind("Lundi 2 ", 0) == 0) pages = Pages(ReadFileBytes(made.path().string()));
  EXPECT_EQ(pages, 1 + 2);
  PrinterMissing(false);
}

