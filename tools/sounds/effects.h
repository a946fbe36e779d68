// SPDX-License-Identifier: GPL-3.0-or-later
// The fourteen sound effects of the game, by number.
#pragma once
#include "synth.h"

constexpr int kEffectCount = 14;

// The raw sound of effect n (0..13), before loudness finishing.
Samples MakeEffect(int n);
