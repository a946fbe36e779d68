// SPDX-License-Identifier: GPL-3.0-or-later
// Playing the letter games from the keyboard. The keys never change a cell
// themselves: each move presses and releases the board's pointer handlers on
// the cells a player's hand would use, so the games' own rules, sounds,
// flights and completion checks apply unchanged. This file only knows where
// each game offers its letters and which cells the cursor may stand on.
#include "games/keyboard_play.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "display/drawing.h"
#include "games/framework.h"
#include "display/sound.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/keys.h"
#include "platform/page.h"
#include "state/game_state.h"
#include "state/variants.h"
#include "words/word_store.h"

namespace {

constexpr uint32_t kFrameColour = 0x00FFFF;  // yellow
constexpr uint32_t kRefusedColour = 0x0000FF;  // red
constexpr uint32_t kRefusedMarkMs = 300;

uint8_t Letter(Point c) { return G.boardLetters[CellIndex(c.x, c.y)]; }
bool IsEmpty(Point c) { return Letter(c) == ' '; }
bool OnBoard(Point c) { return c.x >= 1 && c.x <= 20 && c.y >= 1 && c.y <= 20; }
bool Playable(Point c) { return G.boardPlayable[CellIndex(c.x, c.y)] != 0; }

KeyPlay Keys() { return CurrentRules().keys; }
bool HasCursor() { return Keys() == KeyPlay::Row || Keys() == KeyPlay::Grid; }
bool TypesOnAlphabet() { return Keys() == KeyPlay::Alphabet; }

// Where the game offers its letters: a palette of tiles, or a pool of cells.
bool InOffer(Point c) {
  const int n = G.gameSize;
  switch (CurrentRules().offer) {
    case LetterOffer::PaletteCells: return CellState(c.x, c.y) == kCellPalette;
    case LetterOffer::BelowGrid: return c.y > n;
    case LetterOffer::RightOfGrid: return c.x > n + 1;
    case LetterOffer::Column2: return c.x == 2;
    case LetterOffer::Row10: return c.y == 10;
    case LetterOffer::UnderEachLine: return c.y % 3 == 2;
    case LetterOffer::TopRows: return c.y <= 6;
    case LetterOffer::Row5: return c.y == 5;
    case LetterOffer::Row1: return c.y == 1;
  }
  return false;
}

// The extra letter's lines each spell their own word: a letter is taken from
// and given back to the pool under the cursor's line only.
bool OnCursorLine(Point offer) {
  return CurrentRules().offer != LetterOffer::UnderEachLine || offer.y == G.keyCursor.cell.y + 1;
}

// A cell the cursor may stand on: playable, outside the offer, no black
// square (but for the black tiles put on the deconstructed grid), and in the
// word-guess rows on the row being played.
bool IsTarget(Point c) {
  if (!OnBoard(c) || !Playable(c) || InOffer(c)) return false;
  if (CurrentGame() == Game::WordRows && c.y != 6 + G.gameLength) return false;
  if (CurrentGame() == Game::DeconstructedGrid) return true;
  if (G.givenCells[CellIndex(c.x, c.y)]) return false;
  return Letter(c) != '*' && CellState(c.x, c.y) != kCellBlack;
}

// The letters on the cursor's cells when the game is first played are the
// board's: the cursor passes over them in every game, as over the fixed
// letters of the exchanges (the letter sums let a typed letter replace them).
void NoteGivenCells() {
  G.givenCells.reset();
  G.givenCellsKnown = true;
  for (int k = 0; k < 441; ++k) {
    const Point c{k % 21, k / 21};
    const uint8_t letter = Letter(c);
    if (IsTarget(c) && letter >= 'A' && letter <= 'Z') G.givenCells[CellIndex(c.x, c.y)] = true;
  }
}

// Reading order: rows then columns across, columns then rows down.
int OrderOf(Point c, bool down) { return down ? c.x * 21 + c.y : c.y * 21 + c.x; }
Point CellOfOrder(int k, bool down) { return down ? Point{k / 21, k % 21} : Point{k % 21, k / 21}; }

// The next (step 1) or previous (step -1) cursor cell from `from`.
std::optional<Point> StepTarget(Point from, int step, bool down) {
  for (int k = OrderOf(from, down) + step; k >= 0 && k < 441; k += step)
    if (IsTarget(CellOfOrder(k, down))) return CellOfOrder(k, down);
  return std::nullopt;
}

// The first empty cursor cell in reading order, else the first one.
std::optional<Point> FirstTarget() {
  std::optional<Point> first;
  for (int k = 0; k < 441; ++k) {
    const Point c = CellOfOrder(k, false);
    if (!IsTarget(c)) continue;
    if (IsEmpty(c)) return c;
    if (!first) first = c;
  }
  return first;
}

// Up and down: the nearest row holding a cursor cell, its cell nearest in column.
std::optional<Point> NearestInNextRow(Point from, int dy) {
  for (int y = from.y + dy; y >= 1 && y <= 20; y += dy) {
    std::optional<Point> best;
    for (int x = 1; x <= 20; ++x)
      if (IsTarget({x, y}) && (!best || std::abs(x - from.x) < std::abs(best->x - from.x))) best = Point{x, y};
    if (best) return best;
  }
  return std::nullopt;
}

// A cell of the offer the letter can be taken from: a playable one, or a key
// of the hangmen's alphabet.
bool Takeable(Point c) {
  if (!OnBoard(c) || !InOffer(c)) return false;
  return TypesOnAlphabet() ? G.boardPickable[CellIndex(c.x, c.y)] != 0 : Playable(c);
}

// The first offered cell holding the letter, in reading order.
std::optional<Point> OfferedLetter(char letter) {
  for (int k = 0; k < 441; ++k) {
    const Point c = CellOfOrder(k, false);
    if (Takeable(c) && Letter(c) == static_cast<uint8_t>(letter) && OnCursorLine(c)) return c;
  }
  return std::nullopt;
}

// Where a drag back takes the held letter: its palette tile, else the first
// empty cell of the pool; off the board when there is neither.
Point ReturnCell() {
  const uint8_t held = G.heldText.empty() ? ' ' : static_cast<uint8_t>(G.heldText[0]);
  std::optional<Point> emptyCell;
  for (int k = 0; k < 441; ++k) {
    const Point c = CellOfOrder(k, false);
    if (!Takeable(c)) continue;
    if (CellState(c.x, c.y) == kCellPalette && Letter(c) == held) return c;
    if (!emptyCell && IsEmpty(c) && CellState(c.x, c.y) != kCellBlack && OnCursorLine(c)) emptyCell = c;
  }
  return emptyCell.value_or(Point{0, 0});
}

// The board handlers read the pointer's cell and position: they get the
// cell's middle, and the pointer is put back where the mouse left it. The
// click is the board's alone, as a button release leaves it.
template <typename Act>
void WithPointerOn(Point cell, Act act) {
  const Point mouse = G.mousePos;
  const int32_t hoverX = G.hoverCellX, hoverY = G.hoverCellY;
  const Point p = PointOfCell(cell);
  G.mousePos = {p.x + 15, p.y + 15};
  G.hoverCellX = cell.x;
  G.hoverCellY = cell.y;
  act();
  G.mousePos = mouse;
  G.hoverCellX = hoverX;
  G.hoverCellY = hoverY;
  G.clickPending = 0;
}
void PickUpAt(Point cell) { WithPointerOn(cell, [] { BoardMouseDown(0); }); }
void DropAt(Point cell) { WithPointerOn(cell, [] { BoardMouseUp(0); }); }

void MoveCursorTo(Point cell) {
  KeyCursor& k = G.keyCursor;
  k.cell = cell;
  k.movedOn = false;
  k.atEnd = false;
  k.clicked = false;
}

void MoveOn() {
  KeyCursor& k = G.keyCursor;
  const std::optional<Point> next = StepTarget(k.cell, 1, k.down);
  if (next) k.cell = *next;
  k.movedOn = next.has_value();
  k.atEnd = !next;
  k.clicked = false;
}

// A key that cannot act says so: the refusal sound, and the cursor's frame
// red for a moment. A key that did nothing without a sign left the player
// pressing keys at a board that no longer listened.
void Refuse() {
  PlaySound(2);
  G.keyCursor.refusedAt = Now() | 1;
}

// After a refused drop the cursor goes on to the next empty cell, so the
// next letter has somewhere to go.
void MoveOnToEmpty() {
  KeyCursor& k = G.keyCursor;
  for (std::optional<Point> c = StepTarget(k.cell, 1, k.down); c; c = StepTarget(*c, 1, k.down))
    if (IsEmpty(*c)) {
      MoveCursorTo(*c);
      return;
    }
}

// A typed letter (or '*', a black tile): taken from the offer and dropped on
// the cursor's cell; a letter the offer lacks moves nothing and is refused.
void TypeLetter(char letter) {
  const std::optional<Point> from = OfferedLetter(letter);
  if (TypesOnAlphabet()) {
    // A click on the letter's key.
    if (!from) {
      Refuse();
      return;
    }
    PickUpAt(*from);
    DropAt(*from);
    return;
  }
  if (!G.keyCursor.placed || !from) {
    Refuse();
    return;
  }
  PickUpAt(*from);
  if (!G.lettersHeld) {
    Refuse();
    return;
  }
  const Point to = G.keyCursor.cell;
  DropAt(to);
  if (!G.lettersHeld && !G.letterFlying && Letter(to) == static_cast<uint8_t>(letter)) {
    MoveOn();
  } else if (G.letterFlying) {
    // The cell keeps its letter: the typed one flies home.
    Refuse();
    MoveOnToEmpty();
  }
}

void PutBlackTile() {
  if (CurrentGame() == Game::DeconstructedGrid) TypeLetter('*');
}

// Backspace: the letter before the cursor, or the one under it when the
// cursor did not move on from it, goes back where a drag back takes it. A
// letter the game keeps (given, or judged) is passed over: the cursor never
// lands on a letter it cannot take away. False when there is nothing to go
// back to.
bool StepBack() {
  const KeyCursor& k = G.keyCursor;
  if (!k.placed) return false;
  std::optional<Point> at = k.cell;
  if (k.movedOn || IsEmpty(*at)) at = StepTarget(*at, -1, k.down);
  for (; at; at = StepTarget(*at, -1, k.down)) {
    if (IsEmpty(*at)) {
      MoveCursorTo(*at);
      return true;
    }
    PickUpAt(*at);
    if (!G.lettersHeld) continue;
    MoveCursorTo(*at);
    DropAt(ReturnCell());
    return true;
  }
  return false;
}

void TakeBack() {
  if (!StepBack()) Refuse();
}

// Ctrl+Backspace: back along the cursor's row (its column when it goes
// down), every letter that can be taken taken back.
void ClearRow() {
  const KeyCursor& k = G.keyCursor;
  const auto line = [&k](Point c) { return k.down ? c.x : c.y; };
  const int row = line(k.cell);
  if (!StepBack()) {
    Refuse();
    return;
  }
  for (int i = 0; i < 40 && KeyboardPlays(); ++i) {
    const std::optional<Point> before = StepTarget(k.cell, -1, k.down);
    if (!before || line(*before) != row || !StepBack()) return;
  }
}

void TurnCursor() {
  if (Keys() == KeyPlay::Grid) G.keyCursor.down = !G.keyCursor.down;
  else Refuse();
}

// Return. The word hunts count a word as soon as it is spelt: Return then
// clears the answer row for the next one; a word that does not count is
// refused and stays. The other games judge their cells themselves.
void Submit() {
  if (CurrentGame() != Game::MaxiWords && CurrentGame() != Game::WordsStartingWith) {
    Refuse();
    return;
  }
  const std::string answer = G.wordSlots[1].str();
  const bool counted =
      !answer.empty() && std::find(G.wordList.begin(), G.wordList.end(), " " + answer) != G.wordList.end();
  if (counted) ClearRow();
  else Refuse();
}

void MoveCursor(int key) {
  const Point from = G.keyCursor.cell;
  std::optional<Point> to;
  if (key == kVkRight || key == kVkLeft) to = StepTarget(from, key == kVkRight ? 1 : -1, false);
  else to = NearestInNextRow(from, key == kVkDown ? 1 : -1);
  if (to) MoveCursorTo(*to);
  else Refuse();
}

void PlaceCursor() {
  KeyCursor& k = G.keyCursor;
  // A new game starts across; a cursor moved on by the game keeps its way.
  if (!k.placed || k.variant != G.currentVariant) k = KeyCursor{};
  const std::optional<Point> first = FirstTarget();
  k.placed = first.has_value();
  k.variant = G.currentVariant;
  if (first) MoveCursorTo(*first);
}

void DrawCursorFrame(Point cell) {
  const Point p = PointOfCell(cell);
  Canvas canvas(ThePage());
  canvas.SetBrushClear();
  const bool refused = G.keyCursor.refusedAt != 0 && Now() - G.keyCursor.refusedAt < kRefusedMarkMs;
  canvas.SetPen(refused ? kRefusedColour : kFrameColour, 3);
  canvas.Rectangle(p.x - 5, p.y + 2, p.x + 27, p.y + 34);
  canvas.Release();
}

}  // namespace

