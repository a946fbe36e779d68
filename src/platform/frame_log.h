// SPDX-License-Identifier: GPL-3.0-or-later
// Frames that repeat the last one cost almost nothing.
//
// The main tick draws the whole page every 10 ms, most often exactly as it
// drew it 10 ms before. Inside a frame (FrameBegin ... FrameEnd) every drawing
// on the page first gives a key that names what it would draw. While the keys
// repeat the last frame's keys one for one, the drawing is only noted, not
// done: the page still holds the last frame, which these drawings would make
// again. At the first key that differs, the noted drawings are done in order
// and everything after is drawn at once, so the page is exactly what drawing
// every call at once would give. A frame can be skipped only when its first
// drawing covers the whole page, so the result does not hang on what was on
// the page before.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

// Builds a drawing's key.
class FrameKey {
 public:
  FrameKey& Add(uint64_t value);
  FrameKey& Add(const std::string& bytes);
  uint64_t value() const { return hash_; }

 private:
  uint64_t hash_ = 1469598103934665603ull;
};

// A blit noted for later: a plain function and its values, so that noting the
// hundreds of blits of a frame allocates nothing.
struct NotedBlit {
  void (*draw)(const NotedBlit&) = nullptr;
  void* page = nullptr;
  const void* picture = nullptr;
  int values[8] = {};
};

// The main tick starts drawing a frame on the page.
void FrameBegin();
// The frame is flipped; true when the page already holds the last frame,
// drawn from the same keys (nothing was drawn to it).
bool FrameEnd();
// True when the caller must not draw now: `draw` was noted and is done later
// if the frame turns out to differ. `coversPage` says the drawing paints every
// pixel of the page opaquely. Outside a frame this always returns false.
bool FrameDefer(uint64_t key, bool coversPage, std::function<void()> draw);
bool FrameDefer(uint64_t key, bool coversPage, const NotedBlit& blit);
// Does the noted drawings now; the rest of the frame is drawn at once. Called
// before anything a noted drawing refers to changes.
void FrameFlush();
// How many frames were skipped whole since the start (for tests).
int FramesSkipped();
