// SPDX-License-Identifier: GPL-3.0-or-later
// The word-list loader, then the look-ups every game makes on the store.
#include <string>

#include "fuzz_support.h"
#include "state/game_state.h"
#include "words/word_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  G.programDir = FuzzProgramFolder();
  WriteFuzzFile("bin/fleurs.txt", data, size);
  LoadWordList(3);
  for (int length = 0; length <= 30; ++length) {
    const int count = wordCount[length];
    StoredWord(length, 1);
    const std::string last = StoredWord(length, count);
    StoredWord(length, count + 1);
    IsWord(last);
  }
  IsWord(FoldAccents(std::string(reinterpret_cast<const char*>(data), size > 30 ? 30 : size)));
  ClearWordStore();
  return 0;
}
