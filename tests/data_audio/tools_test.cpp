// SPDX-License-Identifier: GPL-3.0-or-later
// The pieces the data tools are made of: the music notation, the MIDI
// writer read back by an independent reader, and the sound finishing.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "midi_file.h"
#include "midi_reader.h"
#include "score.h"
#include "synth.h"
#include "wave_file.h"

namespace {

constexpr int kBar = 4 * kTicksPerQuarter;

std::vector<int> Keys(const Line& line) {
  std::vector<int> keys;
  for (const MidiNote& n : line.notes) keys.push_back(n.key);
  return keys;
}

}  // namespace

TEST(Notation, NotesAccidentalsLengthsAndRests) {
  const Line line = ParseLine("C4:4 C#4 Bb3:2 R:6 | A4:16", kBar);
  EXPECT_EQ(Keys(line), (std::vector<int>{60, 61, 58, 69}));
  ASSERT_EQ(line.notes.size(), 4u);
  EXPECT_EQ(line.notes[1].length, kTicksPerQuarter);  // the length carries on
  EXPECT_EQ(line.notes[2].length, kTicksPerQuarter / 2);
  EXPECT_EQ(line.notes[3].start, kBar);  // after the rest
  EXPECT_EQ(line.length, 2 * kBar);
  // A bar line that does not fall on a bar, or a half-finished bar, is a
  // slip of the transcription.
  EXPECT_THROW(ParseLine("C4:4 | D4:12", kBar), std::runtime_error);
  EXPECT_THROW(ParseLine("C4:4 D4", kBar), std::runtime_error);
  EXPECT_THROW(ParseLine("H4:4"), std::runtime_error);
}

TEST(Notation, ChordsAndDiatonicShifts) {
  const ChordList chords = ParseChords("Am:8 G7:8 | F#dim:16", kBar);
  ASSERT_EQ(chords.chords.size(), 3u);
  EXPECT_EQ(chords.chords[0].root, 9);
  EXPECT_EQ(chords.chords[0].intervals, (std::vector<int>{0, 3, 7}));
  EXPECT_EQ(chords.chords[1].intervals, (std::vector<int>{0, 4, 7, 10}));
  EXPECT_EQ(chords.chords[2].root, 6);
  EXPECT_EQ(chords.chords[2].start, kBar);
  EXPECT_THROW(ParseChords("Csus:16"), std::runtime_error);

  // A third below in C stays on the white keys; in G it keeps the F sharp.
  EXPECT_EQ(Keys(Diatonic(ParseLine("C5:4 E5 G5 B5"), 0, -2)), (std::vector<int>{69, 72, 76, 79}));
  EXPECT_EQ(Keys(Diatonic(ParseLine("B4:4 A4 G4 D4"), 7, -2)), (std::vector<int>{67, 66, 64, 59}));
  EXPECT_EQ(Keys(Diatonic(ParseLine("C3:4"), 0, 7)), (std::vector<int>{60}));
}

TEST(MidiWriter, WhatItWritesReadsBackTheSame) {
  MidiSong song;
  song.title = "test";
  song.tempos = {{0, 120}, {kBar, 60}};
  song.endTick = 2 * kBar;
  MidiVoice flute;
  flute.channel = 0;
  flute.program = 73;
  MidiVoice cello;
  cello.channel = 1;
  cello.program = 42;
  // Repeated notes of one key, back to back: each must be switched off
  // before the next one starts.
  for (int i = 0; i < 8; ++i) flute.notes.push_back({i * kTicksPerQuarter, kTicksPerQuarter, 72, 90});
  cello.notes.push_back({0, 2 * kBar, 36, 70});
  flute.notes.push_back({kBar, 0, 80, 90});  // no length: left out
  song.voices = {flute, cello};

  const MidiInfo m = ReadMidi(EncodeMidi(song));
  ASSERT_EQ(m.error, "");
  EXPECT_EQ(m.format, 1);
  EXPECT_EQ(m.trackCount, 3);
  EXPECT_EQ(m.division, kTicksPerQuarter);
  EXPECT_EQ(m.noteCount, 9);
  EXPECT_EQ(m.unmatchedNotes, 0);
  EXPECT_EQ(m.programs, (std::set<int>{42, 73}));
  EXPECT_EQ(m.lastTick, static_cast<uint32_t>(2 * kBar));
  EXPECT_DOUBLE_EQ(MidiSeconds(m), 2.0 + 4.0);
  EXPECT_DOUBLE_EQ(SongSeconds(song), 6.0);
}

TEST(SoundFinishing, EvenLoudnessUnderTheCeilingAndQuietEnds) {
  // A loud tone sitting on a DC offset, and a very quiet one.
  Samples loud = MakeSilence(0.5), quiet = MakeSilence(0.5);
  for (size_t i = 0; i < loud.size(); ++i) {
    loud[i] = 0.3 + 0.9 * std::sin(2 * M_PI * 440.0 * i / kSampleRate);
    quiet[i] = 0.01 * std::sin(2 * M_PI * 440.0 * i / kSampleRate);
  }
  for (Samples* s : {&loud, &quiet}) {
    Finish(*s);
    double peak = 0, sum = 0;
    for (double v : *s) peak = std::max(peak, std::fabs(v));
    for (size_t i = s->size() / 4; i < s->size() * 3 / 4; ++i) sum += (*s)[i] * (*s)[i];
    EXPECT_LE(peak, kPeakCeiling + 1e-9);
    EXPECT_NEAR(std::sqrt(sum / (s->size() / 2)), kTargetRms, kTargetRms * 0.1);
    EXPECT_LT(std::fabs(s->front()), 1e-3);
    EXPECT_LT(std::fabs(s->back()), 1e-3);
  }
}
