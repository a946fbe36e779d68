// SPDX-License-Identifier: GPL-3.0-or-later
// The background music: traditional French tunes and classical pieces long
// in the public domain, arranged for a few General MIDI instruments.
#pragma once
#include <string>
#include <vector>

#include "midi_file.h"

struct Piece {
  std::string fileName;
  MidiSong song;
};

MidiSong AhVousDiraiJeMaman();
MidiSong AuClairDeLaLune();
MidiSong FrereJacques();
MidiSong MenuetEnSol();
MidiSong OdeALaJoie();

// Every piece with its file name. The game never plays the last file of its
// sorted music list, so the names are letters only (no sorting surprises)
// and the piece that sorts last is the one we can best spare.
std::vector<Piece> AllPieces();
