// SPDX-License-Identifier: GPL-3.0-or-later
// A strict reader for the RIFF/WAVE files of the sound effects.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct WaveInfo {
  std::string error;  // empty when the file is a sane PCM wave
  int format = 0;
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 0;
  std::vector<int16_t> samples;  // 16-bit mono only
};

WaveInfo ReadWave(const std::string& bytes);
