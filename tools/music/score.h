// SPDX-License-Identifier: GPL-3.0-or-later
// Writing music down: a compact text notation for lines and chords, and the
// accompaniment figures the arrangements are built from.
//
// A line is a list of notes such as "C5:4 D5 E5:8 R:4 F#4:2". Each note is a
// letter, an optional '#' or 'b', an octave (4 holds middle C), then ':' and
// a length in sixteenths (4 a quarter, 8 a half, 12 a dotted half); without
// a length the note keeps the one before it. "R" is a rest; "|" marks a bar
// and is only there for the reader.
//
// A chord list is written the same way with chord names: "C:16 G7:8 Am:8".
// Qualities: major (none), "m", "7", "m7", "maj7", "dim".
#pragma once
#include <string>
#include <vector>

#include "midi_file.h"

constexpr int kSixteenth = kTicksPerQuarter / 4;

struct Line {
  std::vector<MidiNote> notes;  // starts from tick 0
  int length = 0;               // ticks, rests included
};

struct Chord {
  int start;   // ticks from the start of the list
  int length;
  int root;    // pitch class 0-11 (0 = C)
  std::vector<int> intervals;  // semitones above the root, root included
};

struct ChordList {
  std::vector<Chord> chords;
  int length = 0;
};

// With `barTicks`, every "|" must fall on a bar line (a slip in the
// transcription stops the build).
Line ParseLine(const std::string& text, int barTicks = 0, int velocity = 84);
ChordList ParseChords(const std::string& text, int barTicks = 0);
// Stops the build when a tune and its chords are not the same length.
void CheckFits(const Line& line, const ChordList& chords);
Line Join(const std::vector<Line>& parts);
ChordList JoinChords(const std::vector<ChordList>& parts);

// Moves every note `steps` degrees along the major scale of `keyRoot`
// (pitch class), e.g. -2 gives a line a third below that stays in key.
Line Diatonic(const Line& line, int keyRoot, int steps);
// Running decoration: each note of a quarter or longer becomes two eighths,
// the note and its upper neighbour in the key; a longer note then goes back
// to the note for the rest of its length.
Line Decorate(const Line& line, int keyRoot);

// Copies a line into a voice at `at` ticks, shifted by `transpose` semitones,
// with velocities scaled by `loudness` (1 = as written).
void Place(MidiVoice& voice, const Line& line, int at, int transpose = 0, double loudness = 1.0);

// Accompaniment figures over a chord list placed at `at` ticks. Chord tones
// are voiced upwards from `low` (a key number); `beat` is the beat length.
// Bass: root on the first beat of each chord, the fifth above it on the
// middle beat of chords of four beats or more (above, so that a cello never
// goes under its lowest string).
void Bass(MidiVoice& voice, const ChordList& chords, int at, int low, int beat, int velocity);
// Broken chord: the tones played one by one in `step`-tick notes, in the
// order root, fifth, third, fifth (the classical Alberti figure).
void Alberti(MidiVoice& voice, const ChordList& chords, int at, int low, int step, int velocity);
// Arpeggio root, third, fifth, octave, fifth, third, each note ringing into
// the next.
void Arpeggio(MidiVoice& voice, const ChordList& chords, int at, int low, int step, int velocity);
// Block chords on every beat but the first (a waltz or an afterbeat).
void AfterBeats(MidiVoice& voice, const ChordList& chords, int at, int low, int beat, int velocity);
// Held chords, one per chord of the list.
void Sustain(MidiVoice& voice, const ChordList& chords, int at, int low, int velocity);
// One note per chord on its first beat: the root, in the given register.
void Downbeats(MidiVoice& voice, const ChordList& chords, int at, int low, int length, int velocity);
