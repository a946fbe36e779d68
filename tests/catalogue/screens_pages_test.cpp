// SPDX-License-Identifier: GPL-3.0-or-later
// The panel pages, the toolbar of a running game and the main buttons,
// played through the whole program.
#include <gtest/gtest.h>

#include "catalogue/screen_actions.h"
#include "catalogue/catalogue.h"
#include "catalogue/screens.h"
#include "catalogue/screens_fixture.h"
#include "platform/clock.h"
#include "platform/keys.h"
#include "state/forms.h"

namespace {

constexpr int T = 72;
constexpr int B = 422;

// Beside the default words (three of them five-letter words starting with
// C), 700 five-letter words starting with B, 595 with C and 599 with D.
std::string CrowdedDictionary() {
  std::string words = MenuProgram::DefaultDictionary();
  const std::pair<char, int> groups[] = {{'B', 700}, {'C', 595}, {'D', 599}};
  for (const auto& [first, count] : groups)
    for (int i = 0; i < count; ++i) {
      std::string w(1, first);
      for (int n = i, k = 0; k < 4; ++k, n /= 26) w += static_cast<char>('A' + n % 26);
      words += w + "\r\n";
    }
  return words;
}

// A game under way: the pendu on eight letters.
void StartHangman(MenuProgram& h) {
  StartVariant(10);
  h.Tick();
  ASSERT_EQ(G.boardReady, 1);
  ASSERT_EQ(G.currentScreen, 0);
}

void TypeKeys(MenuProgram& h, const std::string& keys) {
  for (char c : keys) h.Key(c == '*' ? kVkMultiply : static_cast<unsigned char>(c));
}

void ClickToolbar(MenuProgram& h, int x) { h.ClickAt(MenuProgram::ButtonPoint(x, 540)); }

}  // namespace

