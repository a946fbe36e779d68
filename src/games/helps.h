// SPDX-License-Identifier: GPL-3.0-or-later
// The three helps of the board games: a letter revealed, the wrong letters
// marked, the last move taken back. They work on every family through the
// board's own pick-up and drop and the routines table (each family's answer
// for a cell, or its own hint), with no code of their own in the families.
#pragma once
#include "state/game_state.h"

// Which helps the game on the board offers (its toolbar buttons and keys).
struct HelpsOffered {
  bool hint = false, check = false, undo = false;
};
HelpsOffered OfferedHelps();

// Ctrl+I, "Indice": the right letter in the cursor's cell, or else in the
// first wrong or empty cell, fixed there; the families without cells to
// fill give their own hint. Counted and paid for on the clock.
void RevealLetter();
// Ctrl+E, "Vérifier": the wrong letters are framed in red for 3 s, left as they are.
void CheckBoard();
// Ctrl+Z, "Annuler": the board as it was before the last drop, placement
// or removal, again and again back to the start of the game.
void UndoMove();

// The board's pointer handlers: a press that may start a move, and whether
// a revealed letter stands on a cell (it is never picked up nor covered).
void NoteMoveStart();
bool IsRevealedCell(int x, int y);
// Once per tick after the game: a move finished is kept for undo; the marks
// of the check are drawn while they last.
void KeepHelps();
