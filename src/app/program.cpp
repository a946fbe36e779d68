// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program.h"

#include "display/assets.h"

#include "app/rest.h"
#include "display/play_clock.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/keys.h"
#include "platform/quit_signals.h"
#include "state/forms.h"
#include "state/game_state.h"

namespace {
struct Timer {
  uint32_t interval;
  uint32_t last = 0;
  bool running = false;
};
Timer frameTimer{10};
Timer caretTimer{150};
Timer playClockTimer{1000};
TimerCounts counts;

// At rest the frame timer fires next at `restUntil`, a look round on its
// pace; the ticks before lapse. The caret timer lapses too while no
// page shows the caret, and its blinks are counted up when the rest ends.
constexpr uint32_t kLongestRest = 1000;
bool restAllowed = false;
bool resting = false;
uint32_t restFrom = 0;  // the frame tick that began the rest
uint32_t restUntil = 0;
bool caretShown = true;

// A timer counts from the moment it is enabled and keeps its pace. A frame or
// caret timer more than a whole interval late fires once and does not catch
// up; the play clock keeps whole seconds.
bool Due(Timer& timer, bool enabled, uint32_t now, bool keepPace) {
  if (!enabled) {
    timer.running = false;
    return false;
  }
  if (!timer.running) {
    timer.running = true;
    timer.last = now;
    return false;
  }
  if (now - timer.last < timer.interval) return false;
  timer.last += timer.interval;
  if (!keepPace && now - timer.last >= timer.interval) timer.last = now;
  return true;
}

// Milliseconds until the timer fires; -1 when it is off.
int64_t Until(const Timer& timer, bool enabled, uint32_t now) {
  if (!enabled) return -1;
  if (!timer.running) return 0;
  const uint32_t passed = now - timer.last;
  return passed >= timer.interval ? 0 : timer.interval - passed;
}

// A waiting play clock is off: when it goes on again its second starts anew.
bool PlayClockCounts() { return Form2.Timer1Enabled && !PlayClockWaits(); }

bool FrameTimerOn() { return Form1.DXTimer1Enabled && !Form1.closed; }

bool CaretLapses() { return resting && !caretShown; }

// The caret blinks due up to `upTo` that lapsed, counted up in order.
void CountUpCaret(uint32_t upTo) {
  if (!caretTimer.running) return;
  while (upTo - caretTimer.last >= caretTimer.interval && upTo - caretTimer.last < 0x80000000u) {
    caretTimer.last += caretTimer.interval;
    ++counts.carets;
    FormCreateur.Timer1Timer();
  }
}

// Back to the 10 ms pace: the frame ticks up to `upTo` lapsed (they would
// have changed nothing), the next is due on the same pace.
void EndRest(uint32_t upTo) {
  ForgetLastTick();
  if (!resting) return;
  if (CaretLapses()) CountUpCaret(upTo);
  resting = false;
  frameTimer.last = restFrom + (upTo - restFrom) / frameTimer.interval * frameTimer.interval;
}

void RestAfter(uint32_t tick) {
  resting = true;
  restFrom = tick;
  restUntil = tick + kLongestRest;
}

// Milliseconds until the look round that ends the rest (0 when it is due).
int64_t UntilLookRound(uint32_t now) {
  const int32_t left = static_cast<int32_t>(restUntil - now);
  return left > 0 ? left : 0;
}

// The frame timer fires at the pace, or at rest for the look round, the
// ticks before it lapsed.
bool FrameDue(uint32_t now) {
  if (resting) {
    if (UntilLookRound(now) > 0) return false;
    frameTimer.last = restUntil - frameTimer.interval;
  }
  return Due(frameTimer, FrameTimerOn(), now, false);
}

void RunFrameTick() {
  const int flips = ScreenFlipCount();
  ++counts.frames;
  Form1.DXTimer1Timer();
  const bool pageKept = ScreenFlipCount() == flips + 1 && !ScreenLastFlipChanged();
  caretShown = TakeBlinkAsked();
  if (restAllowed && TickChangedNothing(pageKept) && FrameTimerOn()) RestAfter(frameTimer.last);
  else resting = false;
}

// Sleeps until the next timer is due or a window event arrives. Under the
// tests' clock the time passes at once.
void SleepUntilNextTimer() {
  const int ms = MsUntilNextTimer();
  ++counts.sleeps;
  if (FakeClockInUse()) AdvanceFakeClock(static_cast<uint32_t>(ms));
  else ScreenWait(ms);
}
}  // namespace

