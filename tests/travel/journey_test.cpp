// SPDX-License-Identifier: GPL-3.0-or-later
// A journey: started from the main row, moved square by square, paid for
// with the stage rewards, completed on the destination or stranded.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "journey_fixture.h"
#include "platform/clock.h"
#include "travel/travel.h"
#include "words/word_store.h"

namespace {

struct Plan {
  int sx, sy, dx, dy, low, high, number;
};

// Start, destination, purse range (bonus included) and code of each journey.
const Plan kPlans[] = {
    {0, 0, 12, 6, 120, 219, 1}, {0, 0, 12, 2, 201, 300, 1}, {3, 4, 12, 6, 201, 300, 3},
    {3, 4, 6, 1, 201, 300, 5},  {3, 4, 12, 2, 150, 249, 6}, {2, 2, 12, 2, 150, 249, 7},
};

// The plan row the journey matches; -1 if none.
int MatchingPlan() {
  for (int k = 0; k < 6; ++k) {
    const Plan& p = kPlans[k];
    if (G.journeyStartX == p.sx && G.journeyStartY == p.sy && G.destinationX == p.dx &&
        G.destinationY == p.dy && G.journeyNumber == p.number)
      return k;
  }
  return -1;
}

}  // namespace

TEST(JourneyStart, TheMainButtonShowsTheMapWithAJourneyFromTheTable) {
  Journey h;
  h.Open();
  const int chimes = Played(4);
  h.PressTravelButton();
  EXPECT_EQ(Played(4), chimes + 1);
  EXPECT_TRUE(G.travelMapShowing);
  EXPECT_FALSE(G.travelModeActive);
  EXPECT_EQ(G.currentScreen, 0);
  EXPECT_EQ(G.currentBackground, 51);
  const int k = MatchingPlan();
  ASSERT_GE(k, 0);
  EXPECT_EQ(G.pawnX, G.journeyStartX);
  EXPECT_EQ(G.pawnY, G.journeyStartY);
  EXPECT_GE(G.travelMoney, kPlans[k].low);
  EXPECT_LE(G.travelMoney, kPlans[k].high);
  EXPECT_TRUE(G.messageShowing);
  EXPECT_EQ(G.messageText, Comment(31));
}

TEST(JourneyStart, EverySquareGetsAStageGameRewardAndPrice) {
  Journey h;
  h.Open();
  std::set<std::pair<int, int>> journeys;
  for (int run = 0; run < 40; ++run) {
    StartJourney();
    const int k = MatchingPlan();
    ASSERT_GE(k, 0);
    EXPECT_GE(G.travelMoney, kPlans[k].low);
    EXPECT_LE(G.travelMoney, kPlans[k].high);
    journeys.insert({G.destinationX * 100 + G.destinationY, G.journeyStartX * 100 + G.journeyStartY});
  }
  EXPECT_EQ(journeys.size(), 6u);
  for (int x = 0; x < 14; ++x)
    for (int y = 0; y <= 8; ++y) {
      const TravelSquare& square = G.travelSquares[x][y];
      EXPECT_GE(square.stageVariant, 1);
      EXPECT_LE(square.stageVariant, 50);
      EXPECT_EQ(square.stageGameName.str(), G.variantName[square.stageVariant].substr(0, 26));
      EXPECT_GE(square.rewardPoints, 10);
      EXPECT_LE(square.rewardPoints, 159);
      const bool dear = square.countryName.str() == Comment(64);
      EXPECT_GE(square.entryCost, dear ? 40 : 10);
      EXPECT_LE(square.entryCost, dear ? 239 : 109);
    }
}

TEST(JourneyMap, HoveringAGreenNeighbourShowsItsTip) {
  Journey h;
  h.Open();
  h.PressTravelButton();
  h.PlaceAt(5, 3);
  h.Price(6, 3, 42, 77);
  G.travelSquares[6][3].countryName = std::string("");
  const Point p = Journey::SquareCentre(6, 3);
  h.MoveTo(p.x, p.y);
  h.Tick();
  EXPECT_EQ(G.hoveredSquareX, 6);
  EXPECT_EQ(G.hoveredSquareY, 3);
  // A square without a country: the tip begins with a space.
  EXPECT_EQ(G.statusTip.str(), " " + Comment(26) + "42$  " + Comment(29) +
                                   G.travelSquares[6][3].stageGameName.str());
  // A square that is not next to the pawn is no target.
  const Point far = Journey::SquareCentre(9, 3);
  h.MoveTo(far.x, far.y);
  h.Tick();
  EXPECT_TRUE(G.statusTip.empty());
  h.Click(far.x, far.y);
  h.Run(2100);
  EXPECT_EQ(G.pawnX, 5);
  EXPECT_TRUE(G.travelMapShowing);
  EXPECT_FALSE(G.letterFlying);
}

