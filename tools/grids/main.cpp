// SPDX-License-Identifier: GPL-3.0-or-later
// make_grids --words <dictionary> [--accented] --pairs <two-letter list>
//            [--endings <weights>] [--frequencies <counts> [--rare f] [--rare-short f]]
//            [--known-only] [--refuse <word list>]...   (--frequencies may be given again)
//            --seed <n> [--count <n>] [--sides 6,8,10,12] [--budget n] [--attempts n] [--verbose] --out <file>
// Fills the crossword grids of one language from its dictionary.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "generator.h"
#include "lexicon.h"

// "6,8,10" -> {6, 8, 10}
std::vector<int> Sides(const std::string& text) {
  std::vector<int> sides;
  for (size_t start = 0; start < text.size();) {
    size_t comma = text.find(',', start);
    sides.push_back(std::atoi(text.substr(start, comma - start).c_str()));
    start = comma == std::string::npos ? text.size() : comma + 1;
  }
  return sides;
}

int main(int argc, char** argv) {
  std::string words, pairs, endings, out;
  std::vector<std::string> frequencies;
  bool accented = false, knownOnly = false;
  std::vector<std::string> refused;
  double rare = 0.1, rareShort = 0.03;
  GeneratorOptions options;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    auto value = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
    if (arg == "--words") words = value();
    else if (arg == "--accented") accented = true;
    else if (arg == "--pairs") pairs = value();
    else if (arg == "--endings") endings = value();
    else if (arg == "--frequencies") frequencies.push_back(value());
    else if (arg == "--seed") options.seed = std::strtoull(value().c_str(), nullptr, 10);
    else if (arg == "--count") options.gridsPerSide = std::atoi(value().c_str());
    else if (arg == "--out") out = value();
    else if (arg == "--verbose") options.verbose = true;
    else if (arg == "--sides") options.sides = Sides(value());
    else if (arg == "--budget") options.budgetPerAttempt = std::atol(value().c_str());
    else if (arg == "--attempts") options.maxAttempts = std::atoi(value().c_str());
    else if (arg == "--rare") rare = std::atof(value().c_str());
    else if (arg == "--rare-short") rareShort = std::atof(value().c_str());
    else if (arg == "--known-only") knownOnly = true;
    else if (arg == "--refuse") refused.push_back(value());
    else {
      std::fprintf(stderr, "make_grids: unknown argument %s\n", arg.c_str());
      return 2;
    }
  }
  if (words.empty() || pairs.empty() || out.empty()) {
    std::fprintf(stderr, "make_grids: --words, --pairs and --out are needed\n");
    return 2;
  }
  std::vector<std::string> dictionary = accented ? ReadAccentedWordFile(words) : ReadWordFile(words);
  if (dictionary.empty()) {
    std::fprintf(stderr, "make_grids: no words in %s\n", words.c_str());
    return 1;
  }
  LexiconOptions lexiconOptions;
  lexiconOptions.twoLetterWords = ReadWordFile(pairs);
  if (!endings.empty()) lexiconOptions.endings = ReadEndingWeights(endings);
  if (!frequencies.empty()) {
    for (const std::string& path : frequencies) {
      std::vector<std::pair<std::string, int>> counts = ReadFrequencies(path);
      lexiconOptions.frequencies.insert(lexiconOptions.frequencies.end(), counts.begin(), counts.end());
    }
    lexiconOptions.rareFactor = rare;
    lexiconOptions.rareShortFactor = rareShort;
  }
  lexiconOptions.knownOnly = knownOnly;
  for (const std::string& path : refused) {
    std::vector<std::string> words = ReadRefusedWords(path);
    lexiconOptions.refused.insert(lexiconOptions.refused.end(), words.begin(), words.end());
  }
  if (knownOnly && lexiconOptions.frequencies.empty()) {
    std::fprintf(stderr, "make_grids: --known-only needs --frequencies\n");
    return 2;
  }
  Lexicon lexicon(dictionary, lexiconOptions);

  std::vector<std::string> lines = GenerateGrids(lexicon, options);
  if (lines.size() != options.sides.size() * static_cast<size_t>(options.gridsPerSide)) {
    std::fprintf(stderr, "make_grids: only %zu grids made\n", lines.size());
    return 1;
  }
  if (!WriteGridFile(out, lines)) {
    std::fprintf(stderr, "make_grids: cannot write %s\n", out.c_str());
    return 1;
  }
  return 0;
}
