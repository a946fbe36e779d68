// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the board of the running game.
#pragma once
#include <string>

// A word-list line as the printed page shows it: nothing for the coded grids,
// without its five-character position prefix for the hidden-word games.
std::string PrintedListLine(unsigned variant, const std::string& line);
// The print button's page on its way to the printer: the player is told how
// it went once the print system has answered (or kept silent too long).
void FollowPrinting();
