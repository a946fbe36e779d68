// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "catalogue/puzzle_codes.h"
#include "persistence/history.h"
#include "platform/paths.h"
#include "state/variants.h"
#include "platform/utf8.h"
#include "state/puzzle_code.h"
#include "words/player_lists.h"

CommandLine gCommandLine;

CommandLine ParseCommandLine(int argc, const char* const* argv) {
  CommandLine line;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    // An option's value: the next argument, or a note that it is missing.
    auto value = [&](std::string& into) {
      if (i + 1 < argc) into = argv[++i];
      else if (line.missingValue.empty()) line.missingValue = argument;
    };
    if (argument == "--help" || argument == "-h") line.showHelp = true;
    else if (argument == "--version") line.showVersion = true;
    else if (argument == "--fullscreen") line.windowMode = CommandLine::WindowMode::FullScreen;
    else if (argument == "--windowed") line.windowMode = CommandLine::WindowMode::Windowed;
    else if (argument == "--verbose") line.verbose = true;
    else if (argument == "--daily") line.daily = true;
    else if (argument == "--export-history" && i + 1 < argc) line.exportHistory = argv[++i];
    else if (argument == "--booklet") {
      line.booklet = true;
      value(line.bookletFile);
    }
    else if (argument == "--variants") value(line.variants);
    else if (argument == "--count") value(line.count);
    else if (argument == "--per-page") value(line.perPage);
    else if (argument == "--title") value(line.title);
    else if (argument == "--paper") value(line.paper);
    else if (argument == "--codes") value(line.codes);
    else if (argument == "--list") value(line.list);
    else if (argument == "--no-solutions") line.noSolutions = true;
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
      "  --booklet FICHIER.pdf\n"
      "                écrit un livret de jeux à imprimer et s'arrête, avec :\n"
      "    --variants 1,29,33  les numéros des variantes (liste : man lettrarium)\n"
      "    --count N           combien de jeux de chaque variante (1 par défaut)\n"
      "    --per-page 1|2|4    jeux par page (2 par défaut)\n"
      "    --no-solutions      sans les solutions\n"
      "    --title TEXTE       le titre de la première page\n"
      "    --paper a4|letter   le format du papier (a4 par défaut)\n"
      "    --codes CODE,CODE   des grilles précises, d'après leur code\n"
      "    --list NOM          sur une liste de mots du joueur (dossier LISTES)\n"
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
  if (!line.missingValue.empty() && !line.showHelp && !line.showVersion) {
    err += "lettrarium : " + line.missingValue + " attend une valeur\n";
    return 2;
  }
  if (line.booklet && !line.showHelp && !line.showVersion) {
    BookletRequest request;
    if (const std::string problem = ReadBookletRequest(line, request); !problem.empty()) {
      err += Latin1ToUtf8("lettrarium : " + problem + "\n");
      return 2;
    }
    return -1;  // made once the data are read (MakeBookletOfCommandLine)
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

// A whole number from `least` to `most`, as typed; -1 otherwise.
static int NumberIn(const std::string& typed, int least, int most) {
  if (typed.empty() || typed.size() > 6 || typed.find_first_not_of("0123456789") != std::string::npos) return -1;
  const int n = std::stoi(typed);
  return n >= least && n <= most ? n : -1;
}

static std::vector<std::string> CommaParts(const std::string& list) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= list.size()) {
    const size_t comma = std::min(list.find(',', start), list.size());
    parts.push_back(list.substr(start, comma - start));
    start = comma + 1;
  }
  return parts;
}

constexpr int kMostBookletPuzzles = 500;

