// SPDX-License-Identifier: GPL-3.0-or-later
// The build of the games on the crossword grid files: the frame on which a
// variant reads the grid file, chooses its grid and lays out its board, on a
// new seed each time, with the real grid files.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "catalogue/catalogue.h"
#include "harness/harness.h"
#include "platform/clock.h"
#include "state/forms.h"
#include "state/game_state.h"
#include "display/resets.h"

// The program started on the real data and past its title, or nothing (the
// benchmark skipped) when the data folder is not built.
static std::unique_ptr<Harness> StartedProgram(benchmark::State& state) {
  if (!std::filesystem::exists(std::string(GAME_DIR) + "/bin/grilles.txt")) {
    state.SkipWithError("the data folder is not built");
    return nullptr;
  }
  HarnessOptions options;
  options.realData = true;
  auto h = std::make_unique<Harness>(options);
  h->Start();
  h->Run(4100);
  return h;
}

static void BM_GridGameBuild(benchmark::State& state) {
  const std::unique_ptr<Harness> h = StartedProgram(state);
  if (!h) return;
  const auto variant = static_cast<uint8_t>(state.range(0));
  uint32_t seed = 0;
  for (auto _ : state) {
    state.PauseTiming();
    ResetGame();
    ResetBoard();
    SetRandSeed(++seed);
    G.currentVariant = variant;
    G.gameTitle = G.variantName[variant];
    state.ResumeTiming();
    Form1.DXTimer1Timer();
    if (!G.boardReady) state.SkipWithError("the board was not built");
  }
  state.counters["seeds"] = seed;
}
// The largest board of each game (word placement, hidden words, scrambled
// grid, deconstructed grid), in French and in English where both exist.
BENCHMARK(BM_GridGameBuild)
    ->Arg(29)->Arg(95)->Arg(33)->Arg(99)->Arg(37)->Arg(103)->Arg(43)->Arg(1)
    ->Unit(benchmark::kMillisecond);

// As a player starts it from the variant menu: StartVariant (which reloads the
// dictionary) and the frames up to the built board.
static void BM_GridGameStart(benchmark::State& state) {
  const std::unique_ptr<Harness> h = StartedProgram(state);
  if (!h) return;
  for (auto _ : state) {
    StartVariant(static_cast<uint8_t>(state.range(0)));
    while (!G.boardReady && !G.gameTitle.empty()) Form1.DXTimer1Timer();
    if (!G.boardReady) state.SkipWithError("the board was not built");
  }
}
BENCHMARK(BM_GridGameStart)->Arg(29)->Arg(95)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
