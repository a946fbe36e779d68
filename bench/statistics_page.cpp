// SPDX-License-Identifier: GPL-3.0-or-later
// The record of games at its bound of 50 000 games: reading it, counting the
// statistics page's figures, and drawing the page once they are counted.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "catalogue/screen_pages.h"
#include "harness/harness.h"
#include "persistence/history.h"
#include "platform/files.h"
#include "state/game_state.h"

namespace {

Harness* harness = nullptr;
long firstReadGrownKb = 0;  // what the first read of the record added to the resident size

long ResidentKb() {
  long pages = 0, resident = 0;
  if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return resident * 4;
}

void FillHistory() {
  if (harness) return;
  harness = new Harness(HarnessOptions{true});
  harness->Start();
  harness->Run(4100);
  std::string text = HistoryHeader() + "\r\n";
  for (int i = 0; i < 50000; ++i) {
    PlayedGame game;
    char when[32];
    std::snprintf(when, sizeof when, "20%02d-%02d-%02d 12:00:00", 20 + i / 8000, 1 + i / 600 % 12, 1 + i / 20 % 28);
    game.when = when;
    game.variant = 1 + i % 150;
    game.outcome = static_cast<GameOutcome>(i % 4 == 3 ? 1 : 0);
    game.seconds = 30 + i % 900;
    game.score = 10000 - game.seconds * 8;
    game.code = "043-K7Q2-34";
    game.daily = i % 20 == 0;
    text += HistoryLine(game) + "\r\n";
  }
  RemoveFile(HistoryPath());
  AppendText(HistoryPath(), text);
  text.clear();
  text.shrink_to_fit();
  ForgetPlayedGames();
  const long before = ResidentKb();
  PlayedGames();
  firstReadGrownKb = ResidentKb() - before;
}

void BM_ReadHistory(benchmark::State& state) {
  FillHistory();
  for (auto _ : state) {
    ForgetPlayedGames();
    benchmark::DoNotOptimize(PlayedGames().size());
  }
  state.counters["games"] = static_cast<double>(PlayedGames().size());
  state.counters["rss_grown_kb"] = static_cast<double>(firstReadGrownKb);
}
BENCHMARK(BM_ReadHistory)->Unit(benchmark::kMillisecond);

void BM_OpenStatisticsPage(benchmark::State& state) {
  FillHistory();
  PlayedGames();
  for (auto _ : state) OpenStatisticsPage();
}
BENCHMARK(BM_OpenStatisticsPage)->Unit(benchmark::kMillisecond);

void BM_DrawStatisticsPage(benchmark::State& state) {
  FillHistory();
  OpenStatisticsPage();
  G.panelX = 200;
  for (auto _ : state) DrawStatisticsPage();
}
BENCHMARK(BM_DrawStatisticsPage)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
