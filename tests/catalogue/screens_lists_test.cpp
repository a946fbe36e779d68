// SPDX-License-Identifier: GPL-3.0-or-later
// The pages that act on files and lists: saved games, heads, help, and the
// toolbar's save-and-quit.
#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/catalogue.h"
#include "catalogue/screens.h"
#include "catalogue/screens_fixture.h"
#include "persistence/saved_record_check.h"
#include "state/forms.h"

namespace {

constexpr int T = 72;
constexpr int B = 422;

bool Exists(const std::string& path) { return std::filesystem::exists(path); }

// A point inside line `line` of a list whose corner is (panelX + dx, T + dy).
Point ListLine(int dx, int dy, int line) { return {G.panelX + dx + 10, T + dy + 20 * line + 9}; }

}  // namespace

TEST(SavesPage, DeletingASaveNeedsBothOfItsFiles) {
  MenuProgram h;
  h.Open();
  const std::string saves = h.dataPrefix + "SAVE/";
  WriteFileBytes(saves + "partie1.sa1", "1");
  WriteFileBytes(saves + "partie1.sa2", "2");
  WriteFileBytes(saves + "partie2.sa2", "2");  // its record file is gone
  ListBox& list = G.listBoxes[listSaves];
  for (auto& item : list.items) item.clear();
  list.items[1] = "partie1";
  list.items[2] = "partie2";
  list.selected = -1;

  h.ClickAt(MenuProgram::ButtonPoint(120, 540));
  ASSERT_EQ(G.currentScreen, 7);
  h.Settle();
  // With nothing selected there is no delete button.
  h.ClickAt(MenuProgram::PanelRightButton(-150, B - 20 - T));
  EXPECT_EQ(list.items[1], "partie1");

  const int sounds = h.Played(1);
  h.ClickAt(ListLine(100, 100, 1));
  EXPECT_EQ(list.selected, 1);
  EXPECT_EQ(h.Played(1), sounds + 1);
  h.ClickAt(MenuProgram::PanelRightButton(-150, B - 20 - T));
  EXPECT_FALSE(Exists(saves + "partie1.sa1"));
  EXPECT_FALSE(Exists(saves + "partie1.sa2"));
  EXPECT_EQ(list.items[1], "partie2");
  EXPECT_EQ(list.items[2], "");
  EXPECT_EQ(list.selected, -1);

  // The one with a missing file stays listed, and its other file stays.
  h.ClickAt(ListLine(100, 100, 1));
  h.ClickAt(MenuProgram::PanelRightButton(-150, B - 20 - T));
  EXPECT_EQ(list.items[1], "partie2");
  EXPECT_TRUE(Exists(saves + "partie2.sa2"));

  // Load closes the page.
  h.ClickAt(MenuProgram::PanelRightButton(-90, B - 20 - T));
  EXPECT_EQ(G.currentScreen, 0);
}

TEST(SavesPage, ANameThatLeavesTheSaveFolderIsNotDeleted) {
  MenuProgram h;
  h.Open();
  WriteFileBytes(h.dataPrefix + "CFG/x.sa1", "1");
  WriteFileBytes(h.dataPrefix + "CFG/x.sa2", "2");
  ListBox& list = G.listBoxes[listSaves];
  for (auto& item : list.items) item.clear();
  list.items[1] = "..\\CFG\\x";
  h.ClickAt(MenuProgram::ButtonPoint(120, 540));
  h.Settle();
  h.ClickAt(ListLine(100, 100, 1));
  ASSERT_EQ(list.selected, 1);
  h.ClickAt(MenuProgram::PanelRightButton(-150, B - 20 - T));
  EXPECT_TRUE(Exists(h.dataPrefix + "CFG/x.sa1"));
  EXPECT_TRUE(Exists(h.dataPrefix + "CFG/x.sa2"));
}

