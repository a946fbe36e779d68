// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "display/assets.h"
#include "harness/harness.h"
#include "platform/picture.h"
#include "state/forms.h"
#include "state/game_state.h"

namespace {

Picture Solid(int w, int h, uint32_t colour) {
  Picture p;
  p.width = w;
  p.height = h;
  p.pixels.assign(w * h, ToRgb565(colour));
  return p;
}

// A program folder with backgrounds that each have their own colour.
struct Pictures : Harness {
  Pictures() {
    for (const char* name : {"00000", "0000", "000000", "0000000", "Aurore", "Bocage", "Colline", "Dune"})
      WriteFileBytes(programDir + "bitmaps/background/" + name + ".jpg", "not decoded here");
    Save("bitmaps/Fenetres/fenetre.bmp", 0x00FF00);
    Save("bitmaps/tete/Joueur.bmp", 0x0000FF);
    Save("bitmaps/tete/Abc.bmp", 0x0000FF);
    EXPECT_TRUE(Start());
  }
  void Save(const std::string& relative, uint32_t colour) {
    WriteFileBytes(programDir + relative, "");
    EXPECT_TRUE(SavePictureBmp(programDir + relative, Solid(8, 8, colour)));
  }
};

}  // namespace

TEST(Backgrounds, TheListNeverShowsTheTitlePicturesNorShortNames) {
  Pictures p;
  WriteFileBytes(p.programDir + "bitmaps/background/abc.jpg", "x");
  WriteFileBytes(p.programDir + "bitmaps/background/notes.txt", "x");
  FillBackgroundList();
  const ListBox& list = G.listBoxes[listBackgrounds];
  EXPECT_EQ(list.items[1], "abc");
  EXPECT_EQ(list.items[2], "Aurore");
  EXPECT_EQ(list.items[5], "Dune");
  EXPECT_EQ(list.items[6], "");
  EXPECT_EQ(list.visibleLines, 5);
}

TEST(Backgrounds, ZeroMeansFourAndTitlePicturesDecideTheFrame) {
  Pictures p;
  G.debugLog.clear();
  LoadBackground(0);
  EXPECT_TRUE(p.LogHas("charge fond index 0"));
  EXPECT_EQ(G.currentBackground, 4);
  G.debugLog.clear();
  LoadBackground(52);
  EXPECT_FALSE(p.LogHas("Fenetre"));
  LoadBackground(78);
  EXPECT_TRUE(p.LogHas("Fenetre"));
}

TEST(Backgrounds, APictureOfThePlayersOwnLoadsFromTheHardDisk) {
  Pictures p;
  ASSERT_TRUE(SavePictureBmp(p.dataPrefix + "FONDS/Vacances.bmp", Solid(800, 600, 0x0000FF)));
  FillBackgroundList();
  int n = 0;
  for (int i = 1; i <= 10; ++i)
    if (G.listBoxes[listBackgrounds].items[i] == "Vacances") n = i;
  ASSERT_GT(n, 0);
  LoadBackground(n);
  EXPECT_TRUE(p.LogHas("chargé sur Disque dur"));
  EXPECT_EQ(Form1.DXImageList2[0].width, 800);
}

TEST(Heads, TheProgramsHeadsThenThePlayersOwn) {
  Pictures p;
  ASSERT_TRUE(SavePictureBmp(p.dataPrefix + "TETE/Mon portrait.bmp", Solid(80, 90, 0x00FF00)));
  FillHeadList();
  EXPECT_EQ(G.listBoxes[listHeads].items[1], "Abc");
  EXPECT_EQ(G.listBoxes[listHeads].items[2], "Joueur");
  EXPECT_EQ(G.listBoxes[listHeads].items[3], "Mon portrait");
  LoadHead("Mon portrait");
  EXPECT_TRUE(p.LogHas("Chargement tete Perso sur DDur 1.Bmp  .....OK "));
  EXPECT_EQ(Form1.DXImageList2[1].width, 80);
  LoadHead("Personne");
  EXPECT_TRUE(p.LogHas("absent. Non Chargé.."));
}

TEST(Heads, AnUnreadableHeadIsReportedToThePlayer) {
  Pictures p;
  G.commentaryText[55] = "Image illisible";
  WriteFileBytes(p.programDir + "bitmaps/tete/Casse.bmp", "BM pas une image");
  LoadHead("Casse");
  EXPECT_TRUE(p.LogHas("bitmap non compatible"));
  EXPECT_EQ(G.messageText, "Image illisible");
}

TEST(Pictures, AMissingPictureIsLoggedAndDrawsNothing) {
  Pictures p;
  EXPECT_TRUE(p.LogHas("Interface"));
  EXPECT_TRUE(Form1.DXImageList4[7].empty());
}
