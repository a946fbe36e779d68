// SPDX-License-Identifier: GPL-3.0-or-later
// Small additive synthesiser for the sound effects: mono sample buffers at
// one rate, tones built from partials under an envelope, filtered noise.
// Everything is deterministic (own noise generator, no clock) so the same
// build writes the same bytes.
#pragma once
#include <cstdint>
#include <vector>

constexpr int kSampleRate = 44100;

using Samples = std::vector<double>;

// One partial of a tone: frequency ratio to the fundamental, relative level,
// and how much faster than the fundamental it dies away (1 = same speed).
struct Partial {
  double ratio;
  double level;
  double decayScale = 1.0;
};

// A struck or plucked tone: short raised-cosine attack, exponential decay,
// and a release ramp to zero at the end so the tail never clicks.
struct Strike {
  double attack = 0.004;  // seconds
  double decay = 0.3;     // seconds for the level to fall by e
  double length = 1.0;    // seconds, release included
  double release = 0.05;  // seconds
};

// A buffer long enough for `seconds`.
Samples MakeSilence(double seconds);
double Seconds(const Samples& s);

// Adds a tone starting at `start` seconds. `glide` bends the pitch
// exponentially: the frequency is multiplied by `glide` over the tone.
void AddTone(Samples& out, double start, double freq, double level,
             const std::vector<Partial>& partials, const Strike& shape, double glide = 1.0);

// Adds white noise through a band-pass whose centre moves from `fromHz` to
// `toHz` and back (a swish), shaped by a smooth rise and fall.
void AddSwish(Samples& out, double start, double length, double fromHz, double toHz,
              double level, uint32_t seed);

// Adds a short burst of low-passed noise (the body of a click or a tick).
void AddNoiseBurst(Samples& out, double start, double length, double cutoffHz,
                   double level, uint32_t seed);

// A gentle one-pole low-pass over the whole buffer, to take the edge off
// bright partials.
void LowPass(Samples& s, double cutoffHz);

// Equal-tempered frequency of a MIDI key number (69 = A 440).
double KeyHz(int key);

// Timbres used by the effects.
const std::vector<Partial>& BellPartials();
const std::vector<Partial>& MalletPartials();
const std::vector<Partial>& PluckPartials();
const std::vector<Partial>& SoftPartials();
