// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/audio.h"
#include "platform/page.h"
#include "platform/screen.h"
#include "temp_folder.h"

namespace {
const std::string kMidi = std::string("MThd\0\0\0\6\0\0\0\1\0\x60", 14) + std::string("MTrk\0\0\0\4\0\xFF\x2F\0", 12);
const std::string kWave = std::string("RIFF\x24\0\0\0WAVEfmt ", 16);
}  // namespace

TEST(HeadlessScreen, EventsComeBackInOrder) {
  ASSERT_TRUE(ScreenInit(Backend::Headless));
  EXPECT_EQ(ScreenBackend(), Backend::Headless);
  InputEvent e{};
  while (ScreenPollEvent(e)) {
  }
  InputEvent down{InputEvent::MouseDown};
  down.x = 12;
  down.y = 34;
  down.button = 2;
  InputEvent key{InputEvent::KeyDown};
  key.key = 'A';
  ScreenQueueEvent(down);
  ScreenQueueEvent(key);
  ScreenQueueEvent(InputEvent{InputEvent::Quit});
  ASSERT_TRUE(ScreenPollEvent(e));
  EXPECT_EQ(e.kind, InputEvent::MouseDown);
  EXPECT_EQ(e.x, 12);
  EXPECT_EQ(e.y, 34);
  EXPECT_EQ(e.button, 2);
  ASSERT_TRUE(ScreenPollEvent(e));
  EXPECT_EQ(e.kind, InputEvent::KeyDown);
  EXPECT_EQ(e.key, 'A');
  ASSERT_TRUE(ScreenPollEvent(e));
  EXPECT_EQ(e.kind, InputEvent::Quit);
  EXPECT_FALSE(ScreenPollEvent(e));
  ScreenWait(1000);  // returns at once

  const int flips = ScreenFlipCount();
  ScreenFlip(ThePage());
  ScreenFlip(ThePage());
  EXPECT_EQ(ScreenFlipCount(), flips + 2);
  ScreenSetCursor(-21);
  EXPECT_EQ(ScreenCursor(), -21);
  ScreenSetCursor(-11);
  EXPECT_EQ(ScreenCursor(), -11);
  ScreenToggleFullscreen();  // nothing to toggle, nothing breaks
  ScreenMessageBox("Lettrarium", "Erreur d'initialisation");
  ScreenShutdown();
}

TEST(HeadlessAudio, WavesAreRecordedAndFilesChecked) {
  TempFolder t;
  t.Write("Sons/0.wav", kWave);
  t.Write("Sons/1.wav", "RIFF....AVI LIST");
  ASSERT_TRUE(AudioInit(Backend::Headless));
  ClearWavesPlayed();
  EXPECT_TRUE(WaveLoad(0, t.path + "sons\\0.WAV"));
  EXPECT_FALSE(WaveLoad(1, t.path + "Sons\\1.wav"));
  EXPECT_FALSE(WaveLoad(2, t.path + "Sons\\2.wav"));
  EXPECT_TRUE(WavePlay(0));
  EXPECT_FALSE(WavePlay(2));
  EXPECT_TRUE(WavePlay(0));
  EXPECT_EQ(WavesPlayed(), (std::vector<int>{0, 2, 0}));
  ClearWavesPlayed();
  EXPECT_TRUE(WavesPlayed().empty());
}

TEST(HeadlessAudio, MusicEndsOnlyWhenToldTo) {
  TempFolder t;
  t.Write("music/A.mid", kMidi);
  t.Write("music/bad.mid", "RIFF");
  ASSERT_TRUE(AudioInit(Backend::Headless));
  MusicPlayer player;
  EXPECT_FALSE(player.Play());  // nothing open
  EXPECT_FALSE(player.Open(t.path + "music\\bad.mid"));
  EXPECT_FALSE(player.Open(t.path + "music\\none.mid"));
  EXPECT_TRUE(player.fileName.empty());
  ASSERT_TRUE(player.Open(t.path + "Music\\a.mid"));
  EXPECT_EQ(player.fileName, t.path + "Music\\a.mid");
  EXPECT_TRUE(player.Rewind());
  EXPECT_TRUE(player.Play());
  EXPECT_TRUE(player.Pause());
  EXPECT_TRUE(player.paused());
  EXPECT_LT(player.Position(), player.Length());
  EXPECT_TRUE(player.Play());
  EXPECT_FALSE(player.paused());
  player.SimulateEnd();
  EXPECT_GE(player.Position(), player.Length());
  EXPECT_TRUE(player.Open(t.path + "music\\A.mid"));  // the next piece starts afresh
  EXPECT_LT(player.Position(), player.Length());
  // A piece that cannot be opened leaves no piece behind to end again.
  player.SimulateEnd();
  EXPECT_FALSE(player.Open(t.path + "music\\bad.mid"));
  EXPECT_TRUE(player.fileName.empty());
}
