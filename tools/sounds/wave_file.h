// SPDX-License-Identifier: GPL-3.0-or-later
// Finishing and writing the effects: every sound is brought to the same
// short-term loudness (its loudest 50 ms), held under a peak ceiling, faded
// at both ends and written as 16-bit mono PCM WAV.
#pragma once
#include <string>

#include "synth.h"

// Loudness every effect is brought to: RMS of its loudest 50 ms window.
constexpr double kTargetRms = 0.16;
// No sample goes above this (about -2 dB of full scale).
constexpr double kPeakCeiling = 0.78;

void Finish(Samples& s);
bool WriteWave(const std::string& path, const Samples& s);
