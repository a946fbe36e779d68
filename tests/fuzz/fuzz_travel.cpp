// SPDX-License-Identifier: GPL-3.0-or-later
// The travel countries file, read into the map.
#include "fuzz_support.h"
#include "state/game_state.h"
#include "travel/travel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  G.programDir = FuzzProgramFolder();
  WriteFuzzFile("txt/voyage.dta", data, size);
  Chargepays();
  return 0;
}
