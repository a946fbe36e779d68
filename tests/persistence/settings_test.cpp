// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "harness/harness.h"
#include "platform/ini_file.h"
#include "state/game_state.h"

TEST(Settings, AFirstRunGivesTheDefaultPlayerWithSoundsAndMusicOn) {
  Harness h;
  h.SetComment(65, "Joueur");
  ASSERT_TRUE(h.Start());
  EXPECT_EQ(G.playerName.str(), "Joueur");
  EXPECT_EQ(G.backgroundIndex, 1);
  EXPECT_EQ(G.checkBoxes[1].checked, 1);
  EXPECT_EQ(G.checkBoxes[2].checked, 1);
}

TEST(Settings, AbsentSwitchesStartOffAndTheHundredScoresWrittenAreRead) {
  Harness h;
  std::string file = "[PARAMETRES]\r\nIMAGEDEFOND=3\r\nnom=Zoé\r\n[SCORES]\r\n";
  for (int i = 1; i <= 101; ++i) file += "N" + std::to_string(i) + "=ligne " + std::to_string(i) + "\r\n";
  WriteFileBytes(h.dataPrefix + "CFG/favoris.vlk", file);
  ASSERT_TRUE(h.Start());
  EXPECT_EQ(G.checkBoxes[1].checked, 0);
  EXPECT_EQ(G.checkBoxes[2].checked, 0);
  EXPECT_EQ(G.backgroundIndex, 3);
  EXPECT_EQ(G.playerName.str(), "Zoé");
  EXPECT_EQ(G.listBoxes[listScores].items[100], "ligne 100");
  EXPECT_EQ(G.listBoxes[listScores].items[101], "");
}

TEST(Settings, AScoreLineReadingAucunEndsTheList) {
  Harness h;
  WriteFileBytes(h.dataPrefix + "CFG/favoris.vlk", "[SCORES]\r\nN1=un\r\nN2=AUCUN\r\nN3=trois\r\n");
  ASSERT_TRUE(h.Start());
  EXPECT_EQ(G.listBoxes[listScores].items[1], "un");
  EXPECT_EQ(G.listBoxes[listScores].items[3], "");
  EXPECT_EQ(G.listBoxes[listScores].itemCount, 2);
}

TEST(Settings, ClosingWritesTheSwitchesNameAndAHundredAndOneScoreKeys) {
  Harness h;
  WriteFileBytes(h.dataPrefix + "CFG/favoris.vlk", "[PARAMETRES]\r\nImgTete=Chouette\r\n");
  ASSERT_TRUE(h.Start());
  G.playerName = "Camille";
  G.checkBoxes[1].checked = 1;
  G.checkBoxes[2].checked = 0;
  G.listBoxes[listScores].items[1] = "une ligne";
  G.listBoxes[listHeads].selected = -1;
  h.CloseWindow();
  IniFile ini(h.dataPrefix + "CFG/favoris.vlk");
  EXPECT_EQ(ini.ReadString("PARAMETRES", "nom", ""), "Camille");
  EXPECT_EQ(ini.ReadString("PARAMETRES", "sons", ""), "1");
  EXPECT_EQ(ini.ReadString("PARAMETRES", "musiques", ""), "0");
  EXPECT_EQ(ini.ReadString("PARAMETRES", "imgtete", ""), "Chouette");
  EXPECT_EQ(ini.ReadString("SCORES", "N1", "x"), "une ligne");
  EXPECT_EQ(ini.ReadString("SCORES", "N100", "x"), "");
  EXPECT_EQ(ini.ReadString("SCORES", "N101", "x"), "x");
}
