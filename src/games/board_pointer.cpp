// SPDX-License-Identifier: GPL-3.0-or-later
// Picking letters up from the board, carrying them, and dropping them: each
// game's pick-up and drop rules are columns of the variant table.
#include <string>

#include "display/drawing.h"
#include "display/sound.h"
#include "games/board.h"
#include "games/framework.h"
#include "games/helps.h"
#include "state/game_state.h"
#include "state/held_letters.h"
#include "state/variants.h"

namespace {

bool OnBoard(int x, int y) { return x >= 1 && x <= 20 && y >= 1 && y <= 20; }
uint8_t& Letter(int x, int y) { return G.boardLetters[CellIndex(x, y)]; }
// A cell outside the board is not playable.
int Playable(int x, int y) {
  return x >= 0 && x <= 20 && y >= 0 && y <= 20 ? G.boardPlayable[CellIndex(x, y)] : 0;
}
bool Pickable(int x, int y) { return G.boardPickable[CellIndex(x, y)] != 0; }

// The pointer's cell, each coordinate taken as a byte as the board handlers
// always have (a point far left of the board gives 254 or 255).
Point PointerCell() { return {static_cast<uint8_t>(G.hoverCellX), static_cast<uint8_t>(G.hoverCellY)}; }

void TakeCell(int x, int y) {
  G.heldText = std::string(1, static_cast<char>(Letter(x, y)));
  G.lettersHeld = 1;
  G.heldOriginCell = {x, y};
  G.heldOriginPixel = PointOfCell({x, y});
}

void DroppedOnCell() {
  G.lettersHeld = 0;
  G.heldOriginCell = {1, 1};
}

void FlyBack(int kind) { StartFlight(G.mousePos, G.heldOriginPixel, kind, G.heldText); }

char FirstHeld() { return G.heldText.empty() ? ' ' : G.heldText[0]; }

int NearestBlackLeft(int x, int y) {
  int a = x - 1;
  while (a > 0 && Letter(a, y) != '*') --a;
  return a;
}

int NearestBlackRight(int x, int y) {
  int b = x + 1;
  while (b < 20 && Letter(b, y) != '*') ++b;
  return b;
}

void PickUp(PickRule rule, int x, int y) {
  const bool playable = Playable(x, y) != 0;
  const bool holdsLetter = Letter(x, y) != ' ';
  if (rule == PickRule::Alphabet) {
    if (G.gamePhase != 0) return;
    G.gameChar = ' ';
    if (Pickable(x, y)) {
      G.gameChar = Letter(x, y);
      Letter(x, y) = ' ';
      G.scanClock = 0;
    }
  } else if (rule == PickRule::CopyPalette) {
    if (!playable || !holdsLetter) return;
    TakeCell(x, y);
    // Palette tiles are copied, grid letters are moved.
    if (CellState(x, y) != kCellPalette) Letter(x, y) = ' ';
  } else if (rule == PickRule::Deconstructed) {
    if (!playable) return;
    TakeCell(x, y);
    if (CellState(x, y) == kCellBlack) SetCellState(x, y, kCellOpen);
    Letter(x, y) = ' ';
  } else if (rule == PickRule::Selection) {
    if (!playable || !holdsLetter) return;
    G.lettersHeld = 1;
    G.heldOriginCell = {x, y};
    G.heldOriginPixel = PointOfCell({x, y});
  } else if (rule == PickRule::CutWord) {
    if (!playable || !holdsLetter) return;
    const int a = NearestBlackLeft(x, y), b = NearestBlackRight(x, y);
    G.heldText = ReadBoardRun(a + 1, y, b - a - 1, 1);
    G.lettersHeld = 1;
    G.heldOriginCell = {a + 1, y};
    G.heldOriginPixel = PointOfCell({a + 1, y});
    for (int c = a + 1; c < b; ++c) Letter(c, y) = ' ';
  } else if (rule == PickRule::WordRowTiles) {
    if (!playable || !Pickable(x, y) || !holdsLetter) return;
    TakeCell(x, y);
    if (CellState(x, y) != kCellPalette) Letter(x, y) = ' ';
  } else {
    if (!playable || !holdsLetter) return;
    TakeCell(x, y);
    Letter(x, y) = ' ';
  }
}

// Drops that overwrite: a letter dropped off the playable cells is lost.
void DropReplacing(int x, int y) {
  if (Playable(x, y) == 0) DroppedOnCell();
  if (OnBoard(x, y) && Playable(x, y) != 0) {
    if (Playable(x, y) == 1) Letter(x, y) = FirstHeld();
    DroppedOnCell();
    PlaySound(kSoundDrop);
  } else if (G.lettersHeld) {
    FlyBack(1);
  }
}

// Drops that need an empty cell: anything else sends the letter home.
void DropOnEmpty(int x, int y) {
  if (OnBoard(x, y) && Playable(x, y) != 0 && Letter(x, y) == ' ' && CellState(x, y) != kCellBlack) {
    Letter(x, y) = FirstHeld();
    PlaySound(kSoundDrop);
    DroppedOnCell();
  } else {
    FlyBack(1);
  }
}

void DropDeconstructed(int x, int y) {
  if (OnBoard(x, y) && Playable(x, y) != 0 && Letter(x, y) == ' ' && CellState(x, y) != kCellBlack) {
    if (Playable(x, y) == 1) {
      Letter(x, y) = FirstHeld();
      if (G.heldText == "*") SetCellState(x, y, kCellBlack);
    }
    DroppedOnCell();
    PlaySound(kSoundDrop);
  } else if (G.heldText == "*") {
    FlyBack(3);
  } else {
    DropHeldLetters();
  }
}

void DropCutWord(int x, int y) {
  if (OnBoard(x, y) && Playable(x, y) != 0 && Letter(x, y) == ' ') {
    const int a = NearestBlackLeft(x, y);
    for (size_t i = 0; i < G.heldText.size() && a + 1 + static_cast<int>(i) <= 20; ++i)
      Letter(a + 1 + static_cast<int>(i), y) = G.heldText[i];
    PlaySound(kSoundDrop);
    DroppedOnCell();
  } else {
    FlyBack(2);
  }
}

void CloseSelection(int x, int y) {
  const Point origin = G.heldOriginCell;
  if (x == origin.x) G.heldText = y < origin.y ? "" : ReadBoardRun(origin.x, origin.y, y - origin.y + 1, 2);
  if (y == origin.y) G.heldText = ReadBoardRun(origin.x, origin.y, x - origin.x + 1, 1);
  // The direction of the selection, so the found word is framed where it was chosen.
  G.heldHorizontal = y == origin.y ? 1 : 0;
  G.lettersHeld = 0;
}

}  // namespace

