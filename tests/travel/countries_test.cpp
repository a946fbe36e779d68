// SPDX-License-Identifier: GPL-3.0-or-later
// The country file fills the names of the map squares at start-up.
#include <gtest/gtest.h>

#include "journey_fixture.h"
#include "travel/travel.h"

TEST(Countries, TheShippedFileNamesTheSquares) {
  Journey h;
  h.Open();
  EXPECT_TRUE(h.LogHas("voyage trouvé Chargement..."));
  EXPECT_TRUE(h.LogHas("113 Pays chargés"));
  EXPECT_EQ(G.travelSquares[0][0].countryName.str(), "Alaska");  // repeated last, so not "AUCUN"
  EXPECT_EQ(G.travelSquares[1][0].countryName.str(), "Nunavut");
  int named = 0;
  for (int x = 0; x < 14; ++x)
    for (int y = 0; y < 8; ++y) named += !G.travelSquares[x][y].countryName.empty();
  EXPECT_GT(named, 100);
  for (int x = 0; x < 14; ++x) EXPECT_TRUE(G.travelSquares[x][8].countryName.empty());
}

TEST(Countries, LatinOneNamesAreCutAndStrayCoordinatesIgnored) {
  Journey h(HarnessOptions{});
  h.WriteProgramFile("txt/voyage.dta",
                     "[PAYS]\r\nnom0=Norv\xe8ge\r\nx0=2\r\ny0=3\r\n"
                     "nom1=Un pays au nom vraiment beaucoup trop long\r\nx1=4\r\ny1=5\r\n"
                     "nom2=Dehors\r\nx2=14\r\ny2=1\r\nnom3=Dessous\r\nx3=1\r\ny3=8\r\n"
                     "nom4=Avant\r\nx4=6\r\ny4=6\r\nnom5=Apres\r\nx5=6\r\ny5=6\r\n");
  h.Open();
  EXPECT_EQ(G.travelSquares[2][3].countryName.str(), "Norv\xe8ge");
  EXPECT_EQ(G.travelSquares[4][5].countryName.str(), std::string("Un pays au nom vraiment beaucoup").substr(0, 26));
  EXPECT_TRUE(G.travelSquares[13][1].countryName.empty());
  EXPECT_TRUE(G.travelSquares[1][7].countryName.empty());
  EXPECT_TRUE(G.travelSquares[1][8].countryName.empty());  // row 8 is never named
  EXPECT_EQ(G.travelSquares[6][6].countryName.str(), "Apres");  // a later entry wins
  EXPECT_EQ(G.travelSquares[0][0].countryName.str(), "AUCUN");  // the absent entries
}

TEST(Countries, WithoutTheFileNoSquareIsNamedAndJourneysStillWork) {
  Journey h(HarnessOptions{});
  h.Open();
  for (int x = 0; x < 14; ++x)
    for (int y = 0; y < 8; ++y) EXPECT_TRUE(G.travelSquares[x][y].countryName.empty());
  StartJourney();
  EXPECT_TRUE(G.travelMapShowing);
  EXPECT_GT(G.travelSquares[0][0].stageVariant, 0);
  Chargepays();  // again, so that its lines are the last of the log
  EXPECT_TRUE(h.LogHas("Pays INTROUVABLEs"));
  EXPECT_TRUE(h.LogHas("113 Pays charg"));
}
