// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/screen.h"

#include <SDL.h>
#include <dirent.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <vector>

#include "platform/frame_log.h"
#include "platform/keys.h"
#include "platform/page.h"
#include "platform/page_scaler.h"
#include "platform/utf8.h"

namespace {

Backend backend = Backend::Headless;
bool sdlReady = false;
bool noDisplay = false;
bool fullscreen = true;
// The window's size when it is, or was last, a window; the size the program
// itself gave it last; whether the player pressed F11 or sized the window.
int windowedWidth = 0, windowedHeight = 0;
int givenWidth = 0, givenHeight = 0;
bool toggledByPlayer = false;
bool resizedByPlayer = false;
// The smallest window the player can make.
constexpr int kMinWindowWidth = 400, kMinWindowHeight = 300;
// The headless back end's desktop.
constexpr int kHeadlessDesktopWidth = 1920, kHeadlessDesktopHeight = 1080;
PageScaler scaler;
SDL_Texture* scaledTexture = nullptr;  // the page as shown, at the shown size
SDL_Window* window = nullptr;
SDL_Renderer* renderer = nullptr;
SDL_Cursor* cursors[3] = {nullptr, nullptr, nullptr};  // arrow, wait, hand
int cursorShape = 0;
int flipCount = 0;
int presentCount = 0;
// The page as last presented: a flip whose page is the same presents nothing,
// unless the window lost what it showed (exposed, resized, mode switched).
std::vector<uint16_t> presented;
bool presentNeeded = true;
bool lastFlipChanged = true;
std::deque<InputEvent> queued;

void DestroyWindow() {
  for (SDL_Cursor*& c : cursors) {
    if (c) SDL_FreeCursor(c);
    c = nullptr;
  }
  if (scaledTexture) SDL_DestroyTexture(scaledTexture);
  scaler = PageScaler{};
  if (renderer) SDL_DestroyRenderer(renderer);
  if (window) SDL_DestroyWindow(window);
  scaledTexture = nullptr;
  renderer = nullptr;
  window = nullptr;
}

// True when the renderer draws through an OpenGL that the processor
// rasterises (Mesa's llvmpipe or softpipe, as on a machine without a graphics
// driver): SDL's own software renderer does the same work then, without the
// shader compiler and driver of such an OpenGL (some 60 MB in memory).
bool RasterisedBySoftware(SDL_Renderer* r) {
  SDL_RendererInfo info;
  if (SDL_GetRendererInfo(r, &info) != 0 || std::strncmp(info.name, "opengl", 6) != 0) return false;
  using GetString = const unsigned char* (*)(unsigned);
  auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  const unsigned char* name = getString ? getString(0x1F01) : nullptr;  // GL_RENDERER
  if (!name) return false;
  const std::string text(reinterpret_cast<const char*>(name));
  return text.find("llvmpipe") != std::string::npos || text.find("softpipe") != std::string::npos ||
         text.find("Software Rasterizer") != std::string::npos;
}

// Without a graphics device the machine has no OpenGL of its own: what
// OpenGL there is would run on the processor.
bool HasGraphicsDevice() {
  DIR* dri = opendir("/dev/dri");
  if (!dri) return false;
  bool found = false;
  while (dirent* entry = readdir(dri)) {
    const std::string name = entry->d_name;
    if (name.rfind("renderD", 0) == 0 || name.rfind("card", 0) == 0) found = true;
  }
  closedir(dri);
  return found;
}

// Shown later, in the mode the settings or the command line choose.
SDL_Window* NewWindow() {
  return SDL_CreateWindow("Lettrarium", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, kPageWidth, kPageHeight,
                          SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
}

// SDL falls back on drivers that show nothing when there is no display; they
// are for the tests, which name them.
bool ShowsNothing(const char* driver) {
  return driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
}

// Unless SDL_VIDEODRIVER names one, SDL tries the drivers that show a
// window, and Wayland only in a Wayland session (elsewhere its library
// prints an error of its own before failing).
void ChooseRealDrivers() {
  std::string drivers;
  const bool wayland = std::getenv("WAYLAND_DISPLAY") != nullptr;
  for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
    const std::string name = SDL_GetVideoDriver(i);
    if (ShowsNothing(name.c_str()) || (name == "wayland" && !wayland)) continue;
    drivers += (drivers.empty() ? "" : ",") + name;
  }
  SDL_SetHint(SDL_HINT_VIDEODRIVER, drivers.c_str());
}

bool OpenWindow() {
  const char* asked = std::getenv("SDL_VIDEODRIVER");
  const bool driverNamed = asked && *asked;
  if (!driverNamed) ChooseRealDrivers();
  // The window names its desktop entry, org.lettrarium.Lettrarium.desktop,
  // so that the desktop shows the entry's icon and name for it.
  SDL_SetHint("SDL_VIDEO_X11_WMCLASS", "org.lettrarium.Lettrarium");
  SDL_SetHint("SDL_VIDEO_WAYLAND_WMCLASS", "org.lettrarium.Lettrarium");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0 ||
      (!driverNamed && ShowsNothing(SDL_GetCurrentVideoDriver()))) {
    noDisplay = true;
    return false;
  }
  // A renderer asked for by name (SDL_RENDER_DRIVER) is taken as it is.
  const bool chosen = SDL_GetHint(SDL_HINT_RENDER_DRIVER) != nullptr;
  bool software = !chosen && !HasGraphicsDevice();
  if (software) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  window = NewWindow();
  if (!window) return false;
  // No vertical sync: presenting must not hold up the 10 ms tick.
  renderer = SDL_CreateRenderer(window, -1, software ? SDL_RENDERER_SOFTWARE : 0);
  if (renderer && !chosen && !software && RasterisedBySoftware(renderer)) {
    // A fresh window without OpenGL, drawn straight by the window system.
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    renderer = nullptr;
    window = NewWindow();
    if (!window) return false;
    renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
  }
  if (!renderer) return false;
  SDL_SetWindowMinimumSize(window, kMinWindowWidth, kMinWindowHeight);
  cursors[0] = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
  cursors[1] = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_WAIT);
  cursors[2] = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
  // Typed text comes as text, composed by the desktop's keyboard layout
  // (accents, Shift); the key presses give only the editing keys.
  SDL_StartTextInput();
  return true;
}

