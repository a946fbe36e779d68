// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <cstdio>
#include <vector>

#include "persistence/history.h"
#include "platform/utf8.h"
#include "state/puzzle_code.h"

CommandLine gCommandLine;

CommandLine ParseCommandLine(int argc, const char* const* argv) {
  CommandLine line;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--help" || argument == "-h") line.showHelp = true;
    else if (argument == "--version") line.showVersion = true;
    else if (argument == "--fullscreen") line.windowMode = CommandLine::WindowMode::FullScreen;
    else if (argument == "--windowed") line.windowMode = CommandLine::WindowMode::Windowed;
    else if (argument == "--verbose") line.verbose = true;
    else if (argument == "--daily") line.daily = true;
    else if (argument == "--export-history" && i + 1 < argc) line.exportHistory = argv[++i];
    else if (argument.rfind("--code=", 0) == 0) {
      line.codeGiven = true;
      line.code = argument.substr(7);
    } else if (argument == "--code") {
      line.codeGiven = true;
      if (i + 1 < argc) line.code = argv[++i];
    }
    else if (line.unknown.empty()) line.unknown = argument;
  }
  return line;
}

std::string Usage() {
  // The sources are compiled to Latin-1; the terminal reads UTF-8.
  return Latin1ToUtf8(
      "Usage : lettrarium [OPTION]...\n"
      "Jeux de lettres et de mots en français.\n"
      "  --fullscreen  joue en plein écran (pour cette fois)\n"
      "  --windowed    joue dans une fenêtre (pour cette fois)\n"
      "  --verbose     écrit tout le journal de diagnostic sur la sortie d'erreur\n"
      "  --code CODE   joue la grille de ce code (par exemple 043-K7Q2-34)\n"
      "  --daily       joue le défi du jour\n"
      "  --export-history FICHIER\n"
      "                écrit l'historique des parties en CSV et s'arrête\n"
      "  --version     affiche la version et s'arrête\n"
      "  --help        affiche cette aide et s'arrête\n");
}

std::string VersionLine() { return std::string("lettrarium ") + LETTRARIUM_VERSION + "\n"; }

bool WholeLogAsked(const CommandLine& line, const char* logVariable) {
  return line.verbose || (logVariable && std::string(logVariable) == "1");
}

int AnswerCommandLine(const CommandLine& line, std::string& out, std::string& err) {
  if (!line.unknown.empty()) {
    err += Latin1ToUtf8("lettrarium : option inconnue « " + line.unknown + " »\n") + Usage();
    return 2;
  }
  PuzzleKey key;
  if (line.codeGiven && !line.showHelp && !line.showVersion) {
    const CodeFault fault = ReadPuzzleCode(line.code, key);
    if (line.code.empty()) {
      err += "lettrarium : --code attend un code (par exemple 043-K7Q2-34)\n";
      return 2;
    }
    if (fault != CodeFault::None) {
      err += Latin1ToUtf8("lettrarium : code « " + line.code + " » refusé : " + CodeFaultText(fault) + "\n");
      return 2;
    }
  }
  if (line.showHelp) {
    out += Usage();
    return 0;
  }
  if (line.showVersion) {
    out += VersionLine();
    return 0;
  }
  if (!line.exportHistory.empty()) {
    std::FILE* file = std::fopen(line.exportHistory.c_str(), "wb");
    bool written = file != nullptr;
    for (const std::string& csvLine : written ? HistoryCsv() : std::vector<std::string>())
      written = std::fputs(Latin1ToUtf8(csvLine + "\n").c_str(), file) >= 0 && written;
    if (file && std::fclose(file) != 0) written = false;
    if (!written) err += "lettrarium : impossible d'écrire " + line.exportHistory + "\n";
    return written ? 0 : 1;
  }
  return -1;
}
