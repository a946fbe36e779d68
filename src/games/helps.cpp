// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/helps.h"

#include <cstring>
#include <optional>

#include "display/play_clock.h"
#include "display/sound.h"
#include "games/game_routines.h"
#include "games/keyboard_play.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/page.h"
#include "display/drawing.h"
#include "state/variants.h"

namespace {

// A revealed letter is drawn lit like the solution; its colour value, which
// no family writes, is also what keeps it in place.
constexpr int32_t kRevealedColour = 0x00FF00;
constexpr uint32_t kCheckShownMs = 3000;
constexpr uint32_t kWrongColour = 0x0000FF;  // red
// Far more moves than a board needs; past it the oldest go.
constexpr size_t kMostUndoMoves = 1000;

uint8_t LetterOf(Point c) { return G.boardLetters[CellIndex(c.x, c.y)]; }
char AnswerOf(Point c) {
  const GameRoutines r = RoutinesOf(CurrentGame());
  return r.answer ? r.answer(c) : 0;
}
// A cell the player fills whose right letter the family knows.
bool Answered(Point c) { return IsKeyCursorCell(c) && AnswerOf(c) >= 'A' && AnswerOf(c) <= 'Z'; }
bool NeedsLetter(Point c) {
  return Answered(c) && LetterOf(c) != static_cast<uint8_t>(AnswerOf(c)) && !IsRevealedCell(c.x, c.y);
}
bool IsWrong(Point c) { return Answered(c) && LetterOf(c) != ' ' && LetterOf(c) != static_cast<uint8_t>(AnswerOf(c)); }

std::optional<Point> CellToReveal() {
  if (G.keyCursor.placed && NeedsLetter(G.keyCursor.cell)) return G.keyCursor.cell;
  for (int y = 1; y <= 20; ++y)
    for (int x = 1; x <= 20; ++x)
      if (NeedsLetter({x, y})) return Point{x, y};
  return std::nullopt;
}

// The letter of the cell goes back where a drag back takes it; false when
// the cell keeps it.
bool TakeBackFrom(Point c) {
  PressOnCell(c);
  if (!G.lettersHeld) return false;
  ReleaseOnCell(LetterReturnCell());
  return LetterOf(c) == ' ' && !G.lettersHeld && !G.letterFlying;
}

// The right letter put on the cell by the player's own moves: the wrong one
// taken back, the right one taken from the offer (or from a cell where it is
// wrong), so the families' letters stay as many as they were.
bool PutRightLetter(Point target, char letter) {
  if (LetterOf(target) != ' ' && !TakeBackFrom(target)) return false;
  std::optional<Point> from = OfferedLetterCell(letter);
  for (int y = 1; y <= 20 && !from; ++y)
    for (int x = 1; x <= 20 && !from; ++x) {
      const Point c{x, y};
      if (!(c == target) && IsWrong(c) && LetterOf(c) == static_cast<uint8_t>(letter) && !IsRevealedCell(x, y) &&
          TakeBackFrom(c))
        from = OfferedLetterCell(letter);
    }
  if (!from) return false;
  PressOnCell(*from);
  if (!G.lettersHeld) return false;
  ReleaseOnCell(target);
  return !G.lettersHeld && !G.letterFlying && LetterOf(target) == static_cast<uint8_t>(letter);
}

bool HelpsPlay() { return KeyboardPlays(); }

BoardRecord& Board() { return static_cast<BoardRecord&>(G); }

// The planes a move changes.
bool SamePlanes(const BoardRecord& a, const BoardRecord& b) {
  return std::memcmp(a.boardLetters, b.boardLetters, sizeof a.boardLetters) == 0 &&
         std::memcmp(a.boardPlayable, b.boardPlayable, sizeof a.boardPlayable) == 0 &&
         std::memcmp(a.boardPickable, b.boardPickable, sizeof a.boardPickable) == 0 &&
         std::memcmp(a.boardCellState, b.boardCellState, sizeof a.boardCellState) == 0;
}

void DrawWrongFrame(Point c) {
  const Point p = PointOfCell(c);
  Canvas canvas(ThePage());
  canvas.SetBrushClear();
  canvas.SetPen(kWrongColour, 3);
  canvas.Rectangle(p.x - 3, p.y + 4, p.x + 25, p.y + 32);
  canvas.Release();
}

}  // namespace

