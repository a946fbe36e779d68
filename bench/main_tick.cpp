// SPDX-License-Identifier: GPL-3.0-or-later
// One full tick of a busy frame, and the start-up to the first flipped frame,
// on the headless back end with the real data folder.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

#include "display/drawing.h"
#include "harness/harness.h"
#include "display/list_entries.h"
#include "platform/page.h"
#include "platform/screen.h"
#include "state/forms.h"
#include "state/game_state.h"

static HarnessOptions RealData() {
  HarnessOptions options;
  options.realData = true;
  return options;
}

// True (and the benchmark skipped) when the data file or folder is not built.
static bool Missing(benchmark::State& state, const std::string& relative) {
  if (std::filesystem::exists(std::string(GAME_DIR) + relative)) return false;
  state.SkipWithError("the data folder is not built");
  return true;
}

// The real program past its splash, on the game list.
struct OnGameList : Harness {
  OnGameList() : Harness(RealData()) {
    Start();
    Run(4100);
  }
};

static void BM_BusyFrame(benchmark::State& state) {
  if (Missing(state, "/bitmaps")) return;
  OnGameList h;
  // A running game with a 12 x 12 board of tiles, the score page's list box
  // over it, the status line with the head picture, and a timed message.
  G.gameTitle = "MOTS  CODES 12x12";
  G.currentVariant = 0;  // no routine: the frame itself is measured
  G.boardReady = 1;
  for (int x = 1; x <= 12; ++x)
    for (int y = 1; y <= 12; ++y) {
      G.boardLetters[CellIndex(x, y)] = static_cast<uint8_t>('A' + (x + y) % 26);
      SetCellState(x, y, 4);
    }
  for (int i = 0; i < 30; ++i) AddEntry(listScores, "Joueur.......MOTS CODES 12x1201mn 05s9160");
  G.currentScreen = 4;
  h.MoveTo(300, 200);
  for (auto _ : state) {
    if (!G.messageShowing) ShowTimedMessage(2, 520, "Partie sauvegardée");
    Form1.DXTimer1Timer();
  }
}
BENCHMARK(BM_BusyFrame)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The game list with the pointer on a family: its help file is read again
// on every frame.
static void BM_GameListHoveredFamily(benchmark::State& state) {
  if (Missing(state, "/aide")) return;
  OnGameList h;
  h.MoveTo(120, 140);  // LE PENDU
  for (auto _ : state) Form1.DXTimer1Timer();
  if (G.listBoxes[listHelp].items[1].empty()) state.SkipWithError("no help line was loaded");
}
BENCHMARK(BM_GameListHoveredFamily)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The game list with the pointer on nothing: the frame a player leaves
// running every 10 ms. Its drawings repeat the last frame's, so they are only
// noted and nothing is drawn, compared or presented.
static void BM_GameListIdle(benchmark::State& state) {
  if (Missing(state, "/aide")) return;
  OnGameList h;
  h.MoveTo(790, 300);
  h.Tick();
  const int presents = ScreenPresentCount();
  for (auto _ : state) Form1.DXTimer1Timer();
  if (ScreenPresentCount() != presents) state.SkipWithError("the idle game list presented a frame");
}
BENCHMARK(BM_GameListIdle)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The same frame drawn in full and compared with the page presented last, as
// when anything on it changed: a stray drawing before each frame forces it.
static void BM_GameListDrawnInFull(benchmark::State& state) {
  if (Missing(state, "/aide")) return;
  OnGameList h;
  h.MoveTo(790, 300);
  h.Tick();
  const uint32_t background = 0x000000;
  for (auto _ : state) {
    ClearPage(ThePage(), background);
    Form1.DXTimer1Timer();
  }
}
BENCHMARK(BM_GameListDrawnInFull)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

static void BM_StartToFirstFrame(benchmark::State& state) {
  if (Missing(state, "/bin/DicoFrancais.txt")) return;
  for (auto _ : state) {
    state.PauseTiming();
    {
      Harness h(RealData());
      state.ResumeTiming();
      const int flips = ScreenFlipCount();
      h.Start();
      while (ScreenFlipCount() == flips) h.Tick();
      state.PauseTiming();
    }
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
