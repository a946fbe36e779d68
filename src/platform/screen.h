// The window: fullscreen desktop, 800 x 600 logical size, letterboxed. The
// headless back end draws nowhere and reads events a test has queued.
#pragma once
#include <cstdint>
#include <string>

struct Page;

enum class Backend { Sdl, Headless };

struct InputEvent {
  enum Kind { MouseMove, MouseDown, MouseUp, KeyDown, Text, Quit } kind;
  int x = 0, y = 0;   // page coordinates
  int button = 0;     // 1 left, 2 right, 3 middle
  int key = 0;        // virtual-key code
  std::string text = {};  // typed text (Latin-1), whatever the keyboard layout
};

// Opens the window; true when the surface can draw.
bool ScreenInit(Backend backend);
Backend ScreenBackend();
void ScreenShutdown();
// Uploads the page and presents it, when it differs from the page presented
// last or the window needs drawing again; otherwise nothing is done.
void ScreenFlip(const Page& page);
// The window must be presented again at the next flip (exposed, resized).
void ScreenInvalidate();
bool ScreenNeedsPresent();
// False when the last flip's page was the page presented before it.
bool ScreenLastFlipChanged();
// 0 arrow, -11 hourglass, -21 hand, -1 hidden.
void ScreenSetCursor(int shape);
int ScreenCursor();
void ScreenToggleFullscreen();
// A window of the desktop (a file chooser) opens over the game: the game
// leaves full screen while it is open (true) and comes back after (false).
void ScreenMakeRoomForDialog(bool open);
void ScreenMessageBox(const std::string& title, const std::string& latin1Text);
void ScreenBeep();
// Next pending event; false when there is none.
bool ScreenPollEvent(InputEvent& event);
// Waits at most `ms` for an event to arrive (SDL only; headless returns at once).
void ScreenWait(int ms);
// Headless: a test queues an event for the next poll.
void ScreenQueueEvent(const InputEvent& event);
// Flips asked for, and the pages they actually presented.
int ScreenFlipCount();
int ScreenPresentCount();
