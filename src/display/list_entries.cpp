// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/list_entries.h"

#include "display/log.h"
#include "state/game_state.h"

void AddEntry(int list, const std::string& text) {
  ListBox& box = G.listBoxes[list];
  for (int slot = 1; slot <= 599; ++slot) {
    if (!box.items[slot].empty()) continue;
    box.items[slot] = text;
    box.itemCount = slot;
    Log("Ajout de " + text + " à index " + std::to_string(slot));
    return;
  }
  Log("Imposible d'ajouter un score");
}

void RemoveEntry(int list, int n) {
  if (n < 0 || n >= 600) return;
  ListBox& box = G.listBoxes[list];
  box.items[n].clear();
  // Item 600 keeps its value and 599 receives a copy of it.
  for (int i = n; i < 600; ++i) box.items[i] = box.items[i + 1];
  box.itemCount -= 1;
}

int CountEntries(int list) {
  const ListBox& box = G.listBoxes[list];
  int count = 0;
  for (int i = 0; i <= 599; ++i)
    if (!box.items[i].empty()) ++count;
  return count;
}

void ClearEntries(int list) {
  ListBox& box = G.listBoxes[list];
  for (int i = 0; i <= 599; ++i) box.items[i].clear();
}