// The desktop's usable area (without its panels and docks) on the window's
// display; the headless desktop when there is no window system.
SDL_Rect UsableArea() {
  SDL_Rect area{0, 0, kHeadlessDesktopWidth, kHeadlessDesktopHeight};
  if (!sdlReady) return area;
  const int display = std::max(SDL_GetWindowDisplayIndex(window), 0);
  if (SDL_GetDisplayUsableBounds(display, &area) != 0 || area.w <= 0 || area.h <= 0)
    SDL_GetDisplayBounds(display, &area);
  return area;
}

void DesktopSize(int& width, int& height) {
  const SDL_Rect area = UsableArea();
  width = area.w;
  height = area.h;
}

// The size the window has now (the screen's in full screen).
void WindowSize(int& width, int& height) {
  if (sdlReady) {
    SDL_GetWindowSize(window, &width, &height);
  } else if (fullscreen) {
    DesktopSize(width, height);
  } else {
    width = windowedWidth;
    height = windowedHeight;
  }
}

// Notes the window's size while it is a window.
void NoteWindowSize() {
  if (fullscreen || !sdlReady || (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN)) return;
  int width = 0, height = 0;
  SDL_GetWindowSize(window, &width, &height);
  if (width <= 0 || height <= 0) return;
  windowedWidth = width;
  windowedHeight = height;
  if (width != givenWidth || height != givenHeight) resizedByPlayer = true;
}

