// SPDX-License-Identifier: GPL-3.0-or-later
// The fourteen effects: present, sane PCM, short, clean at both ends, and
// all about as loud as each other.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "files.h"
#include "wave_reader.h"

namespace {

const std::string kSounds = std::string(GAME_DIR) + "/Sons/";

WaveInfo Effect(int n) { return ReadWave(ReadBytes(kSounds + std::to_string(n) + ".wav")); }

// RMS of the loudest 50 ms: how loud a short effect sounds.
double LoudestWindowRms(const WaveInfo& w) {
  const size_t window = static_cast<size_t>(w.sampleRate / 20);
  double best = 0, sum = 0;
  for (size_t i = 0; i < w.samples.size(); ++i) {
    sum += double(w.samples[i]) * w.samples[i];
    if (i >= window) sum -= double(w.samples[i - window]) * w.samples[i - window];
    best = std::max(best, sum);
  }
  return std::sqrt(best / double(std::min(window, w.samples.size()))) / 32768.0;
}

}  // namespace

TEST(SoundEffects, EveryEffectIsAShortCleanMonoPcmWave) {
  for (int n = 0; n < 14; ++n) {
    SCOPED_TRACE("Sons/" + std::to_string(n) + ".wav");
    const WaveInfo w = Effect(n);
    ASSERT_EQ(w.error, "");
    EXPECT_TRUE(w.sampleRate == 22050 || w.sampleRate == 44100) << w.sampleRate;
    const double seconds = double(w.samples.size()) / w.sampleRate;
    const bool jingle = n == 11 || n == 12;
    EXPECT_GE(seconds, 0.1);
    EXPECT_LE(seconds, jingle ? 3.2 : 2.0);
    int peak = 0;
    for (int16_t s : w.samples) peak = std::max(peak, std::abs(int(s)));
    EXPECT_LT(peak, 32000) << "at or near full scale";
    EXPECT_GT(peak, 3000) << "nearly silent";
    // A sound that starts or stops away from zero clicks.
    EXPECT_LE(std::abs(int(w.samples.front())), 300);
    EXPECT_LE(std::abs(int(w.samples.back())), 300);
    int tailPeak = 0;
    for (size_t i = w.samples.size() - w.sampleRate / 200; i < w.samples.size(); ++i)
      tailPeak = std::max(tailPeak, std::abs(int(w.samples[i])));
    EXPECT_LE(tailPeak, 1000) << "the last 5 ms are not a fade";
  }
}

TEST(SoundEffects, LoudnessIsEvenAcrossEffects) {
  std::vector<double> loudness;
  for (int n = 0; n < 14; ++n) {
    const WaveInfo w = Effect(n);
    ASSERT_EQ(w.error, "") << n;
    loudness.push_back(LoudestWindowRms(w));
  }
  std::vector<double> sorted = loudness;
  std::sort(sorted.begin(), sorted.end());
  const double median = sorted[7];
  for (int n = 0; n < 14; ++n) {
    const double db = 20 * std::log10(loudness[n] / median);
    EXPECT_LT(std::fabs(db), 3.0) << "Sons/" << n << ".wav is " << db << " dB from the others";
  }
}

TEST(SoundEffects, TheToolWritesTheSameBytesAgain) {
  const std::string folder = MakeTempFolder("lettrarium_sounds");
  ASSERT_TRUE(RunTool(MAKE_SOUNDS, folder));
  for (int n = 0; n < 14; ++n) {
    const std::string name = std::to_string(n) + ".wav";
    EXPECT_EQ(ReadBytes(folder + "/" + name), ReadBytes(kSounds + name)) << name;
  }
  std::filesystem::remove_all(folder);
}

TEST(WaveReader, RejectsBrokenHeaders) {
  std::string good = ReadBytes(kSounds + "1.wav");
  ASSERT_EQ(ReadWave(good).error, "");
  std::string truncated = good.substr(0, good.size() - 10);
  EXPECT_NE(ReadWave(truncated).error, "");
  std::string stereo = good;
  stereo[22] = 2;
  EXPECT_NE(ReadWave(stereo).error, "");
  EXPECT_NE(ReadWave("RIFF").error, "");
}
