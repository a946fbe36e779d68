// SPDX-License-Identifier: GPL-3.0-or-later
// The Minuet in G from the Anna Magdalena Bach notebook: first on the
// harpsichord with its repeats, then once through for strings.
#include "arrangement.h"
#include "pieces.h"

MidiSong MenuetEnSol() {
  const int key = 7;  // G major
  const Line a = ParseLine(
      "D5:4 G4:2 A4 B4 C5 | D5:4 G4 G4 | E5:4 C5:2 D5 E5 F#5 | G5:4 G4 G4 | "
      "C5:4 D5:2 C5 B4 A4 | B4:4 C5:2 B4 A4 G4 | F#4:4 G4:2 A4 B4 G4 | A4:12 | "
      "D5:4 G4:2 A4 B4 C5 | D5:4 G4 G4 | E5:4 C5:2 D5 E5 F#5 | G5:4 G4 G4 | "
      "C5:4 D5:2 C5 B4 A4 | B4:4 C5:2 B4 A4 G4 | A4:4 B4:2 A4 G4 F#4 | G4:12", kBar3);
  const Line b = ParseLine(
      "B5:4 G5:2 A5 B5 G5 | A5:4 D5:2 E5 F#5 D5 | G5:4 E5:2 F#5 G5 D5 | C#5:4 B4:2 C#5 A4:4 | "
      "A4:2 B4 C#5 D5 E5 F#5 | G5:4 F#5 E5 | F#5:4 A4 C#5 | D5:12 | "
      "D5:4 G4:2 F#4 G4:4 | E5:4 G4:2 F#4 G4:4 | D5:4 C5 B4 | A4:2 G4 F#4 G4 A4:4 | "
      "D4:2 E4 F#4 G4 A4 B4 | C5:4 B4 A4 | B4:2 D5 G4:4 F#4 | G4:12", kBar3);
  const ChordList ca = ParseChords(
      "G:12 G C G | C G D D | G G C G | C G D7 G", kBar3);
  const ChordList cb = ParseChords(
      "G:12 D G A | A Em A7 D | G C G D7 | G Am G:6 D7:6 G:12", kBar3);
  CheckFits(a, ca);
  CheckFits(b, cb);

  MidiVoice harpsichord = Voice("Harpsichord", 0, gm::kHarpsichord, 127, 60);
  MidiVoice leftHand = Voice("Harpsichord left hand", 1, gm::kHarpsichord, 110, 54);
  MidiVoice violin = Voice("Violin", 2, gm::kViolin, 88, 72);
  MidiVoice strings = Voice("Strings", 3, gm::kStrings, 56, 56);
  MidiVoice cello = Voice("Cello", 4, gm::kCello, 76, 44);
  MidiVoice flute = Voice("Flute", 5, gm::kFlute, 66, 84);

  // Harpsichord: A A B B, the left hand on the bass of each bar.
  int at = 0;
  for (int repeat = 0; repeat < 2; ++repeat, at += a.length) {
    Place(harpsichord, a, at, 0, 1.2);
    Bass(leftHand, ca, at, 43, kQuarter, 92);
  }
  for (int repeat = 0; repeat < 2; ++repeat, at += b.length) {
    Place(harpsichord, b, at, 0, 1.2);
    Bass(leftHand, cb, at, 43, kQuarter, 92);
  }
  // Strings: the violin leads over a waltzing accompaniment; the flute
  // joins a third above in the second half.
  Place(violin, a, at);
  AfterBeats(strings, ca, at, 55, kQuarter, 60);
  Bass(cello, ca, at, 36, kQuarter, 76);
  at += a.length;
  Place(violin, b, at);
  Place(flute, Diatonic(b, key, 2), at, 0, 0.8);
  AfterBeats(strings, cb, at, 55, kQuarter, 60);
  Bass(cello, cb, at, 36, kQuarter, 76);
  at += b.length;
  const ChordList last = ParseChords("G:12", kBar3);
  Sustain(strings, last, at, 55, 60);
  Downbeats(cello, last, at, 31, kBar3, 76);
  Downbeats(violin, last, at, 67, kBar3, 80);

  MidiSong song;
  song.title = "Menuet en sol";
  song.beatsPerBar = 3;
  song.voices = {harpsichord, leftHand, violin, strings, cello, flute};
  SetTempoWithEnding(song, 120, at, kBar3);
  return song;
}
