// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "app/command_line.h"
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

// The window as a player meets it: full screen at first, F11 to a window,
// the window sized at will with the page scaled to fit it and the pointer
// mapped back onto the page; the mode and size come back on the next run,
// and a mode asked for on the command line lasts one run.
TEST(Startup, TheWindowIsScaledToFitAndRemembered) {
  EXPECT_EQ(FirstWindowSize(1920, 1080).width, 1296);  // 90 % of the height, at any scale
  EXPECT_EQ(FirstWindowSize(2560, 1440).width, 1728);
  EXPECT_EQ(FirstWindowSize(2560, 1440).height, 1296);
  EXPECT_EQ(FirstWindowSize(1024, 600).height, 600);  // never smaller than the page
  const PagePlacement wide = FitPage(1920, 1080);
  EXPECT_EQ(wide.x, 240);
  EXPECT_EQ(wide.width, 1440);
  EXPECT_EQ(wide.height, 1080);
  const PagePlacement tall = FitPage(1000, 1000);
  EXPECT_EQ(tall.y, 125);
  EXPECT_EQ(tall.height, 750);

  gCommandLine = CommandLine{};
  std::string settings;
  {
    Harness h;
    ASSERT_TRUE(h.Start());
    int px = -1, py = -1;
    // Full screen on the 1920 x 1080 desktop: the page stands between bars.
    EXPECT_TRUE(ScreenWindowMode().fullScreen);
    EXPECT_TRUE(ScreenSmoothed());
    ScreenPagePoint(240 + 720, 540, px, py);
    EXPECT_EQ(px, 400);
    EXPECT_EQ(py, 300);
    ScreenPagePoint(10, 1079, px, py);  // over the left bar: held at the edge
    EXPECT_EQ(px, 0);
    EXPECT_EQ(py, 599);

    ScreenToggleFullscreen();  // F11
    EXPECT_FALSE(ScreenWindowMode().fullScreen);
    EXPECT_EQ(ScreenWindowMode().width, 1296);
    EXPECT_TRUE(ScreenSmoothed());
    ScreenResizeWindow(800, 600);
    EXPECT_FALSE(ScreenSmoothed());  // each page pixel one screen pixel
    ScreenResizeWindow(1600, 1200);
    EXPECT_FALSE(ScreenSmoothed());  // exact 2 x 2 blocks
    ScreenResizeWindow(1200, 900);
    EXPECT_TRUE(ScreenSmoothed());
    ScreenPagePoint(600, 450, px, py);
    EXPECT_EQ(px, 400);
    EXPECT_EQ(py, 300);
    ScreenPagePoint(1199, 0, px, py);
    EXPECT_EQ(px, 799);
    EXPECT_EQ(py, 0);
    h.CloseWindow();
    h.Tick();
    settings = ReadFileBytes(h.dataPrefix + "CFG/favoris.vlk");
  }
  EXPECT_NE(settings.find("PleinEcran=0"), std::string::npos) << settings;
  EXPECT_NE(settings.find("LargeurFenetre=1200"), std::string::npos);
  EXPECT_NE(settings.find("HauteurFenetre=900"), std::string::npos);

  // The next run comes back in that window; --fullscreen chooses for one run
  // and the settings keep the window.
  for (const auto mode : {CommandLine::WindowMode::AsSaved, CommandLine::WindowMode::FullScreen}) {
    gCommandLine.windowMode = mode;
    Harness h;
    WriteFileBytes(h.dataPrefix + "CFG/favoris.vlk", settings);
    ASSERT_TRUE(h.Start());
    EXPECT_EQ(ScreenWindowMode().fullScreen, mode == CommandLine::WindowMode::FullScreen);
    EXPECT_EQ(ScreenWindowMode().width, 1200);
    EXPECT_EQ(ScreenWindowMode().height, 900);
    h.CloseWindow();
    h.Tick();
    EXPECT_NE(ReadFileBytes(h.dataPrefix + "CFG/favoris.vlk").find("PleinEcran=0"), std::string::npos);
  }
  gCommandLine = CommandLine{};

  // A settings file from before these keys: full screen, the first window's size.
  Harness h;
  WriteFileBytes(h.dataPrefix + "CFG/favoris.vlk", "[PARAMETRES]\r\nnom=Ancien\r\n");
  ASSERT_TRUE(h.Start());
  EXPECT_TRUE(ScreenWindowMode().fullScreen);
  EXPECT_EQ(ScreenWindowMode().width, 1296);
  EXPECT_EQ(ScreenWindowMode().height, 972);
}
