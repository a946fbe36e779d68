// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "harness/harness.h"
#include "display/list_entries.h"
#include "state/game_state.h"

TEST(ListEntries, AddFillsTheFirstEmptySlotAfterRemovalsMoveEntriesDown) {
  Harness h;
  for (const char* text : {"a", "b", "c", "d", "e"}) AddEntry(4, text);
  EXPECT_EQ(G.listBoxes[4].itemCount, 5);
  RemoveEntry(4, 2);
  EXPECT_EQ(G.listBoxes[4].items[2], "c");
  EXPECT_EQ(G.listBoxes[4].itemCount, 4);
  AddEntry(4, "f");
  EXPECT_EQ(G.listBoxes[4].items[5], "f");
  EXPECT_EQ(G.listBoxes[4].itemCount, 5);
  EXPECT_EQ(CountEntries(4), 5);
  EXPECT_TRUE(h.LogHas("Ajout de f à index 5"));
}

TEST(ListEntries, AFullListRefusesTheSixHundredthEntry) {
  Harness h;
  for (int i = 1; i <= 599; ++i) AddEntry(5, "s" + std::to_string(i));
  AddEntry(5, "extra");
  EXPECT_TRUE(h.LogHas("Imposible d'ajouter un score"));
  EXPECT_EQ(G.listBoxes[5].items[599], "s599");
  EXPECT_EQ(CountEntries(5), 599);
  ClearEntries(5);
  EXPECT_EQ(CountEntries(5), 0);
}

TEST(ListEntries, RemovingCopiesTheLastSlotDown) {
  Harness h;
  G.listBoxes[7].items[600] = "last";
  RemoveEntry(7, 1);
  EXPECT_EQ(G.listBoxes[7].items[599], "last");
  EXPECT_EQ(G.listBoxes[7].items[600], "last");
}
