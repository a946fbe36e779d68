// SPDX-License-Identifier: GPL-3.0-or-later
// The pages of a booklet: a title page, the puzzles 1, 2 or 4 to a page,
// then the solutions six to a page, every page numbered.
#pragma once
#include <string>
#include <vector>

#include "persistence/booklet_layout.h"
#include "platform/paper.h"

struct BookletOptions {
  std::string title;  // Latin-1
  std::string date;   // "9 décembre 2026"
  int perPage = 2;    // 1, 2 or 4
  bool solutions = true;
  PaperSize paper = PaperSize::A4;
};

constexpr int kSolutionsPerPage = 6;
// Margins kept clear on every side, well inside what printers reach.
constexpr double kPaperMarginMm = 15;

// How many pages the booklet takes.
int BookletPageCount(const BookletOptions& options, size_t puzzles);
// The booklet as a PDF's bytes (empty when it could not be drawn).
std::string BookletPdf(const BookletOptions& options, const std::vector<PrintedPuzzle>& puzzles);
// One puzzle alone on its page, as the print button prints the board.
std::string OnePuzzlePdf(const PrintedPuzzle& puzzle, PaperSize size = PaperSize::A4);
