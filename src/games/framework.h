// SPDX-License-Identifier: GPL-3.0-or-later
// The game framework: the dispatcher over the variants, the completion
// check and the board's pointer handling.
#pragma once
#include <string>

void RunCurrentGame();
// Asks the running game's family whether its board is solved, and sets
// gameWon when it is; never while the solution is shown, never clears a win.
void CheckGameComplete();
// Mouse buttons as the handlers receive them: 0 left, 1 right, 2 middle.
void BoardMouseDown(int button);
void BoardMouseUp(int button);

// Ends a game that cannot be built, with a message to the player.
void AbandonGame(const std::string& reason);
