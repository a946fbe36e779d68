// SPDX-License-Identifier: GPL-3.0-or-later
// The word store on the real French dictionary: a load (run at every variant
// start), lookups of present and absent words, and the two searches on ten
// letters.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/files.h"
#include "state/game_state.h"
#include "words/word_routines.h"
#include "words/word_store.h"

namespace {

bool UseRealDictionary(benchmark::State& state) {
  G.programDir = std::string(GAME_DIR) + "/";
  // From an empty store: the long-word tables grow with every load.
  ClearWordStore();
  if (FileExists(G.programDir + "bin\\DicoFrancais.txt")) return true;
  state.SkipWithError("bin/DicoFrancais.txt is not built (target data_dictionaries)");
  return false;
}

// Stored words drawn at random, and the same words with their last letter
// changed until they are no longer words.
struct Samples {
  std::vector<std::string> present, absent;
};
Samples MakeSamples() {
  Samples s;
  SetRandSeed(2024);
  while (s.present.size() < 4096) {
    const std::string w = RandomWord(static_cast<uint8_t>(2 + Random(14)));
    if (w.empty()) continue;
    s.present.push_back(w);
    std::string other = w;
    for (char c = 'A'; c <= 'Z' && IsWord(other); ++c) other.back() = c;
    if (!IsWord(other)) s.absent.push_back(other);
  }
  return s;
}

void BM_LoadFrench(benchmark::State& state) {
  if (!UseRealDictionary(state)) return;
  for (auto _ : state) LoadWordList(1);
  state.counters["lines"] = wordLinesRead;
}

// A variant start's load followed by the first lookup of every length, which
// builds the lookup index.
void BM_LoadFrenchAndFirstLookups(benchmark::State& state) {
  if (!UseRealDictionary(state)) return;
  for (auto _ : state) {
    LoadWordList(1);
    for (int L = 1; L <= 20; ++L) benchmark::DoNotOptimize(IsWord(std::string(L, 'A')));
  }
}

void BM_IsWordPresent(benchmark::State& state) {
  if (!UseRealDictionary(state)) return;
  LoadWordList(1);
  const Samples s = MakeSamples();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(IsWord(s.present[i]));
    i = (i + 1) % s.present.size();
  }
}

void BM_IsWordAbsent(benchmark::State& state) {
  if (!UseRealDictionary(state)) return;
  LoadWordList(1);
  const Samples s = MakeSamples();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(IsWord(s.absent[i]));
    i = (i + 1) % s.absent.size();
  }
}

void BM_MatchPatternTenLetters(benchmark::State& state) {
  if (!UseRealDictionary(state)) return;
  LoadWordList(1);
  std::vector<std::string> list;
  for (auto _ : state) MatchPattern(list, "?A??E????S");
  state.counters["answers"] = static_cast<double>(list.size());
  state.counters["words"] = wordCount[10];
}

void BM_MatchPatternAnyTenLetters(benchmark::State& state) {
  if (!UseRealDictionary(state)) return;
  LoadWordList(1);
  std::vector<std::string> list;
  for (auto _ : state) MatchPattern(list, "??????????");
  state.counters["answers"] = static_cast<double>(list.size());
}

void BM_FindAnagramsTenLetters(benchmark::State& state) {
  if (!UseRealDictionary(state)) return;
  LoadWordList(1);
  std::vector<std::string> list;
  for (auto _ : state) FindAnagrams(list, "ECRITOIRES");
  state.counters["answers"] = static_cast<double>(list.size());
}

// The fullest length of the French list.
void BM_FindAnagramsFullestLength(benchmark::State& state) {
  if (!UseRealDictionary(state)) return;
  LoadWordList(1);
  int fullest = 1;
  for (int L = 1; L <= 30; ++L) {
    if (wordCount[L] > wordCount[fullest]) fullest = L;
  }
  const std::string letters = StoredWord(fullest, wordCount[fullest] / 2);
  std::vector<std::string> list;
  for (auto _ : state) FindAnagrams(list, letters);
  state.counters["length"] = fullest;
  state.counters["words"] = wordCount[fullest];
}

}  // namespace

BENCHMARK(BM_LoadFrench)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_LoadFrenchAndFirstLookups)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_IsWordPresent)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_IsWordAbsent)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_MatchPatternTenLetters)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_MatchPatternAnyTenLetters)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_FindAnagramsTenLetters)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_FindAnagramsFullestLength)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
