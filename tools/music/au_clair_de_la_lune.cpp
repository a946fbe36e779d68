// SPDX-License-Identifier: GPL-3.0-or-later
// "Au clair de la lune": the song three times, the middle time in F.
#include "arrangement.h"
#include "pieces.h"

MidiSong AuClairDeLaLune() {
  const Line a = ParseLine("C5:4 C5 C5 D5 | E5:8 D5:8 | C5:4 E5 D5 D5 | C5:16", kBar4);
  const Line b = ParseLine("D5:4 D5 D5 D5 | A4:8 A4:8 | D5:4 C5 B4 A4 | G4:16", kBar4);
  const Line tune = Join({a, a, b, a});
  const ChordList ca = ParseChords("C:16 | C:8 G:8 | C:8 G7:8 | C:16", kBar4);
  const ChordList cb = ParseChords("G:16 | D:16 | D7:16 | G:8 G7:8", kBar4);
  const ChordList chords = JoinChords({ca, ca, cb, ca});
  CheckFits(tune, chords);
  const int section = tune.length;

  MidiVoice guitar = Voice("Guitar", 0, gm::kNylonGuitar, 110, 60);
  MidiVoice strum = Voice("Guitar accompaniment", 1, gm::kNylonGuitar, 80, 46);
  MidiVoice bass = Voice("Bass", 2, gm::kAcousticBass, 90, 64);
  MidiVoice clarinet = Voice("Clarinet", 3, gm::kClarinet, 92, 72);
  MidiVoice piano = Voice("Piano", 4, gm::kPiano, 74, 52);
  MidiVoice flute = Voice("Flute", 5, gm::kFlute, 80, 76);
  MidiVoice strings = Voice("Strings", 6, gm::kStrings, 50, 64);

  // Guitar alone with its own arpeggios.
  int at = 0;
  Place(guitar, tune, at);
  Arpeggio(strum, chords, at, 48, kEighth, 70);
  Bass(bass, chords, at, 36, kQuarter, 76);
  // In F: the clarinet sings, the piano keeps the afterbeats.
  at += section;
  const ChordList inF = Transposed(chords, 5);
  Place(clarinet, tune, at, 5);
  AfterBeats(piano, inF, at, 53, kQuarter, 64);
  Bass(bass, inF, at, 36, kQuarter, 76);
  Downbeats(piano, inF, at, 41, kQuarter, 60);
  // Back home: the flute an octave up over guitar and held strings.
  at += section;
  Place(flute, tune, at, 12, 0.95);
  Place(guitar, Diatonic(tune, 0, -2), at, 0, 0.7);
  Alberti(strum, chords, at, 48, kEighth, 64);
  Sustain(strings, chords, at, 55, 54);
  Bass(bass, chords, at, 36, kQuarter, 76);
  at += section;
  const ChordList last = ParseChords("C:16", kBar4);
  Arpeggio(strum, last, at, 48, kEighth, 66);
  Sustain(strings, last, at, 55, 56);
  Downbeats(bass, last, at, 36, kBar4, 76);
  Downbeats(flute, last, at, 72, kBar4, 70);

  MidiSong song;
  song.title = "Au clair de la lune";
  song.beatsPerBar = 4;
  song.voices = {guitar, strum, bass, clarinet, piano, flute, strings};
  SetTempoWithEnding(song, 88, at, kBar4);
  return song;
}
