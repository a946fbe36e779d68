// SPDX-License-Identifier: GPL-3.0-or-later
// Makes a grid file's worth of grids for one language: sizes one after the
// other, every grid different, common words preferred, no long word in more
// than a few grids.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "filler.h"
#include "lexicon.h"

struct GeneratorOptions {
  std::vector<int> sides{6, 8, 10, 12};
  int gridsPerSide = 200;
  uint64_t seed = 1;
  long budgetPerAttempt = 4000;  // placements before a restart
  int maxAttempts = 2000;        // per grid, before it is skipped
  bool verbose = false;
};

// The words of a grid line's cells, across then down (runs of 2 or more).
std::vector<std::string> GridWords(const std::string& cells, int width, int height);

// Lines "<side>x<side>=<cells>"; fewer lines than asked when some grid could
// not be filled (reported on stderr).
std::vector<std::string> GenerateGrids(Lexicon& lexicon, const GeneratorOptions& options);

// CR LF line ends, as the game's text files have.
bool WriteGridFile(const std::string& path, const std::vector<std::string>& lines);