TEST(JourneyMap, ClickingANeighbourFliesThePawnPaysAndStartsTheStage) {
  Journey h;
  h.Open();
  h.PressTravelButton();
  G.travelMoney = 100;
  h.PlaceAt(5, 3);
  h.Price(5, 4, 30, 50, 10);
  const int whooshes = Played(5);
  wordLinesRead = 0;
  const Point p = Journey::SquareCentre(5, 4);
  h.MoveTo(p.x, p.y);
  h.Tick();
  h.Click(p.x, p.y);
  EXPECT_TRUE(G.letterFlying);
  EXPECT_EQ(Played(5), whooshes + 1);
  h.Run(1000);  // half way: still flying, nothing paid
  EXPECT_TRUE(G.letterFlying);
  EXPECT_EQ(G.pawnY, 3);
  EXPECT_EQ(G.travelMoney, 100);
  h.Run(1100);
  EXPECT_FALSE(G.letterFlying);
  EXPECT_EQ(G.pawnX, 5);
  EXPECT_EQ(G.pawnY, 4);
  EXPECT_EQ(G.travelMoney, 70);
  EXPECT_FALSE(G.travelMapShowing);
  EXPECT_TRUE(G.travelModeActive);
  EXPECT_EQ(G.currentVariant, 10u);
  EXPECT_EQ(G.gameTitle.str(), G.variantName[10]);
  EXPECT_EQ(G.journeyText.str(), Comment(35));
  EXPECT_GT(wordLinesRead, 0);  // the French words, loaded again
  h.Run(500);
  EXPECT_EQ(G.boardReady, 1);
}

TEST(JourneyMap, APriceAboveThePurseIsRefusedAndAnEqualOneLeavesNothing) {
  Journey h;
  h.Open();
  h.PressTravelButton();
  G.travelMoney = 40;
  h.PlaceAt(5, 3);
  h.Price(4, 3, 41);
  h.Price(6, 3, 40);
  h.ClickSquare(4, 3);
  EXPECT_EQ(G.pawnX, 5);
  EXPECT_EQ(G.travelMoney, 40);
  EXPECT_TRUE(G.travelMapShowing);
  EXPECT_EQ(G.messageText, Comment(92));
  EXPECT_FALSE(G.travelMapClicked);
  h.ClickSquare(6, 3);
  EXPECT_EQ(G.pawnX, 6);
  EXPECT_EQ(G.travelMoney, 0);
  EXPECT_TRUE(G.travelModeActive);
}

TEST(JourneyMap, TheCornerSquareCanBeEnteredAgain) {
  Journey h;
  h.Open();
  h.PressTravelButton();
  G.travelMoney = 100;
  h.EnterStage(1, 0, 0, 0);
  EXPECT_EQ(G.pawnX, 0);
  EXPECT_EQ(G.pawnY, 0);
  EXPECT_EQ(G.travelMoney, 70);
  EXPECT_TRUE(G.travelModeActive);
}

TEST(JourneyStages, AWonStagePaysItsRewardAndShowsTheMapAgain) {
  Journey h;
  h.Open();
  h.PressTravelButton();
  G.travelMoney = 100;
  G.destinationX = 12;
  G.destinationY = 6;
  h.EnterStage(5, 3, 5, 4, 30, 55);
  G.gameWon = 1;
  h.Tick();
  EXPECT_FALSE(G.travelStageWon);
  h.Click(400, 300);
  h.Tick();
  EXPECT_EQ(G.travelMoney, 125);
  EXPECT_TRUE(G.travelMapShowing);
  EXPECT_FALSE(G.travelModeActive);
  EXPECT_FALSE(G.gameWon);
  EXPECT_EQ(G.currentBackground, 51);
  EXPECT_TRUE(h.LogHas("passage par voyage continue"));
}

