// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "display/log.h"
#include "display/sound.h"
#include "harness/harness.h"
#include "platform/audio.h"
#include "state/forms.h"
#include "state/game_state.h"

namespace {
const std::string kMidi = std::string("MThd\0\0\0\6\0\0\0\1\0\x60", 14) + std::string("MTrk\0\0\0\4\0\xFF\x2F\0", 12);
const std::string kWave = std::string("RIFF\x24\0\0\0WAVEfmt ", 16);
}  // namespace

TEST(Sound, NothingPlaysOrIsLoggedWithSoundsOff) {
  Harness h;
  G.programDir = h.programDir;
  h.WriteProgramFile("Sons/3.wav", kWave);
  LoadSounds();
  G.checkBoxes[1].checked = 0;
  const size_t lines = G.debugLog.size();
  PlaySound(3);
  EXPECT_TRUE(WavesPlayed().empty());
  EXPECT_EQ(G.debugLog.size(), lines);
  G.checkBoxes[1].checked = 1;
  PlaySound(3);
  EXPECT_EQ(WavesPlayed().size(), 1u);
  // A wave and a piece over their caps are refused, each with a log line.
  h.WriteProgramFile("Sons/4.wav", kWave + std::string(kMostWaveBytes, '\0'));
  h.WriteProgramFile("music/A.mid", kMidi + std::string(kMostMusicBytes, '\0'));
  LoadSounds();
  Form2.FileListBox3Directory = G.programDir + "music\\";
  Form2.FileListBox3Mask = "*.mid";
  Form1.lancemusique_aleatoire();
  EXPECT_TRUE(h.LogHas("4.wav trop grand"));
  EXPECT_TRUE(h.LogHas("musique trop grande"));
  EXPECT_TRUE(Form1.musique.fileName.empty());
}

TEST(Music, TheLastPieceOfTheListNeverPlays) {
  for (uint32_t seed = 1; seed < 20; ++seed) {
    HarnessOptions options;
    options.startTick = 1000 + seed * 7919;
    Harness h(options);
    h.WriteProgramFile("music/b.mid", kMidi);
    h.WriteProgramFile("music/A.mid", kMidi);
    ASSERT_TRUE(h.Start());
    EXPECT_NE(Form1.musique.fileName.find("A.mid"), std::string::npos) << Form1.musique.fileName;
  }
}

TEST(Music, WithMusicOffThePieceOpensPaused) {
  Harness h;
  h.WriteProgramFile("music/A.mid", kMidi);
  ASSERT_TRUE(h.Start());
  G.checkBoxes[2].checked = 0;
  Form1.lancemusique_aleatoire();
  EXPECT_TRUE(Form1.musique.paused());
  EXPECT_FALSE(Form1.musique.fileName.empty());
}

TEST(Music, TheNextPieceStartsWhenOneEnds) {
  Harness h;
  h.WriteProgramFile("music/A.mid", kMidi);
  ASSERT_TRUE(h.Start());
  h.Run(4100);
  Form1.musique.SimulateEnd();
  h.Tick();
  EXPECT_LT(Form1.musique.Position(), Form1.musique.Length());
}

TEST(DiagnosticsLog, KeepsTheLast101Lines) {
  Harness h;
  G.debugLog.clear();
  for (int i = 1; i <= 150; ++i) Log("ligne " + std::to_string(i));
  ASSERT_EQ(G.debugLog.size(), 101u);
  EXPECT_EQ(G.debugLog.front(), "DeBuG Info:>ligne 50");
  EXPECT_EQ(G.debugLog.back(), "DeBuG Info:>ligne 150");
}