namespace {

// A letter still flying home: a key is refused, not lost without a sign.
void RefuseWhileFlying() {
  if (G.letterFlying && G.currentScreen == kScreenBoard && G.boardReady && HasCursor()) Refuse();
}

}  // namespace

bool KeyboardPlays() {
  return G.currentScreen == kScreenBoard && !G.gameTitle.empty() && G.boardReady && !G.gameWon && !G.gameLost &&
         !G.travelMapShowing && !G.splashShowing && !G.letterFlying && !G.lettersHeld;
}

void PlayKey(int key) {
  if (!KeyboardPlays()) {
    RefuseWhileFlying();
    return;
  }
  if (key >= 'A' && key <= 'Z') TypeLetter(static_cast<char>(key));
  else if (key == kVkBack) TakeBack();
  else if (key == kVkClearRow) ClearRow();
  else if (key == kVkReturn) Submit();
  else if (key == kVkSpace) TurnCursor();
  else if (key >= kVkLeft && key <= kVkDown) MoveCursor(key);
  else if (key == kVkMultiply || key == kVkOem5) PutBlackTile();
}

void PlayTypedText(const std::string& latin1) {
  for (char c : FoldTypedText(latin1)) {
    // A refused letter flying home holds the rest back, as it holds the
    // mouse: the rest is refused with its sign, never dropped without one.
    if (!KeyboardPlays()) {
      RefuseWhileFlying();
      return;
    }
    if (c >= 'A' && c <= 'Z') TypeLetter(c);
    else if (c == ' ') TurnCursor();
    else if (c == '*' || c == '.') PutBlackTile();
  }
}

