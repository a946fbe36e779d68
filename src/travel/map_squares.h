// SPDX-License-Identifier: GPL-3.0-or-later
// The squares of the travel map and their neighbours.
#pragma once

// True for the 14 x 8 squares a pawn may stand on (row 8 is never entered).
bool OnMap(int x, int y);
bool AreNeighbours(int x1, int y1, int x2, int y2);
// The smallest entry cost among the orthogonal neighbours of (x, y) on the
// map; a side without a neighbour counts 1000.
int CheapestNeighbourCost(int x, int y);
// A pawn read back from a damaged saved game is brought onto the map, so the
// squares it looks up stay inside the array.
void KeepPawnOnMap();