TEST(JourneyStages, ALostStagePaysNothingAndTheJourneyGoesOn) {
  Journey h;
  h.Open();
  h.PressTravelButton();
  G.travelMoney = 100;
  h.EnterStage(5, 3, 5, 4, 30, 55);
  Journey::LoseStage();
  h.Tick();
  h.Click(400, 300);
  h.Tick();
  EXPECT_EQ(G.travelMoney, 70);
  EXPECT_TRUE(G.travelMapShowing);
  EXPECT_FALSE(G.travelFailed);
}

TEST(JourneyStages, ALostStageContinuesByItselfAfterTenSeconds) {
  Journey h;
  h.Open();
  h.PressTravelButton();
  G.travelMoney = 100;
  h.EnterStage(5, 3, 5, 4, 30, 55);
  Journey::LoseStage();
  h.Run(9000);
  EXPECT_TRUE(G.travelModeActive);
  h.Run(1200);
  EXPECT_TRUE(G.travelMapShowing);
  EXPECT_FALSE(G.travelModeActive);
  EXPECT_EQ(G.travelMoney, 70);
}

TEST(JourneyStages, AStageWonOnTheDestinationCompletesTheJourney) {
  Journey h;
  h.Open();
  h.PressTravelButton();
  G.travelMoney = 100;
  G.destinationX = 5;
  G.destinationY = 4;
  h.EnterStage(5, 3, 5, 4, 30, 55);
  G.gameWon = 1;
  h.Tick();
  EXPECT_TRUE(G.travelStageWon);
  h.Click(400, 300);
  h.Tick();
  EXPECT_EQ(G.travelMoney, 70);  // the last reward is not paid
  EXPECT_FALSE(G.gameWon);
  EXPECT_TRUE(G.gameTitle.empty());
  EXPECT_FALSE(G.travelMapShowing);  // no way back to the map from here
}

TEST(JourneyStages, APawnWithNoAffordableNeighbourStrandsTheJourney) {
  Journey h;
  h.Open();
  h.PressTravelButton();
  G.travelMoney = 100;
  // On the left column the missing side counts 1000.
  h.EnterStage(0, 4, 0, 5, 60, 10);
  h.Price(0, 4, 41);
  h.Price(1, 5, 41);
  h.Price(0, 6, 41);
  Journey::LoseStage();
  h.Tick();
  h.Click(400, 300);
  h.Tick();
  EXPECT_TRUE(G.travelFailed);
  EXPECT_EQ(G.journeyText.str(), "AAAVOYAGE");
  EXPECT_FALSE(G.travelMapShowing);
  EXPECT_EQ(G.travelMoney, 40);
  // The next click ends the journey.
  h.Click(400, 300);
  h.Tick();
  EXPECT_FALSE(G.travelFailed);
  EXPECT_FALSE(G.travelModeActive);
  EXPECT_TRUE(G.gameTitle.empty());
}

TEST(JourneyStages, ANeighbourAtExactlyThePurseKeepsTheJourneyGoing) {
  Journey h;
  h.Open();
  h.PressTravelButton();
  G.travelMoney = 100;
  h.EnterStage(13, 7, 12, 7, 60, 10);  // bottom right corner: two sides missing
  h.Price(13, 7, 41);
  h.Price(11, 7, 40);
  h.Price(12, 6, 99);
  Journey::LoseStage();
  h.Click(400, 300);
  h.Tick();
  EXPECT_FALSE(G.travelFailed);
  EXPECT_TRUE(G.travelMapShowing);
}

TEST(JourneyMap, EscapeOnTheMapAfterAStageLeavesTravelMode) {
  Journey h;
  h.Open();
  h.PressTravelButton();
  G.travelMoney = 100;
  h.EnterStage(5, 3, 5, 4, 30, 55);
  Journey::LoseStage();
  h.Click(400, 300);
  h.Tick();
  ASSERT_TRUE(G.travelMapShowing);
  h.Key(kVkEscape);
  h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
  h.Tick();
  EXPECT_FALSE(G.travelMapShowing);
  EXPECT_FALSE(G.travelModeActive);
  EXPECT_TRUE(G.gameTitle.empty());
  EXPECT_EQ(G.currentVariant, 0u);
  h.Run(100);
  EXPECT_EQ(G.currentScreen, 1);  // back on the game list
}

TEST(JourneyMap, ADamagedPawnPositionStaysOnTheMap) {
  Journey h;
  h.Open();
  h.PressTravelButton();
  G.pawnX = 40;
  G.pawnY = -3;
  h.Tick();
  EXPECT_EQ(G.pawnX, 13);
  EXPECT_EQ(G.pawnY, 0);
}
