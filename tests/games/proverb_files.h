// SPDX-License-Identifier: GPL-3.0-or-later
// Proverb files of one short proverb, for the hangman of the French proverbs
// and the proverbs of May.
#pragma once
#include <string>

#include "harness/harness.h"

inline void WriteProverbFiles(Harness& h) {
  std::string proverbs = ".\r\n";
  for (int i = 0; i < 8; ++i) proverbs += "Petit a petit\r\nl'oiseau fait son nid\r\n.\r\n";
  h.WriteProgramFile("bin/pfrancais.txt", proverbs);
  h.WriteProgramFile("bin/pMai.txt", proverbs);
}
