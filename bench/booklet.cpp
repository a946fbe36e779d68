// SPDX-License-Identifier: GPL-3.0-or-later
// A booklet of 40 puzzles of 8 variants (five of each), with the solutions,
// two to a page: every puzzle built from its code, the pages drawn, the PDF
// written. The processor time of one booklet and the size of its file.
#include <benchmark/benchmark.h>

#include <string>

#include "catalogue/booklet.h"
#include "harness/harness.h"

namespace {

Harness* harness = nullptr;

void BM_Booklet40(benchmark::State& state) {
  if (!harness) {
    harness = new Harness(HarnessOptions{true});
    harness->Start();
    harness->Run(4100);
  }
  const std::string file = MakeTempFolder("bench_booklet") + "livret.pdf";
  BookletOptions options;
  options.title = "Vocabulaire de lundi";
  uint32_t seed = 1;
  for (auto _ : state) {
    const std::vector<std::string> codes = BookletCodes({1, 29, 33, 8, 16, 19, 46, 68}, 5, seed++);
    const std::string problem = WriteBookletFile(file, codes, options);
    if (!problem.empty()) state.SkipWithError(problem.c_str());
  }
  state.counters["pdf_kb"] = static_cast<double>(ReadFileBytes(file).size()) / 1024;
  state.counters["pages"] = BookletPageCount(options, 40);
}
BENCHMARK(BM_Booklet40)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

}  // namespace

BENCHMARK_MAIN();
