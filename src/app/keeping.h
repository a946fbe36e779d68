// SPDX-License-Identifier: GPL-3.0-or-later
// What the player earned reaches the disk as soon as it is earned.
#pragma once

// Run at each tick: a game just won has its score line recorded and the
// settings file written at once; a resumed quick save whose game ended is
// removed; the settings file is written when its content changed.
void KeepWhatWasEarned();
// The win on show already has its score line (the banner's click must not
// record it again).
bool TakeWinRecorded();
