// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <vector>

#include "platform/clock.h"

TEST(Clock, FakeClockIsDrivenByHand) {
  UseFakeClock(100000);
  EXPECT_TRUE(FakeClockInUse());
  EXPECT_EQ(Now(), 100000u);
  AdvanceFakeClock(10);
  EXPECT_EQ(Now(), 100010u);
  SetFakeClock(0xFFFFFFF0u);
  AdvanceFakeClock(0x20);  // wraps like the uptime counter
  EXPECT_EQ(Now(), 0x10u);
}

TEST(Random, RepeatsFromTheSameSeedAndStaysInRange) {
  SetRandSeed(12345);
  std::vector<int> first;
  for (int i = 0; i < 200; ++i) first.push_back(Random(26));
  SetRandSeed(12345);
  std::set<int> seen;
  for (int i = 0; i < 200; ++i) {
    int r = Random(26);
    EXPECT_EQ(r, first[i]);
    seen.insert(r);
  }
  EXPECT_EQ(seen.size(), 26u);
  EXPECT_EQ(*seen.begin(), 0);
  EXPECT_EQ(*seen.rbegin(), 25);
  EXPECT_EQ(Random(0), 0);
  EXPECT_EQ(Random(-3), 0);
  EXPECT_EQ(Random(1), 0);
}

TEST(Random, GeneratorStepAndScaling) {
  SetRandSeed(0);
  EXPECT_EQ(Random(1000), 0);  // seed 1: 1 * 1000 >> 32
  EXPECT_EQ(RandSeed(), 1u);
  EXPECT_EQ(Random(1 << 30), static_cast<int>((uint64_t(134775814u) << 30) >> 32));
  EXPECT_EQ(RandSeed(), 134775814u);
}

TEST(Random, RandomizeSeedsFromTheClock) {
  UseFakeClock(4242);
  SetRandSeed(1);
  Randomize();
  EXPECT_EQ(RandSeed(), 4242u);
  int a = Random(1000);
  Randomize();
  EXPECT_EQ(Random(1000), a);
}

TEST(Clock, TheRealClockIsTheSystemUptime) {
  UseRealClock();
  double uptime = 0;
  std::ifstream("/proc/uptime") >> uptime;
  const uint32_t now = Now();
  UseFakeClock(100000);
  ASSERT_GT(uptime, 0.0);
  // The uptime file counts in hundredths; both readings lie within a second.
  const uint32_t expected = static_cast<uint32_t>(static_cast<uint64_t>(uptime * 1000.0));
  EXPECT_LT(static_cast<int32_t>(now - expected), 1000);
  EXPECT_GT(static_cast<int32_t>(now - expected), -1000);
}
