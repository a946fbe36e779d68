// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "harness/harness.h"
#include "display/play_clock.h"
#include "state/forms.h"
#include "state/game_state.h"
#include "display/resets.h"

static void Seconds(int n) {
  for (int i = 0; i < n; ++i) Form2.Timer1Timer();
}

TEST(PlayClock, MinutesAndSecondsThenHoursThenDays) {
  Harness h;
  ResetBoard();
  Seconds(59);
  EXPECT_EQ(G.elapsedTimeText.str(), "00mn 59s");
  Seconds(1);
  EXPECT_EQ(G.elapsedTimeText.str(), "01mn 00s");
  ResetBoard();
  Seconds(3600 + 2 * 60 + 3);
  EXPECT_EQ(G.elapsedTimeText.str(), "01H 02mn 03s");
  ResetBoard();
  Seconds(24 * 3600 + 1);
  EXPECT_EQ(G.elapsedTimeText.str(), "1J 00H 00mn 01s");
}

TEST(PlayClock, RunsOnceASecondOnlyWhileStarted) {
  Harness h;
  ASSERT_TRUE(h.Start());
  ResetBoard();
  h.Run(3000);
  EXPECT_EQ(G.elapsedSeconds, 0);
  StartPlayClock();
  h.Run(3005);
  EXPECT_EQ(G.elapsedSeconds, 3);
  StopPlayClock();
  h.Run(3000);
  EXPECT_EQ(G.elapsedSeconds, 3);
  ResetBoard();
  EXPECT_EQ(G.elapsedTimeText.str(), "00H00MN00S");
  EXPECT_FALSE(Form2.Timer1Enabled);
}
