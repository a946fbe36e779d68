// SPDX-License-Identifier: GPL-3.0-or-later
// The message loop: events from the window, and the three timers (10 ms
// frame, 150 ms caret, 1 s play clock) fired in due order on the one thread.
#pragma once
#include <string>

#include "platform/screen.h"

// Program entry up to the first activation: the three windows in their order
// and the initialisation sequence. `programDir` replaces the executable's
// folder when not empty (tests). False when the surface cannot draw.
bool StartProgram(Backend backend, const std::string& programDir = "");
// The initialisation sequence on the headless back end, without a window
// and without resuming a game: what a command-line run that makes files
// needs (the data read, the pictures the boards draw with). False when the
// player's folder is taken by another program.
bool StartWithoutWindow();
// Hands every pending window event to its handler. With `stopAfterPress`
// it stops after a button press and returns true, so the caller can let a
// frame see the click before its release is handled.
bool ProcessEvents(bool stopAfterPress = false);
// Fires each timer whose interval has passed since it last fired.
void RunDueTimers();
// Forgets the timers' last firing times and counts, and keeps the pace
// (tests start a fresh program).
void ResetTimers();
// Milliseconds until the next enabled timer is due (0 when one is due now).
int MsUntilNextTimer();
// Lets the loop rest: after a tick that changed nothing, with nothing under
// way (app/rest.h), the 10 ms ticks lapse until an input event, the play
// clock's second, the caret on a page that shows it, the outside world or a
// look round once a second; then the pace resumes where it would be. Off
// until the program allows it (tests keep the pace unless they ask).
void AllowRest(bool allowed);
bool Resting();
// One turn of the message loop: pending events, due timers, then a sleep
// until the next timer is due or an event arrives.
void RunLoopStep();

// How often each timer fired and the loop slept since the timers were reset.
struct TimerCounts {
  int frames = 0, carets = 0, seconds = 0, sleeps = 0;
};
const TimerCounts& TimersFired();