HelpsOffered OfferedHelps() {
  const GameRoutines r = RoutinesOf(CurrentGame());
  const DropRule drop = CurrentRules().drop;
  HelpsOffered offered;
  offered.hint = r.answer != nullptr || r.hint != nullptr;
  offered.check = r.answer != nullptr;
  // The hangmen and the hidden words place nothing: no move to take back.
  offered.undo = drop != DropRule::None && drop != DropRule::Selection;
  return offered;
}

void RevealLetter() {
  if (!HelpsPlay() || !OfferedHelps().hint) return RefuseKey();
  const GameRoutines r = RoutinesOf(CurrentGame());
  if (r.hint) {
    if (!r.hint()) return RefuseKey();
    ChargeHelp(HelpKind::Hint);
    return;
  }
  const std::optional<Point> target = CellToReveal();
  if (!target) return RefuseKey();
  const BoardRecord before = Board();
  if (!PutRightLetter(*target, AnswerOf(*target))) {
    // Half a reveal is none: the board as it was.
    Board() = before;
    return RefuseKey();
  }
  G.boardCellColour[CellIndex(target->x, target->y)] = kRevealedColour;
  // A revealed letter stays: the moves before it can no longer be taken back.
  G.undoBoards.clear();
  G.moveUnderWay = false;
  PlaySound(kSoundRightGuess);
  ChargeHelp(HelpKind::Hint);
}

void CheckBoard() {
  if (!HelpsPlay() || !OfferedHelps().check) return RefuseKey();
  G.checkShownAt = Now() | 1;
  ChargeHelp(HelpKind::Check);
}

void UndoMove() {
  if (!HelpsPlay() || !OfferedHelps().undo || G.undoBoards.empty()) return RefuseKey();
  BoardRecord board = G.undoBoards.back();
  G.undoBoards.pop_back();
  // Where the board is drawn and the pointer's cell stay as they are now.
  board.boardOriginX = G.boardOriginX;
  board.boardOriginY = G.boardOriginY;
  board.hoverCellX = G.hoverCellX;
  board.hoverCellY = G.hoverCellY;
  Board() = board;
  G.moveUnderWay = false;
  PlaySound(kSoundDrop);
}

void NoteMoveStart() {
  if (G.moveUnderWay || !G.boardReady || G.gameWon || G.gameLost || !OfferedHelps().undo) return;
  G.boardBeforeMove = Board();
  G.moveUnderWay = true;
}

bool IsRevealedCell(int x, int y) {
  return x >= 0 && x <= 20 && y >= 0 && y <= 20 && G.boardCellColour[CellIndex(x, y)] == kRevealedColour;
}

void KeepHelps() {
  if (G.moveUnderWay && !G.lettersHeld && !G.letterFlying) {
    G.moveUnderWay = false;
    // A row the game judged meanwhile (the word-guess rows) stays judged.
    if (G.boardBeforeMove.gameLength != G.gameLength) G.undoBoards.clear();
    else if (!SamePlanes(G.boardBeforeMove, Board())) G.undoBoards.push_back(G.boardBeforeMove);
    if (G.undoBoards.size() > kMostUndoMoves) G.undoBoards.erase(G.undoBoards.begin());
  }
  if (G.checkShownAt == 0) return;
  if (Now() - G.checkShownAt >= kCheckShownMs || G.gameWon || G.gameLost) {
    G.checkShownAt = 0;
    return;
  }
  for (int y = 1; y <= 20; ++y)
    for (int x = 1; x <= 20; ++x)
      if (IsWrong({x, y})) DrawWrongFrame({x, y});
}
