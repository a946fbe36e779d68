// SPDX-License-Identifier: GPL-3.0-or-later
// "Ah ! vous dirai-je, maman": the theme, two variations and the theme again.
#include "arrangement.h"
#include "pieces.h"

MidiSong AhVousDiraiJeMaman() {
  const int key = 0;  // C major
  const Line a = ParseLine("C5:4 C5 G5 G5 | A5 A5 G5:8 | F5:4 F5 E5 E5 | D5 D5 C5:8", kBar4);
  const Line b = ParseLine("G5:4 G5 F5 F5 | E5 E5 D5:8 | G5:4 G5 F5 F5 | E5 E5 D5:8", kBar4);
  const Line theme = Join({a, b, a});
  const ChordList ca = ParseChords("C:16 | F:8 C:8 | F:8 C:8 | G:8 C:8", kBar4);
  const ChordList cb = ParseChords("C:8 G7:8 | C:8 G:8 | C:8 G7:8 | C:8 G:8", kBar4);
  const ChordList chords = JoinChords({ca, cb, ca});
  CheckFits(theme, chords);
  const int section = theme.length;

  MidiVoice piano = Voice("Piano", 0, gm::kPiano, 100, 60);
  MidiVoice leftHand = Voice("Piano left hand", 1, gm::kPiano, 78, 56);
  MidiVoice flute = Voice("Flute", 2, gm::kFlute, 80, 70);
  MidiVoice harp = Voice("Harp", 3, gm::kHarp, 66, 44);
  MidiVoice cello = Voice("Cello", 4, gm::kCello, 80, 50);
  MidiVoice violin = Voice("Violin", 5, gm::kViolin, 92, 76);
  MidiVoice clarinet = Voice("Clarinet", 6, gm::kClarinet, 76, 50);
  MidiVoice strings = Voice("Strings", 7, gm::kStrings, 64, 64);
  MidiVoice pizzicato = Voice("Pizzicato", 8, gm::kPizzicato, 84, 40);

  // The theme, plainly, over a broken-chord left hand.
  int at = 0;
  Place(piano, theme, at);
  Alberti(leftHand, chords, at, 48, kEighth, 66);
  // First variation: the flute decorates the tune, harp and cello below.
  at += section;
  Place(flute, Decorate(theme, key), at);
  Arpeggio(harp, chords, at, 48, kEighth, 70);
  Bass(cello, chords, at, 36, kQuarter, 72);
  // Second variation: violin with the clarinet a third below, held strings.
  at += section;
  Place(violin, theme, at);
  Place(clarinet, Diatonic(theme, key, -2), at, 0, 0.85);
  Sustain(strings, chords, at, 55, 60);
  Bass(pizzicato, chords, at, 36, kQuarter, 80);
  // The theme once more, an octave up, and a last chord.
  at += section;
  Place(piano, theme, at, 12, 0.95);
  Place(piano, theme, at, 0, 0.7);
  Alberti(leftHand, chords, at, 48, kEighth, 62);
  Bass(cello, chords, at, 36, kQuarter, 60);
  at += section;
  const ChordList last = ParseChords("C:16", kBar4);
  Sustain(piano, last, at, 60, 80);
  Sustain(strings, last, at, 55, 60);
  Downbeats(cello, last, at, 36, kBar4, 70);
  Downbeats(leftHand, last, at, 36, kBar4, 70);

  MidiSong song;
  song.title = "Ah ! vous dirai-je, maman";
  song.beatsPerBar = 4;
  song.voices = {piano, leftHand, flute, harp, cello, violin, clarinet, strings, pizzicato};
  SetTempoWithEnding(song, 100, at, kBar4);
  return song;
}
