// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "harness/harness.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/keys.h"
#include "platform/screen.h"
#include "state/forms.h"
#include "state/game_state.h"

namespace {

// A started program past its splash, on the game list.
struct Running : Harness {
  Running() {
    EXPECT_TRUE(Start());
    Run(4100);
  }
  // A game that is running on the board, as a started variant leaves it.
  void RunGame(const char* title) {
    G.gameTitle = title;
    G.currentVariant = 9;
    G.currentScreen = 0;
    G.boardReady = 1;
  }
};

int Played(int wave) {
  const auto& w = WavesPlayed();
  return static_cast<int>(std::count(w.begin(), w.end(), wave));
}

}  // namespace

TEST(MainTick, AClickDuringTheSplashOnlyEndsTheSplash) {
  Harness h;
  ASSERT_TRUE(h.Start());
  h.Tick();
  h.Press(400, 300);
  EXPECT_EQ(G.splashShowing, 0);
  EXPECT_EQ(G.clickPending, 0);
  h.Release(400, 300);
  EXPECT_EQ(G.currentScreen, 1);
}

TEST(MainTick, WhileALetterFliesThePointerAndButtonsAreIgnored) {
  Running h;
  h.RunGame("PENDU");
  h.MoveTo(100, 100);
  G.letterFlying = 1;
  G.flight.startTick = 0xFFFFFFF0u;  // never lands while the test looks
  const Point before = G.mousePos;
  const int cellX = G.hoverCellX;
  h.MoveTo(300, 300);
  EXPECT_EQ(G.mousePos, before);
  EXPECT_EQ(G.hoverCellX, cellX);
  G.currentScreen = 3;
  h.Press(300, 300);
  EXPECT_EQ(G.clickPending, 0);
}

TEST(MainTick, AGivenUpGameClearsItselfTenSecondsLater) {
  Running h;
  h.RunGame("PENDU  8 lettres");
  h.Tick();
  h.Key(kVkEscape);
  h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
  EXPECT_EQ(G.gameLost, 1);
  h.Run(9900);
  EXPECT_FALSE(G.gameTitle.empty());
  h.Run(200);
  EXPECT_TRUE(G.gameTitle.empty());
  EXPECT_EQ(G.gameLost, 0);
  h.Tick();
  EXPECT_EQ(G.currentScreen, 1);
}

TEST(MainTick, InTravelModeTheLostStageFrameIsNotDrawn) {
  Running h;
  h.RunGame("ETAPE");
  G.travelModeActive = 1;
  h.Key(kVkEscape);
  h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
  h.Run(10000);
  const int flips = ScreenFlipCount();
  h.Tick();
  EXPECT_EQ(ScreenFlipCount(), flips);
}

TEST(MainTick, AnEmptyTitleOnTheBoardScreenReturnsToTheGameList) {
  Running h;
  G.currentScreen = 0;
  G.gameTitle.clear();
  h.Tick();
  EXPECT_EQ(G.currentScreen, 1);
}

TEST(MainTick, TheWinAndLossJinglesPlayOncePerGame) {
  Running h;
  h.RunGame("PENDU");
  G.gameWon = 1;
  h.Run(500);
  EXPECT_EQ(Played(11), 1);
  G.gameWon = 0;
  G.gameLost = 1;
  G.gameEndTick = Now();
  h.Run(500);
  EXPECT_EQ(Played(12), 0);  // the game's jingle was already played
  EXPECT_EQ(G.endSoundPlayed, 1);
}

TEST(MainTick, AFlyingLetterLandsInItsCellWithATick) {
  Running h;
  h.RunGame("PENDU");
  G.letterFlying = 1;
  G.lettersHeld = 1;
  G.heldText = "A";
  G.heldOriginCell = {3, 4};
  G.flight = Flight{};
  G.flight.kind = 1;
  G.flight.text = "A";
  G.flight.startTick = 0;
  G.flight.duration = 500;
  G.flight.toX = 200;
  G.flight.toY = 200;
  G.flight.fromX = 200;
  G.flight.fromY = 200;
  h.Tick();
  EXPECT_EQ(G.letterFlying, 0);
  EXPECT_EQ(G.boardLetters[3 * 21 + 4], 'A');
  EXPECT_EQ(G.lettersHeld, 0);
  EXPECT_EQ(Played(2), 1);
}

