// SPDX-License-Identifier: GPL-3.0-or-later
// What the player brings from the desktop: pictures through its file chooser
// and text typed on any keyboard layout.
#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/screen_actions.h"
#include "catalogue/screens.h"
#include "catalogue/screens_fixture.h"
#include "platform/file_chooser.h"
#include "platform/keys.h"
#include "platform/picture.h"
#include "state/forms.h"

namespace fs = std::filesystem;

namespace {

// The player page open, with a green photo beside the program and a chooser
// stand-in that answers `answer` and remembers what it was asked.
struct PlayerPage : MenuProgram {
  std::string answer;
  int asked = 0;
  FileChoice lastChoice;

  PlayerPage() {
    SetComment(53, "Portrait importé");
    SetComment(54, "Enregistrement impossible");
    SetComment(55, "Fond importé");
    SetComment(66, "~/");
    SetComment(85, "Mon fond");
    SetComment(86, "Mon portrait");
    Open();
    Picture photo;
    photo.width = 40;
    photo.height = 30;
    photo.pixels.assign(40 * 30, ToRgb565(0x00FF00));
    EXPECT_TRUE(SavePictureBmp(programDir + "photo.bmp", photo));
    SetFileChooserStandIn([this](const FileChoice& choice) {
      ++asked;
      lastChoice = choice;
      return answer;
    });
    ScreenAction(6);
    Settle();
  }
  ~PlayerPage() { SetFileChooserStandIn(nullptr); }
  void ClickImportHead() { ClickAt(PanelButton(40, 300)); }
  void ClickImportBackground() { ClickAt(PanelButton(40, 355)); }
};

}  // namespace

TEST(PictureChooser, TheHeadButtonImportsTheChosenPictureAndWearsIt) {
  PlayerPage p;
  // Any name the chooser gives, accents included (UTF-8 on the disk).
  p.answer = p.programDir + "\xc3\x89t\xc3\xa9 photo.bmp";
  fs::copy_file(p.programDir + "photo.bmp", p.answer);
  const int heads = G.listBoxes[listHeads].itemCount;
  p.ClickImportHead();
  ASSERT_EQ(p.asked, 1);
  EXPECT_EQ(p.lastChoice.title, "Import:");
  ASSERT_FALSE(p.lastChoice.filters.empty());
  EXPECT_EQ(p.lastChoice.filters[0].patterns, (std::vector<std::string>{"*.bmp", "*.jpg"}));
  EXPECT_TRUE(fs::is_directory(p.lastChoice.startFolder)) << p.lastChoice.startFolder;

  EXPECT_TRUE(fs::exists(p.dataPrefix + "TETE/Mon portrait.bmp"));
  const ListBox& list = G.listBoxes[listHeads];
  EXPECT_EQ(list.itemCount, heads + 1);
  EXPECT_EQ(list.items[list.selected], "Mon portrait");
  EXPECT_EQ(Form1.DXImageList2[1].width, 80);  // worn at once
  EXPECT_EQ(G.messageText, "Portrait importé");
  EXPECT_EQ(G.importKind, 0);
  EXPECT_EQ(G.currentScreen, 6);
  // Worn again at the next start, from the settings' name.
  p.CloseWindow();
  Form1.DXImageList2[1] = Picture{};
  MenuProgram next;
  next.dataPrefix = p.dataPrefix;
  next.Open();
  EXPECT_EQ(Form1.DXImageList2[1].width, 80);
}

TEST(PictureChooser, TheBackgroundButtonAddsTheChosenPictureToTheBackgrounds) {
  PlayerPage p;
  p.answer = p.programDir + "photo.bmp";
  p.ClickImportBackground();
  ASSERT_EQ(p.asked, 1);
  EXPECT_TRUE(fs::exists(p.dataPrefix + "FONDS/Mon fond.bmp"));
  const ListBox& list = G.listBoxes[listBackgrounds];
  bool listed = false;
  for (int i = 1; i <= list.itemCount; ++i) listed = listed || list.items[i] == "Mon fond";
  EXPECT_TRUE(listed);
  EXPECT_EQ(G.messageText, "Fond importé");
}

