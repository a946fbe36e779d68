// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: --help, --version, --fullscreen, --windowed, --verbose,
// --code CODE, --daily, --export-history FILE, and the booklet's --booklet
// FILE, --variants, --count, --per-page, --no-solutions, --title, --paper,
// --codes, --list.
#pragma once
#include <string>
#include <vector>

#include "catalogue/booklet.h"

struct CommandLine {
  enum class WindowMode { AsSaved, FullScreen, Windowed };
  WindowMode windowMode = WindowMode::AsSaved;  // --fullscreen / --windowed, for this run only
  bool verbose = false;                         // the whole diagnostics log on standard error
  bool showHelp = false;
  bool showVersion = false;
  std::string unknown;  // the first argument not understood, if any
  bool codeGiven = false;  // --code: play the puzzle of this code at once
  std::string code;
  bool daily = false;      // --daily: play the puzzle of the day at once
  std::string exportHistory;  // --export-history FILE: the record of games as CSV
  // --booklet FILE: a PDF booklet of puzzles, made without a window.
  bool booklet = false;
  std::string bookletFile, variants, count, perPage, title, paper, codes;
  std::string list;  // --list NAME: the puzzles play on the player's list of that name
  bool noSolutions = false;
  std::string missingValue;  // the first option given without its value
};

// The booklet the command line asks for, read and checked.
struct BookletRequest {
  std::string file;  // a whole real path
  std::vector<std::string> codes;
  BookletOptions options;
  std::string listName;  // Latin-1, "" for the variants' own words
};
// "" and the request, or the one line saying which argument is wrong.
std::string ReadBookletRequest(const CommandLine& line, BookletRequest& request);
// Builds and writes the booklet without a window; the exit status (0, or 1
// when it could not be made).
int MakeBookletOfCommandLine(const BookletRequest& request, std::string& out, std::string& err);

// The options of this run, read by start-up (tests may set them).
extern CommandLine gCommandLine;

CommandLine ParseCommandLine(int argc, const char* const* argv);
// The usage text, in French, as UTF-8 for the terminal.
std::string Usage();
// "lettrarium 1.0.0".
std::string VersionLine();
// The whole diagnostics log goes to standard error: --verbose, or the
// environment's LETTRARIUM_LOG set to 1 (`logVariable` is its value, or null).
bool WholeLogAsked(const CommandLine& line, const char* logVariable);
// Answers --help, --version and an unknown option on the given streams and
// returns the exit status (0, or 2 for an unknown option or a bad code); -1
// when the game should start.
int AnswerCommandLine(const CommandLine& line, std::string& out, std::string& err);
