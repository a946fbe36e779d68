// SPDX-License-Identifier: GPL-3.0-or-later
// Playing the letter games from the keyboard. A typed letter makes the move a
// player makes with the mouse, through the board's own pick-up and drop: the
// hangmen take it from their alphabet, the games that put letters on cells
// take it from their palette or pool and drop it on the keyboard cursor.
#pragma once
#include <optional>
#include <string>

#include "state/game_state.h"

// True while typed keys play: a game is on and no page is open.
bool KeyboardPlays();
// A key press: a letter (65-90), Backspace, Space, an arrow, or '*' (the
// numeric pad's multiply or key 220). Does nothing unless KeyboardPlays.
void PlayKey(int virtualKey);
// Typed text (Latin-1, any keyboard layout): letters, Space, '*' or '.'.
void PlayTypedText(const std::string& latin1);
// A left click on the board, before its pick-up: a click on a cell the cursor
// may stand on puts it there; a second click on the cursor's cell turns it.
void KeyCursorClicked();
// After a letter carried by the mouse from `from` is let go: when it stayed
// on another cell the cursor may stand on, the cursor goes on from that cell,
// as after a typed letter.
void KeyCursorAfterDrop(Point from);
// Once per tick after the game: places the cursor when the game starts or
// its cell stops being one to type on, and draws its frame.
void KeepKeyCursor();

// For the helps, which move letters as the keys do: a cell the cursor may
// stand on; the first offered cell holding the letter; where a drag back
// takes the held letter (off the board when nowhere); a press and a release
// of the board's pointer on a cell; a key refused, with its sign.
bool IsKeyCursorCell(Point cell);
std::optional<Point> OfferedLetterCell(char letter);
Point LetterReturnCell();
void PressOnCell(Point cell);
void ReleaseOnCell(Point cell);
void RefuseKey();
