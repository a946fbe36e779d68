// SPDX-License-Identifier: GPL-3.0-or-later
// The one clock and the one random generator of the program. Both can be set
// by tests so that a run repeats exactly.
#pragma once
#include <cstdint>

// The system's uptime in milliseconds, 32 bits (it wraps after 49.7 days).
uint32_t Now();

// Tests (and the headless harness) drive time by hand.
void UseFakeClock(uint32_t start);
void UseRealClock();
void SetFakeClock(uint32_t now);
void AdvanceFakeClock(uint32_t ms);
bool FakeClockInUse();

// A uniform integer 0 ... k-1 (0 when k <= 0) from the shared generator.
int Random(int k);
// Reseeds the shared generator from the clock.
void Randomize();
void SetRandSeed(uint32_t seed);
uint32_t RandSeed();
