// SPDX-License-Identifier: GPL-3.0-or-later
// The settings and favourites file.
#pragma once

void ChargeFavoris();
// Writes the settings file; false (the player told once per run, in a message
// box since the window is closing) when it cannot be written.
bool SauveFavoris();
