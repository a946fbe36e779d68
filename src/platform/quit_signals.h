// SPDX-License-Identifier: GPL-3.0-or-later
// Being told to end from outside the window: SIGTERM (the end of the
// session, a service manager), SIGINT (Ctrl+C in the terminal) and SIGHUP
// (the terminal went away). The handler only sets a flag; the message loop
// reads it and closes the window as the window manager's close button would.
#pragma once

// Installs the handlers (and keeps SDL from installing its own).
void CatchQuitSignals();
// True when one of those signals came since the last call.
bool TakeQuitSignal();
// True when one came and has not been taken yet (a dialog gives way to it).
bool QuitSignalWaiting();
