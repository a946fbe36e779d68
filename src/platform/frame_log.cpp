// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/frame_log.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace {

struct Noted {
  NotedBlit blit;
  std::function<void()> other;
  void Draw() const {
    if (blit.draw) blit.draw(blit);
    else other();
  }
};

struct FrameLog {
  bool inFrame = false;
  // The drawings so far repeat the last frame's; they are noted in `pending`.
  bool repeating = false;
  bool replaying = false;
  size_t index = 0;
  std::vector<uint64_t> last, current;
  // The last frame began by covering the page and nothing was drawn on the
  // page since, outside a frame.
  bool lastUsable = false;
  bool currentCovers = false;
  std::vector<Noted> pending;
  int skipped = 0;
};

FrameLog& TheFrameLog() {
  static FrameLog log;
  return log;
}

}  // namespace

FrameKey& FrameKey::Add(uint64_t value) {
  hash_ = (hash_ ^ value) * 0x9E3779B97F4A7C15ull;
  hash_ ^= hash_ >> 29;
  return *this;
}

FrameKey& FrameKey::Add(const std::string& bytes) {
  Add(bytes.size());
  for (size_t i = 0; i < bytes.size(); i += 8) {
    uint64_t chunk = 0;
    std::memcpy(&chunk, bytes.data() + i, std::min<size_t>(8, bytes.size() - i));
    Add(chunk);
  }
  return *this;
}

void FrameFlush() {
  FrameLog& log = TheFrameLog();
  if (!log.repeating) return;
  log.repeating = false;
  log.replaying = true;
  std::vector<Noted> pending;
  pending.swap(log.pending);
  for (const Noted& noted : pending) noted.Draw();
  log.replaying = false;
}

void FrameBegin() {
  FrameLog& log = TheFrameLog();
  if (log.inFrame) {
    // The last frame was never flipped: its noted drawings are due.
    FrameFlush();
    log.lastUsable = false;
  }
  log.inFrame = true;
  log.repeating = log.lastUsable;
  log.index = 0;
  log.current.clear();
  log.currentCovers = false;
}

namespace {

// True when the drawing repeats the last frame's at this place and may wait.
bool Repeats(uint64_t key, bool coversPage) {
  FrameLog& log = TheFrameLog();
  if (log.replaying) return false;
  if (!log.inFrame) {
    log.lastUsable = false;
    return false;
  }
  if (log.current.empty()) log.currentCovers = coversPage;
  log.current.push_back(key);
  if (log.repeating && log.index < log.last.size() && log.last[log.index] == key) {
    ++log.index;
    return true;
  }
  FrameFlush();
  return false;
}

}  // namespace

bool FrameDefer(uint64_t key, bool coversPage, std::function<void()> draw) {
  if (!Repeats(key, coversPage)) return false;
  TheFrameLog().pending.push_back(Noted{{}, std::move(draw)});
  return true;
}

bool FrameDefer(uint64_t key, bool coversPage, const NotedBlit& blit) {
  if (!Repeats(key, coversPage)) return false;
  TheFrameLog().pending.push_back(Noted{blit, {}});
  return true;
}

bool FrameEnd() {
  FrameLog& log = TheFrameLog();
  if (!log.inFrame) return false;
  log.inFrame = false;
  const bool same = log.repeating && log.index == log.last.size();
  if (same) {
    log.pending.clear();
    log.repeating = false;
    ++log.skipped;
    return true;
  }
  FrameFlush();
  log.last.swap(log.current);
  log.lastUsable = log.currentCovers;
  return false;
}

int FramesSkipped() { return TheFrameLog().skipped; }
