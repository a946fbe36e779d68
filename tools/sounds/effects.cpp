// SPDX-License-Identifier: GPL-3.0-or-later
#include "effects.h"

namespace {

// Key numbers (60 = middle C).
constexpr int C5 = 72, D5 = 74, E5 = 76, F5 = 77, G5 = 79, A5 = 81, B5 = 83;
constexpr int C6 = 84, E6 = 88, G6 = 91, C4 = 60, E4 = 64, G4 = 67, A4 = 69, B4 = 71;

Strike Ring(double length, double decay) { return Strike{0.004, decay, length, 0.08}; }

void Bell(Samples& s, double at, int key, double level, double length, double decay) {
  AddTone(s, at, KeyHz(key), level, BellPartials(), Ring(length, decay));
}

// 0: play begins. A soft two-note bell, a rising fifth, nothing urgent.
Samples StartChime() {
  Samples s = MakeSilence(1.2);
  Bell(s, 0.0, E5, 0.8, 1.1, 0.35);
  Bell(s, 0.14, B5, 0.6, 1.05, 0.3);
  LowPass(s, 5000);
  return s;
}

// 1: a menu choice. A tiny dry click: a high blip over a breath of noise.
Samples Click() {
  Samples s = MakeSilence(0.1);
  AddTone(s, 0.0, 2200, 0.7, SoftPartials(), Strike{0.0015, 0.012, 0.06, 0.02});
  AddNoiseBurst(s, 0.0, 0.025, 6000, 0.35, 11);
  return s;
}

// 2: something lands on the board. A short wooden tock that falls in pitch.
Samples DropTick() {
  Samples s = MakeSilence(0.14);
  AddTone(s, 0.0, 720, 1.0, MalletPartials(), Strike{0.002, 0.03, 0.13, 0.03}, 0.7);
  AddNoiseBurst(s, 0.0, 0.012, 2500, 0.25, 22);
  return s;
}

// 3: never played; a gentle marimba note.
Samples Marimba() {
  Samples s = MakeSilence(0.6);
  AddTone(s, 0.0, KeyHz(G4), 1.0, MalletPartials(), Strike{0.003, 0.14, 0.58, 0.08});
  return s;
}

// 4: a journey starts. A bright rising arpeggio ending on a held octave.
Samples JourneyStart() {
  Samples s = MakeSilence(1.4);
  const int keys[] = {C5, E5, G5, C6};
  for (int i = 0; i < 4; ++i) Bell(s, 0.1 * i, keys[i], 0.7, 1.35 - 0.1 * i, i == 3 ? 0.45 : 0.25);
  AddTone(s, 0.3, KeyHz(C4), 0.35, SoftPartials(), Strike{0.02, 0.5, 1.05, 0.2});
  LowPass(s, 6000);
  return s;
}

// 5: the travel pawn hops. Two quick light wooden taps, the second higher.
Samples PawnHop() {
  Samples s = MakeSilence(0.32);
  AddTone(s, 0.0, KeyHz(G5), 0.8, MalletPartials(), Strike{0.002, 0.05, 0.16, 0.04});
  AddTone(s, 0.11, KeyHz(C6), 0.8, MalletPartials(), Strike{0.002, 0.05, 0.2, 0.05});
  return s;
}

// 6: never played; a soft plucked third.
Samples PluckedThird() {
  Samples s = MakeSilence(0.7);
  AddTone(s, 0.0, KeyHz(E4), 0.8, PluckPartials(), Strike{0.003, 0.2, 0.6, 0.1});
  AddTone(s, 0.09, KeyHz(G4), 0.7, PluckPartials(), Strike{0.003, 0.2, 0.6, 0.1});
  LowPass(s, 3500);
  return s;
}

// 7: a word found or a letter placed (played twice in quick succession, so
// it must be short and not pile up). A clear little ping.
Samples Ping() {
  Samples s = MakeSilence(0.28);
  AddTone(s, 0.0, KeyHz(A5), 1.0, BellPartials(), Strike{0.002, 0.07, 0.27, 0.06});
  return s;
}

// 8: a right letter or an accepted word. Two quick rising notes.
Samples RightLetter() {
  Samples s = MakeSilence(0.42);
  AddTone(s, 0.0, KeyHz(C6), 0.8, PluckPartials(), Strike{0.002, 0.07, 0.2, 0.05});
  AddTone(s, 0.09, KeyHz(G6), 0.8, PluckPartials(), Strike{0.002, 0.1, 0.32, 0.08});
  LowPass(s, 7000);
  return s;
}

// 9: the panel slides open. A breath of noise sweeping up and back.
Samples Swish() {
  Samples s = MakeSilence(0.5);
  AddSwish(s, 0.0, 0.48, 500, 3500, 1.0, 99);
  return s;
}

// 10: never played; a soft major chord.
Samples SoftChord() {
  Samples s = MakeSilence(1.0);
  const int keys[] = {C4 + 12, E4 + 12, G4 + 12};
  for (int i = 0; i < 3; ++i)
    AddTone(s, 0.03 * i, KeyHz(keys[i]), 0.6, SoftPartials(), Strike{0.03, 0.45, 0.95 - 0.03 * i, 0.25});
  return s;
}

// 11: the game is won. A little fanfare: rising arpeggio, then a full chord.
Samples WinJingle() {
  Samples s = MakeSilence(2.6);
  const int run[] = {C5, E5, G5, C6, G5, C6};
  const double at[] = {0.0, 0.12, 0.24, 0.36, 0.6, 0.72};
  for (int i = 0; i < 6; ++i)
    AddTone(s, at[i], KeyHz(run[i]), 0.7, PluckPartials(), Strike{0.003, 0.18, 0.5, 0.1});
  const int chord[] = {C5, E5, G5, C6, E6};
  for (int i = 0; i < 5; ++i) Bell(s, 0.96 + 0.02 * i, chord[i], 0.55, 1.6, 0.6);
  AddTone(s, 0.96, KeyHz(C4), 0.5, SoftPartials(), Strike{0.01, 0.7, 1.6, 0.4});
  LowPass(s, 6000);
  return s;
}

// 12: the game is lost. Falling notes, slowing down, ending low and soft.
Samples LossJingle() {
  Samples s = MakeSilence(2.4);
  const int run[] = {G4, F5 - 12, E4, D5 - 12};
  const double at[] = {0.0, 0.28, 0.56, 0.9};
  for (int i = 0; i < 4; ++i)
    AddTone(s, at[i], KeyHz(run[i]), 0.7, SoftPartials(), Strike{0.01, 0.3, 0.5, 0.12});
  // The last note sags a little in pitch: the sigh of a lost game.
  AddTone(s, 1.25, KeyHz(C4), 0.8, SoftPartials(), Strike{0.015, 0.6, 1.1, 0.4}, 0.94);
  AddTone(s, 1.25, KeyHz(C4 - 12), 0.4, SoftPartials(), Strike{0.02, 0.6, 1.1, 0.4}, 0.94);
  LowPass(s, 3000);
  return s;
}

// 13: travel money credited. The bright double ring of a coin.
Samples Coin() {
  Samples s = MakeSilence(0.65);
  AddTone(s, 0.0, KeyHz(B5), 0.7, BellPartials(), Strike{0.002, 0.06, 0.1, 0.02});
  AddTone(s, 0.08, KeyHz(E6), 0.8, BellPartials(), Strike{0.002, 0.2, 0.56, 0.12});
  LowPass(s, 8000);
  return s;
}

}  // namespace

Samples MakeEffect(int n) {
  switch (n) {
    case 0: return StartChime();
    case 1: return Click();
    case 2: return DropTick();
    case 3: return Marimba();
    case 4: return JourneyStart();
    case 5: return PawnHop();
    case 6: return PluckedThird();
    case 7: return Ping();
    case 8: return RightLetter();
    case 9: return Swish();
    case 10: return SoftChord();
    case 11: return WinJingle();
    case 12: return LossJingle();
    case 13: return Coin();
  }
  return MakeSilence(0.1);
}