TEST(SavesPage, EverySaveIsListedByPagesAndAnUnreadableOneWithItsReason) {
  MenuProgram h;
  const std::string saves = h.dataPrefix + "SAVE/";
  std::filesystem::create_directories(saves);
  for (int i = 0; i < 700; ++i) {
    const std::string path = saves + "p" + std::to_string(1000 + i) + ".sa1";
    WriteFileBytes(path, "");
    std::filesystem::resize_file(path, sizeof(SavedImage));
  }
  WriteFileBytes(saves + "abime.sa1", "12345");
  h.Open();
  ListBox& list = G.listBoxes[listSaves];
  EXPECT_EQ(list.items[1], "illisible : taille 5 octets : abime");
  EXPECT_EQ(list.items[500], "p1498");
  EXPECT_EQ(list.items[501], "suivantes : 501 \xe0 701");
  h.ClickAt(MenuProgram::ButtonPoint(120, 540));
  h.Settle();
  list.top = 493;
  h.ClickAt(ListLine(100, 100, 8));  // "suivantes"
  EXPECT_EQ(list.items[1], "pr\xe9" "c\xe9" "dentes : 1 \xe0 500");
  EXPECT_EQ(list.items[202], "p1699");
  EXPECT_EQ(list.itemCount, 202);
  h.ClickAt(ListLine(100, 100, 1));  // back to the first page
  EXPECT_EQ(list.items[2], "p1000");
  h.ClickAt(ListLine(100, 100, 1));
  h.ClickAt(MenuProgram::PanelRightButton(-90, B - 20 - T));  // loading the unreadable one is refused, with its reason
  EXPECT_TRUE(h.LogHas("abime.sa1 (taille 5 "));
}

TEST(PlayerPage, OnlyTheHeadsAfterTheFourthCanBeDeleted) {
  MenuProgram h;
  h.Open();
  ListBox& heads = G.listBoxes[listHeads];
  for (auto& item : heads.items) item.clear();
  for (int i = 1; i <= 6; ++i) {
    heads.items[i] = "tete" + std::to_string(i);
    WriteFileBytes(h.dataPrefix + "TETE/tete" + std::to_string(i) + ".bmp", "BM");
  }
  heads.selected = -1;
  h.ClickAt(MenuProgram::ButtonPoint(0, 540));
  ASSERT_EQ(G.currentScreen, 6);
  h.Settle();
  const Point del = MenuProgram::PanelRightButton(-30, 180);

  h.ClickAt(ListLine(100, 100, 3));
  EXPECT_EQ(heads.selected, 3);
  h.ClickAt(del);
  EXPECT_EQ(heads.items[3], "tete3");
  EXPECT_TRUE(Exists(h.dataPrefix + "TETE/tete3.bmp"));

  h.ClickAt(ListLine(100, 100, 5));
  EXPECT_EQ(heads.selected, 5);
  h.ClickAt(del);
  EXPECT_FALSE(Exists(h.dataPrefix + "TETE/tete5.bmp"));
  EXPECT_EQ(heads.items[5], "tete6");
  EXPECT_EQ(heads.selected, -1);
  EXPECT_EQ(G.currentScreen, 6);
}

TEST(HelpPage, ScrollsThroughTheLoadedPage) {
  MenuProgram h;
  std::string page;
  for (int k = 1; k <= 30; ++k) page += "aide " + std::to_string(k) + "\r\n";
  h.WriteProgramFile("aide/LE PENDU.txt", page);
  h.Open();
  StartVariant(10);
  h.Tick();
  h.ClickAt(MenuProgram::ButtonPoint(620, 540));
  ASSERT_EQ(G.currentScreen, 5);
  h.Settle();
  ListBox& help = G.listBoxes[listHelp];
  EXPECT_EQ(help.top, 1);
  EXPECT_EQ(help.itemCount, 29);  // as loaded, not counted again

  const Point down = MenuProgram::PanelButton(45, 300);
  h.MoveTo(down.x, down.y);
  h.Tick();
  h.Press(down.x, down.y);
  h.Run(3000);
  h.Release(down.x, down.y);
  EXPECT_EQ(help.top, 29 - help.visibleLines);
  EXPECT_EQ(help.itemCount, 29);
}

TEST(Toolbar, SaveAndQuitClosesTheProgram) {
  MenuProgram h;
  h.Open();
  StartVariant(10);
  h.Tick();
  h.ClickAt(MenuProgram::ButtonPoint(730, 15));
  EXPECT_TRUE(Form1.closed);
}
