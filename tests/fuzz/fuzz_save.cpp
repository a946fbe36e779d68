// SPDX-License-Identifier: GPL-3.0-or-later
// The saved-game loader: the first 70 823 bytes of the input are the record
// file, the rest its word list.
#include <algorithm>

#include "fuzz_support.h"
#include "persistence/saved_games.h"
#include "state/game_state.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ResetFuzzState();
  G.commentaryText[50] = FuzzProgramFolder();
  const size_t records = std::min<size_t>(size, 70823);
  WriteFuzzFile("SAVE/partie.sa1", data, records);
  WriteFuzzFile("SAVE/partie.sa2", data + records, size - records);
  LoadGame("partie");
  return 0;
}
