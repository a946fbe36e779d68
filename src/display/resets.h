// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Game reset: no variant, not won or lost, background reloaded, help emptied.
void ResetGame();
// Board reset: an empty board, clock stopped and zeroed, banner re-centred.
void ResetBoard();
