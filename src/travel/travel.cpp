// SPDX-License-Identifier: GPL-3.0-or-later
// The travel mode: a journey of games across a 14 x 8 map of countries, paid
// for with the rewards of the stages won on the way.
#include "travel/travel.h"

#include <string>

#include "display/assets.h"
#include "display/drawing.h"
#include "display/log.h"
#include "display/sound.h"
#include "persistence/commentary.h"
#include "platform/clock.h"
#include "platform/ini_file.h"
#include "state/game_state.h"
#include "display/resets.h"
#include "travel/map_squares.h"

void Chargepays() {
  const std::string path = G.programDir + "txt\\voyage.dta";
  const IniFile ini(path);
  if (ini.exists()) Log("voyage trouvé Chargement...");
  else LogProblem("Pays INTROUVABLEs : " + path);
  constexpr int entries = 113;
  // Without the file every entry would only write "AUCUN" into (0, 0); the
  // map is left without names instead.
  for (int n = 0; ini.exists() && n < entries; ++n) {
    const std::string number = std::to_string(n);
    const std::string name = ini.ReadString("PAYS", "nom" + number, "AUCUN");
    const int x = ini.ReadInteger("PAYS", "x" + number, 0);
    const int y = ini.ReadInteger("PAYS", "y" + number, 0);
    // An absent entry lands on (0, 0) as "AUCUN"; the shipped file repeats
    // its first country last so that square keeps its name.
    if (OnMap(x, y)) G.travelSquares[x][y].countryName = name;
  }
  Log(std::to_string(entries) + " Pays chargés");
}

namespace {

struct JourneyPlan {
  int startX, startY, destinationX, destinationY;
  int moneyBase;  // before Random(100) and the bonus of 100
  int number;
};

constexpr JourneyPlan kJourneys[6] = {
    {0, 0, 12, 6, 20, 1},  {0, 0, 12, 2, 101, 1}, {3, 4, 12, 6, 101, 3},
    {3, 4, 6, 1, 101, 5},  {3, 4, 12, 2, 50, 6},  {2, 2, 12, 2, 50, 7},
};

// Every square, row 8 included, gets a stage game, a reward and a price;
// the squares named like commentary 64 cost more to enter. Gives the last
// variant drawn.
int FillSquares() {
  // The stages are drawn from the first fifty variants, the French games.
  constexpr int kStageVariantCount = 50;
  const std::string dearCountry = Comment(64);
  int variant = 1;
  for (int x = 0; x <= 13; ++x)
    for (int y = 0; y <= 8; ++y) {
      TravelSquare& square = G.travelSquares[x][y];
      variant = Random(kStageVariantCount) + 1;
      square.rewardPoints = Random(150) + 10;
      square.stageGameName = G.variantName[variant];
      square.stageVariant = variant;
      square.entryCost = square.countryName.str() == dearCountry ? Random(200) + 40 : Random(100) + 10;
    }
  return variant;
}

}  // namespace

void StartJourney() {
  PlaySound(kSoundJourney);
  G.travelModeActive = 0;
  G.travelStageWon = 0;
  G.travelFailed = 0;
  G.travelMapShowing = 1;

  const JourneyPlan& plan = kJourneys[Random(6)];
  G.journeyStartX = plan.startX;
  G.journeyStartY = plan.startY;
  G.destinationX = plan.destinationX;
  G.destinationY = plan.destinationY;
  G.travelMoney = Random(100) + plan.moneyBase;
  G.travelMoney += 100;
  G.journeyNumber = plan.number;
  G.pawnX = plan.startX;
  G.pawnY = plan.startY;

  G.currentScreen = kScreenBoard;
  LoadBackground(51);
  ListBox& help = G.listBoxes[listHelp];
  for (int i = 1; i <= 599; ++i) help.items[i].clear();

  const int lastVariant = FillSquares();
  ShowTimedMessage(-20, 42, Comment(31));
  // The help loaded is that of the last square filled, a square off the map.
  ChargeAide(static_cast<uint8_t>(lastVariant));
}

void ContinueJourney() {
  KeepPawnOnMap();
  if (G.gameWon) {
    PlaySound(kSoundDrop);
    G.travelMoney += G.travelSquares[G.pawnX][G.pawnY].rewardPoints;
    PlaySound(kSoundCredit);
  }
  ResetGame();
  Log("passage par voyage continue");
  const int cheapest = CheapestNeighbourCost(G.pawnX, G.pawnY);
  G.currentScreen = kScreenBoard;
  if (cheapest > G.travelMoney) {
    G.travelFailed = 1;
    G.journeyText = std::string("AAAVOYAGE");
    return;  // stranded: the failure panel shows instead of the map
  }
  LoadBackground(51);
  G.travelModeActive = 0;
  G.travelMapShowing = 1;
}
