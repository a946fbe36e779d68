#include "platform/screen.h"

#include <SDL.h>
#include <dirent.h>

#include <cstdio>
#include <cstring>
#include <deque>
#include <vector>

#include "platform/frame_log.h"
#include "platform/keys.h"
#include "platform/page.h"
#include "platform/utf8.h"

namespace {

Backend backend = Backend::Headless;
bool sdlReady = false;
bool fullscreen = true;
SDL_Window* window = nullptr;
SDL_Renderer* renderer = nullptr;
SDL_Texture* texture = nullptr;
SDL_Cursor* cursors[3] = {nullptr, nullptr, nullptr};  // arrow, wait, hand
int cursorShape = 0;
int flipCount = 0;
int presentCount = 0;
// The page as last presented: a flip whose page is the same presents nothing,
// unless the window lost what it showed (exposed, resized, mode switched).
std::vector<uint16_t> presented;
bool presentNeeded = true;
std::deque<InputEvent> queued;

void DestroyWindow() {
  for (SDL_Cursor*& c : cursors) {
    if (c) SDL_FreeCursor(c);
    c = nullptr;
  }
  if (texture) SDL_DestroyTexture(texture);
  if (renderer) SDL_DestroyRenderer(renderer);
  if (window) SDL_DestroyWindow(window);
  texture = nullptr;
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

SDL_Window* NewWindow() {
  return SDL_CreateWindow("Lettrarium", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kPageWidth, kPageHeight,
                          SDL_WINDOW_FULLSCREEN_DESKTOP);
}

bool OpenWindow() {
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) return false;
  // The page is scaled up to the screen: smooth rather than blocky.
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
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
  if (SDL_RenderSetLogicalSize(renderer, kPageWidth, kPageHeight) != 0) return false;
  texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING, kPageWidth, kPageHeight);
  if (!texture) return false;
  cursors[0] = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
  cursors[1] = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_WAIT);
  cursors[2] = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
  // Typed text comes as text, composed by the desktop's keyboard layout
  // (accents, Shift); the key presses give only the editing keys.
  SDL_StartTextInput();
  fullscreen = true;
  return true;
}

// The keys that are not text. Letters, digits, space, ':' and '*' come as
// typed text instead, so that they follow the keyboard layout.
int KeyCode(const SDL_Keysym& key) {
  switch (key.sym) {
    case SDLK_BACKSPACE: return kVkBack;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return kVkReturn;
    case SDLK_ESCAPE: return kVkEscape;
    case SDLK_LEFT: return kVkLeft;
    case SDLK_UP: return kVkUp;
    case SDLK_RIGHT: return kVkRight;
    case SDLK_DOWN: return kVkDown;
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
      out.x = ClampTo(e.motion.x, kPageWidth);
      out.y = ClampTo(e.motion.y, kPageHeight);
      return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      out = InputEvent{e.type == SDL_MOUSEBUTTONDOWN ? InputEvent::MouseDown : InputEvent::MouseUp};
      out.x = ClampTo(e.button.x, kPageWidth);
      out.y = ClampTo(e.button.y, kPageHeight);
      out.button = ButtonOf(e.button.button);
      return out.button != 0;
    case SDL_WINDOWEVENT:
      switch (e.window.event) {
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_RESIZED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_MAXIMIZED:
        case SDL_WINDOWEVENT_RESTORED: ScreenInvalidate(); break;
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
  ScreenInvalidate();
  if (requested == Backend::Headless || sdlReady) return true;
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
  if (!presentNeeded && repeated) return;
  // Comparing the page costs a small part of uploading and presenting it.
  if (!presentNeeded && page.pixels == presented) return;
  presented = page.pixels;
  presentNeeded = false;
  ++presentCount;
  if (!sdlReady) return;
  SDL_UpdateTexture(texture, nullptr, page.pixels.data(), kPageWidth * static_cast<int>(sizeof(uint16_t)));
  SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
  SDL_RenderClear(renderer);
  SDL_RenderCopy(renderer, texture, nullptr, nullptr);
  SDL_RenderPresent(renderer);
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
  if (!sdlReady) return;
  if (fullscreen) {
    SDL_SetWindowFullscreen(window, 0);
    SDL_SetWindowSize(window, kPageWidth, kPageHeight);
    SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  } else {
    SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
  }
  fullscreen = !fullscreen;
  ScreenInvalidate();
}

void ScreenMakeRoomForDialog(bool open) {
  static bool wasFullscreen = false;
  if (!sdlReady) return;
  if (open) {
    wasFullscreen = fullscreen;
    if (fullscreen) ScreenToggleFullscreen();
  } else if (wasFullscreen && !fullscreen) {
    ScreenToggleFullscreen();
  }
  SDL_PumpEvents();
}

void ScreenInvalidate() { presentNeeded = true; }

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