TEST(TypedText, TheSearchPagesTakeSixteenCharactersAndBackspace) {
  MenuProgram h;
  h.Open();
  for (int screen : {8, 9}) {
    ScreenAction(screen);
    h.Tick();
    h.Key(kVkBack);
    EXPECT_EQ(G.typedText, "");
    TypeKeys(h, "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(G.typedText, "ABCDEFGHIJKLMNOP");
    h.Key(kVkBack);
    h.Key(kVkBack);
    h.Key(kVkSpace);
    h.Key('7');
    h.Key(':');
    h.Key(kVkOem5);
    EXPECT_EQ(G.typedText, "ABCDEFGHIJKLMN 7");
    h.Key(kVkBack);
    h.Key(kVkOem5);
    h.Key(189);  // keys outside the table type nothing
    EXPECT_EQ(G.typedText, "ABCDEFGHIJKLMN *");
    h.Key(kVkEscape);
    h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
    h.Tick();
  }
  // The game list takes no typing.
  ASSERT_EQ(G.currentScreen, 1);
  G.typedText.clear();
  TypeKeys(h, "ABC");
  EXPECT_EQ(G.typedText, "");
}

TEST(TypedText, ThePlayerPageNameFollowsTheTypedText) {
  MenuProgram h;
  h.Open();
  G.playerName = "ANNE";
  ScreenAction(6);
  EXPECT_EQ(G.typedText, "ANNE");
  h.Tick();
  TypeKeys(h, "S");
  h.Tick();
  EXPECT_EQ(G.playerName.str(), "ANNES");
  h.Key(kVkBack);
  h.Key(kVkBack);
  EXPECT_EQ(G.playerName.str(), "ANN");  // at once, before any frame
  const int sounds = h.Played(1);
  h.Key(kVkReturn);
  EXPECT_EQ(h.Played(1), sounds + 1);
  EXPECT_EQ(G.playerName.str(), "ANN");
}

TEST(SearchPages, EnterListsTheAnagramsOrSaysThereAreNone) {
  MenuProgram h;
  h.Open();
  ScreenAction(8);
  h.Tick();
  TypeKeys(h, "NICHE");
  const int sounds = h.Played(1);
  h.Key(kVkReturn);
  EXPECT_EQ(h.Played(1), sounds + 1);
  h.Tick();
  const ListBox& results = G.listBoxes[listAnagram];
  EXPECT_EQ(results.items[1], "CHIEN");
  EXPECT_EQ(results.items[2], "CHINE");
  EXPECT_EQ(results.items[3], "");
  EXPECT_EQ(results.itemCount, 2);
  EXPECT_EQ(results.top, 0);

  for (int i = 0; i < 5; ++i) h.Key(kVkBack);
  TypeKeys(h, "MAISON");
  h.Key(kVkReturn);
  h.Tick();
  EXPECT_EQ(results.items[1], "Pas de réponses");
  EXPECT_EQ(results.items[2], "");

  // Reopening the page starts from an empty text and an empty list.
  h.Key(kVkEscape);
  h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
  ScreenAction(8);
  EXPECT_EQ(G.typedText, "");
  EXPECT_EQ(results.items[1], "");
}

TEST(SearchPages, TheIncompleteWordSearchTakesStarsForOneLetter) {
  MenuProgram h;
  h.Open();
  ScreenAction(9);
  h.Tick();
  TypeKeys(h, "C*AT");
  h.Key(kVkReturn);
  h.Tick();
  const ListBox& results = G.listBoxes[listAnagram];
  EXPECT_EQ(results.items[1], "CHAT");
  EXPECT_EQ(results.items[2], "COAT");
  EXPECT_EQ(results.items[3], "CRAT");
  EXPECT_EQ(results.items[4], "");
  EXPECT_EQ(results.itemCount, 3);
}

TEST(SearchPages, TooManyAnswersShowOneLine) {
  MenuProgram h(CrowdedDictionary());
  h.Open();
  ScreenAction(9);
  h.Tick();
  const ListBox& results = G.listBoxes[listAnagram];
  TypeKeys(h, "C****");
  h.Key(kVkReturn);
  h.Tick();
  EXPECT_EQ(results.itemCount, 598);
  EXPECT_EQ(results.items[1], "CHIEN");
  EXPECT_EQ(results.items[4], "CAAAA");
  EXPECT_EQ(results.items[598].substr(0, 1), "C");

  for (char prefix : {'D', 'B'}) {
    for (int i = 0; i < 5; ++i) h.Key(kVkBack);
    TypeKeys(h, std::string(1, prefix) + "****");
    h.Key(kVkReturn);
    h.Tick();
    EXPECT_EQ(results.items[1], "Plus de 600 réponses") << prefix;
    EXPECT_EQ(results.items[2], "") << prefix;
  }
}

TEST(OptionsPage, TheCheckBoxesSwitchSoundsAndMusic) {
  MenuProgram h;
  h.WriteProgramFile("music/piece.mid", std::string("MThd") + std::string(20, '\0'));
  h.Open();
  ASSERT_FALSE(Form1.musique.fileName.empty());
  StartHangman(h);
  ClickToolbar(h, 680);
  ASSERT_EQ(G.currentScreen, 3);
  h.Settle();
  const bool sounds = SoundsOn();
  h.ClickAt({G.panelX + 70, T + 370});
  EXPECT_NE(SoundsOn(), sounds);
  h.HoverAt({G.panelX + 70, T + 370});
  EXPECT_EQ(G.cursorShape, -21);  // a box under the pointer asks for the hand
  h.ClickAt({G.panelX + 70, T + 370});
  EXPECT_EQ(SoundsOn(), sounds);

  ASSERT_TRUE(MusicOn());
  h.ClickAt({G.panelX + 70, T + 345});
  EXPECT_FALSE(MusicOn());
  EXPECT_TRUE(Form1.musique.paused());
  h.ClickAt({G.panelX + 70, T + 345});
  EXPECT_TRUE(MusicOn());
  EXPECT_FALSE(Form1.musique.paused());

  // Just outside a box is no click on it.
  h.ClickAt({G.panelX + 60, T + 345});
  EXPECT_TRUE(MusicOn());

  h.ClickAt(MenuProgram::PanelRightButton(0, B - 20 - T));
  EXPECT_EQ(G.currentScreen, 0);
  EXPECT_EQ(G.gameTitle.str(), "PENDU  8 lettres");
}

TEST(ScoresPage, AClickOnAScrollButtonStepsOneLineAndAHeldOneRepeats) {
  MenuProgram h;
  h.Open();
  ListBox& scores = G.listBoxes[listScores];
  for (int i = 1; i <= 30; ++i) scores.items[i] = "score " + std::to_string(i);
  h.ClickAt(MenuProgram::ButtonPoint(180, 540));
  ASSERT_EQ(G.currentScreen, 4);
  h.Settle();
  ASSERT_EQ(scores.top, 0);

  const Point down = MenuProgram::PanelButton(15, 290);
  h.ClickAt(down);
  EXPECT_EQ(scores.top, 1);

  h.MoveTo(down.x, down.y);
  h.Tick();
  h.Press(down.x, down.y);
  h.Run(40);
  EXPECT_EQ(scores.top, 2);  // one line at once, the next after 50 ms
  h.Run(560);
  EXPECT_GE(scores.top, 10);
  EXPECT_LE(scores.top, 13);
  h.Release(down.x, down.y);
  const int reached = scores.top;
  h.Run(300);
  EXPECT_EQ(scores.top, reached);

  // Held long enough, the list stops with its last item on the last line.
  h.Press(down.x, down.y);
  h.Run(3000);
  h.Release(down.x, down.y);
  EXPECT_EQ(scores.top, 30 - scores.visibleLines);

  const Point up = MenuProgram::PanelButton(15, 90);
  h.MoveTo(up.x, up.y);
  h.Tick();
  h.Press(up.x, up.y);
  h.Run(3000);
  h.Release(up.x, up.y);
  EXPECT_EQ(scores.top, 0);
}

TEST(ScoresPage, DeleteRemovesTheSelectedLineAndClearEmptiesTheList) {
  MenuProgram h;
  h.Open();
  ListBox& scores = G.listBoxes[listScores];
  for (int i = 1; i <= 5; ++i) scores.items[i] = "score " + std::to_string(i);
  h.ClickAt(MenuProgram::ButtonPoint(180, 540));
  h.Settle();
  // Line 2 of the list at (L+90, T+90).
  const int sounds = h.Played(1);
  h.ClickAt({G.panelX + 100, T + 90 + 40 + 9});
  EXPECT_EQ(scores.selected, 2);
  EXPECT_EQ(h.Played(1), sounds + 1);
  h.ClickAt(MenuProgram::PanelRightButton(-90, B - 20 - T));
  EXPECT_EQ(scores.items[1], "score 1");
  EXPECT_EQ(scores.items[2], "score 3");
  EXPECT_EQ(scores.items[4], "score 5");
  EXPECT_EQ(scores.items[5], "");
  h.Tick();
  EXPECT_EQ(scores.itemCount, 4);

  h.ClickAt(MenuProgram::PanelRightButton(-150, B - 20 - T));
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(scores.items[i], "");
  h.Tick();
  EXPECT_EQ(scores.itemCount, 0);

  h.ClickAt(MenuProgram::PanelRightButton(-30, B - 20 - T));
  EXPECT_EQ(G.currentScreen, 0);
}

TEST(Toolbar, HelpRestartAndTheSearchPagesOfARunningGame) {
  MenuProgram h;
  h.Open();
  StartHangman(h);
  ClickToolbar(h, 620);
  EXPECT_EQ(G.currentScreen, 5);
  EXPECT_EQ(G.listBoxes[listHelp].top, 1);
  EXPECT_EQ(G.listBoxes[listHelp].items[1], "pendu ligne 1");
  EXPECT_EQ(G.gameTitle.str(), "PENDU  8 lettres");
  h.Settle();
  h.ClickAt(MenuProgram::PanelRightButton(-30, B - 10 - T));
  EXPECT_EQ(G.currentScreen, 0);

  ClickToolbar(h, 500);
  EXPECT_EQ(G.currentScreen, 8);
  h.Key(kVkEscape);
  h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
  ClickToolbar(h, 560);
  EXPECT_EQ(G.currentScreen, 9);
  h.Settle();
  h.ClickAt(MenuProgram::PanelRightButton(-30, 355));
  EXPECT_EQ(G.currentScreen, 0);

  // Give up, then restart: the same game comes back, fresh.
  ClickToolbar(h, 740);
  h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
  ASSERT_EQ(G.gameLost, 1);
  ClickToolbar(h, 380);
  EXPECT_EQ(G.currentScreen, 0);
  EXPECT_EQ(G.gameLost, 0);
  EXPECT_EQ(G.currentVariant, 10u);
  EXPECT_EQ(G.gameTitle.str(), "PENDU  8 lettres");
  h.Tick();
  EXPECT_EQ(G.boardReady, 1);
  EXPECT_EQ(G.currentScreen, 0);
}

TEST(Toolbar, GiveUpEndsARunningGameOnlyOnce) {
  MenuProgram h;
  h.Open();
  StartHangman(h);
  ClickToolbar(h, 740);
  h.Key(kVkReturn);
  EXPECT_EQ(G.gameLost, 1);
  const uint32_t ended = G.gameEndTick;
  EXPECT_GT(ended, 0u);
  h.Run(500);
  ClickToolbar(h, 740);
  EXPECT_EQ(G.gameEndTick, ended);
  EXPECT_EQ(G.gameWon, 0);

  StartHangman(h);
  G.gameWon = 1;  // as the completion check leaves it
  ClickToolbar(h, 740);
  EXPECT_EQ(G.gameLost, 0);
  EXPECT_EQ(G.gameWon, 1);
}

TEST(MainButtons, PlayerSavesScoresAndQuit) {
  MenuProgram h;
  h.Open();
  G.playerName = "LUC";
  h.ClickAt(MenuProgram::ButtonPoint(0, 540));
  EXPECT_EQ(G.currentScreen, 6);
  EXPECT_EQ(G.typedText, "LUC");
  h.Settle();
  TypeKeys(h, "AS");
  h.ClickAt(MenuProgram::PanelRightButton(-30, 355));
  EXPECT_EQ(G.currentScreen, 0);
  EXPECT_EQ(G.playerName.str(), "LUCAS");
  h.Tick();
  ASSERT_EQ(G.currentScreen, 1);

  h.ClickAt(MenuProgram::ButtonPoint(120, 540));
  EXPECT_EQ(G.currentScreen, 7);
  h.Settle();
  h.ClickAt(MenuProgram::PanelRightButton(-30, B - 20 - T));
  EXPECT_EQ(G.currentScreen, 0);
  h.Tick();

  h.ClickAt(MenuProgram::ButtonPoint(180, 540));
  EXPECT_EQ(G.currentScreen, 4);
  h.Key(kVkEscape);
  h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
  h.Tick();

  h.ClickAt(MenuProgram::ButtonPoint(240, 540));
  EXPECT_EQ(G.currentScreen, 100);
  EXPECT_FALSE(Form1.closed);
}

TEST(MainButtons, AreNotThereWhileAGameRuns) {
  MenuProgram h;
  h.Open();
  StartHangman(h);
  h.ClickAt(MenuProgram::ButtonPoint(240, 540));
  EXPECT_EQ(G.currentScreen, 0);
  EXPECT_EQ(G.gameTitle.str(), "PENDU  8 lettres");
}
