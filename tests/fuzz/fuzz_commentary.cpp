// SPDX-License-Identifier: GPL-3.0-or-later
// The commentary file, read into the table.
#include "fuzz_support.h"
#include "persistence/commentary.h"
#include "state/game_state.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  G.programDir = FuzzProgramFolder();
  WriteFuzzFile("txt/Commentaires.dta", data, size);
  ChargeCommentaires();
  Comment(51);
  DataFolderPrefix();
  return 0;
}
