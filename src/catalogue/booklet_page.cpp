// SPDX-License-Identifier: GPL-3.0-or-later
// The booklet page, reached from the game list's "LIVRET": the variants
// and how many of each, each on its own words or on one of the player's
// lists, how many to a page, with or without solutions, the title; it
// builds the puzzles one a frame under a progress bar, then writes the PDF
// into the player's IMPRESSIONS folder and sends it to the printer.
#include <ctime>
#include <string>
#include <vector>

#include "catalogue/booklet.h"
#include "catalogue/booklet_page.h"
#include "catalogue/catalogue.h"
#include "catalogue/page_widgets.h"
#include "catalogue/puzzle_codes.h"
#include "display/assets.h"
#include "display/drawing.h"
#include "display/log.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/keys.h"
#include "platform/page.h"
#include "platform/paths.h"
#include "platform/printer.h"
#include "state/game_state.h"
#include "words/player_lists.h"

namespace {

constexpr int T = 72;
constexpr size_t kMostChoices = 5;
constexpr size_t kMostTitle = 40;

struct Choice {
  int variant, count;
  std::string listFile;  // "": the variant's own words
};

// The page's own state: what it asks for, and the booklet being built.
struct BookletPage {
  int variant = 0;  // the one the arrows show
  int count = 6;
  std::string listFile;  // the list the arrows show, "" for none
  std::vector<Choice> choices;
  int perPage = 2;
  bool solutions = true;
  std::vector<std::string> codes;  // while building
  std::vector<std::string> codeLists;  // the list of each code
  std::vector<PrintedPuzzle> puzzles;
  bool building = false;
};
BookletPage page;

// The next variant a booklet may hold, on from `from` in the direction.
int NextInBooklet(int from, int step) {
  int v = from;
  for (int i = 0; i < kVariantCount; ++i) {
    v = (v - 1 + step + kVariantCount) % kVariantCount + 1;
    if (InBooklet(v)) return v;
  }
  return from;
}

// The menus line their names up with inner runs of spaces.
std::string Squeezed(std::string name) {
  for (size_t at; (at = name.find("  ")) != std::string::npos;) name.erase(at, 1);
  return name;
}
std::string VariantLabel(int variant) { return Squeezed(G.variantName[variant]); }

// The next of the player's lists after `file` in the direction, "" (no
// list) coming between the last and the first.
std::string NextList(const std::string& file, int step) {
  std::vector<std::string> files = {""};
  for (const PlayerList& list : PlayerLists()) files.push_back(list.file);
  size_t at = 0;
  while (at < files.size() && files[at] != file) ++at;
  if (at == files.size()) at = 0;  // the list has gone since
  return files[(at + files.size() + static_cast<size_t>(step)) % files.size()];
}

// Why the chosen list cannot take the variant, "" when it can or when no
// list is chosen.
std::string ListMisfitHere(int variant, const std::string& file) {
  if (file.empty()) return "";
  const PlayerList* list = FindPlayerList(file);
  return list ? ListMisfit(*list, Variant(variant)) : "la liste n'est plus dans LISTES";
}

std::string ChoiceLabel(const Choice& c) {
  const PlayerList* list = c.listFile.empty() ? nullptr : FindPlayerList(c.listFile);
  return std::to_string(c.count) + " x " + (list ? Squeezed(TitleOnList(c.variant, list->title)) : VariantLabel(c.variant));
}

void StartBuilding() {
  page.codes.clear();
  page.codeLists.clear();
  page.puzzles.clear();
  for (const Choice& c : page.choices) {
    const std::vector<std::string> codes = BookletCodes({c.variant}, c.count, static_cast<uint32_t>(std::time(nullptr)) + Now() + c.variant);
    page.codes.insert(page.codes.end(), codes.begin(), codes.end());
    page.codeLists.insert(page.codeLists.end(), codes.size(), c.listFile);
  }
  page.building = !page.codes.empty();
}

// "Livret 2026-12-09 14h05m09.pdf" in the player's IMPRESSIONS folder.
std::string BookletPath() {
  const std::time_t now = std::time(nullptr);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d %Hh%Mm%S", std::localtime(&now));
  const std::string title = FileNameFrom(G.typedText);
  return DataFolderPrefix() + "IMPRESSIONS\\" + (title.empty() ? "Livret" : title) + " " + stamp + ".pdf";
}

void FinishBooklet() {
  page.building = false;
  SetBookletList(nullptr);
  BookletOptions options;
  options.title = G.typedText;
  options.date = DayInWords(Today());
  options.perPage = page.perPage;
  options.solutions = page.solutions;
  const std::string pdf = BookletPdf(options, page.puzzles);
  const std::string path = BookletPath();
  const bool written = !pdf.empty() && ForceDirectories(DataFolderPrefix() + "IMPRESSIONS") && WriteBinary(path, pdf);
  page.puzzles.clear();
  LoadBackground(52);
  if (!written) {
    LogProblem("livret non écrit : " + path);
    ShowLastingMessage(2, 520, "Livret impossible à écrire.");
    return;
  }
  SendPdfToPrinter(ResolvePath(path));
  Log("livret écrit : " + path);
  std::string shown = path.substr(std::min(path.size(), DataFolderPrefix().size()));
  for (char& c : shown)
    if (c == '\\') c = '/';
  ShowLastingMessage(2, 520, "Livret : " + shown);
}

// One puzzle a frame, so the bar moves and the window answers.
void BuildNextPuzzle() {
  const size_t next = page.puzzles.size();
  PrintedPuzzle puzzle;
  SetBookletList(FindPlayerList(page.codeLists[next]));
  if (BuildPrintedPuzzle(page.codes[next], static_cast<int>(next) + 1, puzzle)) {
    page.puzzles.push_back(puzzle);
  } else {  // logged by the game
    page.codes.erase(page.codes.begin() + static_cast<long>(next));
    page.codeLists.erase(page.codeLists.begin() + static_cast<long>(next));
  }
  // The game drew its board while it built it: the page is drawn afresh.
  DrawBackground();
  if (page.puzzles.size() == page.codes.size()) FinishBooklet();
}

void DrawProgress(int L) {
  const int done = static_cast<int>(page.puzzles.size()), total = static_cast<int>(page.codes.size());
  DrawSmallText(L + 40, T + 300, kWhite, "Création du livret : jeu " + std::to_string(done + 1) + " sur " + std::to_string(total));
  Canvas canvas(ThePage());
  canvas.SetPen(0xffffff, 1);
  canvas.SetBrushClear();
  canvas.Rectangle(L + 40, T + 320, L + 460, T + 336);
  canvas.SetBrushColour(0x00c0ff);
  if (done > 0) canvas.Rectangle(L + 42, T + 322, L + 42 + 416 * done / total, T + 334);
}

void DrawChoices(int L) {
  DrawSmallText(L + 20, T + 75, kWhite, "Jeu :");
  if (TextButton(L + 70, T + 67, "<")) page.variant = NextInBooklet(page.variant, -1);
  DrawSmallText(L + 100, T + 75, kHighlight, VariantLabel(page.variant));
  if (TextButton(L + 440, T + 67, ">")) page.variant = NextInBooklet(page.variant, 1);
  // The list line: which words the next AJOUTER plays on, and why a list
  // cannot take this game.
  DrawSmallText(L + 20, T + 100, kWhite, "Mots :");
  if (TextButton(L + 70, T + 92, "<")) page.listFile = NextList(page.listFile, -1);
  const PlayerList* list = page.listFile.empty() ? nullptr : FindPlayerList(page.listFile);
  const std::string misfit = ListMisfitHere(page.variant, page.listFile);
  DrawSmallText(L + 100, T + 100, kHighlight,
                !list ? "ceux du jeu" : misfit.empty() ? "MA LISTE : " + list->title : list->title + " : " + misfit);
  if (TextButton(L + 440, T + 92, ">")) page.listFile = NextList(page.listFile, 1);
  DrawSmallText(L + 20, T + 125, kWhite, "Combien :");
  if (TextButton(L + 100, T + 117, "-") && page.count > 1) --page.count;
  DrawSmallText(L + 130, T + 125, kWhite, std::to_string(page.count));
  if (TextButton(L + 160, T + 117, "+") && page.count < 40) ++page.count;
  if (TextButton(L + 300, T + 117, "AJOUTER") && page.choices.size() < kMostChoices && misfit.empty())
    page.choices.push_back({page.variant, page.count, list ? page.listFile : ""});
  for (size_t i = 0; i < page.choices.size(); ++i) {
    const int y = T + 145 + 20 * static_cast<int>(i);
    DrawSmallText(L + 40, y + 8, kWhite, ChoiceLabel(page.choices[i]));
    if (TextButton(L + 420, y, "X")) {
      page.choices.erase(page.choices.begin() + static_cast<long>(i));
      break;
    }
  }
  if (page.choices.empty()) DrawSmallText(L + 40, T + 153, kWhite, "Aucun jeu choisi : AJOUTER les met ici.");
  DrawSmallText(L + 20, T + 260, kWhite, "Par page :");
  for (int n : {1, 2, 4}) {
    const int x = L + 110 + 40 * (n == 4 ? 2 : n - 1);
    if (TextButton(x, T + 252, n == page.perPage ? "[" + std::to_string(n) + "]" : " " + std::to_string(n))) page.perPage = n;
  }
  if (TextButton(L + 260, T + 252, page.solutions ? "AVEC SOLUTIONS" : "SANS SOLUTIONS")) page.solutions = !page.solutions;
  DrawSmallText(L + 20, T + 285, kWhite, "Titre : " + G.typedText + (BlinkPhaseShown() ? "_" : " "));
}

}  // namespace