void KeyCursorClicked() {
  KeyCursor& k = G.keyCursor;
  const Point cell{static_cast<uint8_t>(G.hoverCellX), static_cast<uint8_t>(G.hoverCellY)};
  if (!KeyboardPlays() || !k.placed || !IsTarget(cell)) return;
  // A second click on the cell a click put the cursor on turns it.
  if (cell == k.cell && k.clicked) TurnCursor();
  MoveCursorTo(cell);
  k.clicked = true;
}

void KeyCursorAfterDrop(Point from) {
  const Point cell{static_cast<uint8_t>(G.hoverCellX), static_cast<uint8_t>(G.hoverCellY)};
  if (cell == from || !KeyboardPlays() || !G.keyCursor.placed || !IsTarget(cell) || IsEmpty(cell)) return;
  MoveCursorTo(cell);
  MoveOn();
}

void KeepKeyCursor() {
  KeyCursor& k = G.keyCursor;
  if (!G.boardReady || !HasCursor()) {
    k.placed = false;
    return;
  }
  if (!G.givenCellsKnown) NoteGivenCells();
  // A new game, a cell the game closed (the word-guess row judged), or the
  // last cell emptied by the game (a row refused and cleared).
  const bool stale = !k.placed || k.variant != G.currentVariant || !IsTarget(k.cell) || (k.atEnd && IsEmpty(k.cell));
  if (stale) PlaceCursor();
  if (k.placed && !G.gameWon && !G.gameLost) DrawCursorFrame(k.cell);
}

bool IsKeyCursorCell(Point cell) { return IsTarget(cell); }
std::optional<Point> OfferedLetterCell(char letter) { return OfferedLetter(letter); }
Point LetterReturnCell() { return ReturnCell(); }
void PressOnCell(Point cell) { PickUpAt(cell); }
void ReleaseOnCell(Point cell) { DropAt(cell); }
void RefuseKey() { Refuse(); }
