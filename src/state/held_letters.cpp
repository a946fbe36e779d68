// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/held_letters.h"

#include "state/game_state.h"

void DropHeldLetters() {
  G.lettersHeld = 0;
  G.heldHorizontal = 1;
  G.heldText.clear();
  G.heldOriginCell = {};
  G.heldOriginPixel = {};
}
