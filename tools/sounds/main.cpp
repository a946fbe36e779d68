// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the fourteen sound effects "0.wav" ... "13.wav" into a folder.
#include <iostream>
#include <string>

#include "effects.h"
#include "wave_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_sounds FOLDER\n";
    return 2;
  }
  const std::string folder = argv[1];
  for (int n = 0; n < kEffectCount; ++n) {
    Samples s = MakeEffect(n);
    Finish(s);
    const std::string path = folder + "/" + std::to_string(n) + ".wav";
    if (!WriteWave(path, s)) {
      std::cerr << path << ": cannot write\n";
      return 1;
    }
  }
  return 0;
}
