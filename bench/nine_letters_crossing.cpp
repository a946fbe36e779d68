// SPDX-License-Identifier: GPL-3.0-or-later
// The searches of the nine-letter games and the crossing-word build, on the
// real dictionaries: every word spelt with nine drawn letters, a whole
// MAXI-MOTS draw (drawn again until its list fits), and a whole crossing
// build (built again until the three vertical words exist).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "games/crossing_words.h"
#include "games/nine_letters.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "state/game_state.h"
#include "display/resets.h"
#include "words/word_routines.h"
#include "words/word_store.h"

namespace {

bool UseList(benchmark::State& state, uint8_t code) {
  G.programDir = std::string(GAME_DIR) + "/";
  ClearWordStore();
  const std::string file = code == 1 ? "bin\\DicoFrancais.txt" : "bin\\DicoAnglais.txt";
  if (!FileExists(G.programDir + file)) {
    state.SkipWithError("the dictionaries are not built (target data_dictionaries)");
    return false;
  }
  LoadWordList(code);
  return true;
}

// Nine letters as LE MOT LE PLUS LONG draws them, and the words they spell.
void BM_WordsFromNineLetters(benchmark::State& state) {
  if (!UseList(state, 1)) return;
  SetRandSeed(2024);
  std::vector<std::string> draws;
  for (int i = 0; i < 256; ++i) draws.push_back(nine_letters::DrawLetters(true));
  size_t i = 0, words = 0;
  for (auto _ : state) {
    words += nine_letters::WordsSpeltWith(draws[i]).size();
    i = (i + 1) % draws.size();
  }
  state.counters["words"] = benchmark::Counter(static_cast<double>(words), benchmark::Counter::kAvgIterations);
}

// A MAXI-MOTS (or MOTS COMMENCANT PAR...) build: draws until the list fits.
void BM_WordHuntDraw(benchmark::State& state) {
  if (!UseList(state, 1)) return;
  const bool startsWith = state.range(0) == 1;
  const nine_letters::WordHunt hunt{.answerRow = startsWith ? 7 : 6,
                                    .startsWithFirstLetter = startsWith,
                                    .shortestWord = startsWith ? 2u : 3u,
                                    .fewestWords = startsWith ? 6u : 11u,
                                    .secondColumnX = 0,
                                    .remainingCaption = ""};
  SetRandSeed(2024);
  double draws = 0;
  for (auto _ : state) {
    for (;;) {
      ++draws;
      const std::string letters = nine_letters::DrawLetters(false);
      const auto words = nine_letters::HuntedWords(hunt, nine_letters::WordsSpeltWith(letters), letters[0]);
      if (nine_letters::HuntFits(hunt, words.size())) break;
    }
  }
  state.counters["draws"] = benchmark::Counter(draws, benchmark::Counter::kAvgIterations);
}

// A whole crossing build for words of n letters, failed attempts included.
void CrossingBuild(benchmark::State& state, uint8_t list) {
  if (!UseList(state, list)) return;
  const int n = static_cast<int>(state.range(0));
  ResetBoard();
  SetRandSeed(2024);
  int32_t failed = 0;
  for (auto _ : state) {
    while (!BuildCrossingWords(n, 1000, failed)) {
    }
  }
  state.counters["failed"] = benchmark::Counter(failed, benchmark::Counter::kAvgIterations);
}
void BM_CrossingBuildFrench(benchmark::State& state) { CrossingBuild(state, 1); }
void BM_CrossingBuildEnglish(benchmark::State& state) { CrossingBuild(state, 2); }

}  // namespace

BENCHMARK(BM_WordsFromNineLetters)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_WordHuntDraw)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_CrossingBuildFrench)->Arg(13)->Arg(11)->Arg(9)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_CrossingBuildEnglish)->Arg(5)->Arg(6)->Arg(7)->Arg(8)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