void OpenBookletPage() {
  G.panelX = 800;
  G.currentScreen = kScreenBooklet;
  G.typedText.clear();
  ReloadPlayerLists();  // a list added since shows on the list line
  if (!InBooklet(page.variant)) page.variant = NextInBooklet(0, 1);
}

// Closed while it builds (Escape), the page waits: the loop may rest.
bool BookletBeingMade() { return page.building && G.currentScreen == kScreenBooklet; }

void DrawBookletPage() {
  const int L = G.panelX, R = G.panelX + 500, B = 422;
  if (page.building) BuildNextPuzzle();
  DrawWindowFrame(G.panelX, G.panelY);
  DrawMediumText(L + 30, T + 40, kWhite, "LIVRET DE JEUX");
  if (page.building) {
    DrawProgress(L);
    return;
  }
  DrawChoices(L);
  if (!page.choices.empty() && TextButton(L + 20, B - 30, "FAIRE LE LIVRET")) StartBuilding();
  if (PageButton(R - 30, B - 20, 7)) G.currentScreen = kScreenGameList;
}

bool TypeBookletKey(int key) {
  if (G.currentScreen != kScreenBooklet) return false;
  if (key == kVkBack && !G.typedText.empty()) G.typedText.pop_back();
  return true;
}

bool TypeBookletText(const std::string& latin1) {
  if (G.currentScreen != kScreenBooklet) return false;
  for (char c : latin1)
    if (static_cast<uint8_t>(c) >= ' ' && G.typedText.size() < kMostTitle) G.typedText += c;
  return true;
}
