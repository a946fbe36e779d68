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
  EXPECT_EQ(lines[0].rfind("historique 1\tdate", 0), 0u);
  const char* outcomes[] = {"\tgagnee\t65\t9160\t", "\tabandonnee\t", "\tquittee\t", "\tperdue\t"};
  for (int i = 0; i < 4; ++i) EXPECT_NE(lines[i + 1].find(outcomes[i]), std::string::npos) << lines[i + 1];
  EXPECT_NE(lines[1].find("\t" + std::to_string(FamilyFirstVariant(1)) + "\t"), std::string::npos);

  // A restart reads the file again: a damaged line goes, two daily wins in a row count.
  const std::string daily = "\t" + std::to_string(FamilyFirstVariant(4)) + "\tgagnee\t100\t9000\t\t1";
  ASSERT_TRUE(AppendText(HistoryPath(), "2026-13\tbad\r\n" + Day(1) + daily + "\r\n" + Day(0) + daily + "\r\n"));
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
  WritePreviewFrame("statistics_page");

  CommandLine line;
  line.exportHistory = MakeTempFolder("csv") + "history.csv";
  std::string out, err;
  EXPECT_EQ(AnswerCommandLine(line, out, err), 0);
  const std::string csv = ReadFileBytes(line.exportHistory);
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 7) << csv;
}