// A window size that the desktop can show: the first window's when none is
// given, never smaller than the smallest window nor larger than the desktop.
void FitWindowSize(int& width, int& height) {
  int desktopWidth, desktopHeight;
  DesktopSize(desktopWidth, desktopHeight);
  if (width <= 0 || height <= 0) {
    const WindowMode first = FirstWindowSize(desktopWidth, desktopHeight);
    width = first.width;
    height = first.height;
  }
  width = std::clamp(width, kMinWindowWidth, std::max(kMinWindowWidth, desktopWidth));
  height = std::clamp(height, kMinWindowHeight, std::max(kMinWindowHeight, desktopHeight));
}

void BecomeWindow(int width, int height) {
  FitWindowSize(width, height);
  windowedWidth = givenWidth = width;
  windowedHeight = givenHeight = height;
  fullscreen = false;
  if (!sdlReady) return;
  SDL_SetWindowFullscreen(window, 0);
  SDL_SetWindowSize(window, width, height);
  // Centred on the usable area, not on the whole screen: a tall window
  // centred on the screen put its top under the desktop's panel and its
  // bottom off the screen.
  const SDL_Rect area = UsableArea();
  SDL_SetWindowPosition(window, area.x + std::max(0, (area.w - width) / 2), area.y + std::max(0, (area.h - height) / 2));
}

void BecomeFullScreen() {
  NoteWindowSize();
  fullscreen = true;
  if (!sdlReady) return;
  // Without a window manager nothing moves the window to the screen: it is
  // put on the screen's top-left corner at the screen's size first.
  SDL_Rect bounds;
  if (SDL_GetDisplayBounds(std::max(SDL_GetWindowDisplayIndex(window), 0), &bounds) == 0) {
    SDL_SetWindowPosition(window, bounds.x, bounds.y);
    SDL_SetWindowSize(window, bounds.w, bounds.h);
  }
  SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
}

void SetFullScreen(bool on) {
  if (on == fullscreen) return;
  if (on) BecomeFullScreen();
  else BecomeWindow(windowedWidth, windowedHeight);
  ScreenInvalidate();
}

bool Crisp(const PagePlacement& p) {
  return p.width > 0 && p.width % kPageWidth == 0 && p.height == p.width / kPageWidth * kPageHeight;
}

// The page goes to the screen already scaled: the texture is as large as the
// page is shown, and only what the changed part of the page shows is scaled
// and uploaded again.
void Present(const Page& page, Rect changed) {
  int width = 0, height = 0;
  SDL_GetRendererOutputSize(renderer, &width, &height);
  const PagePlacement p = FitPage(width, height);
  if (scaler.Resize(p.width, p.height) || !scaledTexture) {
    if (scaledTexture) SDL_DestroyTexture(scaledTexture);
    scaledTexture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, p.width, p.height);
    changed = {0, 0, kPageWidth, kPageHeight};
  }
  if (!scaledTexture) return;
  const Rect area = scaler.ShownArea(changed);
  const SDL_Rect lock{area.left, area.top, area.right - area.left, area.bottom - area.top};
  void* pixels = nullptr;
  int pitch = 0;
  if (lock.w > 0 && lock.h > 0 && SDL_LockTexture(scaledTexture, &lock, &pixels, &pitch) == 0) {
    scaler.Scale(page, area, static_cast<uint32_t*>(pixels), pitch / static_cast<int>(sizeof(uint32_t)));
    SDL_UnlockTexture(scaledTexture);
  }
  // Only the bars are painted black: clearing the whole screen first would
  // touch every pixel twice.
  const bool side = p.x > 0;
  const SDL_Rect bars[2] = {{0, 0, side ? p.x : width, side ? height : p.y},
                            {side ? p.x + p.width : 0, side ? 0 : p.y + p.height, side ? width - p.x - p.width : width,
                             side ? height : height - p.y - p.height}};
  const SDL_Rect to{p.x, p.y, p.width, p.height};
  SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
  SDL_RenderFillRects(renderer, bars, 2);
  SDL_RenderCopy(renderer, scaledTexture, nullptr, &to);
  SDL_RenderPresent(renderer);
}

