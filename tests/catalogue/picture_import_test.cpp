// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/picture_import.h"
#include "display/play_clock.h"
#include "harness/harness.h"
#include "platform/picture.h"
#include "state/forms.h"
#include "state/game_state.h"

namespace fs = std::filesystem;

namespace {
struct Import : Harness {
  Import() {
    SetComment(86, "Mon portrait");
    SetComment(85, "Mon fond");
    EXPECT_TRUE(Start());
    Picture picture;
    picture.width = 40;
    picture.height = 30;
    picture.pixels.assign(40 * 30, ToRgb565(0x00FF00));
    EXPECT_TRUE(SavePictureBmp(root() + "photo.bmp", picture));
  }
  std::string root() const { return programDir; }
};
}  // namespace

TEST(PictureImport, TheSameHeadImportedThriceTakesThreeFreeNames) {
  Import p;
  for (int i = 0; i < 3; ++i) {
    G.importKind = 1;  // the chooser closes on a file
    ImportPicture(p.root() + "photo.bmp");
  }
  EXPECT_TRUE(fs::exists(p.dataPrefix + "TETE/Mon portrait.bmp"));
  EXPECT_TRUE(fs::exists(p.dataPrefix + "TETE/Mon portrait 1.bmp"));
  EXPECT_TRUE(fs::exists(p.dataPrefix + "TETE/Mon portrait 2.bmp"));
  const ListBox& heads = G.listBoxes[listHeads];
  EXPECT_EQ(heads.items[heads.itemCount], "Mon portrait 2");
  EXPECT_EQ(Form1.DXImageList2[1].width, 80);
  EXPECT_EQ(Form1.DXImageList2[1].height, 90);
  EXPECT_EQ(G.importKind, 0);
}

TEST(PictureImport, ABackgroundIsSavedAtScreenSize) {
  Import p;
  G.importKind = 2;  // the chooser closes on a file
  ImportPicture(p.root() + "photo.bmp");
  Picture saved;
  ASSERT_TRUE(LoadPicture(p.dataPrefix + "FONDS/Mon fond.bmp", saved));
  EXPECT_EQ(saved.width, 800);
  EXPECT_EQ(saved.height, 600);
}

TEST(PictureImport, NothingHappensWithoutTheDataFolders) {
  Import p;
  G.dataFoldersReady = 0;
  G.importKind = 1;  // the chooser closes on a file
  ImportPicture(p.root() + "photo.bmp");
  EXPECT_FALSE(fs::exists(p.dataPrefix + "TETE/Mon portrait.bmp"));
}
