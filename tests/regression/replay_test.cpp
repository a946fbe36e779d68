// SPDX-License-Identifier: GPL-3.0-or-later
// A recorded session replayed headless, checked against the state dump it
// left when it was recorded: the saved records, byte for byte. Any change in
// the tick, the handlers, the menus or the hangman that alters what a player
// would see shows up here. To record the dump again after a deliberate
// change, run this test with LETTRARIUM_RECORD=1 and commit the new file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "harness/harness.h"
#include "platform/keys.h"
#include "state/game_state.h"

namespace {

const std::string kDump = std::string(SOURCE_DIR) + "/tests/regression/data/hangman_session.dump";

const char* RecordAt(size_t offset) {
  if (offset < sizeof(BoardRecord)) return "board";
  offset -= sizeof(BoardRecord);
  if (offset < sizeof(MainRecord)) return "main";
  offset -= sizeof(MainRecord);
  return offset < sizeof(TravelRecord) ? "travel" : "clock";
}

// The session: past the splash by a click, the family LE PENDU, its 8-letter
// variant, six letters (hits and misses), a win, the click that scores it,
// the score page, and back.
void PlaySession(Harness& h) {
  h.Run(500);
  h.Click(400, 300);  // ends the splash
  h.Run(100);
  h.Click(120, 140);  // LE PENDU
  h.Run(100);
  h.Click(330, 130);  // PENDU  8 lettres
  h.Run(500);
  for (char letter : std::string("XABRICOTS")) {
    const int k = letter - 'A';
    h.Click(70 + 31 * (7 + k % 13) + 15, 50 + 31 * (2 + k / 13) + 15);
    h.Run(2500);
  }
  h.Click(400, 450);  // scores the win
  h.Run(200);
  h.Click(180 + 24, 540 + 24);  // the scores page
  h.Run(800);
}

}  // namespace

TEST(Replay, AHangmanSessionLeavesTheRecordedState) {
  Harness h;
  h.WriteProgramFile("bin/DicoFrancais.txt", "ABRICOTS\r\nACCROCHAGE\r\nPAPILLONNAGE\r\n");
  h.SetComment(65, "Joueur");
  ASSERT_TRUE(h.Start());
  PlaySession(h);
  ASSERT_EQ(G.listBoxes[listScores].items[1].substr(0, 6), "Joueur");
  ASSERT_EQ(G.currentScreen, 4);

  std::string state = SavedRecords();
  // The commentary carries the test's temporary folder; blank it out.
  std::memset(&state[sizeof(BoardRecord) + 0x01D2 + 50 * 101], 0, 101);
  if (std::getenv("LETTRARIUM_RECORD")) {
    WriteFileBytes(kDump, state);
    GTEST_SKIP() << "recorded " << kDump;
  }
  const std::string recorded = ReadFileBytes(kDump);
  ASSERT_EQ(recorded.size(), state.size()) << "no dump recorded at " << kDump;
  for (size_t i = 0; i < state.size(); ++i)
    if (state[i] != recorded[i])
      FAIL() << "the state differs from the recording at byte " << i << " (" << RecordAt(i) << " record)";
}
