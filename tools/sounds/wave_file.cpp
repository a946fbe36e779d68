// SPDX-License-Identifier: GPL-3.0-or-later
#include "wave_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <numbers>

namespace {

// Removes any DC offset (noise and glides leave a little) so the sound
// starts and ends at rest.
void BlockDc(Samples& s) {
  const double r = 0.995;
  double previousIn = 0, previousOut = 0;
  for (double& v : s) {
    double out = v - previousIn + r * previousOut;
    previousIn = v;
    previousOut = out;
    v = out;
  }
}

double LoudestWindowRms(const Samples& s) {
  const size_t window = kSampleRate / 20;
  double best = 0, sum = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    sum += s[i] * s[i];
    if (i >= window) sum -= s[i - window] * s[i - window];
    best = std::max(best, sum);
  }
  return std::sqrt(std::max(best, 0.0) / static_cast<double>(std::min(window, s.size())));
}

void Fade(Samples& s, double inSeconds, double outSeconds) {
  const size_t in = std::min(s.size(), static_cast<size_t>(inSeconds * kSampleRate));
  const size_t out = std::min(s.size(), static_cast<size_t>(outSeconds * kSampleRate));
  for (size_t i = 0; i < in; ++i) s[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * i / in);
  for (size_t i = 0; i < out; ++i) s[s.size() - 1 - i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * i / out);
}

void PutU32(std::string& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b += static_cast<char>((v >> (8 * i)) & 0xFF);
}
void PutU16(std::string& b, uint16_t v) {
  b += static_cast<char>(v & 0xFF);
  b += static_cast<char>(v >> 8);
}

}  // namespace

void Finish(Samples& s) {
  BlockDc(s);
  double rms = LoudestWindowRms(s);
  double peak = 0;
  for (double v : s) peak = std::max(peak, std::fabs(v));
  if (rms <= 0 || peak <= 0) return;
  double gain = std::min(kTargetRms / rms, kPeakCeiling / peak);
  for (double& v : s) v *= gain;
  Fade(s, 0.002, 0.015);
}

bool WriteWave(const std::string& path, const Samples& s) {
  const uint32_t dataBytes = static_cast<uint32_t>(s.size() * 2);
  std::string b;
  b += "RIFF";
  PutU32(b, 36 + dataBytes);
  b += "WAVEfmt ";
  PutU32(b, 16);
  PutU16(b, 1);  // PCM
  PutU16(b, 1);  // mono
  PutU32(b, kSampleRate);
  PutU32(b, kSampleRate * 2);
  PutU16(b, 2);
  PutU16(b, 16);
  b += "data";
  PutU32(b, dataBytes);
  for (double v : s) {
    long q = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
    PutU16(b, static_cast<uint16_t>(static_cast<int16_t>(q)));
  }
  std::ofstream f(path, std::ios::binary);
  f.write(b.data(), static_cast<std::streamsize>(b.size()));
  return static_cast<bool>(f);
}
