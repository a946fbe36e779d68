// SPDX-License-Identifier: GPL-3.0-or-later
// The SDL back ends on SDL's dummy video and audio drivers: everything opens,
// draws and plays without a display or a sound card.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/page.h"
#include "platform/screen.h"
#include "temp_folder.h"

namespace {

// 0.05 s of 8-bit mono silence.
std::string SilentWave() {
  auto le = [](uint32_t v, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
  };
  const uint32_t samples = 1102;
  return "RIFF" + le(36 + samples, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2) + le(22050, 4) + le(22050, 4) +
         le(1, 2) + le(8, 2) + "data" + le(samples, 4) + std::string(samples, '\x80');
}

// A track with nothing but its end: the shortest piece there is.
const std::string kMidi = std::string("MThd\0\0\0\6\0\0\0\1\0\x60", 14) + std::string("MTrk\0\0\0\4\0\xFF\x2F\0", 12);

class SdlBackend : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
  }
};

}  // namespace

TEST_F(SdlBackend, WindowOpensFlipsAndCloses) {
  ASSERT_TRUE(ScreenInit(Backend::Sdl));
  EXPECT_EQ(ScreenBackend(), Backend::Sdl);
  ClearPage(ThePage(), 0x00FF00);
  const int flips = ScreenFlipCount();
  ScreenFlip(ThePage());
  EXPECT_EQ(ScreenFlipCount(), flips + 1);
  ScreenSetCursor(-21);
  EXPECT_EQ(ScreenCursor(), -21);
  ScreenSetCursor(0);
  ScreenToggleFullscreen();
  ScreenToggleFullscreen();
  InputEvent e{};
  while (ScreenPollEvent(e)) {
  }
  ScreenWait(1);
  ScreenShutdown();
  ASSERT_TRUE(ScreenInit(Backend::Headless));
}

TEST_F(SdlBackend, WavesAndMusicPlay) {
  TempFolder t;
  t.Write("Sons/0.wav", SilentWave());
  t.Write("Sons/1.wav", "RIFF nothing");
  t.Write("music/a.mid", kMidi);
  if (!AudioInit(Backend::Sdl)) GTEST_SKIP() << "no audio device";
  EXPECT_TRUE(WaveLoad(0, t.path + "sons\\0.wav"));
  EXPECT_FALSE(WaveLoad(1, t.path + "sons\\1.wav"));
  EXPECT_FALSE(WaveLoad(2, t.path + "sons\\2.wav"));
  EXPECT_TRUE(WavePlay(0));
  EXPECT_FALSE(WavePlay(1));
  {
    MusicPlayer player;
    if (player.Open(t.path + "MUSIC\\A.MID")) {
      EXPECT_TRUE(player.Rewind());
      EXPECT_TRUE(player.Play());
      EXPECT_TRUE(player.Pause());
      EXPECT_LT(player.Position(), player.Length());  // paused: never at the end
      EXPECT_TRUE(player.Play());
      // The synthesiser may take a moment to let even an empty piece go.
      auto start = std::chrono::steady_clock::now();
      while (player.Position() < player.Length() && std::chrono::steady_clock::now() - start < std::chrono::seconds(6))
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
      EXPECT_GE(player.Position(), player.Length());
    } else {
      ADD_FAILURE() << "the MIDI file did not open (Timidity with freepats)";
    }
    EXPECT_FALSE(player.Open(t.path + "music\\none.mid"));
  }
  AudioShutdown();
  ASSERT_TRUE(AudioInit(Backend::Headless));
}
