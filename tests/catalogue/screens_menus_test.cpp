// SPDX-License-Identifier: GPL-3.0-or-later
// The game list and the variant menus, played through the whole program.
#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "catalogue/screens_fixture.h"
#include "platform/clock.h"
#include "platform/keys.h"
#include "state/forms.h"
#include "words/word_store.h"

TEST(GameList, HoveringAFamilyLoadsItsHelpAndAsksForTheHand) {
  MenuProgram h;
  h.Open();
  h.HoverAt(MenuProgram::FamilyPoint(4));
  EXPECT_EQ(G.cursorShape, -21);
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(G.listBoxes[listHelp].items[k], "pendu ligne " + std::to_string(k));
  EXPECT_EQ(G.currentScreen, 1);

  // Another family's help replaces it while the pointer moves on.
  h.HoverAt(MenuProgram::FamilyPoint(1));
  EXPECT_EQ(G.cursorShape, -21);
  EXPECT_EQ(G.listBoxes[listHelp].items[1], "codes ligne 1");

  // Off every entry the arrow comes back; just outside an entry's edge counts as off.
  h.HoverAt({700, 500});
  EXPECT_EQ(G.cursorShape, 0);
  h.HoverAt({55 - 3, 73 + 12});
  EXPECT_EQ(G.cursorShape, 0);
  h.HoverAt({60, 73 + 21});
  EXPECT_EQ(G.listBoxes[listHelp].items[1], "codes ligne 1");
}

TEST(GameList, AFamilysHelpIsReadOnceWhileHoveredAndAShortPageKeepsTheTailOfTheOneBefore) {
  MenuProgram h;
  h.WriteProgramFile("aide/LE MOT LE PLUS LONG.txt", "long ligne 1\r\nlong ligne 2\r\n");
  h.Open();
  auto reads = [](const std::string& file) {
    return static_cast<int>(std::count_if(G.debugLog.begin(), G.debugLog.end(), [&](const std::string& line) {
      return line.find("charge aide") != std::string::npos && line.find(file) != std::string::npos;
    }));
  };
  G.debugLog.clear();
  h.HoverAt(MenuProgram::FamilyPoint(4));
  h.Run(2000);
  EXPECT_EQ(reads("LE PENDU.txt"), 1) << "not once per frame";
  // The page on screen is the one read when the pointer came.
  G.listBoxes[listHelp].items[1] = "autre chose";
  h.Tick();
  EXPECT_EQ(G.listBoxes[listHelp].items[1], "autre chose");

  // Another family, then back: each is read as the pointer comes onto it.
  h.HoverAt(MenuProgram::FamilyPoint(2));
  h.Run(500);
  EXPECT_EQ(reads("LE MOT LE PLUS LONG.txt"), 1);
  EXPECT_EQ(G.listBoxes[listHelp].items[1], "long ligne 1");
  EXPECT_EQ(G.listBoxes[listHelp].items[3], "pendu ligne 3") << "a short page shows the tail of the one before";
  h.HoverAt(MenuProgram::FamilyPoint(4));
  EXPECT_EQ(reads("LE PENDU.txt"), 2);
  EXPECT_EQ(G.listBoxes[listHelp].items[1], "pendu ligne 1");
}

TEST(GameList, ClickingAFamilyOpensItsMenuAndRetourComesBack) {
  MenuProgram h;
  h.Open();
  h.ClickAt(MenuProgram::FamilyPoint(1));
  EXPECT_EQ(G.currentScreen, 2);
  EXPECT_EQ(G.menuFamily, 1u);
  h.Tick();
  EXPECT_EQ(G.currentScreen, 2);

  // Rows 0-2 are the three variants, row 3 is empty, row 4 goes back.
  h.HoverAt(MenuProgram::MenuRowPoint(1, 17));
  EXPECT_EQ(G.cursorShape, -21);
  h.ClickAt(MenuProgram::MenuRowPoint(4, 20));
  EXPECT_EQ(G.currentScreen, 1);
  EXPECT_TRUE(G.gameTitle.empty());
  h.Tick();
  EXPECT_EQ(G.currentScreen, 1);
}

