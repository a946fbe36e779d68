// SPDX-License-Identifier: GPL-3.0-or-later
// When the game rests. A tick that changed nothing, neither the state nor the
// page, with nothing under way, is followed by ticks that change nothing
// either, until an input event, a timer's handler or the outside world (a
// music piece ending, a window to paint again) changes something. The message
// loop then lets its 10 ms ticks lapse (program.cpp).
#pragma once
#include <cstdint>

// After a frame tick, with `pageKept` saying it flipped once and its page is
// the page presented before: true when it changed nothing that the tick
// before had left and nothing is under way.
bool TickChangedNothing(bool pageKept);
// Something happened between ticks (an input event, another timer): the next
// tick is not compared with the last.
void ForgetLastTick();
// At rest, something outside the game asks for a tick at once.
bool RestMustEnd();
