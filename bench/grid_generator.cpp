// SPDX-License-Identifier: GPL-3.0-or-later
// Crossword grids filled per second, per size and language, from the built
// dictionaries (the system word lists when they are absent).
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "filler.h"
#include "lexicon.h"

namespace {

struct Language {
  const char* dictionary;
  const char* systemList;
  const char* pairs;
  const char* frequencies;
  const char* moreFrequencies;
  const char* refused;
};

const Language kFrench{"DicoFrancais.txt", "/usr/share/dict/french", "deux_lettres.txt", "courants_francais.txt",
                       "encyclopedie_francais.txt", "refuses_francais.txt"};
const Language kEnglish{"DicoAnglais.txt", "/usr/share/dict/american-english", "two_letters.txt",
                        "common_english.txt", "encyclopedia_english.txt", "refused_english.txt"};

const Lexicon& LexiconFor(const Language& language) {
  static std::unique_ptr<Lexicon> lexicons[2];
  std::unique_ptr<Lexicon>& lexicon = lexicons[&language == &kFrench ? 0 : 1];
  if (!lexicon) {
    std::string built = std::string(GAME_DIR) + "/bin/" + language.dictionary;
    std::vector<std::string> words = std::ifstream(built).good() ? ReadWordFile(built)
                                                                 : ReadAccentedWordFile(language.systemList);
    LexiconOptions options;
    std::string data = std::string(SOURCE_DIR) + "/data/grids/";
    options.twoLetterWords = ReadWordFile(data + language.pairs);
    // Known words only, as the grid files are filled.
    const std::string lists = std::string(SOURCE_DIR) + "/data/words/";
    options.frequencies = ReadFrequencies(lists + language.frequencies);
    for (auto& entry : ReadFrequencies(lists + language.moreFrequencies)) options.frequencies.push_back(entry);
    options.knownOnly = true;
    options.refused = ReadRefusedWords(lists + language.refused);
    lexicon = std::make_unique<Lexicon>(words, options);
  }
  return *lexicon;
}

// One grid per iteration, restarting as the generator does until it fills.
void FillGrids(benchmark::State& state, const Language& language) {
  const Lexicon& lexicon = LexiconFor(language);
  int side = static_cast<int>(state.range(0));
  GridRules rules = RulesForSide(side);
  std::vector<int> uses(lexicon.WordCount(), 0);
  uint64_t seed = 1;
  for (auto _ : state) {
    std::string cells;
    while (cells.empty()) cells = FillGrid(lexicon, rules, uses, side, side, seed++, 4000);
    benchmark::DoNotOptimize(cells);
  }
  state.SetItemsProcessed(state.iterations());
}

void French(benchmark::State& state) { FillGrids(state, kFrench); }
void English(benchmark::State& state) { FillGrids(state, kEnglish); }

}  // namespace

BENCHMARK(French)->Arg(6)->Arg(8)->Arg(10)->Arg(12)->Unit(benchmark::kMillisecond);
BENCHMARK(English)->Arg(6)->Arg(8)->Arg(10)->Arg(12)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
