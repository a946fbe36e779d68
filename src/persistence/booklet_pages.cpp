// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/booklet_pages.h"

#include <algorithm>

namespace {

using Align = Paper::Align;

constexpr int kListLinesPerColumn = 40;
constexpr double kListLine = 5.5;  // mm
constexpr double kFooter = 10;     // mm kept for the page number

int ListPages(size_t puzzles) {
  // The first page holds the title above its list.
  const size_t first = 2 * (kListLinesPerColumn - 8), next = 2 * kListLinesPerColumn;
  return puzzles <= first ? 1 : 1 + static_cast<int>((puzzles - first + next - 1) / next);
}

int PuzzlePages(const BookletOptions& o, size_t puzzles) {
  return static_cast<int>((puzzles + o.perPage - 1) / o.perPage);
}

int SolutionPages(const BookletOptions& o, size_t puzzles) {
  return o.solutions ? static_cast<int>((puzzles + kSolutionsPerPage - 1) / kSolutionsPerPage) : 0;
}

void PageNumber(Paper& paper, int total) {
  paper.Text(paper.widthMm() / 2, paper.heightMm() - kPaperMarginMm + 6, 9,
             std::to_string(paper.pageCount()) + " / " + std::to_string(total), Align::Centre);
}

// The writing area of a page split into `columns` x `rows` cells, with a gap.
PaperArea Slot(const Paper& paper, int index, int columns, int rows, double top) {
  const double gap = 8, m = kPaperMarginMm;
  const double w = (paper.widthMm() - 2 * m - gap * (columns - 1)) / columns;
  const double h = (paper.heightMm() - m - top - kFooter - gap * (rows - 1)) / rows;
  return {m + (w + gap) * (index % columns), top + (h + gap) * (index / columns), w, h};
}

void TitlePages(Paper& paper, const BookletOptions& o, const std::vector<PrintedPuzzle>& puzzles, int total) {
  const double m = kPaperMarginMm, w = paper.widthMm();
  paper.Text(w / 2, m + 20, 24, o.title.empty() ? "Livret de jeux" : o.title, Align::Centre, true);
  paper.Text(w / 2, m + 31, 12, o.date, Align::Centre);
  paper.Text(w / 2, m + 39, 11, std::to_string(puzzles.size()) + (puzzles.size() > 1 ? " jeux" : " jeu") +
                                    (o.solutions ? ", solutions à la fin" : ""),
             Align::Centre);
  const int lists = ListPages(puzzles.size());
  double top = m + 52;
  int line = 0, column = 0;
  for (size_t i = 0; i < puzzles.size(); ++i) {
    if (line == kListLinesPerColumn - (paper.pageCount() == 1 ? 8 : 0)) {
      line = 0;
      if (++column == 2) {
        column = 0;
        PageNumber(paper, total);
        paper.NewPage();
        top = m;
      }
    }
    const PrintedPuzzle& p = puzzles[i];
    const int page = lists + static_cast<int>(i) / o.perPage + 1;
    const double x = m + column * (w - 2 * m) / 2, y = top + kListLine * line++;
    paper.Text(x, y, 8.5, std::to_string(p.number) + ". " + NameOnPaper(p));
    paper.Text(x + (w - 2 * m) / 2 - 4, y, 7.5, p.code + "  p. " + std::to_string(page), Align::Right);
  }
  PageNumber(paper, total);
}

void PuzzlePagesOf(Paper& paper, const BookletOptions& o, const std::vector<PrintedPuzzle>& puzzles, int total) {
  const int columns = o.perPage == 4 ? 2 : 1, rows = o.perPage == 1 ? 1 : 2;
  for (size_t i = 0; i < puzzles.size(); ++i) {
    if (i % o.perPage == 0) {
      if (i > 0) PageNumber(paper, total);
      paper.NewPage();
      if (!o.title.empty()) paper.Text(paper.widthMm() - kPaperMarginMm, kPaperMarginMm - 6, 7, o.title, Align::Right);
    }
    DrawPuzzle(paper, puzzles[i], Slot(paper, static_cast<int>(i % o.perPage), columns, rows, kPaperMarginMm));
  }
  PageNumber(paper, total);
}

void SolutionPagesOf(Paper& paper, const std::vector<PrintedPuzzle>& puzzles, int total) {
  for (size_t i = 0; i < puzzles.size(); ++i) {
    if (i % kSolutionsPerPage == 0) {
      if (i > 0) PageNumber(paper, total);
      paper.NewPage();
      paper.Text(kPaperMarginMm, kPaperMarginMm + 4, 12, "SOLUTIONS", Align::Left, true);
    }
    DrawSolution(paper, puzzles[i], Slot(paper, static_cast<int>(i % kSolutionsPerPage), 2, 3, kPaperMarginMm + 10));
  }
  PageNumber(paper, total);
}

}  // namespace

int BookletPageCount(const BookletOptions& o, size_t puzzles) {
  return ListPages(puzzles) + PuzzlePages(o, puzzles) + SolutionPages(o, puzzles);
}

std::string BookletPdf(const BookletOptions& options, const std::vector<PrintedPuzzle>& puzzles) {
  BookletOptions o = options;
  if (o.perPage != 1 && o.perPage != 4) o.perPage = 2;
  Paper paper(o.paper);
  const int total = BookletPageCount(o, puzzles.size());
  TitlePages(paper, o, puzzles, total);
  PuzzlePagesOf(paper, o, puzzles, total);
  if (o.solutions && !puzzles.empty()) SolutionPagesOf(paper, puzzles, total);
  return paper.Close();
}

std::string OnePuzzlePdf(const PrintedPuzzle& puzzle, PaperSize size) {
  Paper paper(size);
  const double m = kPaperMarginMm;
  DrawPuzzle(paper, puzzle, {m, m, paper.widthMm() - 2 * m, paper.heightMm() - 2 * m - kFooter});
  return paper.Close();
}
