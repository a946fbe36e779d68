// SPDX-License-Identifier: GPL-3.0-or-later
// A small Standard MIDI File writer: format 1, one tempo track then one
// track per voice, 480 ticks per quarter note. Note-offs are written as
// note-ons of velocity 0 under running status, which keeps files small.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

constexpr int kTicksPerQuarter = 480;

struct TempoChange {
  int tick;
  double bpm;
};

struct MidiNote {
  int start;  // ticks
  int length;
  int key;
  int velocity;
};

struct MidiVoice {
  std::string name;
  int channel = 0;
  int program = 0;  // General MIDI, 0-based
  int volume = 100;
  int pan = 64;
  int reverb = 40;
  std::vector<MidiNote> notes;
};

struct MidiSong {
  std::string title;
  int beatsPerBar = 4;
  std::vector<TempoChange> tempos;  // first one at tick 0
  std::vector<MidiVoice> voices;
  int endTick = 0;  // every track ends here
};

std::string EncodeMidi(const MidiSong& song);

// Length of the song in seconds, following its tempo changes.
double SongSeconds(const MidiSong& song);
