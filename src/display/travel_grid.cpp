// SPDX-License-Identifier: GPL-3.0-or-later
// The travel map grid: 14 x 8 squares of 50 pixels over the map picture, the
// pawn's neighbours outlined (green in the normal colours), the one under the
// pointer in another colour (red).
#include <string>

#include "display/colour_scheme.h"
#include "display/drawing.h"
#include "platform/canvas.h"
#include "platform/page.h"
#include "state/game_state.h"

namespace {
// The destination's frame: gold on a black edge, unlike the silver grid.
constexpr uint32_t kGoalGold = 0x00C8FF, kGoalEdge = 0x000000;

bool NextToPawn(int c, int r) {
  const int dx = c - G.pawnX, dy = r - G.pawnY;
  return (dx == 0 && (dy == 1 || dy == -1)) || (dy == 0 && (dx == 1 || dx == -1));
}
}  // namespace

void DrawTravelMapGrid() {
  G.hoveredSquareX = 0;
  G.hoveredSquareY = 0;
  bool hovered = false;
  {
    Canvas canvas(ThePage());
    canvas.SetBrushClear();
    for (int c = 0; c <= 13; ++c)
      for (int r = 0; r <= 7; ++r) {
        const int left = 50 + 50 * c, top = 100 + 50 * r;
        const bool green = NextToPawn(c, r);
        canvas.SetPen(green ? Scheme().travelNear : Scheme().travelFar, 1);
        const bool start = c == G.journeyStartX && r == G.journeyStartY;
        const bool destination = c == G.destinationX && r == G.destinationY;
        canvas.Rectangle(left, top, left + 50, top + 50);
        if (start && !destination) canvas.Rectangle(left + 4, top + 4, left + 46, top + 46);
        if (destination) {
          canvas.SetPen(kGoalEdge, 5);
          canvas.Rectangle(left + 5, top + 5, left + 45, top + 45);
          canvas.SetPen(kGoalGold, 3);
          canvas.Rectangle(left + 5, top + 5, left + 45, top + 45);
          canvas.SetPen(green ? Scheme().travelNear : Scheme().travelFar, 1);
        }
        if (!green) continue;
        const int px = G.mousePos.x, py = G.mousePos.y;
        if (G.currentScreen == kScreenBoard && left < px && px < left + 50 && top < py && py < top + 50) {
          G.hoveredSquareX = c;
          G.hoveredSquareY = r;
          hovered = true;
          canvas.SetPen(Scheme().travelHovered, 1);
          canvas.Rectangle(left, top, left + 50, top + 50);
        }
        if (BlinkPhaseShown()) canvas.Ellipse(left + 15, top + 15, left + 35, top + 35);
      }
    canvas.Release();
  }
  if (G.messageShowing) DrawTimedMessage(1);
  if (!hovered) {
    G.cursorShape = kCursorDefault;
    G.statusTip.clear();
  } else {
    const TravelSquare& square = G.travelSquares[G.hoveredSquareX][G.hoveredSquareY];
    const std::string tip = (square.countryName.str() + " ").substr(0, 27) + Comment(26) +
                            std::to_string(square.entryCost) + "$" + " " + " " + Comment(29) +
                            square.stageGameName.str();
    G.statusTip = tip;
    G.cursorShape = kCursorHand;
  }
  DrawPawn({50 + 50 * G.pawnX, 100 + 50 * G.pawnY});
}
