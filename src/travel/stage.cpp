// SPDX-License-Identifier: GPL-3.0-or-later
#include "travel/stage.h"

#include "display/assets.h"
#include "persistence/commentary.h"
#include "state/game_state.h"
#include "state/variants.h"
#include "display/resets.h"
#include "travel/map_squares.h"
#include "words/word_store.h"

void StartStage() {
  G.travelMapShowing = 0;
  G.travelModeActive = 1;
  G.journeyText = Comment(35);
  ResetBoard();
  KeepPawnOnMap();
  int variant = G.travelSquares[G.pawnX][G.pawnY].stageVariant;
  // Squares are filled with variants 1-50; a damaged saved game may hold
  // anything, and the name table stops at 150.
  if (Variant(variant).game == Game::None) variant = 1;
  G.currentVariant = variant;
  G.wordList.clear();  // no list of the previous game is saved or printed with this one
  G.gameTitle = G.variantName[variant];
  LoadWordList(kFrenchWords);  // every stage variant plays on the French words
  ChargeAide(static_cast<uint8_t>(variant));
  LoadBackground(G.backgroundIndex);
}
