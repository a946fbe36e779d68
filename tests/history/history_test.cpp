// SPDX-License-Identifier: GPL-3.0-or-later
// The record of games played: each way a game ends gives its line, the
// statistics page counts them after a restart, a damaged line is skipped.
#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>

#include "app/command_line.h"
#include "catalogue/catalogue.h"
#include "catalogue/screen_pages.h"
#include "harness/harness.h"
#include "harness/preview_frame.h"
#include "persistence/history.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/keys.h"
#include "state/game_state.h"

namespace {

std::string Day(int daysAgo) {
  const std::time_t t = std::time(nullptr) - 86400 * daysAgo;
  std::tm local{};
  localtime_r(&t, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d 12:00:00", &local);
  return text;
}

}  // namespace

TEST(History, EveryEndIsRecordedAndThePageCountsThem) {
  Harness h(HarnessOptions{true});
  ASSERT_TRUE(h.Start());
  h.Run(4100);
  auto start = [&h](int family) {
    StartVariant(static_cast<uint8_t>(FamilyFirstVariant(family)));
    for (int i = 0; i < 400 && !G.boardReady; ++i) h.Tick();
    ASSERT_TRUE(G.boardReady);
  };
  start(1);
  G.gameWon = 1;
  G.elapsedMinutes = 1;
  G.elapsedSeconds = 5;
  h.Click(400, 300);
  h.Run(100);
  start(2);
  h.Key(kVkEscape);  // given up
  h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
  h.Run(11000);
  start(3);
  start(1);  // leaves the game of family 3
  G.gameLost = 1;  // as a game loses
  G.gameEndTick = Now();
  h.Run(11000);
  std::vector<std::string> lines;
  ASSERT_TRUE(ReadLines(HistoryPath(), lines));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0].rfind("historique 2\tdate", 0), 0u);
  EXPECT_EQ(lines[1].substr(lines[1].size() - 2), "\t0");  // no hint used
  const char* outcomes[] = {"\tgagnee\t65\t9160\t", "\tabandonnee\t", "\tquittee\t", "\tperdue\t"};
  for (int i = 0; i < 4; ++i) EXPECT_NE(lines[i + 1].find(outcomes[i]), std::string::npos) << lines[i + 1];
  EXPECT_NE(lines[1].find("\t" + std::to_string(FamilyFirstVariant(1)) + "\t"), std::string::npos);

  // A restart reads the file again: a damaged line goes, two daily wins in a row count.
  const std::string daily = "\t" + std::to_string(FamilyFirstVariant(4)) + "\tgagnee\t100\t9000\t\t1";
  ASSERT_TRUE(AppendText(HistoryPath(), "2026-13\tbad\r\n" + Day(1) + daily + "\r\n" + Day(0) + daily + "\t2\r\n"));
  ForgetPlayedGames();
  h.MoveTo(150, 505);
  h.Tick();
  WritePreviewFrame("game_list_with_the_statistics_entry");
  h.Click(150, 505);  // "STATISTIQUES" on the game list
  h.Run(1000);
  EXPECT_EQ(G.currentScreen, kScreenStatistics);
  EXPECT_TRUE(h.LogHas("ligne 6"));
  const std::vector<std::string> summary = StatisticsSummary();
  EXPECT_EQ(summary[0].rfind("Parties : 6, gagn\xe9" "es : 3 (50%)", 0), 0u) << summary[0];
  EXPECT_EQ(summary[1], "D\xe9" "fi du jour : 2 jour(s) de suite, record 2");
  EXPECT_EQ(summary[2].substr(summary[2].size() - 13), ", indices : 2");  // a line without the column reads as 0
  EXPECT_EQ(StatisticsCurveFamily(), 1);  // the most played family
  EXPECT_EQ(StatisticsTable()[1].rfind("LE PENDU 2 2 1:40 1:40", 0), 0u) << StatisticsTable()[1];
  // A click on the family's line lists its variants and draws its curve; another goes back.
  const int row2 = 72 + 145 + 16 + 8;
  h.Click(G.panelX + 60, row2);
  h.Run(100);
  EXPECT_EQ(StatisticsCurveFamily(), 4);
  ASSERT_EQ(StatisticsTable().size(), 1u);
  EXPECT_EQ(StatisticsTable()[0], "PENDU 12 2 2 1:40 1:40");
  h.Click(G.panelX + 60, row2 - 16);
  h.Run(100);
  EXPECT_EQ(StatisticsTable().size(), 4u);

  CommandLine line;
  line.exportHistory = MakeTempFolder("csv") + "history.csv";
  std::string out, err;
  EXPECT_EQ(AnswerCommandLine(line, out, err), 0);
  const std::string csv = ReadFileBytes(line.exportHistory);
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 7) << csv;

  // At the bound the oldest tenth is summed up in "cumul" lines, and still counted.
  std::string full = HistoryHeader() + "\r\n";
  for (int i = 0; i < 5001; ++i) full += Day(40) + "\t" + std::to_string(FamilyFirstVariant(2)) + "\tgagnee\t50\t9600\t\t0\r\n";
  for (int i = 5001; i < 50000; ++i)  // a filled history for the sample frames: wins every day, times getting shorter
    full += Day((50000 - i) / 1500) + "\t" + std::to_string(1 + i % 40) + (i % 5 ? "\tgagnee\t" : "\tperdue\t") +
            std::to_string(60 + (50000 - i) / 300 + (i * 37) % 90) + "\t9000\t\t" + (i % 7 ? "0" : "1") + "\r\n";
  RemoveFile(HistoryPath());
  ASSERT_TRUE(AppendText(HistoryPath(), full));
  ForgetPlayedGames();
  start(1);
  G.gameWon = 1;
  h.Click(400, 300);
  h.Run(100);
  ASSERT_TRUE(ReadLines(HistoryPath(), lines));
  ASSERT_EQ(lines.size(), 45002u);
  EXPECT_EQ(lines[1], "cumul\t" + std::to_string(FamilyFirstVariant(2)) + "\t5001\t5001\t250050\t50\t9600\t" +
                          Day(40).substr(0, 10) + "\t0");
  ForgetPlayedGames();
  OpenStatisticsPage();
  EXPECT_EQ(StatisticsSummary()[0].rfind("Parties : 50001, ", 0), 0u) << StatisticsSummary()[0];
  h.Run(1000);
  WritePreviewFrame("statistics_page");
  h.Click(G.panelX + 60, row2);  // the second most played family, of four variants
  h.Run(100);
  EXPECT_EQ(StatisticsTable().size(), 4u);
  WritePreviewFrame("statistics_page_variants_and_curve");
}
