// SPDX-License-Identifier: GPL-3.0-or-later
// Making a booklet: the puzzles of chosen variants, each built from its
// code as play builds it, laid out on paper with their solutions.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "persistence/booklet_pages.h"

// The codes of `count` fresh puzzles of each variant, variant after variant,
// their seeds drawn from `seedSource`.
std::vector<std::string> BookletCodes(const std::vector<int>& variants, int count, uint32_t seedSource);
// Builds the puzzle of a code as a game builds it, and keeps its board;
// false when the code is bad, its variant stays out of booklets or its game
// could not be built. The board is left empty and no game runs afterwards.
bool BuildPrintedPuzzle(const std::string& code, int number, PrintedPuzzle& puzzle);
// The variants a booklet may hold, and why one may not ("" when it may).
bool InBooklet(int variant);
std::string WhyNotInBooklet(int variant);

// A booklet made from the command line: builds every puzzle, then writes
// the PDF at the real path `file` through a temporary name. Returns "" or
// what went wrong, in one line.
std::string WriteBookletFile(const std::string& file, const std::vector<std::string>& codes,
                             const BookletOptions& options);
