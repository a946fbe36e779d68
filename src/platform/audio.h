// SPDX-License-Identifier: GPL-3.0-or-later
// Wave effects and the MIDI music player (SDL2_mixer, Timidity with freepats).
// On the headless back end nothing sounds, but every call is counted so tests
// can see what played.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/screen.h"

// SDL_mixer reads a wave or a piece whole: a file over its cap is refused
// before it is opened (the shipped waves are under 250 KB, the pieces under
// 10 KB).
constexpr long long kMostWaveBytes = 4LL << 20;
constexpr long long kMostMusicBytes = 1LL << 20;
// True when the file at `path` is larger than `cap`.
bool AudioFileTooLarge(const std::string& path, long long cap);

bool AudioInit(Backend backend);
void AudioShutdown();
// False when no sound output could be opened: then no wave or piece loads.
bool AudioReady();

// Loads "slot" from a program path; false when the file is missing or bad.
bool WaveLoad(int slot, const std::string& path);
// Starts the wave without waiting; false when it cannot play.
bool WavePlay(int slot);
// Headless record of every wave asked for, in order, loaded or not.
const std::vector<int>& WavesPlayed();
void ClearWavesPlayed();

class MusicPlayer {
 public:
  std::string fileName;  // empty until a file was opened
  // Replaces the open piece; when the new one cannot be opened, no piece is
  // left open (fileName empty).
  bool Open(const std::string& path);
  bool Rewind();
  bool Play();
  bool Pause();
  bool paused() const { return paused_; }
  // Position and length in milliseconds; when the back end cannot tell the
  // length of a piece, Position() reaches Length() once the piece has ended.
  int64_t Position() const;
  int64_t Length() const;
  // Tests: pretend the piece has ended.
  void SimulateEnd() { ended_ = true; }

 private:
  bool paused_ = false;
  bool ended_ = false;
};
