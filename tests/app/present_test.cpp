// SPDX-License-Identifier: GPL-3.0-or-later
// The flip presents a page only when it changed, and the message loop sleeps
// until the next timer is due.
#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/catalogue.h"
#include "display/drawing.h"
#include "harness/harness.h"
#include "platform/clock.h"
#include "platform/frame_log.h"
#include "platform/page.h"
#include "platform/screen.h"
#include "state/forms.h"
#include "state/game_state.h"
#include "app/program.h"

namespace {

bool DataBuilt() { return std::filesystem::exists(std::string(GAME_DIR) + "/bitmaps"); }

// The real program in a running hangman of eight letters, its play clock
// going, the pointer resting away from the keys.
struct Playing : Harness {
  Playing() : Harness(RealData()) {}
  static HarnessOptions RealData() {
    HarnessOptions options;
    options.realData = true;
    return options;
  }
  void StartHangman() {
    ASSERT_TRUE(Start());
    Run(4100);
    StartVariant(10);
    Run(1000);
    ASSERT_EQ(G.boardReady, 1);
    MoveTo(700, 20);
    Run(100);
  }
  // Presents made by the next `ms` of ticks.
  int PresentsOver(uint32_t ms) {
    const int before = ScreenPresentCount();
    Run(ms);
    return ScreenPresentCount() - before;
  }
};

}  // namespace

TEST(PageFlip, OnlyAChangedPageOrAnExposedWindowIsPresented) {
  ASSERT_TRUE(ScreenInit(Backend::Headless));
  Page page;
  ClearPage(page, 0x00FF00);
  const int presents = ScreenPresentCount(), flips = ScreenFlipCount();
  ScreenFlip(page);  // the window starts out needing a picture
  ScreenFlip(page);
  ScreenFlip(page);
  EXPECT_EQ(ScreenPresentCount(), presents + 1);
  EXPECT_EQ(ScreenFlipCount(), flips + 3);
  page.pixels[599 * kPageWidth + 799] ^= 1;  // one pixel, the last one
  ScreenFlip(page);
  ScreenFlip(page);
  EXPECT_EQ(ScreenPresentCount(), presents + 2);
  ScreenInvalidate();  // exposed, resized or switched to a window
  ScreenFlip(page);
  ScreenFlip(page);
  EXPECT_EQ(ScreenPresentCount(), presents + 3);
}

TEST(PageFlip, ARunningGamePresentsTheChangesItShowsAndNothingElse) {
  if (!DataBuilt()) GTEST_SKIP() << "the data folder is not built";
  Playing h;
  h.StartHangman();
  // The clock's second: about one present a second while nothing else moves
  // (the caret timer changes nothing on this board).
  const int idle = h.PresentsOver(3000);
  EXPECT_GE(idle, 3);
  EXPECT_LE(idle, 4);
  EXPECT_EQ(h.PresentsOver(10), 0);

  // A hovered key tile is lit: one present, then nothing while it stays lit.
  const Point cell = PointOfCell({7, 2});
  int before = ScreenPresentCount();
  h.MoveTo(cell.x + 15, cell.y + 15);
  h.Tick();
  EXPECT_EQ(ScreenPresentCount(), before + 1);
  h.MoveTo(700, 20);
  h.Tick();
  EXPECT_EQ(ScreenPresentCount(), before + 2);

  // A flight moves on every frame until it lands.
  StartFlight({100, 100}, {400, 300}, 1, "A");
  G.heldOriginCell = {1, 1};
  EXPECT_GE(h.PresentsOver(200), 15);

  // The win banner moves on every frame.
  G.gameWon = 1;
  EXPECT_GE(h.PresentsOver(200), 15);
}

TEST(PageFlip, AnUnchangedFrameOfARunningGameIsSkippedAndLeavesTheExactPage) {
  if (!DataBuilt()) GTEST_SKIP() << "the data folder is not built";
  Playing h;
  h.StartHangman();
  // Between the clock's seconds the frames repeat: nearly all are skipped.
  int skipped = FramesSkipped();
  h.Run(1000);
  EXPECT_GE(FramesSkipped() - skipped, 95);
  // With the clock stopped, every frame is.
  Form2.Timer1Enabled = false;
  h.Run(100);
  skipped = FramesSkipped();
  h.Run(1000);
  EXPECT_GE(FramesSkipped() - skipped, 98);
  const std::vector<uint16_t> shown = ThePage().pixels;
  // A stray drawing outside the frame makes the next frame draw everything:
  // the page comes out as the skipped frames left it.
  ClearPage(ThePage(), 0x0000FF);
  h.Tick();
  EXPECT_EQ(ThePage().pixels, shown);
}

TEST(MessageLoop, TimersKeepTheirPaceWhileTheLoopSleepsBetweenThem) {
  Harness h;
  ASSERT_TRUE(h.Start());
  Form2.Timer1Enabled = true;  // the play clock, as a game starts it
  RunDueTimers();
  ResetTimers();
  RunDueTimers();  // the three timers count from here
  const uint32_t start = Now();
  EXPECT_EQ(MsUntilNextTimer(), 10);
  while (Now() - start < 3000) RunLoopStep();
  RunDueTimers();  // the timers due at the third second
  const TimerCounts& fired = TimersFired();
  EXPECT_EQ(fired.frames, 300);
  EXPECT_EQ(fired.carets, 20);
  EXPECT_EQ(fired.seconds, 3);
  // One sleep for each moment some timer is due, not one a millisecond.
  EXPECT_EQ(fired.sleeps, 300);
}

TEST(MessageLoop, ALateFrameFiresOnceAndThePlayClockCatchesUp) {
  Harness h;
  ASSERT_TRUE(h.Start());
  Form2.Timer1Enabled = true;
  ResetTimers();
  RunDueTimers();
  AdvanceFakeClock(3005);  // the machine stalled three seconds
  RunDueTimers();
  EXPECT_EQ(TimersFired().frames, 1);
  EXPECT_EQ(TimersFired().seconds, 1);
  EXPECT_EQ(MsUntilNextTimer(), 0);  // the clock's second and third are due
  RunDueTimers();
  RunDueTimers();
  EXPECT_EQ(TimersFired().seconds, 3);
  EXPECT_EQ(TimersFired().frames, 1);
  EXPECT_EQ(MsUntilNextTimer(), 10);
}
