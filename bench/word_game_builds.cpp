// SPDX-License-Identifier: GPL-3.0-or-later
// The slowest word-game builds on the real French list: the crossed pair's
// partner search (eleven, nine and seven letters) and the third word's
// search, each run call by call, as the ticks run it, until its board is
// ready. The routines draw the board on every call, as they do in play.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "games/game_routines.h"
#include "harness/harness.h"
#include "platform/clock.h"
#include "state/game_state.h"
#include "display/resets.h"

namespace {

void BuildGame(benchmark::State& state, unsigned variant, void (*play)(int), int parameter) {
  if (!std::filesystem::exists(std::string(GAME_DIR) + "/bin/DicoFrancais.txt")) {
    state.SkipWithError("the French list is not built (target data_dictionaries)");
    return;
  }
  Harness h(HarnessOptions{.realData = true});
  h.Start();
  h.Run(4100);
  uint32_t seed = 1;
  int64_t calls = 0, builds = 0;
  for (auto _ : state) {
    ResetBoard();
    SetRandSeed(seed++);
    G.currentVariant = variant;
    G.gameTitle = "BENCH";
    while (!G.boardReady && !G.gameTitle.empty()) {
      play(parameter);
      ++calls;
    }
    ++builds;
  }
  state.counters["calls_per_build"] = static_cast<double>(calls) / static_cast<double>(builds);
}

void PlayThirdWordCall(int) { PlayThirdWord(); }

void BM_CrossedPair11(benchmark::State& state) { BuildGame(state, 22, PlayCrossedPair, 11); }
void BM_CrossedPair9(benchmark::State& state) { BuildGame(state, 23, PlayCrossedPair, 9); }
void BM_CrossedPair7(benchmark::State& state) { BuildGame(state, 24, PlayCrossedPair, 7); }
void BM_ThirdWord(benchmark::State& state) { BuildGame(state, 25, PlayThirdWordCall, 0); }

}  // namespace

BENCHMARK(BM_CrossedPair11)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CrossedPair9)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CrossedPair7)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThirdWord)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
