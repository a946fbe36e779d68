// SPDX-License-Identifier: GPL-3.0-or-later
// One tick of the travel map: the purse, the tip of the hovered square, the
// pawn's flight to the square clicked, the grid and the player's head.
#include <string>

#include "display/drawing.h"
#include "display/sound.h"
#include "state/game_state.h"
#include "travel/map_squares.h"
#include "travel/stage.h"
#include "travel/travel.h"

namespace {

Point SquarePoint(int x, int y) { return {50 + 50 * x, 100 + 50 * y}; }

// The grid reports "no square" as (0, 0), which is also a real square next to
// a pawn on (1, 0) or (0, 1); the pointer decides which it is.
bool NeighbourHovered() {
  const int x = G.hoveredSquareX, y = G.hoveredSquareY;
  if (G.currentScreen != kScreenBoard || !OnMap(x, y) || !AreNeighbours(x, y, G.pawnX, G.pawnY)) return false;
  const Point corner = SquarePoint(x, y);
  const Point p = G.mousePos;
  return corner.x < p.x && p.x < corner.x + 50 && corner.y < p.y && p.y < corner.y + 50;
}

// The pawn lands: the square is paid for and its game starts.
void EnterHoveredSquare() {
  G.letterFlying = 0;
  G.pawnX = G.hoveredSquareX;
  G.pawnY = G.hoveredSquareY;
  KeepPawnOnMap();
  const int cost = G.travelSquares[G.pawnX][G.pawnY].entryCost;
  G.travelMoney -= cost;
  G.statusTip = Comment(32) + " " + std::to_string(cost) + "$";
  StartStage();
}

// False when the click was refused and the tick ends without the head.
bool HandleMapClick() {
  if (!NeighbourHovered()) {
    G.travelMapClicked = 0;  // a click beside the green squares does nothing
    return true;
  }
  const int tx = G.hoveredSquareX, ty = G.hoveredSquareY;
  if (G.travelSquares[tx][ty].entryCost > G.travelMoney) {
    ShowTimedMessage(20, 540, Comment(92));
    G.travelMapClicked = 0;
    return false;
  }
  PlaySound(kSoundPawn);
  StartFlight(SquarePoint(G.pawnX, G.pawnY), SquarePoint(tx, ty), 90, "");
  G.travelMapClicked = 0;
  return true;
}

}  // namespace

void DrawTravelMap() {
  DrawBackground();
  DrawSmallText(20, 22, kWhite, Comment(28) + " " + std::to_string(G.travelMoney) + "$");
  if (!G.statusTip.empty()) {
    DrawSmallText(20, 2, kWhite, G.statusTip.str());
    const int hx = OnMap(G.hoveredSquareX, G.hoveredSquareY) ? G.hoveredSquareX : 0;
    const int hy = OnMap(G.hoveredSquareX, G.hoveredSquareY) ? G.hoveredSquareY : 0;
    DrawSmallText(300, 22, kWhite, Comment(30) + std::to_string(G.travelSquares[hx][hy].rewardPoints) + "$");
  }
  if (G.letterFlying) {
    const Point p = FlightPosition(G.flight);
    DrawPawn(p);
    if (!(p == Point{G.flight.toX, G.flight.toY})) return;
    EnterHoveredSquare();
  }
  DrawTravelMapGrid();
  KeepPawnOnMap();
  DrawPawn(SquarePoint(G.pawnX, G.pawnY));
  if (G.travelMapClicked && !HandleMapClick()) return;
  DrawHead({5, 540}, 40);
}
