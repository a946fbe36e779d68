// SPDX-License-Identifier: GPL-3.0-or-later
// The proverb loader: a proverb chosen from every possible start line.
#include <string>

#include "fuzz_support.h"
#include "games/proverbs.h"
#include "state/game_state.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  G.programDir = FuzzProgramFolder();
  WriteFuzzFile("bin/panglais.txt", data, size);
  std::string text;
  for (int draw = 0; draw < 4; ++draw) ChooseProverb(G.programDir + "\\bin\\panglais.txt", text);
  G.wordList.clear();
  return 0;
}
