#include "platform/clock.h"

#include <chrono>

namespace {

bool fakeClock = false;
uint32_t fakeNow = 0;
uint32_t randSeed = 0;

}  // namespace

uint32_t Now() {
  if (fakeClock) return fakeNow;
  // Measured from the first call: the game only ever compares differences,
  // and the 32-bit value wraps the way the system uptime counter does.
  static const auto start = std::chrono::steady_clock::now();
  auto elapsed = std::chrono::steady_clock::now() - start;
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void UseFakeClock(uint32_t start) {
  fakeClock = true;
  fakeNow = start;
}

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