// The keys that are not text. Letters, digits, space, ':' and '*' come as
// typed text instead, so that they follow the keyboard layout.
int KeyCode(const SDL_Keysym& key) {
  switch (key.sym) {
    case SDLK_BACKSPACE: return (key.mod & KMOD_CTRL) ? kVkClearRow : kVkBack;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return kVkReturn;
    case SDLK_ESCAPE: return kVkEscape;
    case SDLK_LEFT: return kVkLeft;
    case SDLK_UP: return kVkUp;
    case SDLK_RIGHT: return kVkRight;
    case SDLK_DOWN: return kVkDown;
    // The letter as the layout places it: Ctrl+Z is the key marked Z.
    case SDLK_i: return (key.mod & KMOD_CTRL) ? kVkHint : 0;
    case SDLK_e: return (key.mod & KMOD_CTRL) ? kVkCheck : 0;
    case SDLK_z: return (key.mod & KMOD_CTRL) ? kVkUndo : 0;
    default: return 0;
  }
}

// The digits of the numeric keypad type nothing; their text follows the key
// press and is dropped.
bool IsKeypadDigit(SDL_Scancode s) { return (s >= SDL_SCANCODE_KP_1 && s <= SDL_SCANCODE_KP_0) || s == SDL_SCANCODE_KP_PERIOD; }
bool dropNextText = false;

// A pointer over the black bars of the letterbox maps outside the page; it is
// held at the page's edge so no caller ever sees a position off the page.
int ClampTo(int v, int size) { return v < 0 ? 0 : v >= size ? size - 1 : v; }

// Focus and minimising, as the window events tell them.
bool windowFocused = true;
bool windowMinimised = false;

int ButtonOf(uint8_t sdlButton) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT: return 1;
    case SDL_BUTTON_RIGHT: return 2;
    case SDL_BUTTON_MIDDLE: return 3;
    default: return 0;
  }
}

// Turns one SDL event into ours; false for the events the game does not see.
bool Translate(const SDL_Event& e, InputEvent& out) {
  switch (e.type) {
    case SDL_QUIT:
      out = InputEvent{InputEvent::Quit};
      return true;
    case SDL_MOUSEMOTION:
      out = InputEvent{InputEvent::MouseMove};
      ScreenPagePoint(e.motion.x, e.motion.y, out.x, out.y);
      return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      out = InputEvent{e.type == SDL_MOUSEBUTTONDOWN ? InputEvent::MouseDown : InputEvent::MouseUp};
      ScreenPagePoint(e.button.x, e.button.y, out.x, out.y);
      out.button = ButtonOf(e.button.button);
      return out.button != 0;
    case SDL_WINDOWEVENT:
      switch (e.window.event) {
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_RESIZED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_MAXIMIZED:
        case SDL_WINDOWEVENT_RESTORED:
          windowMinimised = false;
          ScreenInvalidate();
          break;
        case SDL_WINDOWEVENT_MINIMIZED: windowMinimised = true; break;
        case SDL_WINDOWEVENT_FOCUS_GAINED: windowFocused = true; break;
        case SDL_WINDOWEVENT_FOCUS_LOST: windowFocused = false; break;
        case SDL_WINDOWEVENT_CLOSE:
          // The window manager's close (Alt+F4, the title bar's button).
          out = InputEvent{InputEvent::Quit};
          return true;
        default: break;
      }
      return false;
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET:
      ScreenInvalidate();
      return false;
    case SDL_KEYDOWN:
      if (e.key.keysym.sym == SDLK_F11) {
        // The window mode is the platform's business; the game never sees F11.
        if (!e.key.repeat) ScreenToggleFullscreen();
        return false;
      }
      dropNextText = IsKeypadDigit(e.key.keysym.scancode);
      out = InputEvent{InputEvent::KeyDown};
      out.key = KeyCode(e.key.keysym);
      return out.key != 0;
    case SDL_TEXTINPUT:
      if (dropNextText) {
        dropNextText = false;
        return false;
      }
      out = InputEvent{InputEvent::Text};
      out.text = Utf8ToLatin1(e.text.text);
      return !out.text.empty();
    default:
      return false;
  }
}

}  // namespace