void ResetTimers() {
  frameTimer.running = caretTimer.running = playClockTimer.running = false;
  counts = {};
  restAllowed = false;
  resting = false;
  caretShown = true;
  ForgetLastTick();
}

void AllowRest(bool allowed) {
  restAllowed = allowed;
  EndRest(Now());
}

bool Resting() { return resting; }

const TimerCounts& TimersFired() { return counts; }

int MsUntilNextTimer() {
  const uint32_t now = Now();
  int64_t next = -1;
  const int64_t frame = resting && FrameTimerOn() ? UntilLookRound(now) : Until(frameTimer, FrameTimerOn(), now);
  for (int64_t t : {frame, Until(caretTimer, FormCreateur.Timer1Enabled && !CaretLapses(), now),
                    Until(playClockTimer, PlayClockCounts(), now)})
    if (t >= 0 && (next < 0 || t < next)) next = t;
  // With every timer off only a window event can change anything; the loop
  // still looks round now and then.
  return next < 0 ? 100 : static_cast<int>(next);
}

bool StartProgram(Backend backend, const std::string& programDir) {
  // The application is titled "LETTRARIUM"; its windows are made in order.
  Form1.FormCreate();
  if (!programDir.empty()) G.programDir = programDir;
  const bool canDraw = ScreenInit(backend);
  Form1.DXInitialize(canDraw);
  if (Form1.closed) return false;
  AudioInit(backend);
  Form2.FormCreate();
  if (Form1.closed) return false;  // another program has the player's folder
  FormCreateur.Timer1Enabled = true;
  Form1.FormActivate();
  RunDueTimers();  // the enabled timers count from now
  return true;
}

bool StartWithoutWindow() {
  Form1.FormCreate();
  Form1.DXInitialize(ScreenInit(Backend::Headless));
  if (Form1.closed) return false;
  AudioInit(Backend::Headless);
  Form2.FormCreate();
  if (Form1.closed) return false;
  LoadAllPictures();
  G.interfaceLoaded = true;
  return true;
}

bool ProcessEvents(bool stopAfterPress) {
  // Told to end by a signal: the same close request as the window manager's.
  if (TakeQuitSignal()) Form1.SystemClose();
  InputEvent event{};
  while (!Form1.closed && ScreenPollEvent(event)) {
    EndRest(Now());
    switch (event.kind) {
      case InputEvent::MouseMove: Form1.DXMouseMove(event.x, event.y); break;
      case InputEvent::MouseDown:
        Form1.DXMouseMove(event.x, event.y);
        Form1.DXMouseDown(event.button - 1);  // the handlers count buttons from 0
        if (stopAfterPress) return true;
        break;
      case InputEvent::MouseUp:
        Form1.DXMouseMove(event.x, event.y);
        Form1.DXMouseUp(event.button - 1);
        break;
      case InputEvent::KeyDown: Form1.FormKeyDown(event.key); break;
      case InputEvent::Text: Form1.FormKeyPress(event.text); break;
      case InputEvent::Quit: Form1.SystemClose(); break;
    }
  }
  return false;
}

void RunDueTimers() {
  const uint32_t now = Now();
  if (resting && RestMustEnd()) EndRest(now - 1);
  if (CaretLapses()) CountUpCaret(now - 1);
  if (FrameDue(now)) RunFrameTick();
  if (!CaretLapses() && Due(caretTimer, FormCreateur.Timer1Enabled, now, false)) {
    ++counts.carets;
    FormCreateur.Timer1Timer();
    EndRest(now);
  }
  if (Due(playClockTimer, PlayClockCounts(), now, true)) {
    ++counts.seconds;
    Form2.Timer1Timer();
    EndRest(now);
  }
}

void RunLoopStep() {
  // A press waits for a frame before its release is handled: a tap on a
  // touchpad sends both at once, and the release would withdraw the click
  // before any screen saw it.
  const bool pressed = ProcessEvents(true);
  const int frameBefore = counts.frames;
  RunDueTimers();
  while (pressed && counts.frames == frameBefore && FrameTimerOn()) {
    SleepUntilNextTimer();
    RunDueTimers();
  }
  if (!Form1.closed) SleepUntilNextTimer();
}

int RunProgram(Backend backend) {
  if (!StartProgram(backend)) {
    ScreenShutdown();
    return 1;
  }
  AllowRest(true);
  while (!Form1.closed) RunLoopStep();
  AudioShutdown();
  ScreenShutdown();
  return 0;
}
