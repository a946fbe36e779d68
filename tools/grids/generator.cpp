// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <set>

std::vector<std::string> GridWords(const std::string& cells, int width, int height) {
  std::vector<std::string> words;
  auto flush = [&](std::string& run) {
    if (run.size() >= 2) words.push_back(run);
    run.clear();
  };
  for (int r = 0; r < height; ++r) {
    std::string run;
    for (int c = 0; c < width; ++c) {
      char ch = cells[r * width + c];
      if (ch == '*') flush(run); else run += ch;
    }
    flush(run);
  }
  for (int c = 0; c < width; ++c) {
    std::string run;
    for (int r = 0; r < height; ++r) {
      char ch = cells[r * width + c];
      if (ch == '*') flush(run); else run += ch;
    }
    flush(run);
  }
  return words;
}

namespace {

// Each use of a long word makes it less likely, so that the grids of a file
// spread over many words before any of them reaches its limit; short words
// recur in real crosswords and fade only a little.
void RecordUse(Lexicon& lexicon, const GridRules& rules, std::vector<int>& uses, int32_t id) {
  ++uses[id];
  const std::string& word = lexicon.Word(id);
  double share;
  if (static_cast<int>(word.size()) >= rules.limitedLength) {
    share = uses[id] >= rules.maxUses ? 0.0 : 1.0 - static_cast<double>(uses[id]) / rules.maxUses;
    share *= share;
  } else {
    share = 1.0 / (1.0 + 0.02 * uses[id]);
  }
  lexicon.SetWeight(id, lexicon.BaseWeight(id) * share);
}

uint64_t MixSeed(uint64_t seed, uint64_t a, uint64_t b, uint64_t c) {
  SplitMix mix(seed ^ (a * 0x100000001B3ull) ^ (b << 20) ^ (c << 40));
  return mix.Next();
}

}  // namespace

std::vector<std::string> GenerateGrids(Lexicon& lexicon, const GeneratorOptions& options) {
  std::vector<std::string> lines;
  std::set<std::string> made;
  std::vector<int> uses(lexicon.WordCount(), 0);
  for (int side : options.sides) {
    GridRules rules = RulesForSide(side);
    std::string key = std::to_string(side) + "x" + std::to_string(side);
    auto started = std::chrono::steady_clock::now();
    FillStats stats;
    int made_here = 0;
    // A grid that finds no fill is skipped: the next index brings new seeds,
    // so the size still gets its count (up to twice as many indices).
    for (int index = 0; made_here < options.gridsPerSide && index < 2 * options.gridsPerSide; ++index) {
      std::string cells;
      for (int attempt = 0; attempt < options.maxAttempts && cells.empty(); ++attempt) {
        cells = FillGrid(lexicon, rules, uses, side, side, MixSeed(options.seed, side, index, attempt),
                         options.budgetPerAttempt, &stats);
        if (!cells.empty() && !made.insert(cells).second) cells.clear();
        if (cells.empty()) ++stats.restarts;
      }
      if (cells.empty()) {
        std::fprintf(stderr, "grids: no %s grid %d after %d attempts\n", key.c_str(), index + 1,
                     options.maxAttempts);
        continue;
      }
      for (const std::string& word : GridWords(cells, side, side))
        RecordUse(lexicon, rules, uses, lexicon.Find(word));
      lines.push_back(key + "=" + cells);
      ++made_here;
    }
    if (options.verbose) {
      double seconds =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
      std::fprintf(stderr, "grids: %d of %s in %.2f s (%ld placements, %d restarts)\n", made_here,
                   key.c_str(), seconds, stats.placements, stats.restarts);
    }
  }
  return lines;
}

bool WriteGridFile(const std::string& path, const std::vector<std::string>& lines) {
  std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines) out << line << "\r\n";
    if (!out.good()) return false;
  }
  return std::rename(temporary.c_str(), path.c_str()) == 0;
}