TEST(PictureChooser, ACancelledChoiceChangesNothing) {
  PlayerPage p;
  p.answer = "";
  const int heads = G.listBoxes[listHeads].itemCount;
  const int selected = G.listBoxes[listHeads].selected;
  p.ClickImportHead();
  p.ClickImportBackground();
  EXPECT_EQ(p.asked, 2);
  EXPECT_EQ(G.listBoxes[listHeads].itemCount, heads);
  EXPECT_EQ(G.listBoxes[listHeads].selected, selected);
  EXPECT_TRUE(fs::is_empty(p.dataPrefix + "TETE"));
  EXPECT_TRUE(fs::is_empty(p.dataPrefix + "FONDS"));
  EXPECT_EQ(G.messageShowing, 0);
  EXPECT_EQ(G.importKind, 0);
}

TEST(PictureChooser, AHeadThatCannotBeSavedSaysSoAndIsNotListed) {
  PlayerPage p;
  p.answer = p.programDir + "photo.bmp";
  const int heads = G.listBoxes[listHeads].itemCount;
  fs::remove_all(p.dataPrefix + "TETE");
  WriteFileBytes(p.dataPrefix + "TETE", "not a folder");
  p.ClickImportHead();
  EXPECT_EQ(G.messageText, "Enregistrement impossible");
  EXPECT_EQ(G.listBoxes[listHeads].itemCount, heads);
}

TEST(PictureChooser, WithoutADesktopTheHeadlessChooserIsCancelled) {
  PlayerPage p;
  SetFileChooserStandIn(nullptr);
  const int heads = G.listBoxes[listHeads].itemCount;
  p.ClickImportHead();
  EXPECT_EQ(G.listBoxes[listHeads].itemCount, heads);
  EXPECT_EQ(G.importKind, 0);
}

TEST(TypedText, TheNameKeepsItsAccentedCapitalsAndTheSearchesFoldThem) {
  MenuProgram h;
  h.Open();
  ScreenAction(6);
  G.typedText.clear();
  h.Tick();
  h.TypeText("H\xc3\xa9l\xc3\xa8ne");  // UTF-8, as the desktop sends it
  h.Tick();
  EXPECT_EQ(G.playerName.str(), "H\xc9L\xc8NE");  // HÉLÈNE in Latin-1
  h.Key(kVkReturn);
  EXPECT_EQ(G.playerName.str(), "H\xc9L\xc8NE");
  // What is no letter (a dash, a euro sign) is dropped.
  G.typedText.clear();
  h.TypeText("\xc3\x87\xc3\xa0-\xc3\xb4\xc3\xbf\xe2\x82\xac 7:");  // Ç à - ô ÿ € 7 :
  EXPECT_EQ(G.typedText, "\xc7\xc0\xd4Y 7:");

  for (int screen : {8, 9}) {
    h.Key(kVkEscape);
    h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
    ScreenAction(screen);
    h.Tick();
    h.TypeText("\xc3\xa9?*\xc3\xa8");  // é ? * è: the jokers as a US layout types them
    EXPECT_EQ(G.typedText, "E?*E");
    h.TypeText("abcdefghijklmnopq");
    EXPECT_EQ(G.typedText.size(), 16u);
  }
  // The game list takes no text.
  h.Key(kVkEscape);
  h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
  h.Tick();
  G.typedText.clear();
  h.TypeText("abc");
  EXPECT_EQ(G.typedText, "");
}

TEST(TypedText, TheIncompleteWordSearchTakesTheQuestionMarkJoker) {
  MenuProgram h;
  h.Open();
  ScreenAction(9);
  h.Tick();
  h.TypeText("c?at");
  h.Key(kVkReturn);
  h.Tick();
  const ListBox& results = G.listBoxes[listAnagram];
  EXPECT_EQ(results.items[1], "CHAT");
  EXPECT_EQ(results.items[2], "COAT");
}
