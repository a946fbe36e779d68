// SPDX-License-Identifier: GPL-3.0-or-later
// The soak's player: random input weighted towards where things happen (the
// board, the palette, the toolbar, the menus and pages), and now and then a
// steered move towards what the run has not done yet.
#include <string>

#include "catalogue/catalogue.h"
#include "display/drawing.h"
#include "platform/keys.h"
#include "state/forms.h"
#include "state/game_state.h"
#include "soak/soak.h"

namespace {

constexpr int kVkLeft = 37, kVkUp = 38, kVkRight = 39, kVkDown = 40;

// What the player remembers between steps.
struct Memory {
  int stepsInGame = 0;
  int patience = 20;  // steps before a game is given up
  bool savedThisGame = false;
  bool solving = false;  // guesses a hangman's letters right, to win it
  std::string game;
} memory;

int Uniform(Soak& s, int low, int high) { return std::uniform_int_distribution<int>(low, high)(s.random); }
bool Chance(Soak& s, double p) { return std::uniform_real_distribution<double>(0, 1)(s.random) < p; }

bool Feed(Soak& s, SoakInput::Kind kind, int x = 0, int y = 0, int button = 1) {
  return s.Do({.kind = kind, .x = x, .y = y, .button = button});
}
bool Key(Soak& s, int key) { return s.Do({.kind = SoakInput::Key, .key = key}); }
bool Text(Soak& s, const std::string& text) { return s.Do({.kind = SoakInput::Text, .text = text}); }
bool Wait(Soak& s, int ms) { return s.Do({.kind = SoakInput::Wait, .ms = ms}); }
bool Click(Soak& s, Point p, int button = 1) {
  return Feed(s, SoakInput::Move, p.x, p.y) && Feed(s, SoakInput::Press, p.x, p.y, button) &&
         Feed(s, SoakInput::Release, p.x, p.y, button);
}
// The middle of an image button drawn at (x, y).
bool ClickButton(Soak& s, int x, int y) { return Click(s, {x + 24, y + 24}); }

Point Jitter(Soak& s, Point p, int by) { return {p.x + Uniform(s, -by, by), p.y + Uniform(s, -by, by)}; }

Point FamilyPoint(int f) {
  const int x = f <= 15 ? 55 : 420, y = f <= 15 ? 53 + 20 * f : 20 * f - 247;
  return {x + 5, y + 12};
}
Point MenuRowPoint(int row, int length) {
  // The empty row has a two-pixel target just left of the middle.
  if (length == 0) return {399, 81 + 20 * row + 12};
  return {400 - (length / 2) * 14 + 10, 81 + 20 * row + 12};
}

Point BoardPoint(Soak& s, int fromRow, int toRow) {
  const Point cell = PointOfCell({Uniform(s, 1, 20), Uniform(s, fromRow, toRow)});
  return {cell.x + Uniform(s, 2, 28), cell.y + Uniform(s, 2, 28)};
}

// Every button and list line of the open page, where it is this frame.
Point PagePoint(Soak& s) {
  const int L = G.panelX, T = 72, R = L + 500, B = 422;
  const Point common[] = {{L + 64, T + 124}, {L + 64, T + 224}, {R - 6, B + 4},   {R - 66, B + 4},
                          {R - 126, B + 4},  {R + 24, B + 4},  {R - 6, T + 379}, {R - 6, T + 204},
                          {L + 64, T + 324}, {L + 64, T + 379}, {L + 84, T + 384}, {L + 84, T + 359}};
  if (G.currentScreen == 100) return Chance(s, 0.8) ? Point{L + 224, T + 164} : Point{L + 64, T + 164};
  if (Chance(s, 0.4)) {
    // A list line: lists lie at (L + 65 … 100, T + 90 … 120).
    const int top = G.currentScreen == 3 ? T + 120 : G.currentScreen == 4 ? T + 90 : T + 100;
    return {L + 120, top + 20 * Uniform(s, 1, 11) + 9};
  }
  return common[Uniform(s, 0, 11)];
}

Point ToolbarPoint(Soak& s) {
  // The save-and-quit button is kept rare: it ends the program.
  if (Chance(s, 0.02)) return {754, 39};
  return {60 * Uniform(s, 0, 12) + 24, 564};
}

Point MenuPoint(Soak& s) {
  if (G.currentScreen == 2) {
    const int count = 13;
    return Jitter(s, {400, 81 + 20 * Uniform(s, 0, count) + 12}, 60);
  }
  return FamilyPoint(Uniform(s, 1, 30));
}

// A point weighted towards where the program reacts.
Point SomePoint(Soak& s) {
  const int r = Uniform(s, 0, 99);
  if (r < 30) return BoardPoint(s, 1, 20);
  if (r < 45) return BoardPoint(s, 12, 17);  // the palettes lie under the grids
  if (r < 60) return ToolbarPoint(s);
  if (r < 75) return MenuPoint(s);
  if (r < 88 && G.currentScreen >= 3) return PagePoint(s);
  return {Uniform(s, 0, 799), Uniform(s, 0, 599)};
}

void RandomKey(Soak& s) {
  const int r = Uniform(s, 0, 99);
  if (r < 35) Text(s, std::string(1, static_cast<char>('A' + Uniform(s, 0, 25))));
  else if (r < 45) Text(s, std::string(1, static_cast<char>('a' + Uniform(s, 0, 25))));
  else if (r < 50) Text(s, "\xE9");  // é
  else if (r < 58) Text(s, std::string(1, static_cast<char>('0' + Uniform(s, 0, 9))));
  else if (r < 62) Key(s, 'A' + Uniform(s, 0, 25));
  else if (r < 70) Key(s, kVkBack);
  else if (r < 76) Key(s, kVkReturn);
  else if (r < 80) Key(s, kVkEscape);
  else if (r < 83) Key(s, kVkF11);
  else if (r < 93) Key(s, kVkLeft + Uniform(s, 0, 3));
  else if (r < 96) Key(s, kVkSpace);
  else Key(s, Chance(s, 0.5) ? kVkMultiply : kVkOem5);
}

void RandomStep(Soak& s) {
  const int r = Uniform(s, 0, 99);
  if (r < 35) {
    Click(s, SomePoint(s), Chance(s, 0.08) ? 2 : 1);
  } else if (r < 50) {
    const Point from = Chance(s, 0.7) ? BoardPoint(s, 1, 20) : SomePoint(s);
    if (!Feed(s, SoakInput::Move, from.x, from.y) || !Feed(s, SoakInput::Press, from.x, from.y)) return;
    Point at = from;
    for (int n = Uniform(s, 1, 4); n > 0; --n) {
      at = Chance(s, 0.7) ? BoardPoint(s, 1, 20) : SomePoint(s);
      if (!Feed(s, SoakInput::Move, at.x, at.y)) return;
    }
    Feed(s, SoakInput::Release, at.x, at.y);
  } else if (r < 58) {
    const Point p = SomePoint(s);
    Feed(s, SoakInput::Move, p.x, p.y);
  } else if (r < 78) {
    RandomKey(s);
  } else {
    // Waits of 0-3 s, short ones more often.
    Wait(s, Chance(s, 0.6) ? 10 * Uniform(s, 0, 50) : 10 * Uniform(s, 0, 300));
  }
}

// Back to the game list from wherever the program is.
void ToGameList(Soak& s) {
  if (G.currentScreen >= 2) Key(s, kVkEscape);
  else if (!G.gameTitle.empty() || G.travelMapShowing) Key(s, kVkEscape);
  if (G.gameLost) Click(s, BoardPoint(s, 1, 20));
  Wait(s, 30);
}

bool StartNextVariant(Soak& s) {
  int variant = 0;
  const int from = Uniform(s, 1, 150);
  for (int k = 0; k < 150 && !variant; ++k) {
    const int v = (from + k - 1) % 150 + 1;
    if (!s.variantsStarted.count(v)) variant = v;
  }
  if (!variant) variant = Uniform(s, 1, 150);
  int family = 30, row = 5;  // variant 150: the empty row after family 30's variants
  for (int f = 1; f <= 30; ++f) {
    const int first = FamilyFirstVariant(f);
    if (variant >= first && variant < first + FamilyVariantCount(f)) family = f, row = variant - first;
  }
  if (!Click(s, FamilyPoint(family)) || G.currentScreen != 2) return false;
  if (FamilyVariantCount(family) == 1) return Wait(s, 20);
  const int length = row < FamilyVariantCount(family) ? static_cast<int>(G.variantName[variant].size()) : 0;
  const Point p = MenuRowPoint(row, length);
  return Feed(s, SoakInput::Move, p.x, p.y) && Wait(s, 10) && Click(s, p);
}

void OpenPage(Soak& s, int screen) {
  const bool inGame = !G.gameTitle.empty();
  switch (screen) {
    case 3: if (inGame) ClickButton(s, 680, 540); break;
    case 4: if (!inGame) ClickButton(s, 180, 540); break;
    case 5: if (inGame) ClickButton(s, 620, 540); break;
    case 6: if (!inGame) ClickButton(s, 0, 540); break;
    case 7: if (!inGame) ClickButton(s, 120, 540); break;
    case 8: ClickButton(s, 500, 540); break;
    case 9: ClickButton(s, 560, 540); break;
    case 100: if (!inGame) ClickButton(s, 240, 540); break;
    default: break;
  }
  Wait(s, 800);  // the panel slides in
}

// On the saved-games page: a line, then the load button.
void LoadASave(Soak& s) {
  const int L = G.panelX, T = 72, R = L + 500, B = 422;
  const int count = G.listBoxes[listSaves].itemCount;
  if (count < 1) return;
  Click(s, {L + 120, T + 100 + 20 * Uniform(s, 1, std::min(count, 11)) + 9});
  ClickButton(s, R - 90, B - 20);
}

void TypeASearch(Soak& s) {
  std::string word;
  for (int n = Uniform(s, 2, 7); n > 0; --n) word += static_cast<char>('A' + Uniform(s, 0, 25));
  if (G.currentScreen == 9 && Chance(s, 0.5)) word[Uniform(s, 0, static_cast<int>(word.size()) - 1)] = '*';
  for (char c : word) Text(s, std::string(1, c));
  Key(s, kVkReturn);
}

// A hangman's alphabet lies on cells (7-19, 2-3).
bool HangmanOnBoard() {
  return G.boardReady && !G.gameWon && !G.gameLost && G.boardLetters[CellIndex(7, 2)] == 'A' &&
         G.boardLetters[CellIndex(19, 3)] == 'Z';
}

// The next letter of the hidden word not yet shown; a wait while the last
// guess still sweeps the word.
void GuessALetter(Soak& s) {
  const std::string solution = G.wordSlots[0].str(), shown = G.wordSlots[1].str();
  for (char c : solution) {
    if (c < 'A' || c > 'Z' || shown.find(c) != std::string::npos) continue;
    if (G.gameChar != ' ') return (void)Wait(s, 500);
    const int k = c - 'A';
    const Point cell = PointOfCell({7 + k % 13, 2 + k / 13});
    Click(s, {cell.x + 15, cell.y + 15});
    return (void)Wait(s, 1000);
  }
  Wait(s, 500);
}

void SteeredStep(Soak& s) {
  const bool inGame = !G.gameTitle.empty() || G.travelMapShowing;
  if (G.currentScreen == 8 || G.currentScreen == 9) return TypeASearch(s);
  if (G.currentScreen == 7) return Chance(s, 0.7) ? LoadASave(s) : (void)Key(s, kVkEscape);
  if (G.currentScreen == 100) return (void)Click(s, PagePoint(s));
  if (G.currentScreen >= 3) return (void)Key(s, kVkEscape);
  if (inGame) {
    if (memory.solving && HangmanOnBoard()) return GuessALetter(s);
    if (!memory.savedThisGame && memory.stepsInGame > 3 && G.boardReady && Chance(s, 0.3)) {
      memory.savedThisGame = true;
      return (void)ClickButton(s, 440, 540);
    }
    if (memory.stepsInGame > memory.patience) {
      // Now and then the player leaves with the quick save instead.
      if (Chance(s, s.quickSaved ? 0.03 : 0.15)) return (void)ClickButton(s, 730, 15);
      return ToGameList(s);
    }
    const int pages[] = {3, 5, 8, 9};
    if (Chance(s, 0.15)) return OpenPage(s, pages[Uniform(s, 0, 3)]);
    return RandomStep(s);
  }
  if (G.currentScreen != 1) return ToGameList(s);
  const int r = Uniform(s, 0, 99);
  if (r < 60 || s.variantsStarted.size() == 150) {
    if (r < 60 && s.variantsStarted.size() < 150) return (void)StartNextVariant(s);
  }
  if (r < 70 || !s.travelled) return (void)(ClickButton(s, 60, 540) && Wait(s, 500));
  const int pages[] = {4, 6, 7, 7, 100};
  OpenPage(s, pages[Uniform(s, 0, 4)]);
}

}  // namespace

void PlayOneStep(Soak& s) {
  if (s.ProgramClosed()) {
    memory = Memory{};
    s.Do({.kind = SoakInput::Restart});
    return;
  }
  const std::string game = G.gameTitle.str();
  if (game != memory.game) {
    memory.game = game;
    memory.stepsInGame = 0;
    memory.patience = Uniform(s, 5, 40);
    memory.savedThisGame = false;
    memory.solving = Chance(s, 0.7);
  }
  ++memory.stepsInGame;
  if (G.splashShowing) return (void)(Chance(s, 0.5) ? Click(s, SomePoint(s)) : Wait(s, 10 * Uniform(s, 0, 300)));
  if (Chance(s, 0.35)) SteeredStep(s);
  else RandomStep(s);
}
