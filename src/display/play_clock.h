// SPDX-License-Identifier: GPL-3.0-or-later
// The play clock of the companion window.
#pragma once
#include <cstdint>
#include <string>

void StartPlayClock();
void StopPlayClock();
// The clock waits while a page (help, options, a search, the give-up
// question) is open over the game and while the player is away from the
// window (minimised, or another window has the focus); its next second counts
// from the moment the player comes back.
bool PlayClockWaits();
