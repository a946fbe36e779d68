// SPDX-License-Identifier: GPL-3.0-or-later
// What moves or follows the pointer: the flight, the banners, the timed
// message, the held letters and the travel map grid.
#include <gtest/gtest.h>

#include "display/drawing.h"
#include "harness/harness.h"
#include "platform/clock.h"
#include "platform/colour.h"
#include "platform/page.h"
#include "state/forms.h"
#include "state/game_state.h"

namespace {

constexpr uint16_t kBlue565 = 0x001F;
constexpr uint16_t kBig = 0x0800;

Picture Solid(int w, int h, uint16_t value) {
  Picture p;
  p.width = w;
  p.height = h;
  p.pixels.assign(w * h, value);
  p.transparent = true;
  return p;
}

// The big sheet: glyph g's rectangle holds kBig + g.
Picture BigSheet() {
  Picture p = Solid(624, 350, kBlue565);
  for (int g = 0; g < 224; ++g) {
    const int c = g % 24, r = g / 24;
    for (int y = 34 * r + 6; y < 34 * r + 39; ++y)
      for (int x = 26 * c + 2; x < 26 * c + 26; ++x) p.pixels[y * 624 + x] = static_cast<uint16_t>(kBig + g);
  }
  return p;
}

uint16_t At(int x, int y) { return ThePage().pixel(x, y); }
uint16_t BigGlyph(char c) { return static_cast<uint16_t>(kBig + c - 32); }

bool AnyIn(int x0, int y0, int x1, int y1, uint16_t value) {
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x)
      if (At(x, y) == value) return true;
  return false;
}

class Motion : public ::testing::Test {
 protected:
  Harness h;
  void SetUp() override {
    Form1.DXImageList3[1] = BigSheet();
    Form1.DXImageList3[0] = BigSheet();
    ClearPage(ThePage(), 0);
    G.boardOriginX = 70;
    G.boardOriginY = 50;
  }
};

TEST_F(Motion, FlightsMoveByTheWholeProductAndLandOnTheTarget) {
  StartFlight({0, 0}, {10000000, -10000000}, 2, "MOT");
  EXPECT_EQ(G.flight.duration, 500);
  AdvanceFakeClock(400);  // 10^7 x 400 does not fit 32 bits
  EXPECT_EQ(FlightPosition(G.flight), (Point{8000000, -8000000}));
  AdvanceFakeClock(100);  // exactly the duration
  EXPECT_EQ(FlightPosition(G.flight), (Point{10000000, -10000000}));

  StartFlight({100, 100}, {200, 300}, 1, "A");  // from (70, 83) to (187, 296)
  AdvanceFakeClock(250);
  EXPECT_EQ(FlightPosition(G.flight), (Point{70 + 117 / 2, 83 + 213 / 2}));
  AdvanceFakeClock(1000);
  EXPECT_EQ(FlightPosition(G.flight), (Point{187, 296}));

  StartFlight({100, 100}, {200, 300}, 3, " ");  // the eraser is not shifted
  EXPECT_EQ(G.flight.fromX, 100);
  EXPECT_EQ(G.flight.toY, 300);
  G.travelMapShowing = 1;
  StartFlight({50, 100}, {100, 100}, 90, "");
  AdvanceFakeClock(1000);
  EXPECT_EQ(FlightPosition(G.flight), (Point{75, 100}));
}

TEST_F(Motion, BannersBounceOnTheCallThatCrossesAnEdgeAndShowTheirPicture) {
  Form1.DXImageList4[49] = Solid(4, 4, 0x4900);
  Form1.DXImageList4[50] = Solid(4, 4, 0x5000);
  Form1.DXImageList4[51] = Solid(4, 4, 0x5100);
  Form1.DXImageList4[59] = Solid(4, 4, 0x5900);
  G.bannerX = 400;
  G.bannerY = 449;
  G.bannerDX = -1;
  G.bannerDY = 1;
  DrawBannerFast();
  EXPECT_EQ(G.bannerY, 451);
  EXPECT_EQ(G.bannerDY, -1);
  EXPECT_EQ(At(398 - 160, 451 - 100), 0x4900);
  G.travelStageWon = 1;
  DrawBannerFast();
  EXPECT_EQ(At(396 - 160, 449 - 100), 0x5100);
  // 251 is still inside; 249 turns back.
  G.bannerX = 253;
  DrawBannerSlow();
  EXPECT_EQ(G.bannerX, 251);
  EXPECT_EQ(G.bannerDX, -1);
  EXPECT_EQ(G.bannerY, 448);
  EXPECT_EQ(At(251 - 160, 448 - 100), 0x5000);
  DrawBannerSlow();
  EXPECT_EQ(G.bannerX, 249);
  EXPECT_EQ(G.bannerDX, 1);
  G.travelFailed = 1;
  DrawBannerSlow();
  EXPECT_EQ(At(240, 200), 0x5900);
}

