// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/keeping.h"

#include "catalogue/puzzle_codes.h"
#include "persistence/quick_save.h"
#include "persistence/scores.h"
#include "persistence/settings.h"
#include "state/game_state.h"

void KeepWhatWasEarned() {
  if (!G.gameWon) G.winRecorded = false;
  if (G.gameWon && !G.winHandled && !G.winRecorded) {
    G.winRecorded = true;
    // A puzzle of the day played again is not recorded.
    if (!DailyPuzzlePlaying() || G.dailyRecording) RecordWin();
    if (G.quickSaveResumed) G.countedQuickSaveStamp = G.resumedQuickSaveStamp;
  }
  // The score first: a kill between the two leaves a quick save the
  // settings already name as counted.
  SaveSettingsWhenChanged();
  if (G.gameWon || G.gameLost) EndResumedQuickSave();
}

bool TakeWinRecorded() {
  const bool recorded = G.winRecorded;
  G.winRecorded = false;
  return recorded;
}