bool ScreenInit(Backend requested) {
  backend = requested;
  cursorShape = 0;
  noDisplay = false;
  ScreenSetPlayerAway(false);
  ScreenInvalidate();
  if (sdlReady) return true;
  fullscreen = true;
  windowedWidth = windowedHeight = givenWidth = givenHeight = 0;
  toggledByPlayer = resizedByPlayer = false;
  if (requested == Backend::Headless) return true;
  sdlReady = OpenWindow();
  if (!sdlReady) DestroyWindow();
  return sdlReady;
}

Backend ScreenBackend() { return backend; }

void ScreenShutdown() {
  if (sdlReady) {
    DestroyWindow();
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
  }
  sdlReady = false;
}

void ScreenFlip(const Page& page) {
  ++flipCount;
  // A frame drawn from the same keys as the last left the page as it was.
  const bool repeated = &page == &ThePage() && FrameEnd();
  // Comparing the page costs a small part of uploading and presenting it.
  lastFlipChanged = false;
  if (!presentNeeded && repeated) return;
  const Rect changed = presentNeeded ? Rect{0, 0, kPageWidth, kPageHeight} : ChangedArea(page.pixels, presented);
  if (changed.right <= changed.left) return;
  // The loop rests only after a tick that changed nothing on the page.
  lastFlipChanged = !repeated && (!presentNeeded || page.pixels != presented);
  presented = page.pixels;
  presentNeeded = false;
  ++presentCount;
  if (sdlReady) Present(page, changed);
}

void ScreenSetCursor(int shape) {
  if (shape == cursorShape) return;
  cursorShape = shape;
  if (!sdlReady) return;
  // -1 hides the pointer (the farewell picture); any other shape shows it.
  SDL_ShowCursor(shape == -1 ? SDL_DISABLE : SDL_ENABLE);
  SDL_Cursor* c = shape == -11 ? cursors[1] : shape == -21 ? cursors[2] : cursors[0];
  if (c) SDL_SetCursor(c);
}

int ScreenCursor() { return cursorShape; }

void ScreenToggleFullscreen() {
  if (backend == Backend::Sdl && !sdlReady) return;
  SetFullScreen(!fullscreen);
  toggledByPlayer = true;
}

// The chooser opens over the game as it is: leaving full screen for it
// dropped the player into a window sized for no one and changed the mode.
void ScreenMakeRoomForDialog(bool open) {
  if (!sdlReady) return;
  if (!open) ScreenInvalidate();
  SDL_PumpEvents();
}

bool ScreenNoDisplay() { return noDisplay; }

void ScreenShowWindow(const WindowMode& mode) {
  int width = mode.width, height = mode.height;
  FitWindowSize(width, height);
  if (mode.fullScreen) BecomeFullScreen();
  else BecomeWindow(width, height);
  // F11 gives a window of this size.
  windowedWidth = givenWidth = width;
  windowedHeight = givenHeight = height;
  toggledByPlayer = resizedByPlayer = false;
  if (sdlReady) SDL_ShowWindow(window);
  ScreenInvalidate();
}

WindowMode ScreenWindowMode() {
  NoteWindowSize();
  return {fullscreen, windowedWidth, windowedHeight};
}

bool ScreenModeToggledByPlayer() { return toggledByPlayer; }

bool ScreenResizedByPlayer() {
  NoteWindowSize();
  return resizedByPlayer;
}

void ScreenResizeWindow(int width, int height) {
  if (fullscreen || width <= 0 || height <= 0) return;
  if (sdlReady) {
    SDL_SetWindowSize(window, width, height);
    NoteWindowSize();
  } else {
    windowedWidth = width;
    windowedHeight = height;
    resizedByPlayer = resizedByPlayer || width != givenWidth || height != givenHeight;
  }
  ScreenInvalidate();
}