TEST_F(Motion, TimedMessageIsDrawnOnlyWhenAskedAndAgesEitherWay) {
  Form1.DXImageList4[26] = Solid(312, 175, 0x2600);
  G.statusTip = std::string("astuce");
  ShowTimedMessage(-20, 42, "Bonjour");
  EXPECT_EQ(G.messageX, 20);
  EXPECT_EQ(G.messageY, 42);
  EXPECT_EQ(G.messageShowing, 1);
  EXPECT_FALSE(G.messageSeen);
  DrawTimedMessage(0);
  EXPECT_EQ(At(30, 42), 0);
  AdvanceFakeClock(250);
  DrawTimedMessage(1);
  EXPECT_EQ(At(30, 42), 0x2600);
  EXPECT_FALSE(G.messageSeen);
  AdvanceFakeClock(1);
  DrawTimedMessage(0);
  EXPECT_TRUE(G.messageSeen);
  AdvanceFakeClock(1249);  // 1500 ms: still up
  DrawTimedMessage(0);
  EXPECT_EQ(G.messageShowing, 1);
  EXPECT_EQ(G.statusTip.str(), "astuce");
  AdvanceFakeClock(1);
  DrawTimedMessage(0);
  EXPECT_EQ(G.messageShowing, 0);
  EXPECT_TRUE(G.statusTip.empty());
}

TEST_F(Motion, ATimedMessageTooLongForThePageGoesUpOverMoreLines) {
  Form1.DXImageList4[26] = Solid(312, 175, 0x2600);
  // 42 + 10 i: at most 74 characters fit before the page's right edge.
  const std::string first(60, 'A'), second(30, 'B');
  ShowTimedMessage(2, 520, first + " " + second);
  DrawTimedMessage(1);
  EXPECT_TRUE(AnyIn(52, 500, 52 + 600, 515, 0x2600));   // the first line, one line up
  EXPECT_FALSE(AnyIn(52 + 610, 500, 799, 515, 0x2600));  // broken at the space
  EXPECT_TRUE(AnyIn(52, 520, 52 + 300, 535, 0x2600));   // the rest where the message stands
  EXPECT_FALSE(AnyIn(52 + 310, 520, 799, 535, 0x2600));
  EXPECT_FALSE(AnyIn(0, 540, 799, 599, 0x2600));  // nothing over the toolbar
}

TEST_F(Motion, HeldLettersFollowThePointerAcrossOrDown) {
  G.currentVariant = 10;
  G.lettersHeld = 1;
  G.heldText = "AB";
  G.heldHorizontal = 1;
  G.mousePos = {300, 300};
  DrawHeldLetters();
  // Letter i at (px + 20 i - 35, py - 20), drawn 18 further right.
  EXPECT_EQ(At(283, 280), BigGlyph('A'));
  EXPECT_EQ(At(303, 280), BigGlyph('B'));
  ClearPage(ThePage(), 0);
  G.heldHorizontal = 0;
  DrawHeldLetters();
  EXPECT_EQ(At(293, 280), BigGlyph('A'));
  EXPECT_EQ(At(293, 305), BigGlyph('B'));
  EXPECT_EQ(At(293, 304), BigGlyph('A'));

  // The eraser games show the eraser for a held "*".
  Form1.DXImageList3[4] = Solid(5, 5, 0x0400);
  G.heldText = "*";
  G.currentVariant = 43;
  DrawHeldLetters();
  EXPECT_EQ(At(275, 280), 0x0400);
  G.currentVariant = 10;
  ClearPage(ThePage(), 0);
  DrawHeldLetters();
  EXPECT_EQ(At(293, 280), BigGlyph('*'));
}

