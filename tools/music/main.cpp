// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the background music, one Standard MIDI File per piece, into a folder.
#include <fstream>
#include <iostream>
#include <string>

#include "pieces.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_music FOLDER\n";
    return 2;
  }
  for (const Piece& p : AllPieces()) {
    const std::string path = std::string(argv[1]) + "/" + p.fileName;
    const std::string bytes = EncodeMidi(p.song);
    std::ofstream f(path, std::ios::binary);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!f) {
      std::cerr << path << ": cannot write\n";
      return 1;
    }
    std::cout << p.fileName << ": " << static_cast<int>(SongSeconds(p.song)) << " s\n";
  }
  return 0;
}
