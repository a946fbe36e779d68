// SPDX-License-Identifier: GPL-3.0-or-later
// "Frère Jacques": the tune alone, then as a round for four woodwinds over
// a plucked ostinato, then everybody together.
#include "arrangement.h"
#include "pieces.h"

MidiSong FrereJacques() {
  const Line tune = ParseLine(
      "C5:4 D5 E5 C5 | C5 D5 E5 C5 | E5 F5 G5:8 | E5:4 F5 G5:8 | "
      "G5:2 A5 G5 F5 E5:4 C5 | G5:2 A5 G5 F5 E5:4 C5 | C5:4 G4 C5:8 | C5:4 G4 C5:8", kBar4);
  const Line ostinato = ParseLine("C3:4 G2 C3 G2", kBar4);
  const ChordList home = ParseChords("C:16 C:16", kBar4);

  MidiVoice flute = Voice("Flute", 0, gm::kFlute, 70, 64);
  MidiVoice clarinet = Voice("Clarinet", 1, gm::kClarinet, 64, 40);
  MidiVoice oboe = Voice("Oboe", 2, gm::kOboe, 58, 88);
  MidiVoice bassoon = Voice("Bassoon", 3, gm::kBassoon, 66, 52);
  MidiVoice pizzicato = Voice("Pizzicato", 4, gm::kPizzicato, 64, 70);
  MidiVoice harp = Voice("Harp", 5, gm::kHarp, 60, 30);
  MidiVoice strings = Voice("Strings", 6, gm::kStrings, 48, 64);

  // Two bars of ostinato, the flute alone, then the round: each voice enters
  // two bars after the one before and sings the tune three times.
  const int roundStart = 2 * kBar4 + tune.length;
  const int roundEnd = roundStart + 6 * kBar4 + 3 * tune.length;
  Place(flute, tune, 2 * kBar4);
  MidiVoice* voices[4] = {&flute, &clarinet, &oboe, &bassoon};
  const int octave[4] = {0, 0, 0, -12};
  for (int v = 0; v < 4; ++v)
    for (int time = 0; time < 3; ++time)
      Place(*voices[v], tune, roundStart + v * 2 * kBar4 + time * tune.length, octave[v], 0.92);
  // Together at the end, in octaves, with harp and held strings.
  const int tutti = roundEnd;
  Place(flute, tune, tutti, 12, 0.85);
  Place(clarinet, tune, tutti, 0, 0.8);
  Place(oboe, tune, tutti, 0, 0.7);
  Place(bassoon, tune, tutti, -12, 0.8);
  const int finalBar = tutti + tune.length;
  for (int at = tutti; at < finalBar; at += home.length) {
    Arpeggio(harp, home, at, 48, kEighth, 66);
    Sustain(strings, home, at, 48, 54);
  }
  for (int at = 0; at < finalBar; at += ostinato.length) Place(pizzicato, ostinato, at, 0, 0.95);
  const ChordList last = ParseChords("C:16", kBar4);
  Sustain(strings, last, finalBar, 48, 60);
  Downbeats(flute, last, finalBar, 72, kBar4, 76);
  Downbeats(clarinet, last, finalBar, 64, kBar4, 70);
  Downbeats(bassoon, last, finalBar, 48, kBar4, 76);
  Downbeats(pizzicato, last, finalBar, 36, kQuarter, 84);
  Downbeats(harp, last, finalBar, 48, kBar4, 70);

  MidiSong song;
  song.title = "Frere Jacques";
  song.beatsPerBar = 4;
  song.voices = {flute, clarinet, oboe, bassoon, pizzicato, harp, strings};
  SetTempoWithEnding(song, 112, finalBar, kBar4);
  return song;
}