TEST_F(Motion, HiddenWordSelectionIsAGreenBandThatEndsOffTheGridOrLeftOfItsStart) {
  const uint16_t green = ToRgb565(0x008000);
  for (auto& p : G.boardPlayable) p = 1;
  G.currentVariant = 34;
  G.lettersHeld = 1;
  G.heldOriginPixel = {101, 81};  // cell (1, 1)
  G.mousePos = {250, 100};        // py < sy + 33: across
  DrawHeldLetters();
  EXPECT_EQ(G.lettersHeld, 1);
  EXPECT_TRUE(AnyIn(150, 87, 150, 91, green));   // top edge near sy + 8
  EXPECT_TRUE(AnyIn(150, 107, 150, 111, green)); // bottom edge near sy + 29
  EXPECT_FALSE(AnyIn(150, 93, 150, 105, green)); // no fill
  EXPECT_FALSE(AnyIn(260, 80, 300, 120, green));

  ClearPage(ThePage(), 0);
  G.mousePos = {110, 250};  // below: down
  DrawHeldLetters();
  EXPECT_TRUE(AnyIn(103, 200, 107, 200, green));
  EXPECT_TRUE(AnyIn(124, 200, 128, 200, green));
  EXPECT_FALSE(AnyIn(110, 200, 120, 200, green));

  G.mousePos = {104, 250};  // left of sx + 4
  DrawHeldLetters();
  EXPECT_EQ(G.lettersHeld, 0);
  G.lettersHeld = 1;
  G.mousePos = {250, 100};
  G.boardPlayable[CellIndex(5, 1)] = 0;
  DrawHeldLetters();
  EXPECT_EQ(G.lettersHeld, 0);
  G.lettersHeld = 1;
  G.mousePos = {-5000, 100};  // far off the board
  DrawHeldLetters();
  EXPECT_EQ(G.lettersHeld, 0);
}

class TravelGrid : public Motion {
 protected:
  void SetUp() override {
    Motion::SetUp();
    Form1.DXImageList4[42] = Solid(6, 6, 0x4200);
    G.pawnX = 3;
    G.pawnY = 4;
    G.journeyStartX = 0;
    G.journeyStartY = 0;
    G.destinationX = 12;
    G.destinationY = 6;
    G.currentScreen = 0;
    G.commentaryText[25] = std::string(" prix: ");
    G.commentaryText[28] = std::string("jeu: ");
    TravelSquare& square = G.travelSquares[4][4];
    square.countryName = std::string("France");
    square.entryCost = 25;
    square.stageGameName = std::string("LE PENDU");
  }
  static Point Inside(int c, int r) { return {75 + 50 * c, 125 + 50 * r}; }
};

TEST_F(TravelGrid, AGreenNeighbourUnderThePointerBecomesTheHoveredSquare) {
  G.mousePos = Inside(4, 4);
  DrawTravelMapGrid();
  EXPECT_EQ(G.hoveredSquareX, 4);
  EXPECT_EQ(G.hoveredSquareY, 4);
  EXPECT_EQ(G.cursorShape, -21);
  EXPECT_EQ(G.statusTip.str(), "France  prix: 25$  jeu: LE PENDU");
  EXPECT_TRUE(AnyIn(270, 299, 280, 301, ToRgb565(0x0000FF)));  // red
  EXPECT_TRUE(AnyIn(170, 299, 180, 301, ToRgb565(0x008000)));  // green (2, 4)
  EXPECT_TRUE(AnyIn(70, 99, 80, 101, ToRgb565(0xC0C0C0)));     // silver (0, 0)
  EXPECT_EQ(At(200, 300), 0x4200);                             // the pawn
}

