// SPDX-License-Identifier: GPL-3.0-or-later
// The print button: the board of the running game, its title and its word
// list, on the default printer.
#include "persistence/printing.h"

#include <algorithm>
#include <ctime>
#include <string>

#include "display/drawing.h"
#include "display/log.h"
#include "persistence/booklet_pages.h"
#include "persistence/commentary.h"
#include "persistence/saved_games.h"
#include "platform/paths.h"
#include "platform/printer.h"
#include "state/game_state.h"
#include "state/variants.h"
#include "state/puzzle_code.h"
#include "words/player_lists.h"

std::string PrintedListLine(unsigned variant, const std::string& line) {
  switch (Variant(variant).print) {
    case PrintLayout::CodedGrid: return "";
    case PrintLayout::HiddenWords: return line.size() > 5 ? ShownFormOf(line.substr(5)) : "";
    case PrintLayout::Board: return line;
  }
  return line;
}

// Where a page is kept when it cannot be printed: the player's folder, named
// after the game and the time ("PENDU 8 ARBRES 2026-12-08 14h05m09.pdf").
static std::string KeptPagePath() {
  const std::time_t now = std::time(nullptr);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d %Hh%Mm%S", std::localtime(&now));
  // No separator, ':' or control character (a line break, an escape) of a
  // title reaches the file name.
  const std::string title = FileNameFrom(ShortTitle(G.gameTitle.str()));
  return DataFolderPrefix() + "IMPRESSIONS\\" + (title.empty() ? "" : title + " ") + stamp + ".pdf";
}

// A path of the player's folder as the player reads it: slashes, and
// cut in its middle when the message would not fit one line.
static std::string FolderShown(std::string path) {
  for (char& c : path)
    if (c == '\\') c = '/';
  constexpr size_t kRoom = 46;
  if (path.size() > kRoom) path = path.substr(0, 12) + "..." + path.substr(path.size() - (kRoom - 15));
  return path;
}

// The page sent to the printer, and where it is kept if it cannot be printed.
static bool pageSending = false;
static std::string keptPage;

static void TellPrintOutcome(PrintJob::Outcome outcome) {
  switch (outcome) {
    case PrintJob::Printed:
    case PrintJob::Sending:
      break;
    case PrintJob::KeptAsPdf: {
      std::string shown = keptPage;
      for (char& c : shown)
        if (c == '\\') c = '/';
      Log("pas d'imprimante, page gardée : " + shown);
      // The folder inside the player's, on one line: a message of two lines
      // went up over the game's own texts ("MOTS RESTANTS").
      const std::string inFolder = keptPage.substr(std::min(keptPage.size(), DataFolderPrefix().size()));
      ShowLastingMessage(2, 520, "Pas d'imprimante, page dans " + FolderShown(inFolder));
      break;
    }
    case PrintJob::Failed:
      LogProblem("impression impossible");
      ShowTimedMessage(2, 520, "Impression impossible.");
      break;
  }
}

void Imprimegrille() {
  // One page at a time: the one on its way is followed first.
  if (pageSending) return;
  PrintJob job;
  // A puzzle a booklet can hold prints as the booklet lays it out, without
  // the answers the board keeps (the hidden words' positions once found).
  if (BookletLayoutOf(G.currentVariant) != BookletLayout::None && G.boardReady)
    job.UsePdf(OnePuzzlePdf(PuzzleOnTheBoard(0, PuzzleCode())));
  const int h = job.pageWidth() / 2, c = h / 12;
  job.SetFontSize(16);
  job.TextOut(h - h / 2, 2, G.gameTitle.str());
  // The puzzle's code in the top corner, so that a printed grid can be
  // played again or handed round.
  if (const std::string code = PuzzleCode(); !code.empty()) {
    job.SetFontSize(8);
    job.TextOut(job.pageWidth() - h / 2, 2, "Code " + code);
  }
  const bool codedGrid = Variant(G.currentVariant).print == PrintLayout::CodedGrid;
  for (int y = 0; y <= 16; ++y)
    for (int x = 0; x <= 20; ++x) {
      const int left = c * x + 100, top = c * y + 100;
      const uint8_t letter = G.boardLetters[CellIndex(x, y)];
      const int state = CellState(x, y);
      if (letter != '*' && (state == kCellPlain || state == kCellOpen)) {
        job.Rectangle(left, top, left + c, top + c);
        job.SetFontSize(16);
        job.TextOut(c * x + 120, c * y + 120, std::string(1, static_cast<char>(letter)));
        if (codedGrid) {
          job.SetFontSize(8);
          job.TextOut(left, top, std::to_string(G.answerGridA[CellIndex(x, y)]));
        }
      } else if (letter == '*' && state == kCellBlack) {
        job.HatchCross(left, top, left + c, top + c);
      }
    }
  job.SetFontSize(8);
  for (size_t j = 0; j < G.wordList.size(); ++j) {
    const std::string text = PrintedListLine(G.currentVariant, G.wordList[j]);
    if (!text.empty()) job.TextOut(job.pageWidth() - h / 2, static_cast<int>(j) * h / 25 + 100, text);
  }
  keptPage = KeptPagePath();
  const PrintJob::Outcome outcome = job.End(keptPage);
  if (outcome == PrintJob::Sending) {
    pageSending = true;
    ShowTimedMessage(2, 520, "Impression en cours...");
    return;
  }
  TellPrintOutcome(outcome);
}

void FollowPrinting() {
  if (!pageSending) return;
  const PrintJob::Outcome outcome = FollowPrint();
  if (outcome == PrintJob::Sending) return;
  pageSending = false;
  TellPrintOutcome(outcome);
}
