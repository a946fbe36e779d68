// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program reads its data: beside the executable first, then the
// installed data folders in order.
#include <gtest/gtest.h>

#include "platform/paths.h"
#include "temp_folder.h"

TEST(DataFolder, TheProgramFolderBesideTheExecutableWins) {
  TempFolder t;
  t.Write("game/txt/Commentaires.dta", "[COMMENTAIRES]\r\n");
  t.Write("usr/share/lettrarium/txt/Commentaires.dta", "[COMMENTAIRES]\r\n");
  EXPECT_EQ(ChooseDataFolder(t.path + "game/", {t.path + "usr/share/lettrarium/"}), t.path + "game/");
}

TEST(DataFolder, AnInstalledFolderServesAnExecutableWithoutData) {
  TempFolder t;
  t.Write("usr/bin/lettrarium", "");
  t.Write("usr/share/lettrarium/TXT/Commentaires.dta", "[COMMENTAIRES]\r\n");
  const std::string installed = t.path + "usr/share/lettrarium/";
  EXPECT_EQ(ChooseDataFolder(t.path + "usr/bin/", {t.path + "nowhere/", "", installed}), installed);
  // A folder without the texts' folder is no data folder.
  TempFolder empty;
  empty.Write("bin/DicoFrancais.txt", "MER\r\n");
  EXPECT_EQ(ChooseDataFolder(t.path + "usr/bin/", {empty.path, installed}), installed);
}

TEST(DataFolder, WithoutDataAnywhereTheExecutablesFolderIsKept) {
  TempFolder t;
  EXPECT_EQ(ChooseDataFolder(t.path, {t.path + "usr/share/lettrarium/"}), t.path);
  EXPECT_EQ(ChooseDataFolder(t.path, {}), t.path);
}
