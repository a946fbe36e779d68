// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/catalogue.h"

#include "catalogue/variant_table.h"
#include "display/assets.h"
#include "display/log.h"
#include "persistence/commentary.h"
#include "persistence/saved_games.h"
#include "state/game_state.h"
#include "display/resets.h"
#include "words/word_store.h"

void FillCatalogue() {
  G.helpFileName[0] = "aide.txt";
  for (int n = 1; n <= 150; ++n) {
    G.variantName[n] = variantTable[n].name;
    G.helpFileName[n] = variantTable[n].helpFile;
  }
  for (int f = 1; f <= 30; ++f) G.familyName[f] = familyTable[f].name;
  G.helpFileName[kTravelHelp] = "VOYAGE.txt";
}

int FamilyFirstVariant(int family) {
  if (family < 1 || family > 30) return 0;
  return familyTable[family].firstVariant;
}

int FamilyVariantCount(int family) {
  if (family < 1 || family > 30) return 0;
  return familyTable[family].variantCount;
}

int VariantFamily(int variant) {
  if (variant < 1 || variant > 150) return 0;
  return variantTable[variant].family;
}

uint8_t VariantWordList(int variant) {
  // The English grid variants 92-104 play on the French list as well.
  if (variant >= 88 && variant <= 91) return 2;    // English
  if (variant >= 105 && variant <= 114) return 4;  // trees
  if (variant >= 115 && variant <= 124) return 3;  // flowers
  if (variant >= 125 && variant <= 134) return 5;  // animals
  if (variant >= 135 && variant <= 144) return 6;  // countries
  return 1;
}

void StartVariant(uint8_t n) {
  if (n < 1 || n > 150) {
    Log("Variante inconnue : " + std::to_string(n));
    return;
  }
  G.currentVariant = 0;
  G.currentScreen = 0;
  if (G.travelMapShowing || G.travelModeActive) {
    G.travelMapShowing = 0;
    G.travelModeActive = 0;
    G.currentVariant = 0;
  }
  ResetGame();
  ResetBoard();
  LoadBackground(G.backgroundIndex);
  G.currentVariant = n;
  // Every start reloads the French list, so a themed game leaves no themed
  // words behind for the next one.
  LoadWordList(1);
  const uint8_t list = VariantWordList(n);
  if (list != 1) LoadWordList(list);
  G.gameTitle = G.variantName[n];  // cut to 100 characters by the short string
  ChargeAide(n);
}

// A save holds the games' own word list but not the store the game checks
// its guesses against: the store is brought to the list the resumed game
// plays with (a travel stage, and the map, play on the French words), read
// again only when another list is in memory.
void ResumeSavedGame(const std::string& name) {
  LoadGame(name);
  // The name page edits a copy of the name, made when the page opens.
  if (G.currentScreen == 6) G.typedText = G.playerName.str();
  const bool travelling = G.travelModeActive || G.travelMapShowing;
  const uint8_t list = travelling || G.gameTitle.empty() ? 1 : VariantWordList(static_cast<int>(G.currentVariant));
  if (loadedWordList == list) return;
  LoadWordList(1);
  if (list != 1) LoadWordList(list);
}
