// SPDX-License-Identifier: GPL-3.0-or-later
#include "arrangement.h"

MidiVoice Voice(const std::string& name, int channel, int program, int volume, int pan) {
  MidiVoice v;
  v.name = name;
  v.channel = channel;
  v.program = program;
  v.volume = volume;
  v.pan = pan;
  return v;
}

ChordList Transposed(const ChordList& chords, int semitones) {
  ChordList out = chords;
  for (Chord& c : out.chords) c.root = ((c.root + semitones) % 12 + 12) % 12;
  return out;
}

void SetTempoWithEnding(MidiSong& song, double bpm, int finalBar, int barTicks) {
  song.tempos.push_back({0, bpm});
  // One step a beat: a smooth enough slowing for a listener.
  const int beats = 2 * barTicks / kQuarter;
  const int from = finalBar - 2 * barTicks;
  for (int i = 1; i <= beats; ++i)
    song.tempos.push_back({from + i * kQuarter, bpm * (1.0 - 0.25 * i / beats)});
  song.endTick = finalBar + barTicks + kQuarter;
}
