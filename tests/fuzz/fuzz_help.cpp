// SPDX-License-Identifier: GPL-3.0-or-later
// A help page, read into the help list.
#include "fuzz_support.h"
#include "persistence/commentary.h"
#include "state/game_state.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  G.programDir = FuzzProgramFolder();
  G.helpFileName[0] = "aide.txt";
  WriteFuzzFile("aide/aide.txt", data, size);
  ChargeAide(0);
  return 0;
}
