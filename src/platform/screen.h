// SPDX-License-Identifier: GPL-3.0-or-later
// The window: full screen or a window the player sizes at will; either way the
// 800 x 600 page is scaled to the largest 4:3 size that fits, centred between
// black bars. The headless back end draws nowhere, reads events a test has
// queued and keeps a window of its own on a 1920 x 1080 desktop.
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

// Opens the window, hidden until ScreenShowWindow; true when the surface can
// draw.
bool ScreenInit(Backend backend);
// After a failed ScreenInit: true when there was no display to open a window
// on (no window system; SDL's offscreen and dummy drivers count only when
// SDL_VIDEODRIVER names them).
bool ScreenNoDisplay();

// Full screen, or a window of width x height (0 x 0: the first window's size).
struct WindowMode {
  bool fullScreen = true;
  int width = 0, height = 0;
};
// Shows the window in this mode.
void ScreenShowWindow(const WindowMode& mode);
// The mode now, with the window's size (in full screen, its size when it was
// last a window).
WindowMode ScreenWindowMode();
// The player switched the mode (F11), or sized the window to other than the
// program set.
bool ScreenModeToggledByPlayer();
bool ScreenResizedByPlayer();
// The player sizes the window (also how a test does it).
void ScreenResizeWindow(int width, int height);
// The first window on a desktop: the largest whole multiple of 800 x 600
// within 90 % of it, at least 800 x 600.
WindowMode FirstWindowSize(int desktopWidth, int desktopHeight);

// Where the page lies in a window (or screen) of width x height.
struct PagePlacement {
  int x, y, width, height;
};
PagePlacement FitPage(int width, int height);
// The page point a point of the window shows now (bars held at the page's
// edge), as the pointer events are given.
void ScreenPagePoint(int windowX, int windowY, int& pageX, int& pageY);
// True when the page is smoothed: it is not scaled by a whole number (at a
// whole number each page pixel is an exact block).
bool ScreenSmoothed();
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
// F11: the player switches between full screen and the window.
void ScreenToggleFullscreen();
// A window of the desktop (a file chooser) opens over the game: the game
// leaves full screen while it is open (true) and comes back after (false).
void ScreenMakeRoomForDialog(bool open);
void ScreenMessageBox(const std::string& title, const std::string& latin1Text);
void ScreenBeep();
// Puts UTF-8 text on the desktop's clipboard (kept for reading back on the
// headless back end, and where the desktop has no clipboard).
void ScreenSetClipboard(const std::string& utf8);
std::string ScreenClipboard();
// The window is minimised or another window has the focus: the player is
// away (the play clock waits). The headless back end is told by a test.
bool ScreenPlayerAway();
void ScreenSetPlayerAway(bool away);
// Next pending event; false when there is none.
bool ScreenPollEvent(InputEvent& event);
// Waits at most `ms` for an event to arrive (SDL only; headless returns at once).
void ScreenWait(int ms);
// Headless: a test queues an event for the next poll.
void ScreenQueueEvent(const InputEvent& event);
// Flips asked for, and the pages they actually presented.
int ScreenFlipCount();
int ScreenPresentCount();
