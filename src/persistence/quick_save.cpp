// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/save_list.h"
#include "persistence/quick_save.h"

#include <string>

#include "display/list_entries.h"
#include "display/log.h"
#include "persistence/save_pairs.h"
#include "persistence/saved_games.h"
#include "platform/files.h"
#include "state/game_state.h"

static std::string QuickSaveBase() { return DataFolderPrefix() + "SAVE\\Boss"; }

void ResumeQuickSave(void (*load)(const std::string& name)) {
  const std::string base = QuickSaveBase();
  if (!FileExists(base + ".sa1")) return;
  const std::string stamp = SavePairStamp(base);
  if (!stamp.empty() && stamp == G.countedQuickSaveStamp) {
    // Won, counted, and the program stopped before the save was removed.
    Log("partie rapide déjà gagnée : retirée");
    RemoveSavePair(base);
    return;
  }
  load("boss");
  // A refused quick save has been set aside; one that loaded stays.
  G.quickSaveResumed = FileExists(base + ".sa1");
  G.resumedQuickSaveStamp = stamp;
  ListBox& saves = G.listBoxes[listSaves];
  for (int i = 1; i <= 599; ++i)
    if (SaveNameOfEntry(saves.items[i]) == "Boss") {
      RemoveEntry(listSaves, i);
      break;
    }
}

void EndResumedQuickSave() {
  if (!G.quickSaveResumed) return;
  G.quickSaveResumed = false;
  if (!RemoveSavePair(QuickSaveBase())) LogProblem("partie rapide non retirée : " + QuickSaveBase());
}

void LeaveResumedQuickSave() { G.quickSaveResumed = false; }
