// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a player's list of 100 000 lines, one in twenty bad (empty, a
// sign with no letter, a repeat, one letter, a line far too long), the
// others accented words as typed in UTF-8; the report it gives is printed
// once.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "words/player_lists.h"

namespace {

std::string HundredThousandLines() {
  const char* const kBad[] = {"", "???", "abricot", "a", "x"};
  const char* const kStems[] = {"ch\xC3\xA2taigne", "cl\xC3\xA9mentine", "p\xC3\xAA" "che", "m\xC3\xBBre", "c\xC5\x93ur"};
  std::string text = "# Cent mille lignes\n";
  for (int i = 1; i < 100000; ++i) {
    if (i % 20 == 0) text += i % 100 == 80 ? std::string(300, 'z') : kBad[(i / 20) % 5];
    else text += std::string(kStems[i % 5]) + "-" + static_cast<char>('a' + i % 26) + static_cast<char>('a' + i / 26 % 26);
    text += "\r\n";
  }
  return text;
}

void BM_ReadHundredThousandLines(benchmark::State& state) {
  const std::string bytes = HundredThousandLines();
  PlayerList list;
  for (auto _ : state) benchmark::DoNotOptimize(list = ReadPlayerList(bytes, "cent mille.txt"));
  static bool told = false;
  for (size_t k = 0; k < list.report.size() && !told; ++k) std::fprintf(stderr, "%s\n", list.report[k].c_str());
  told = true;
  state.counters["words"] = static_cast<double>(list.words.size());
  state.counters["set_aside"] = list.setAside;
  state.counters["report_lines"] = static_cast<double>(list.report.size());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ReadHundredThousandLines)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