// The largest 4:3 window within 90 % of the usable area, at any scale (the
// page is smoothed); the page's own size when only that fits. Whole
// multiples alone gave 800 x 600 on a 1920 x 1080 desktop.
WindowMode FirstWindowSize(int desktopWidth, int desktopHeight) {
  int width = std::min(desktopWidth * 9 / 10, desktopHeight * 9 / 10 * kPageWidth / kPageHeight);
  width -= width % 4;
  if (width < kPageWidth && desktopWidth >= kPageWidth && desktopHeight >= kPageHeight) width = kPageWidth;
  width = std::max(width, kMinWindowWidth);
  return {false, width, width * kPageHeight / kPageWidth};
}

PagePlacement FitPage(int width, int height) {
  if (width <= 0 || height <= 0) return {0, 0, kPageWidth, kPageHeight};
  int w = width, h = height;
  if (static_cast<int64_t>(width) * kPageHeight <= static_cast<int64_t>(height) * kPageWidth) {
    h = static_cast<int>(static_cast<int64_t>(width) * kPageHeight / kPageWidth);
  } else {
    w = static_cast<int>(static_cast<int64_t>(height) * kPageWidth / kPageHeight);
  }
  return {(width - w) / 2, (height - h) / 2, w, h};
}

void ScreenPagePoint(int windowX, int windowY, int& pageX, int& pageY) {
  int width = 0, height = 0;
  WindowSize(width, height);
  const PagePlacement p = FitPage(width, height);
  pageX = ClampTo(static_cast<int>(static_cast<int64_t>(windowX - p.x) * kPageWidth / p.width), kPageWidth);
  pageY = ClampTo(static_cast<int>(static_cast<int64_t>(windowY - p.y) * kPageHeight / p.height), kPageHeight);
}

bool ScreenSmoothed() {
  int width = 0, height = 0;
  if (sdlReady) SDL_GetRendererOutputSize(renderer, &width, &height);
  else WindowSize(width, height);
  return !Crisp(FitPage(width, height));
}

void ScreenInvalidate() { presentNeeded = true; }

bool ScreenNeedsPresent() { return presentNeeded; }

bool ScreenLastFlipChanged() { return lastFlipChanged; }

void ScreenMessageBox(const std::string& title, const std::string& latin1Text) {
  if (backend == Backend::Headless) return;
  const std::string text = Latin1ToUtf8(latin1Text);
  // Also when the window could not be made: the box then has no parent.
  if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, Latin1ToUtf8(title).c_str(), text.c_str(),
                               sdlReady ? window : nullptr) != 0)
    std::fprintf(stderr, "%s\n", text.c_str());  // no display at all: say it on the terminal
}

void ScreenBeep() {
  // SDL has no system beep; the terminal bell is the nearest thing.
  if (backend == Backend::Sdl) std::fputc('\a', stderr);
}

namespace {
std::string clipboard;
}

void ScreenSetClipboard(const std::string& utf8) {
  clipboard = utf8;
  if (backend == Backend::Sdl && sdlReady && SDL_SetClipboardText(utf8.c_str()) != 0)
    std::fprintf(stderr, "presse-papiers indisponible : %s\n", SDL_GetError());
}

std::string ScreenClipboard() { return clipboard; }

bool ScreenPlayerAway() { return windowMinimised || !windowFocused; }

void ScreenSetPlayerAway(bool away) {
  windowMinimised = false;
  windowFocused = !away;
}

bool ScreenPollEvent(InputEvent& event) {
  if (!queued.empty()) {
    event = queued.front();
    queued.pop_front();
    return true;
  }
  if (!sdlReady) return false;
  SDL_Event e;
  while (SDL_PollEvent(&e))
    if (Translate(e, event)) return true;
  return false;
}

void ScreenWait(int ms) {
  if (!sdlReady || !queued.empty() || ms <= 0) return;
  SDL_WaitEventTimeout(nullptr, ms);
}

void ScreenQueueEvent(const InputEvent& event) { queued.push_back(event); }

int ScreenFlipCount() { return flipCount; }

int ScreenPresentCount() { return presentCount; }
