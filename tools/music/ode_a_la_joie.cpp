// SPDX-License-Identifier: GPL-3.0-or-later
// The "Ode to Joy" theme from Beethoven's ninth symphony, in D, four times
// with the band growing.
#include "arrangement.h"
#include "pieces.h"

MidiSong OdeALaJoie() {
  const int up = 2;  // written in C, played in D
  const Line a1 = ParseLine("E5:4 E5 F5 G5 | G5 F5 E5 D5 | C5 C5 D5 E5 | E5:6 D5:2 D5:8", kBar4);
  const Line a2 = ParseLine("E5:4 E5 F5 G5 | G5 F5 E5 D5 | C5 C5 D5 E5 | D5:6 C5:2 C5:8", kBar4);
  const Line b = ParseLine(
      "D5:4 D5 E5 C5 | D5:4 E5:2 F5:2 E5:4 C5:4 | D5:4 E5:2 F5:2 E5:4 D5:4 | C5:4 D5:4 G4:8", kBar4);
  const Line tune = Join({a1, a2, b, a2});
  const ChordList chords = Transposed(JoinChords({
      ParseChords("C:16 | G:16 | C:16 | C:8 G:8", kBar4),
      ParseChords("C:16 | G:16 | C:16 | G:8 C:8", kBar4),
      ParseChords("G:8 C:8 | G:8 C:8 | G:8 C:8 | Am:4 D7:4 G:8", kBar4),
      ParseChords("C:16 | G:16 | C:16 | G:8 C:8", kBar4)}), up);
  CheckFits(tune, chords);
  const int section = tune.length;

  MidiVoice piano = Voice("Piano", 0, gm::kPiano, 100, 60);
  MidiVoice leftHand = Voice("Piano left hand", 1, gm::kPiano, 76, 56);
  MidiVoice horn = Voice("Horn", 2, gm::kFrenchHorn, 86, 70);
  MidiVoice strings = Voice("Strings", 3, gm::kStrings, 62, 64);
  MidiVoice cello = Voice("Cello", 4, gm::kCello, 84, 46);
  MidiVoice flute = Voice("Flute", 5, gm::kFlute, 84, 80);
  MidiVoice clarinet = Voice("Clarinet", 6, gm::kClarinet, 80, 48);
  MidiVoice harp = Voice("Harp", 7, gm::kHarp, 60, 36);
  MidiVoice violin = Voice("Violin", 8, gm::kViolin, 82, 68);
  MidiVoice timpani = Voice("Timpani", 10, gm::kTimpani, 56, 64);

  int at = 0;
  Place(piano, tune, at, up);
  Alberti(leftHand, chords, at, 50, kEighth, 64);
  at += section;
  Place(horn, tune, at, up - 12);
  Sustain(strings, chords, at, 57, 56);
  Bass(cello, chords, at, 38, kQuarter, 74);
  at += section;
  Place(flute, tune, at, up);
  Place(clarinet, Diatonic(tune, 0, -2), at, up, 0.85);
  Arpeggio(harp, chords, at, 50, kEighth, 66);
  Bass(cello, chords, at, 38, kQuarter, 70);
  at += section;
  Place(violin, tune, at, up);
  Place(flute, tune, at, up + 12, 0.7);
  Place(horn, Diatonic(tune, 0, -2), at, up - 12, 0.8);
  Sustain(strings, chords, at, 57, 50);
  Bass(cello, chords, at, 38, kQuarter, 68);
  Downbeats(timpani, chords, at, 38, kQuarter, 70);
  at += section;
  const ChordList last = ParseChords("D:16", kBar4);
  Sustain(strings, last, at, 57, 64);
  Downbeats(cello, last, at, 38, kBar4, 80);
  Downbeats(violin, last, at, 74, kBar4, 84);
  Downbeats(flute, last, at, 86, kBar4, 72);
  Downbeats(timpani, last, at, 38, kQuarter, 80);

  MidiSong song;
  song.title = "Ode a la joie";
  song.beatsPerBar = 4;
  song.voices = {piano, leftHand, horn, strings, cello, flute, clarinet, harp, violin, timpani};
  SetTempoWithEnding(song, 108, at, kBar4);
  return song;
}