TEST(MainTick, ABoardThatIsNotReadyShowsTheHourglass) {
  Running h;
  h.RunGame("PENDU");
  G.currentVariant = 0;  // a game whose build is still pending
  G.boardReady = 0;
  h.Tick();
  EXPECT_EQ(G.cursorShape, -11);
  EXPECT_EQ(ScreenCursor(), -11);
}

TEST(Input, EscapeOnAnOverlayOnlyClosesIt) {
  Running h;
  h.RunGame("PENDU");
  G.currentScreen = 5;
  h.Key(kVkEscape);
  h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
  EXPECT_EQ(G.currentScreen, 0);
  EXPECT_EQ(G.gameLost, 0);
}

TEST(Input, TypedTextHoldsSixteenCharactersAtMost) {
  Running h;
  G.currentScreen = 8;
  h.Key(kVkBack);
  EXPECT_EQ(G.typedText, "");
  h.Type("ABCDEFGHIJKLMNOPQ");
  EXPECT_EQ(G.typedText, "ABCDEFGHIJKLMNOP");
  h.Key(kVkBack);
  h.Key(kVkMultiply);
  EXPECT_EQ(G.typedText, "ABCDEFGHIJKLMNO*");
  G.currentScreen = 3;
  h.Key('Z');
  EXPECT_EQ(G.typedText, "ABCDEFGHIJKLMNO*");
}

TEST(Input, ThePlayerPageCopiesTheTypedNameAndEnterPlaysTheChoiceSound) {
  Running h;
  G.currentScreen = 6;
  h.Type("ZOE");
  h.Key(kVkBack);
  EXPECT_EQ(G.playerName.str(), "ZO");
  h.Key(kVkReturn);
  EXPECT_EQ(Played(1), 1);
}

TEST(Input, TheClickAfterAWinScoresTheGameAndEndsIt) {
  Running h;
  h.RunGame("PENDU  8 lettres");
  G.playerName = "Zoe";
  G.elapsedMinutes = 1;
  G.elapsedSeconds = 5;
  G.elapsedTimeText = "01mn 05s";
  G.gameWon = 1;
  h.Tick();
  h.Press(400, 300);
  EXPECT_EQ(G.lastScore, 9160);
  EXPECT_EQ(G.gameWon, 0);  // the game reset follows the score
  EXPECT_TRUE(G.gameTitle.empty());
  const std::string line = G.listBoxes[listScores].items[1];
  ASSERT_EQ(line.size(), 45u);
  EXPECT_EQ(line.substr(0, 3), "Zoe");
  EXPECT_EQ(line.substr(41), "9160");
}

TEST(Input, APointerOverAnOverlayRecordsAPendingClick) {
  Running h;
  G.currentScreen = 3;
  h.Press(10, 10);
  EXPECT_EQ(G.clickPending, 1);
  h.Release(10, 10);
  EXPECT_EQ(G.clickPending, 0);
}

TEST(Input, TheClickAfterAStageWonOnTheDestinationEndsTheJourney) {
  Running h;
  h.RunGame("ETAPE");
  G.travelModeActive = 1;
  G.pawnX = G.destinationX = 5;
  G.pawnY = G.destinationY = 3;
  G.gameWon = 1;
  h.Tick();
  EXPECT_EQ(G.travelStageWon, 1);
  h.Press(400, 300);
  EXPECT_EQ(G.travelModeActive, 0);
  EXPECT_EQ(G.travelStageWon, 0);
  EXPECT_TRUE(G.gameTitle.empty());
}
