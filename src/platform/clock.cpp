// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/clock.h"

#include <time.h>

namespace {

bool fakeClock = false;
uint32_t fakeNow = 0;
uint32_t randSeed = 0;

}  // namespace

uint32_t Now() {
  if (fakeClock) return fakeNow;
  // The system's uptime, suspended time included, so tick stamps kept in a
  // saved game still mean something when it is resumed by a later run.
  timespec t{};
  clock_gettime(CLOCK_BOOTTIME, &t);
  const uint64_t ms = static_cast<uint64_t>(t.tv_sec) * 1000u + static_cast<uint64_t>(t.tv_nsec) / 1000000u;
  return static_cast<uint32_t>(ms);  // wraps after 49.7 days, as 32 bits do
}

void UseFakeClock(uint32_t start) {
  fakeClock = true;
  fakeNow = start;
}

void UseRealClock() { fakeClock = false; }

void SetFakeClock(uint32_t now) { fakeNow = now; }

void AdvanceFakeClock(uint32_t ms) { fakeNow += ms; }

bool FakeClockInUse() { return fakeClock; }

int Random(int k) {
  if (k <= 0) return 0;
  randSeed = randSeed * 134775813u + 1u;
  return static_cast<int>((static_cast<uint64_t>(randSeed) * static_cast<uint32_t>(k)) >> 32);
}

void Randomize() { randSeed = Now(); }

void SetRandSeed(uint32_t seed) { randSeed = seed; }

uint32_t RandSeed() { return randSeed; }
