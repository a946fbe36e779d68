// SPDX-License-Identifier: GPL-3.0-or-later
// Sound effects by number and the random background music.
#pragma once

// Loads "Sons\0.wav" ... "Sons\13.wav" into the wave list.
void LoadSounds();
// Plays wave n once, without waiting, when sounds are on.
void PlaySound(int n);
