// SPDX-License-Identifier: GPL-3.0-or-later
#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// xorshift32: a fixed sequence per seed, the same on every machine.
struct Noise {
  uint32_t state;
  explicit Noise(uint32_t seed) : state(seed ? seed : 0x9E3779B9u) {}
  double Next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state / 2147483648.0 - 1.0;
  }
};

double StrikeLevel(double t, const Strike& shape, double decay) {
  if (t < 0 || t >= shape.length) return 0.0;
  double level = std::exp(-t / decay);
  if (t < shape.attack) level *= 0.5 - 0.5 * std::cos(std::numbers::pi * t / shape.attack);
  double untilEnd = shape.length - t;
  if (untilEnd < shape.release) level *= 0.5 - 0.5 * std::cos(std::numbers::pi * untilEnd / shape.release);
  return level;
}

// Smooth bump over 0..1: rises and falls with zero slope at both ends.
double Bump(double x) {
  if (x <= 0 || x >= 1) return 0.0;
  double s = std::sin(std::numbers::pi * x);
  return s * s;
}

void Grow(Samples& out, size_t size) {
  if (out.size() < size) out.resize(size, 0.0);
}

}  // namespace

Samples MakeSilence(double seconds) { return Samples(static_cast<size_t>(seconds * kSampleRate), 0.0); }

double Seconds(const Samples& s) { return static_cast<double>(s.size()) / kSampleRate; }

double KeyHz(int key) { return 440.0 * std::pow(2.0, (key - 69) / 12.0); }

void AddTone(Samples& out, double start, double freq, double level,
             const std::vector<Partial>& partials, const Strike& shape, double glide) {
  const size_t first = static_cast<size_t>(start * kSampleRate);
  const size_t count = static_cast<size_t>(shape.length * kSampleRate);
  Grow(out, first + count);
  double total = 0;
  for (const Partial& p : partials) total += p.level;
  for (const Partial& p : partials) {
    // Partials above the audible band would only alias.
    if (freq * p.ratio * std::max(1.0, glide) > kSampleRate * 0.45) continue;
    double phase = 0;
    const double decay = shape.decay / p.decayScale;
    const double weight = level * p.level / total;
    for (size_t i = 0; i < count; ++i) {
      double t = static_cast<double>(i) / kSampleRate;
      double f = freq * p.ratio * std::pow(glide, t / shape.length);
      out[first + i] += weight * StrikeLevel(t, shape, decay) * std::sin(phase);
      phase += kTwoPi * f / kSampleRate;
      if (phase > kTwoPi) phase -= kTwoPi;
    }
  }
}

void AddSwish(Samples& out, double start, double length, double fromHz, double toHz,
              double level, uint32_t seed) {
  const size_t first = static_cast<size_t>(start * kSampleRate);
  const size_t count = static_cast<size_t>(length * kSampleRate);
  Grow(out, first + count);
  Noise noise(seed);
  // State-variable filter; its centre follows the sweep sample by sample.
  double low = 0, band = 0;
  const double q = 0.35;
  for (size_t i = 0; i < count; ++i) {
    double x = static_cast<double>(i) / count;
    double centre = fromHz * std::pow(toHz / fromHz, std::sin(std::numbers::pi * x));
    double f = 2.0 * std::sin(std::numbers::pi * centre / kSampleRate);
    double high = noise.Next() - low - q * band;
    band += f * high;
    low += f * band;
    out[first + i] += level * band * Bump(x);
  }
}

void AddNoiseBurst(Samples& out, double start, double length, double cutoffHz,
                   double level, uint32_t seed) {
  const size_t first = static_cast<size_t>(start * kSampleRate);
  const size_t count = static_cast<size_t>(length * kSampleRate);
  Grow(out, first + count);
  Noise noise(seed);
  const double a = 1.0 - std::exp(-kTwoPi * cutoffHz / kSampleRate);
  double y = 0;
  for (size_t i = 0; i < count; ++i) {
    double x = static_cast<double>(i) / count;
    y += a * (noise.Next() - y);
    // Quick rise over the first tenth, then a falling curve to zero.
    double shape = x < 0.1 ? Bump(x * 5) : std::pow(1.0 - (x - 0.1) / 0.9, 3);
    out[first + i] += level * y * shape;
  }
}

void LowPass(Samples& s, double cutoffHz) {
  const double a = 1.0 - std::exp(-kTwoPi * cutoffHz / kSampleRate);
  double y = 0;
  for (double& v : s) {
    y += a * (v - y);
    v = y;
  }
}

const std::vector<Partial>& BellPartials() {
  // Slightly stretched upper partials give the soft glassy ring of a small bell.
  static const std::vector<Partial> p{{1.0, 1.0}, {2.0, 0.45, 1.6}, {3.01, 0.22, 2.4},
                                      {4.17, 0.12, 3.2}, {5.43, 0.06, 4.0}};
  return p;
}

const std::vector<Partial>& MalletPartials() {
  // Wooden bar: fundamental with the strong fourth partial of a tuned bar.
  static const std::vector<Partial> p{{1.0, 1.0}, {3.93, 0.35, 3.0}, {9.2, 0.08, 6.0}};
  return p;
}

const std::vector<Partial>& PluckPartials() {
  static const std::vector<Partial> p{{1.0, 1.0}, {2.0, 0.5, 1.5}, {3.0, 0.3, 2.0},
                                      {4.0, 0.18, 2.6}, {5.0, 0.1, 3.2}, {6.0, 0.05, 4.0}};
  return p;
}

const std::vector<Partial>& SoftPartials() {
  static const std::vector<Partial> p{{1.0, 1.0}, {2.0, 0.25}, {3.0, 0.08}};
  return p;
}
