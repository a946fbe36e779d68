// SPDX-License-Identifier: GPL-3.0-or-later
// Shared pieces of the arrangements: note lengths, voices, endings.
#pragma once
#include <string>

#include "midi_file.h"
#include "score.h"

constexpr int kQuarter = kTicksPerQuarter;
constexpr int kEighth = kQuarter / 2;
constexpr int kBar4 = 4 * kQuarter;  // a bar of 4/4
constexpr int kBar3 = 3 * kQuarter;  // a bar of 3/4

// General MIDI programs (0-based) that the freepats set has patches for.
namespace gm {
constexpr int kPiano = 0, kHarpsichord = 6, kNylonGuitar = 24, kAcousticBass = 32;
constexpr int kViolin = 40, kCello = 42, kPizzicato = 45, kHarp = 46, kTimpani = 47;
constexpr int kStrings = 48, kFrenchHorn = 60, kOboe = 68, kBassoon = 70;
constexpr int kClarinet = 71, kFlute = 73;
}  // namespace gm

MidiVoice Voice(const std::string& name, int channel, int program, int volume, int pan);
ChordList Transposed(const ChordList& chords, int semitones);

// Sets the song's tempo, slowing over the two bars before `finalBar` down
// to three quarters of it, and ends every track one beat after the final
// bar (held chords need a moment to die away).
void SetTempoWithEnding(MidiSong& song, double bpm, int finalBar, int barTicks);
