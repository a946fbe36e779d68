#include <gtest/gtest.h>

#include <filesystem>

#include "harness/harness.h"
#include "platform/screen.h"
#include "state/forms.h"
#include "state/game_state.h"

namespace fs = std::filesystem;

TEST(Startup, InitialisationGivesTheStartValues) {
  Harness h;
  ASSERT_TRUE(h.Start());
  EXPECT_EQ(G.panelX, 800);
  EXPECT_EQ(G.panelY, 80);
  EXPECT_EQ(G.reserved006C, 1);
  for (int slot = 1; slot <= 4; ++slot) EXPECT_EQ(G.checkBoxes[slot].checked, 1);
  EXPECT_EQ(G.splashShowing, 1);
  EXPECT_EQ(G.currentScreen, 1);
  EXPECT_EQ(G.listBoxes[1].visibleLines, 11);
  EXPECT_EQ(G.listBoxes[9].selected, -1);
  EXPECT_EQ(G.listBoxes[listScores].widthPx, 500);
  EXPECT_EQ(G.listBoxes[listHelp].widthPx, 500);
  EXPECT_EQ(G.listBoxes[listAnagram].widthPx, 300);
  EXPECT_EQ(G.listBoxes[2].widthPx, 150);
  EXPECT_EQ(G.helpFileName[0], "aide.txt");
  EXPECT_TRUE(Form1.DXTimer1Enabled);
  EXPECT_FALSE(Form2.shown);
}

TEST(Startup, CreatesThePlayerFoldersUnderThePrefix) {
  Harness h;
  ASSERT_TRUE(h.Start());
  EXPECT_EQ(G.dataFoldersReady, 1);
  for (const char* folder : {"FONDS", "CFG", "TETE", "SAVE"}) EXPECT_TRUE(fs::is_directory(h.dataPrefix + folder)) << folder;
}

TEST(Startup, FoldersThatCannotBeMadeLeaveTheSettingsUnwritten) {
  Harness h;
  // A file where the prefix folder should be: nothing can be made under it.
  WriteFileBytes(h.dataPrefix.substr(0, h.dataPrefix.size() - 1), "not a folder");
  ASSERT_TRUE(h.Start());
  EXPECT_EQ(G.dataFoldersReady, 0);
  h.CloseWindow();
  EXPECT_TRUE(Form1.closed);
  EXPECT_FALSE(fs::exists(h.dataPrefix + "CFG"));
}

TEST(Startup, TheSplashGivesWayToTheGameListAfterFourSeconds) {
  Harness h;
  ASSERT_TRUE(h.Start());
  h.Run(3990);
  EXPECT_EQ(G.splashShowing, 1);
  h.Run(30);
  EXPECT_EQ(G.splashShowing, 0);
  EXPECT_EQ(G.currentScreen, 1);
}

TEST(Startup, TheCaretBlinksEveryHundredAndFiftyMilliseconds) {
  Harness h;
  ASSERT_TRUE(h.Start());
  const uint8_t first = G.blinkPhase;
  h.Run(150);
  EXPECT_NE(G.blinkPhase, first);
  h.Run(150);
  EXPECT_EQ(G.blinkPhase, first);
}

TEST(Startup, TheCloseRequestEndsTheProgramThroughTheCloseHandler) {
  Harness h;
  ASSERT_TRUE(h.Start());
  G.wordList = {"UN", "DEUX"};
  h.CloseWindow();
  EXPECT_TRUE(Form1.closed);
  EXPECT_FALSE(Form1.DXTimer1Enabled);
  EXPECT_TRUE(G.wordList.empty());
}
