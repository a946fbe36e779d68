// SPDX-License-Identifier: GPL-3.0-or-later
// A Standard MIDI File reader for the music checks: header, tracks, delta
// times, running status, meta and system-exclusive events.
#pragma once
#include <cstdint>
#include <set>
#include <string>
#include <vector>

struct MidiInfo {
  std::string error;  // empty when the file is well formed
  int format = -1;
  int division = 0;   // ticks per quarter note
  int trackCount = 0;
  std::vector<std::pair<uint32_t, uint32_t>> tempos;  // tick, microseconds per quarter
  uint32_t lastTick = 0;   // the latest end-of-track
  int noteCount = 0;
  int unmatchedNotes = 0;  // note-ons never switched off
  std::set<int> programs;  // program changes on melodic channels (0-based)
  std::set<int> drumKeys;  // keys played on channel 10
  std::set<int> melodicChannelsWithoutProgram;  // channels that play before any program change
};

MidiInfo ReadMidi(const std::string& bytes);
// Length in seconds from the tempo map (120 bpm until the first tempo).
double MidiSeconds(const MidiInfo& m);
