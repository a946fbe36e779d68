// SPDX-License-Identifier: GPL-3.0-or-later
// What the menus put on the page, with the program's own pictures.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/screens_fixture.h"
#include "platform/keys.h"

namespace {

constexpr int T = 72;

std::vector<uint16_t> Area(const Harness& h, int x0, int y0, int x1, int y1) {
  std::vector<uint16_t> pixels;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) pixels.push_back(h.Pixel565(x, y));
  return pixels;
}

int Differences(const std::vector<uint16_t>& a, const std::vector<uint16_t>& b) {
  int n = 0;
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) n += a[i] != b[i];
  return n;
}



}  // namespace

// The menu fixture's own texts and dictionary, with the program's pictures.
struct DrawnProgram : MenuProgram {
  DrawnProgram() {
    std::filesystem::create_directory_symlink(std::string(GAME_DIR) + "/bitmaps", programDir + "bitmaps");
  }
};

TEST(MenuDrawing, AHoveredFamilyShowsItsHelpLinesAndALitName) {
  if (!std::filesystem::exists(std::string(GAME_DIR) + "/bitmaps/Interface")) GTEST_SKIP() << "pictures not built";
  DrawnProgram h;
  h.Open();
  h.MoveTo(780, 20);
  h.Tick();
  const auto helpArea = Area(h, 130, 383, 700, 503);
  const auto nameArea = Area(h, 55, 133, 55 + 16 * 8, 153);

  const Point pendu = MenuProgram::FamilyPoint(4);
  h.MoveTo(pendu.x, pendu.y);
  h.Tick();
  EXPECT_EQ(G.listBoxes[listHelp].items[1], "pendu ligne 1");
  EXPECT_GT(Differences(Area(h, 130, 383, 700, 503), helpArea), 0) << "help lines 1-6 under the list";
  EXPECT_GT(Differences(Area(h, 55, 133, 55 + 16 * 8, 153), nameArea), 0) << "the hovered name is lit";

  h.MoveTo(780, 20);
  h.Tick();
  EXPECT_EQ(Differences(Area(h, 130, 383, 700, 503), helpArea), 0);
}

TEST(MenuDrawing, TheHelpPageCaptionCarriesTheGamesTitle) {
  if (!std::filesystem::exists(std::string(GAME_DIR) + "/bitmaps/Interface")) GTEST_SKIP() << "pictures not built";
  DrawnProgram h;
  h.Open();
  // The same game twice under two titles, so only the caption can differ.
  auto caption = [&](const std::string& title) {
    StartVariant(10);
    h.Tick();
    G.gameTitle = title;
    const Point help = MenuProgram::ButtonPoint(620, 540);
    h.Click(help.x, help.y);
    EXPECT_EQ(G.currentScreen, 5);
    h.Run(1000);
    h.MoveTo(780, 300);
    h.Tick();
    const auto row = Area(h, G.panelX + 150, T + 58, G.panelX + 480, T + 80);
    h.Key(kVkEscape);
    h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
    h.Tick();
    return row;
  };
  const auto pendu = caption("PENDU  8 lettres");
  const auto again = caption("PENDU  8 lettres");
  const auto other = caption("AUTRE TITRE");
  EXPECT_EQ(Differences(pendu, again), 0);
  EXPECT_GT(Differences(pendu, other), 0);
}

TEST(MenuDrawing, AButtonUnderThePointerIsDrawnLit) {
  if (!std::filesystem::exists(std::string(GAME_DIR) + "/bitmaps/Interface")) GTEST_SKIP() << "pictures not built";
  DrawnProgram h;
  h.Open();
  h.MoveTo(780, 20);
  h.Tick();
  const auto quit = Area(h, 240, 540, 288, 588);
  const auto scores = Area(h, 180, 540, 228, 588);
  h.MoveTo(264, 564);
  h.Tick();
  EXPECT_GT(Differences(Area(h, 240, 540, 288, 588), quit), 0);
  EXPECT_EQ(Differences(Area(h, 180, 540, 228, 588), scores), 0);
  EXPECT_EQ(G.cursorShape, -21);
}
