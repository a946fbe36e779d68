// SPDX-License-Identifier: GPL-3.0-or-later
// The picture loaders and the folder lists, called directly on a program
// folder and a player folder of the test's own. Pictures are told apart by
// their widths.
#include <gtest/gtest.h>

#include <jpeglib.h>

#include <algorithm>
#include <cstdlib>

#include "display/assets.h"
#include "display/log.h"
#include "harness/harness.h"
#include "platform/picture.h"
#include "state/forms.h"
#include "state/game_state.h"

namespace {

std::string Jpeg(int w, int h) {
  jpeg_compress_struct info;
  jpeg_error_mgr error;
  info.err = jpeg_std_error(&error);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = w;
  info.image_height = h;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row(w * 3, 128);
  while (info.next_scanline < info.image_height) {
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string bytes(reinterpret_cast<char*>(buffer), size);
  free(buffer);
  return bytes;
}

class Assets : public ::testing::Test {
 protected:
  Harness h;
  void SetUp() override {
    G.programDir = h.programDir;
    G.commentaryText[50] = h.dataPrefix;  // the player-data prefix
  }
  void Bmp(const std::string& realPath, int w) {
    Picture p;
    p.width = w;
    p.height = 4;
    p.pixels.assign(w * 4, 0x1234);
    WriteFileBytes(realPath, "");  // makes the folders
    ASSERT_TRUE(SavePictureBmp(realPath, p));
  }
  void Program(const std::string& relative, int w) {
    if (relative.ends_with(".jpg")) WriteFileBytes(h.programDir + relative, Jpeg(w, 4));
    else Bmp(h.programDir + relative, w);
  }
  void Player(const std::string& relative, int w) { Bmp(h.dataPrefix + relative, w); }
  static Picture& Background() { return Form1.DXImageList2[0]; }
  int LogLinesWith(const std::string& fragment) const {
    return static_cast<int>(std::count_if(G.debugLog.begin(), G.debugLog.end(), [&](const std::string& line) {
      return line.find(fragment) != std::string::npos;
    }));
  }
};

TEST_F(Assets, AllPicturesLoadKeyedOnBlueAndTheMissingOnesAreLogged) {
  Program("bitmaps/pendu/7.bmp", 7);
  Program("bitmaps/Slots/13.bmp", 13);
  Program("bitmaps/Interface/63.bmp", 63);
  WriteFileBytes(h.programDir + "bitmaps/Interface/5.bmp", "not a bitmap");
  Program("bitmaps/background/00000.jpg", 50);
  LoadAllPictures();
  EXPECT_EQ(Form2.DXImageList2[7].width, 7);
  EXPECT_EQ(Form1.DXImageList3[13].width, 13);
  EXPECT_EQ(Form1.DXImageList4[63].width, 63);
  EXPECT_TRUE(Form1.DXImageList4[63].transparent);
  EXPECT_EQ(Form1.DXImageList4[63].transparentColour, 0xFF0000u);
  EXPECT_TRUE(Form1.DXImageList4[5].empty());
  // The log keeps the last 101 lines: the hangman and slot lines are gone.
  EXPECT_TRUE(h.LogHas("Fichier " + h.programDir + "bitmaps\\Interface\\62.bmp absent. Non Chargé.."));
  EXPECT_TRUE(h.LogHas("bitmaps\\Interface\\5.bmp"));
  EXPECT_FALSE(h.LogHas("bitmaps\\Interface\\63.bmp"));
  // Then the sounds, then the title picture.
  EXPECT_TRUE(h.LogHas("charge fond index 50"));
  EXPECT_EQ(Background().width, 50);
  EXPECT_FALSE(Background().transparent);
}

TEST_F(Assets, ZeroMeansBackgroundFourAndOnlyThreeTitlePicturesGoWithoutAFrame) {
  G.listBoxes[listBackgrounds].items[4] = "Quatre";
  Program("bitmaps/background/Quatre.jpg", 4);
  Program("bitmaps/background/000000.jpg", 52);
  Program("bitmaps/background/0000000.jpg", 78);
  Program("bitmaps/Fenetres/fenetre.jpg", 9);
  LoadBackground(0);
  EXPECT_TRUE(h.LogHas("charge fond index 0"));
  EXPECT_TRUE(h.LogHas("Fond " + h.programDir + "bitmaps\\background\\Quatre.jpg chargé sur CD ROM"));
  EXPECT_EQ(Background().width, 4);
  EXPECT_EQ(G.currentBackground, 4);
  EXPECT_EQ(Form1.DXImageList2[2].width, 9);
  EXPECT_EQ(Form1.DXImageList2[2].transparentColour, 0xFE0000u);

  Form1.DXImageList2[2] = Picture{};
  G.debugLog.clear();
  LoadBackground(52);
  EXPECT_EQ(Background().width, 52);
  EXPECT_TRUE(Form1.DXImageList2[2].empty());
  EXPECT_FALSE(h.LogHas("Fenetre"));
  // The title pictures do not become the player's chosen background.
  EXPECT_EQ(G.backgroundIndex, 0);

  LoadBackground(78);
  EXPECT_EQ(Background().width, 78);
  EXPECT_EQ(Form1.DXImageList2[2].width, 9);
  EXPECT_TRUE(h.LogHas("Fenetre " + h.programDir + "bitmaps\\Fenetres\\fenetre.jpg chargé"));
}

TEST_F(Assets, ThePlayersOwnBackgroundIsTheFallbackAndTheProgramsJpegWins) {
  ListBox& list = G.listBoxes[listBackgrounds];
  list.items[5] = "Perso";
  list.items[6] = "Double";
  Player("FONDS/Perso.bmp", 15);
  Player("FONDS/Double.bmp", 16);
  Program("bitmaps/background/Double.jpg", 6);
  LoadBackground(5);
  EXPECT_EQ(Background().width, 15);
  EXPECT_TRUE(h.LogHas("Fond " + h.dataPrefix + "FONDS\\Perso.bmp chargé sur Disque dur"));
  LoadBackground(6);
  EXPECT_EQ(Background().width, 6);
  // A name found nowhere leaves the picture as it was and says nothing more.
  list.items[7] = "Absent";
  G.debugLog.clear();
  LoadBackground(7);
  EXPECT_EQ(Background().width, 6);
  EXPECT_FALSE(h.LogHas("Fond "));
  EXPECT_TRUE(h.LogHas("Fenetre " + h.programDir + "bitmaps\\Fenetres\\fenetre.jpg absent. Non Chargé.."));
}

TEST_F(Assets, HeadsComeFromTheProgramThenThePlayerAndABadOneIsReported) {
  G.commentaryText[55] = std::string("Image incompatible");
  Program("bitmaps/tete/Moi.bmp", 11);
  Player("TETE/Perso.bmp", 12);
  WriteFileBytes(h.programDir + "bitmaps/tete/Casse.bmp", "BMxxxx");
  LoadHead("Moi");
  EXPECT_EQ(Form1.DXImageList2[1].width, 11);
  EXPECT_TRUE(h.LogHas("Chargement tete sur CD ROM 1.Bmp  .....OK "));
  LoadHead("Perso");
  EXPECT_EQ(Form1.DXImageList2[1].width, 12);
  EXPECT_TRUE(h.LogHas("Fichier " + h.programDir + "bitmaps\\tete\\Perso.bmp absent. Non Chargé.."));
  EXPECT_TRUE(h.LogHas("Chargement tete Perso sur DDur 1.Bmp  .....OK "));
  EXPECT_EQ(Form1.DXImageList2[1].transparentColour, 0xFF0000u);

  LoadHead("Casse");
  EXPECT_TRUE(h.LogHas("bitmap non compatible"));
  EXPECT_EQ(G.messageShowing, 1);
  EXPECT_EQ(G.messageText, "Image incompatible");
  EXPECT_EQ(G.messageX, 42);
  EXPECT_EQ(G.messageY, 520);
  EXPECT_EQ(Form1.DXImageList2[1].width, 12);  // the previous head stays

  G.debugLog.clear();
  LoadHead("Personne");
  EXPECT_EQ(LogLinesWith("absent. Non Chargé.."), 2);
  EXPECT_TRUE(h.LogHas(h.dataPrefix + "TETE\\Personne.bmp absent"));

  // The installed program says the same on standard error, in UTF-8.
  testing::internal::CaptureStderr();
  EchoLog(LogEcho::Problems);
  LoadHead("Casse");
  EchoLog(LogEcho::None);
  LoadHead("Casse");
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(said.find("lettrarium: bitmap non compatible : " + h.programDir + "bitmaps\\tete\\Casse.bmp"), 0u) << said;
  EXPECT_EQ(said.find("lettrarium:", 1), std::string::npos) << said;
}

TEST_F(Assets, CardBackZeroMeansThree) {
  G.listBoxes[listCardBacks].items[3] = "Bleu";
  Program("bitmaps/back/Bleu.bmp", 3);
  LoadCardBack(0);
  EXPECT_EQ(G.cardBackIndex, 3);
  EXPECT_EQ(Form1.DXImageList1[0].width, 3);
  EXPECT_TRUE(Form1.DXImageList1[0].transparent);
  LoadCardBack(4);
  EXPECT_TRUE(h.LogHas("Fichier " + h.programDir + "bitmaps\\back\\.bmp absent. Non Chargé.."));
}

TEST_F(Assets, FileListsDropTheEndingAndNamesOfThreeCharactersOrFewer) {
  const std::string folder = h.programDir + "liste/";
  for (const char* name : {"zebre.bmp", "Arbre.bmp", "abc", "ab", ".bmp", "maison.bmp"})
    WriteFileBytes(folder + name, "x");
  ListBox& list = G.listBoxes[listHeads];
  list.items[1] = "ancien";
  FillFileList(folder, "*.*", false, listHeads, true);
  EXPECT_TRUE(h.LogHas("Add : " + folder + " filtre:*.*"));
  EXPECT_EQ(list.items[1], "Arbre");
  EXPECT_EQ(list.items[2], "maison");
  EXPECT_EQ(list.items[3], "zebre");
  EXPECT_EQ(list.items[4], "");
  EXPECT_EQ(list.itemCount, 3);
  FillFileList(folder, "*.bmp", true, listHeads, false);
  EXPECT_EQ(list.items[4], "ARBRE");
  EXPECT_EQ(list.items[6], "ZEBRE");

  FillFileList(h.programDir + "nulle part/", "*.bmp", false, listHeads, true);
  EXPECT_TRUE(h.LogHas("Erreur dupdate de liste de jeux"));
  EXPECT_EQ(list.items[1], "Arbre");  // unchanged
}

TEST_F(Assets, BackgroundListLosesOnlyTheTitlePictures) {
  for (const char* name : {"00000", "0000", "000000", "0000000", "Foret", "mer"})
    WriteFileBytes(h.programDir + "bitmaps/background/" + name + ".jpg", "x");
  WriteFileBytes(h.dataPrefix + "FONDS/Perso.bmp", "x");
  G.dataFoldersReady = 1;
  FillBackgroundList();
  const ListBox& list = G.listBoxes[listBackgrounds];
  EXPECT_EQ(list.visibleLines, 5);
  EXPECT_EQ(list.widthPx, 150);
  EXPECT_EQ(list.items[1], "Foret");
  EXPECT_EQ(list.items[2], "mer");
  EXPECT_EQ(list.items[3], "Perso");
  EXPECT_EQ(list.items[4], "");
  for (int i = 1; i <= 600; ++i) EXPECT_EQ(list.items[i].find("0000"), std::string::npos) << i;

  // Without the title pictures nothing of the player's is lost, and the
  // player's folder counts only once the data folders exist.
  for (const char* name : {"00000", "0000", "000000", "0000000"})
    std::remove((h.programDir + "bitmaps/background/" + name + ".jpg").c_str());
  G.dataFoldersReady = 0;
  FillBackgroundList();
  EXPECT_EQ(list.items[1], "Foret");
  EXPECT_EQ(list.items[2], "mer");
  EXPECT_EQ(list.items[3], "");
}

TEST_F(Assets, HeadAndSaveListsTakeTheirSizes) {
  WriteFileBytes(h.programDir + "bitmaps/tete/Moi.bmp", "x");
  WriteFileBytes(h.dataPrefix + "TETE/Perso.bmp", "x");
  WriteFileBytes(h.dataPrefix + "SAVE/Partie.sa1", "x");
  WriteFileBytes(h.dataPrefix + "SAVE/Partie.sa2", "x");
  WriteFileBytes(h.dataPrefix + "SAVE/Boss.sa1", "x");
  G.dataFoldersReady = 1;
  FillHeadList();
  const ListBox& heads = G.listBoxes[listHeads];
  EXPECT_EQ(heads.visibleLines, 5);
  EXPECT_EQ(heads.widthPx, 200);
  EXPECT_EQ(heads.items[1], "Moi");
  EXPECT_EQ(heads.items[2], "Perso");
  FillSaveList();
  const ListBox& saves = G.listBoxes[listSaves];
  EXPECT_EQ(saves.visibleLines, 8);
  EXPECT_EQ(saves.widthPx, 480);
  EXPECT_EQ(saves.items[1], "Boss");
  EXPECT_EQ(saves.items[2], "Partie");
  EXPECT_EQ(saves.items[3], "");
}

}  // namespace
