// SPDX-License-Identifier: GPL-3.0-or-later
// The crossword grid reader: every size key a game asks for, each grid of it
// selected and its words collected.
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "games/grid_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  WriteFuzzFile("bin/grilles.txt", data, size);
  TjsysGrille reader;
  reader.LoadFile(FuzzProgramFolder() + "bin/grilles.txt");
  for (const char* key : {"5x5", "7x7", "9x9", "10x10", "13x13", "15x15", "20x20", "51x51", "x", ""}) {
    const int count = reader.CountGrids(key);
    for (int n = 0; n <= count + 1 && n <= 4; ++n) {
      reader.SelectGrid(key, n);
      std::vector<std::string> words;
      reader.CollectWords(words);
    }
  }
  return 0;
}
