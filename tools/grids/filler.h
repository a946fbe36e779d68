// SPDX-License-Identifier: GPL-3.0-or-later
// Fills one free-form crossword grid: letters and black squares are placed
// together, cell by cell, so the black squares fall where the words need them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "lexicon.h"

struct GridRules {
  int minBlacks = 0;
  int maxBlacks = 0;
  int maxWords = 60;               // the games list at most 60 words
  int maxTwoLetterPercent = 15;    // of the grid's words
  int limitedLength = 4;           // words this long or longer ...
  int maxUses = 10;                // ... appear in at most this many grids
  double blackShare = 0.1;         // how often a black square is tried first
};

// The rules of a side x side grid for the games: black squares between 8 %
// and 20 % of the cells, never more than the deconstructed grid's 26 tiles.
GridRules RulesForSide(int side);

// Small, fast, and the same on every machine (the standard distributions are not).
class SplitMix {
 public:
  explicit SplitMix(uint64_t seed) : state_(seed) {}
  uint64_t Next();
  double Unit();  // [0, 1)
 private:
  uint64_t state_;
};

struct FillStats {
  long placements = 0;
  int restarts = 0;
};

// The cells row by row ('*' black), or "" when no fill was found within
// `budget` placements. `uses` counts, per word of the lexicon, the grids that
// already hold it.
std::string FillGrid(const Lexicon& lexicon, const GridRules& rules, const std::vector<int>& uses,
                     int width, int height, uint64_t seed, long budget, FillStats* stats = nullptr);