void BoardMouseDown(int button) {
  if (G.letterFlying) return;
  if (button == 1) {
    if (G.lettersHeld) G.heldHorizontal = G.heldHorizontal ? 0 : 1;
    return;
  }
  if (button == 0) G.clickPending = 1;
  if (G.gameTitle.empty()) return;
  const Point cell = PointerCell();
  if (!OnBoard(cell.x, cell.y)) return;
  // A revealed letter is never taken off.
  if (IsRevealedCell(cell.x, cell.y)) return;
  NoteMoveStart();
  PickUp(CurrentRules().pick, cell.x, cell.y);
}

void BoardMouseUp(int button) {
  if (button == 1 || G.gameTitle.empty() || !G.lettersHeld) return;
  const Point cell = PointerCell();
  const int x = cell.x, y = cell.y;
  // Nor covered: what is dropped on it goes home.
  if (IsRevealedCell(x, y) && CurrentRules().drop != DropRule::Selection) {
    FlyBack(G.heldText == "*" ? 3 : G.heldText.size() > 1 ? 2 : 1);
    return;
  }
  switch (CurrentRules().drop) {
    case DropRule::None: return;
    case DropRule::Selection: CloseSelection(x, y); return;
    case DropRule::Deconstructed: DropDeconstructed(x, y); return;
    case DropRule::CutWord: DropCutWord(x, y); return;
    case DropRule::Replacing: DropReplacing(x, y); return;
    case DropRule::OnEmpty: DropOnEmpty(x, y); return;
  }
}
