#include "shell/program.h"

#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/keys.h"
#include "shell/forms.h"
#include "shell/game_state.h"

namespace {
struct Timer {
  uint32_t interval;
  uint32_t last = 0;
  bool running = false;
};
Timer frameTimer{10};
int framesRun = 0;
Timer caretTimer{150};
Timer playClockTimer{1000};

// A timer counts from the moment it is enabled. A late frame or caret timer
// fires once and does not catch up; the play clock keeps whole seconds.
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
  timer.last = keepPace ? timer.last + timer.interval : now;
  return true;
}
}  // namespace

void ResetTimers() {
  frameTimer.running = caretTimer.running = playClockTimer.running = false;
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
  FormCreateur.Timer1Enabled = true;
  Form1.FormActivate();
  RunDueTimers();  // the enabled timers count from now
  return true;
}

bool ProcessEvents(bool stopAfterPress) {
  InputEvent event{};
  while (!Form1.closed && ScreenPollEvent(event)) {
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
      case InputEvent::Quit: Form1.Close(); break;
    }
  }
  return false;
}

void RunDueTimers() {
  const uint32_t now = Now();
  if (Due(frameTimer, Form1.DXTimer1Enabled && !Form1.closed, now, false)) {
    Form1.DXTimer1Timer();
    ++framesRun;
  }
  if (Due(caretTimer, FormCreateur.Timer1Enabled, now, false)) FormCreateur.Timer1Timer();
  if (Due(playClockTimer, Form2.Timer1Enabled, now, true)) Form2.Timer1Timer();
}

int RunProgram(Backend backend) {
  if (!StartProgram(backend)) {
    ScreenShutdown();
    return 1;
  }
  while (!Form1.closed) {
    // A press waits for a frame before its release is handled: a tap on a
    // touchpad sends both at once, and the release would withdraw the click
    // before any screen saw it.
    const bool pressed = ProcessEvents(true);
    const int frameBefore = framesRun;
    do {
      RunDueTimers();
      ScreenWait(1);
    } while (pressed && framesRun == frameBefore && Form1.DXTimer1Enabled && !Form1.closed);
  }
  AudioShutdown();
  ScreenShutdown();
  return 0;
}