TEST(VariantMenu, ClickingAVariantStartsIt) {
  MenuProgram h;
  h.Open();
  G.listBoxes[listHelp].items[1].clear();
  h.ClickAt(MenuProgram::FamilyPoint(4));
  ASSERT_EQ(G.menuFamily, 8u);
  h.ClickAt(MenuProgram::MenuRowPoint(2, 16));  // "PENDU  8 lettres"
  EXPECT_EQ(G.currentScreen, 0);
  EXPECT_EQ(G.currentVariant, 10u);
  EXPECT_EQ(G.gameTitle.str(), "PENDU  8 lettres");
  EXPECT_EQ(wordCount[8], 1);  // the French dictionary: ABRICOTS
  EXPECT_EQ(wordCount[5], 4);
  EXPECT_EQ(G.listBoxes[listHelp].items[1], "pendu ligne 1");
  h.Tick();
  EXPECT_EQ(G.currentScreen, 0);
  EXPECT_EQ(G.boardReady, 1);
  EXPECT_EQ(G.wordSlots[0].str(), "ABRICOTS");
}

TEST(VariantMenu, AFamilyOfOneVariantStartsAtOnce) {
  MenuProgram h;
  h.Open();
  h.ClickAt(MenuProgram::FamilyPoint(2));  // "LE MOT LE PLUS LONG"
  EXPECT_EQ(G.currentScreen, 2);
  h.Tick();
  EXPECT_EQ(G.currentScreen, 0);
  EXPECT_EQ(G.currentVariant, 4u);
  EXPECT_EQ(G.gameTitle.str(), "LE MOT LE PLUS LONG");
  EXPECT_EQ(G.listBoxes[listHelp].items[1], "long ligne 1");
}

TEST(VariantMenu, TheEnglishGridsPlaceIsBlankButOpensVariants92To104) {
  MenuProgram h;
  h.Open();
  const Point place = MenuProgram::FamilyPoint(25);
  G.listBoxes[listHelp].items[1].clear();
  h.HoverAt(place);
  // Nothing is drawn there: no hand, no help.
  EXPECT_EQ(G.cursorShape, 0);
  EXPECT_EQ(G.listBoxes[listHelp].items[1], "");
  h.ClickAt(place);
  EXPECT_EQ(G.currentScreen, 2);
  EXPECT_EQ(G.menuFamily, 92u);
  h.Tick();
  // Row 12 is "MIXWORD 6x6" (variant 104), row 13 the empty one, row 14 "Retour".
  h.HoverAt(MenuProgram::MenuRowPoint(12, 11));
  EXPECT_EQ(G.cursorShape, -21);
  h.HoverAt(MenuProgram::MenuRowPoint(13, 11));
  EXPECT_EQ(G.cursorShape, 0);
  h.ClickAt(MenuProgram::MenuRowPoint(14, 20));
  EXPECT_EQ(G.currentScreen, 1);
}

TEST(VariantMenu, NoMenuListsVariant150) {
  MenuProgram h;
  h.Open();
  for (int f = 1; f <= 30; ++f) {
    const int first = FamilyFirstVariant(f);
    EXPECT_LE(first + FamilyVariantCount(f) - 1, 149) << "family " << f;
  }
  // The stacked words' menu ends with "10 MOTS EMPILES"; the row after it,
  // where "9 MOTS EMPILES" would stand, is the empty one.
  h.ClickAt(MenuProgram::FamilyPoint(30));
  ASSERT_EQ(G.menuFamily, 145u);
  h.Tick();
  h.HoverAt(MenuProgram::MenuRowPoint(4, 15));
  EXPECT_EQ(G.cursorShape, -21);
  h.HoverAt(MenuProgram::MenuRowPoint(5, 14));
  EXPECT_EQ(G.cursorShape, 0);
  h.ClickAt(MenuProgram::MenuRowPoint(5, 14));
  EXPECT_EQ(G.currentScreen, 2);
  EXPECT_TRUE(G.gameTitle.empty());
}