TEST_F(TravelGrid, NothingIsHoveredOffTheNeighboursOrUnderAnOverlay) {
  G.hoveredSquareX = 7;
  G.statusTip = std::string("ancien");
  G.cursorShape = -21;
  G.mousePos = Inside(5, 5);  // diagonal: silver
  DrawTravelMapGrid();
  EXPECT_EQ(G.hoveredSquareX, 0);
  EXPECT_EQ(G.cursorShape, 0);
  EXPECT_TRUE(G.statusTip.empty());
  G.mousePos = {250, 325};  // on the square's edge
  DrawTravelMapGrid();
  EXPECT_EQ(G.hoveredSquareX, 0);
  G.currentScreen = 3;
  G.mousePos = Inside(4, 4);
  DrawTravelMapGrid();
  EXPECT_EQ(G.hoveredSquareX, 0);
  EXPECT_TRUE(G.statusTip.empty());
}

TEST_F(TravelGrid, ASquareWithoutACountryGivesATipStartingWithASpace) {
  G.mousePos = Inside(3, 3);
  G.travelSquares[3][3].entryCost = 7;
  DrawTravelMapGrid();
  EXPECT_EQ(G.statusTip.str(), "  prix: 7$  jeu: ");
  // A long name is cut with its space to 27 characters.
  G.travelSquares[3][3].countryName = std::string(26, 'X');
  DrawTravelMapGrid();
  EXPECT_EQ(G.statusTip.str(), std::string(26, 'X') + "  prix: 7$  jeu: ");
}

TEST_F(TravelGrid, BlinkPhasesCircleEveryGreenSquare) {
  const uint16_t green = ToRgb565(0x008000);
  G.mousePos = {0, 0};
  DrawTravelMapGrid();
  EXPECT_FALSE(AnyIn(160, 310, 190, 340, green));
  G.blinkPhase = 1;
  DrawTravelMapGrid();
  for (Point square : {Point{2, 4}, Point{4, 4}, Point{3, 3}, Point{3, 5}}) {
    const int left = 50 + 50 * square.x, top = 100 + 50 * square.y;
    EXPECT_TRUE(AnyIn(left + 10, top + 10, left + 40, top + 40, green)) << square.x << "," << square.y;
  }
  EXPECT_FALSE(AnyIn(410, 410, 440, 440, green));  // (7, 6) is not a neighbour
}

TEST_F(TravelGrid, TheDestinationFrameStandsOutFromTheSilverGrid) {
  G.mousePos = {0, 0};
  DrawTravelMapGrid();
  // Destination (12, 6): a gold frame on a black edge inside the square;
  // the start (0, 0) keeps its silver frame.
  const int left = 50 + 50 * 12, top = 100 + 50 * 6;
  const uint16_t gold = ToRgb565(0x00C8FF), black = ToRgb565(0x000000);
  EXPECT_TRUE(AnyIn(left + 10, top + 4, left + 40, top + 6, gold));
  EXPECT_TRUE(AnyIn(left + 10, top + 2, left + 40, top + 8, black));
  EXPECT_TRUE(AnyIn(left + 4, top + 10, left + 6, top + 40, gold));
  EXPECT_FALSE(AnyIn(50 + 10, 100 + 3, 50 + 40, 100 + 7, gold));
  EXPECT_TRUE(AnyIn(50 + 10, 100 + 4, 50 + 40, 100 + 4, ToRgb565(0xC0C0C0)));
  // WCAG contrast of the black edge against the silver grid: far above 4.5.
  const double silver = 0.2126 * 0.527 + 0.7152 * 0.527 + 0.0722 * 0.527;
  EXPECT_GE((silver + 0.05) / (0.0 + 0.05), 4.5);
}

TEST_F(TravelGrid, ATimedMessageShowingIsDrawnWithTheGrid) {
  Form1.DXImageList4[26] = Solid(312, 175, 0x2600);
  ShowTimedMessage(-20, 42, "A");
  DrawTravelMapGrid();
  EXPECT_EQ(At(30, 42), 0x2600);
}

TEST(BoardCells, PointsLeftOfTheBoardTruncateTowardZero) {
  G.boardOriginX = 70;
  G.boardOriginY = 50;
  EXPECT_EQ(CellAtPoint({70 + 31 * 3, 50 + 31 * 2 - 1}), (Point{3, 1}));
  EXPECT_EQ(CellAtPoint({40, 20}), (Point{0, 0}));
  EXPECT_EQ(CellAtPoint({39, 19}), (Point{-1, -1}));
  EXPECT_EQ(PointOfCell({-1, 20}), (Point{39, 670}));
}

}  // namespace
