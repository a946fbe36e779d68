// SPDX-License-Identifier: GPL-3.0-or-later
// The page to type a puzzle code, the page after a puzzle of the day, and
// the two entries of the game list that lead to them.
#include <string>

#include "catalogue/booklet_page.h"
#include "catalogue/puzzle_codes.h"
#include "catalogue/screen_pages.h"
#include "catalogue/page_widgets.h"
#include "display/drawing.h"
#include "display/sound.h"
#include "platform/keys.h"
#include "state/game_state.h"
#include "state/puzzle_code.h"

namespace {

constexpr int T = 72;
constexpr const char* kCodeKeys = "0123456789ABCDEFGHJKLMNPQRSTUVWXYZ";
constexpr size_t kCodeLength = 9;  // symbols of a code, without its dashes

void AddSymbol(char c) {
  G.typedText = CodeSymbols(G.typedText);
  if (G.typedText.size() < kCodeLength) G.typedText = CodeSymbols(G.typedText + c);
  G.codeProblem.clear();
}

void TryTypedCode() {
  PuzzleKey key;
  const CodeFault fault = ReadPuzzleCode(G.typedText, key);
  if (fault != CodeFault::None) {
    G.codeProblem = CodeFaultText(fault);
    PlaySound(kSoundLanding);
    return;
  }
  PlaySound(kSoundChoice);
  StartPuzzleCode(G.typedText);
}

}  // namespace

bool DrawGameListExtras() {
  const DailyPuzzle today = DailyPuzzleOf(Today());
  bool clicked = false;
  if (TextButton(40, 33, "DÉFI DU JOUR")) {
    StartDailyPuzzle();
    clicked = true;
  } else if (Hovered(40, 33, 12)) {
    DrawSmallText(130, 383, kWhite, "Défi du " + DayInWords(today.day) + " : " + today.label);
    DrawSmallText(130, 403, kWhite, "Le même pour tous les joueurs, un par jour.");
  }
  if (!clicked && TextButton(40, 495, "STATISTIQUES")) {
    OpenStatisticsPage();
    clicked = true;
  }
  if (!clicked && TextButton(330, 495, "LIVRET")) {
    OpenBookletPage();
    clicked = true;
  } else if (!clicked && Hovered(330, 495, 6)) {
    DrawSmallText(130, 383, kWhite, "Un livret de jeux à imprimer, avec les solutions :");
    DrawSmallText(130, 403, kWhite, "pour la classe, le voyage, ou loin de l'écran.");
  }
  if (!clicked && TextButton(560, 33, "ENTRER UN CODE")) {
    G.typedText.clear();
    G.codeProblem.clear();
    G.panelX = 800;
    G.currentScreen = kScreenCode;
    clicked = true;
  } else if (!clicked && Hovered(560, 33, 14)) {
    DrawSmallText(130, 383, kWhite, "Rejouer une grille, ou jouer celle d'un ami,");
    DrawSmallText(130, 403, kWhite, "d'après son code (par exemple 043-K7Q2-34).");
  }
  return clicked;
}

void DrawCodePage() {
  const int L = G.panelX, R = G.panelX + 500, B = 422;
  DrawWindowFrame(G.panelX, G.panelY);
  DrawSmallText(L + 110, T + 50, kWhite, "Code de la grille à jouer :");
  DrawMediumText(L + 140, T + 80, kWhite, CodeWithDashes(CodeSymbols(G.typedText)) + (BlinkPhaseShown() ? "-" : " "));
  const std::string keys = kCodeKeys;
  for (size_t i = 0; i < keys.size(); ++i) {
    const int row = i < 10 ? 0 : 1 + static_cast<int>(i - 10) / 12;
    const int column = i < 10 ? static_cast<int>(i) : static_cast<int>(i - 10) % 12;
    if (TextButton(L + 25 + 36 * column, T + 125 + 34 * row, std::string(1, keys[i]))) AddSymbol(keys[i]);
  }
  if (TextButton(L + 40, T + 240, "EFFACER") && !G.typedText.empty()) {
    G.typedText = CodeSymbols(G.typedText);
    G.typedText.pop_back();
    G.codeProblem.clear();
  }
  if (TextButton(L + 300, T + 240, "JOUER")) TryTypedCode();
  DrawSmallText(L + 50, T + 290, kHighlight, G.codeProblem);
  if (PageButton(R - 30, B - 20, 7)) G.currentScreen = kScreenGameList;
}

void DrawDailyResultPage() {
  const int L = G.panelX, R = G.panelX + 500, B = 422;
  DrawWindowFrame(G.panelX, G.panelY);
  for (size_t i = 0; i < G.dailyResult.size(); ++i)
    DrawSmallText(L + 20, T + 50 + 25 * static_cast<int>(i), kWhite, G.dailyResult[i]);
  if (PageButton(R - 30, B - 20, 7)) G.currentScreen = kScreenGameList;
}

bool TypeCodeKey(int key) {
  if (G.currentScreen != kScreenCode) return false;
  if (key == kVkBack && !G.typedText.empty()) {
    G.typedText = CodeSymbols(G.typedText);
    G.typedText.pop_back();
    G.codeProblem.clear();
  } else if (key == kVkReturn) {
    TryTypedCode();
  } else if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
    AddSymbol(static_cast<char>(key));
  }
  return true;
}

bool TypeCodeText(const std::string& latin1) {
  if (G.currentScreen != kScreenCode) return false;
  for (char c : latin1) {
    const bool symbol = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (symbol) AddSymbol(c);
  }
  return true;
}
