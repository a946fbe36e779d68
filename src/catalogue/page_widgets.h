// SPDX-License-Identifier: GPL-3.0-or-later
// The widgets the menus and pages share: an image button, the check-box
// hover flag of the frame, one scroll step of a list.
#pragma once
#include <string>

#include "state/game_state.h"

// An image button drawn lit under the pointer; true when it is clicked.
bool PageButton(int x, int y, int image);
// The pointer is over a word of medium text at (x, y) of this length.
bool Hovered(int x, int y, int length);
// A word of the page that acts like a button: lit under the pointer, true
// when it is clicked.
bool TextButton(int x, int y, const std::string& text);
// The pointer is over a check box in this frame (the hand cursor shows).
void MarkCheckBoxHovered();
bool CheckBoxHovered();
void ForgetCheckBoxHovered();
// One step of a held scroll button, every 50 ms at the most.
void ScrollList(ListBox& list, int direction);
// Once per frame: a press that ended lets the next one step at once.
void EndScrollPressWhenReleased();
