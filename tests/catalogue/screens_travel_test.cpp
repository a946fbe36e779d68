// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar while a journey runs and while its map is shown.
#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "catalogue/screens_fixture.h"
#include "platform/keys.h"

namespace {

Point Toolbar(int x) { return MenuProgram::ButtonPoint(x, 540); }

}  // namespace

TEST(JourneyToolbar, RestartDuringAJourneyOnlyBeeps) {
  MenuProgram h;
  h.Open();
  StartVariant(10);
  h.Tick();
  G.travelModeActive = 1;  // a stage of a journey
  const std::string word = G.wordSlots[0].str();
  const int beeps = h.Played(2);
  h.ClickAt(Toolbar(380));
  EXPECT_EQ(h.Played(2), beeps + 1);
  EXPECT_EQ(G.boardReady, 1);
  EXPECT_EQ(G.wordSlots[0].str(), word);
  EXPECT_EQ(G.currentScreen, 0);
}

TEST(JourneyToolbar, OnTheMapOnlyTheJourneyButtonsWorkAndGivingUpLeavesIt) {
  MenuProgram h;
  h.WriteProgramFile("aide/VOYAGE.txt", MenuProgram::HelpPage("voyage"));
  h.Open();
  G.currentScreen = 0;
  G.travelModeActive = 1;
  G.travelMapShowing = 1;
  h.Tick();

  // Neither the main buttons nor the print and restart buttons are there;
  // the help button opens the map's own page.
  h.ClickAt(Toolbar(0));
  EXPECT_EQ(G.currentScreen, 0);
  h.ClickAt(Toolbar(620));
  EXPECT_EQ(G.currentScreen, 5);
  EXPECT_EQ(G.listBoxes[listHelp].items[1], "voyage ligne 1");
  // Every help page's lines (45 characters at most, tests/data_texts) end
  // inside the frame's gold border, 10 px in from its right edge.
  h.Settle();
  const ListBox& help = G.listBoxes[listHelp];
  EXPECT_LE(help.x + 10 * (help.widthPx / 11) + 11, G.panelX - 30 + 584 - 10);
  h.Key(kVkEscape);
  h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
  EXPECT_EQ(G.currentScreen, 0);
  const int beeps = h.Played(2);
  h.ClickAt(Toolbar(380));
  EXPECT_EQ(h.Played(2), beeps);

  // The options are.
  h.ClickAt(Toolbar(680));
  EXPECT_EQ(G.currentScreen, 3);
  h.Run(1000);
  h.ClickAt(MenuProgram::PanelRightButton(0, 422 - 20 - 72));
  ASSERT_EQ(G.currentScreen, 0);
  ASSERT_EQ(G.travelMapShowing, 1);

  h.ClickAt(Toolbar(740));
  h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
  EXPECT_EQ(G.travelMapShowing, 0);
  EXPECT_EQ(G.travelModeActive, 0);
  EXPECT_EQ(G.currentVariant, 0u);
  EXPECT_TRUE(G.gameTitle.empty());
  h.Tick();
  EXPECT_EQ(G.currentScreen, 1);
}