TEST(ScreenClicks, AClickIsConsumedByTheFrameThatSeesIt) {
  MenuProgram h;
  h.Open();
  // A press on nothing is spent by the next frame, so sliding onto a
  // family with the button still down opens nothing.
  h.Press(700, 500);
  h.Tick();
  EXPECT_EQ(G.clickPending, 0);
  h.MoveTo(MenuProgram::FamilyPoint(1).x, MenuProgram::FamilyPoint(1).y);
  h.Tick(3);
  EXPECT_EQ(G.currentScreen, 1);
  h.Release(700, 500);

  // "Retour" sits over "BOURSE AUX VOYELLES" on the game list: the click
  // that goes back does not open that family too.
  h.ClickAt(MenuProgram::FamilyPoint(1));
  ASSERT_EQ(G.currentScreen, 2);
  h.Tick();
  const Point back = MenuProgram::MenuRowPoint(4, 20);
  h.MoveTo(back.x, back.y);
  h.Tick();
  h.Press(back.x, back.y);
  h.Tick();
  EXPECT_EQ(G.currentScreen, 1);
  h.Tick(3);
  EXPECT_EQ(G.currentScreen, 1);
  h.Release(back.x, back.y);
}

TEST(QuitConfirmation, EscapeOpensItAndCancelReturns) {
  MenuProgram h;
  h.Open();
  h.Key(kVkEscape);
  h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
  EXPECT_EQ(G.currentScreen, 100);
  EXPECT_EQ(G.panelX, 800);
  h.Settle();
  h.ClickAt(MenuProgram::PanelButton(200, 140));
  EXPECT_EQ(G.currentScreen, 0);
  EXPECT_FALSE(Form1.closed);
  h.Tick();
  EXPECT_EQ(G.currentScreen, 1);
}

TEST(QuitConfirmation, ConfirmShowsTheFarewellForThreeSecondsThenCloses) {
  MenuProgram h;
  h.Open();
  h.Key(kVkEscape);
  h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
  h.Settle();
  const Point confirm = MenuProgram::PanelButton(40, 140);
  h.MoveTo(confirm.x, confirm.y);
  h.Tick();
  h.Press(confirm.x, confirm.y);
  const uint32_t before = Now();
  h.Tick();
  EXPECT_TRUE(Form1.closed);
  EXPECT_GE(Now() - before, 3000u);
  EXPECT_LT(Now() - before, 3100u);
}

TEST(QuitConfirmation, EscapeClosesTheOtherOverlays) {
  MenuProgram h;
  h.Open();
  h.ClickAt(MenuProgram::FamilyPoint(1));
  ASSERT_EQ(G.currentScreen, 2);
  h.Key(kVkEscape);
  h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
  EXPECT_EQ(G.currentScreen, 0);
  h.Tick();
  EXPECT_EQ(G.currentScreen, 1);
}

TEST(Panel, SlidesInFromTheRightEdgeTowards220) {
  MenuProgram h;
  h.Open();
  const int before = h.Played(9);
  h.Key(kVkEscape);
  h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
  ASSERT_EQ(G.panelX, 800);
  h.Tick();
  EXPECT_EQ(G.panelX, 742);  // a tenth of the 580 pixels left
  EXPECT_EQ(h.Played(9), before + 1);
  int last = G.panelX;
  for (int i = 0; i < 100; ++i) {
    h.Tick();
    EXPECT_LE(G.panelX, last);
    last = G.panelX;
  }
  EXPECT_GE(G.panelX, 220);
  EXPECT_LE(G.panelX, 229);
  h.Tick(10);
  EXPECT_EQ(G.panelX, last);
  EXPECT_EQ(h.Played(9), before + 1);  // the slide sound plays once per opening
}
