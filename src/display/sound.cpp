// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/sound.h"

#include <string>

#include "display/log.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "state/forms.h"
#include "state/game_state.h"

void LoadSounds() {
  for (int n = 0; n <= 13; ++n) {
    const std::string path = G.programDir + "Sons\\" + std::to_string(n) + ".wav";
    Log("Son " + path + " chargé");
    // A missing or bad wave leaves its slot silent; the game goes on. Without
    // a sound output no wave loads, and nothing is wrong with the files.
    if (WaveLoad(n, path)) continue;
    if (!FileExists(path)) LogProblem("Fichier " + path + " absent. Non Chargé..");
    else if (AudioFileTooLarge(path, kMostWaveBytes))
      LogProblem("Fichier " + path + " trop grand (" + std::to_string(FileSize(path)) + " octets, au plus " +
                 std::to_string(kMostWaveBytes) + "). Non Chargé..");
    else if (AudioReady()) LogProblem("Fichier " + path + " illisible. Non Chargé..");
    else Log("Fichier " + path + " non chargé (pas de sortie son)");
  }
}

void PlaySound(int n) {
  if (!SoundsOn()) return;
  if (!WavePlay(n)) Log("son impossible à jouer");
}

// The music draws from a generator of its own: a piece that starts while a
// board is being built must not change the board's draws.
static int MusicRandom(int k) {
  static uint32_t seed = 0;
  seed = (seed ^ Now()) * 134775813u + 1u;
  return static_cast<int>((static_cast<uint64_t>(seed) * static_cast<uint32_t>(k)) >> 32);
}

void TForm1::lancemusique_aleatoire() {
  const std::vector<std::string> files = ListFolder(Form2.FileListBox3Directory, Form2.FileListBox3Mask);
  // The last piece of the list is never chosen (c - 1 choices); with one file
  // the first is taken. With none there is nothing to play.
  if (files.empty()) {
    Log("musique impossible à ouvrir");
    return;
  }
  const int count = static_cast<int>(files.size());
  const int r = count > 1 ? MusicRandom(count - 1) : 0;
  const std::string path = G.programDir + "music\\" + files[r];
  if (!musique.Open(path)) {
    // With a sound output, a piece that does not open is a file to mend.
    if (AudioFileTooLarge(path, kMostMusicBytes))
      LogProblem("musique trop grande (" + std::to_string(FileSize(path)) + " octets, au plus " +
                 std::to_string(kMostMusicBytes) + ") : " + path);
    else if (AudioReady()) LogProblem("musique impossible à ouvrir : " + path);
    else Log("musique impossible à ouvrir");
    return;
  }
  if (!musique.Rewind() || !musique.Play()) {
    Log("musique impossible à jouer");
    return;
  }
  if (!MusicOn()) musique.Pause();
}