std::string ReadBookletRequest(const CommandLine& line, BookletRequest& request) {
  if (line.bookletFile.empty()) return "--booklet attend le nom du fichier PDF";
  if (line.variants.empty() && line.codes.empty()) return "--booklet attend --variants ou --codes";
  request.file = WholePathOf(line.bookletFile);
  const int count = line.count.empty() ? 1 : NumberIn(line.count, 1, kMostBookletPuzzles);
  if (count < 0) return "--count « " + Utf8ToLatin1(line.count) + " » : un nombre de 1 à 500";
  std::vector<int> variants;
  for (const std::string& part : line.variants.empty() ? std::vector<std::string>() : CommaParts(line.variants)) {
    const int variant = NumberIn(part, 1, kVariantCount);
    if (variant < 0) return "--variants « " + Utf8ToLatin1(part) + " » : un numéro de variante de 1 à 150";
    if (!InBooklet(variant)) return "--variants " + part + " : pas dans un livret (" + WhyNotInBooklet(variant) + ")";
    variants.push_back(variant);
  }
  for (const std::string& code : line.codes.empty() ? std::vector<std::string>() : CommaParts(line.codes)) {
    PuzzleKey key;
    const CodeFault fault = ReadPuzzleCode(code, key);
    if (fault != CodeFault::None) return "--codes « " + Utf8ToLatin1(code) + " » : " + CodeFaultText(fault);
    if (!InBooklet(key.variant)) return "--codes " + code + " : pas dans un livret (" + WhyNotInBooklet(key.variant) + ")";
    request.codes.push_back(PuzzleCodeText(key));
  }
  const std::vector<std::string> drawn = BookletCodes(variants, count, static_cast<uint32_t>(std::time(nullptr)));
  request.codes.insert(request.codes.end(), drawn.begin(), drawn.end());
  if (request.codes.size() > static_cast<size_t>(kMostBookletPuzzles)) return "--count : 500 jeux au plus par livret";
  BookletOptions& o = request.options;
  o.perPage = line.perPage.empty() ? 2 : NumberIn(line.perPage, 1, 4);
  if (o.perPage != 1 && o.perPage != 2 && o.perPage != 4) return "--per-page « " + Utf8ToLatin1(line.perPage) + " » : 1, 2 ou 4";
  if (line.paper == "letter") o.paper = PaperSize::Letter;
  else if (!line.paper.empty() && line.paper != "a4") return "--paper « " + Utf8ToLatin1(line.paper) + " » : a4 ou letter";
  o.solutions = !line.noSolutions;
  o.title = Utf8ToLatin1(line.title).substr(0, 80);
  o.date = DayInWords(Today());
  request.listName = Utf8ToLatin1(line.list);
  return "";
}

// The player's list the booklet plays on, read once the player's folders
// are known; "" or why it cannot be used.
static std::string UseBookletList(const BookletRequest& request) {
  SetBookletList(nullptr);
  if (request.listName.empty()) return "";
  ReloadPlayerLists();
  const PlayerList* list = FindPlayerListNamed(request.listName);
  if (!list) return "--list « " + request.listName + " » : aucune liste de ce nom dans LISTES";
  for (const std::string& code : request.codes) {
    PuzzleKey key;
    ReadPuzzleCode(code, key);
    if (const std::string misfit = ListMisfit(*list, Variant(key.variant)); !misfit.empty())
      return "--list " + list->title + " : pas pour la variante " + std::to_string(key.variant) + " (" + misfit + ")";
  }
  SetBookletList(list);
  return "";
}

int MakeBookletOfCommandLine(const BookletRequest& request, std::string& out, std::string& err) {
  if (const std::string problem = UseBookletList(request); !problem.empty()) {
    err += Latin1ToUtf8("lettrarium : " + problem + "\n");
    return 2;
  }
  const std::string problem = WriteBookletFile(request.file, request.codes, request.options);
  if (!problem.empty()) {
    err += Latin1ToUtf8("lettrarium : livret non écrit : " + problem + "\n");
    return 1;
  }
  const size_t games = request.codes.size();
  out += Latin1ToUtf8("Livret écrit : " + request.file + " (" + std::to_string(games) + (games > 1 ? " jeux, " : " jeu, ") +
                      std::to_string(BookletPageCount(request.options, request.codes.size())) + " pages)\n");
  return 0;
}
