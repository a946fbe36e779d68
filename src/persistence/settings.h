// SPDX-License-Identifier: GPL-3.0-or-later
// The settings and favourites file.
#pragma once
#include <cstdint>

void ChargeFavoris();
// Writes the settings file; false (the player told once per run, on the
// screen, never in a box that would hold up a close) when it cannot be written.
bool SauveFavoris();
// What the file would hold: the scores, the name, the head, the options.
uint64_t SettingsFingerprint();
// Writes the file at once when what it holds has changed since it was last
// written or read. A failed write is tried again at the next change.
void SaveSettingsWhenChanged();
