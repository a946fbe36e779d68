// SPDX-License-Identifier: GPL-3.0-or-later
#include "travel/map_squares.h"

#include <algorithm>
#include <cstdlib>

#include "state/game_state.h"

bool OnMap(int x, int y) { return 0 <= x && x < 14 && 0 <= y && y < 8; }

bool AreNeighbours(int x1, int y1, int x2, int y2) {
  return std::abs(x1 - x2) + std::abs(y1 - y2) == 1;
}

int CheapestNeighbourCost(int x, int y) {
  constexpr int dx[4] = {-1, 1, 0, 0}, dy[4] = {0, 0, -1, 1};
  int cheapest = 1000;
  for (int i = 0; i < 4; ++i) {
    const int nx = x + dx[i], ny = y + dy[i];
    const int cost = OnMap(nx, ny) ? G.travelSquares[nx][ny].entryCost : 1000;
    cheapest = std::min(cheapest, cost);
  }
  return cheapest;
}

void KeepPawnOnMap() {
  // Read by value: std::clamp takes references, and the fields lie in a
  // packed record.
  const int32_t x = G.pawnX, y = G.pawnY;
  G.pawnX = std::clamp(x, 0, 13);
  G.pawnY = std::clamp(y, 0, 7);
}
