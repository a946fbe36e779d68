// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/catalogue.h"

#include "display/assets.h"
#include "display/drawing.h"
#include "display/log.h"
#include "persistence/commentary.h"
#include "catalogue/puzzle_codes.h"
#include "persistence/quick_save.h"
#include "persistence/saved_games.h"
#include "state/game_state.h"
#include "persistence/history.h"
#include "display/resets.h"
#include "state/game_state.h"
#include "state/variants.h"
#include "words/player_lists.h"
#include "words/word_store.h"

void FillCatalogue() {
  G.helpFileName[0] = "aide.txt";
  for (int n = 1; n <= kVariantCount; ++n) {
    G.variantName[n] = variantTable[n].name;
    G.helpFileName[n] = variantTable[n].helpFile;
  }
  for (int f = 1; f <= kFamilyCount; ++f) G.familyName[f] = familyTable[f].name;
  G.helpFileName[kTravelHelp] = "VOYAGE.txt";
}

int FamilyFirstVariant(int family) {
  if (family < 1 || family > kFamilyCount) return 0;
  return familyTable[family].firstVariant;
}

int FamilyVariantCount(int family) {
  if (family < 1 || family > kFamilyCount) return 0;
  return familyTable[family].variantCount;
}

int VariantFamily(int variant) {
  return Variant(variant).family;
}

// The English grid games play on the French list as well: only ENGLISH CROSS
// loads the English one.
uint8_t VariantWordList(int variant) { return Variant(variant).wordList; }

void StartVariant(uint8_t n) {
  if (n < 1 || n > kVariantCount) {
    Log("Variante inconnue : " + std::to_string(n));
    return;
  }
  // Another game started over one under way leaves that one.
  RecordGameEnd(GameOutcome::Left, DailyPuzzlePlaying());
  LeaveResumedQuickSave();
  G.currentVariant = 0;
  G.currentScreen = kScreenBoard;
  if (G.travelMapShowing || G.travelModeActive) {
    G.travelMapShowing = 0;
    G.travelModeActive = 0;
    G.currentVariant = 0;
  }
  ResetGame();
  ResetBoard();
  LoadBackground(G.backgroundIndex);
  G.currentVariant = n;
  // The games that keep no word list (the hangmen, the password...) left the
  // previous game's list behind, saved and printed with them.
  G.wordList.clear();
  // Every start reloads the French list, so a themed game leaves no themed
  // words behind for the next one.
  LoadWordList(kFrenchWords);
  const uint8_t list = VariantWordList(n);
  if (list != kFrenchWords) LoadWordList(list);
  G.gameTitle = G.variantName[n];  // cut to 100 characters by the short string
  ChargeAide(n);
}

std::string TitleOnList(int variant, const std::string& listTitle) {
  std::string name = Variant(variant).name;
  const size_t theme = name.find(" / ");
  if (theme != std::string::npos) name.erase(theme);
  return name + " / " + listTitle;
}

bool StartVariantOnList(uint8_t n, const std::string& file) {
  const PlayerList* list = FindPlayerList(file);
  if (!list) {
    ReloadPlayerLists();
    list = FindPlayerList(file);
  }
  const std::string misfit = list ? ListMisfit(*list, Variant(n)) : "liste introuvable";
  if (!misfit.empty()) {
    LogProblem("Liste " + file + " refusée pour la variante " + std::to_string(n) + " : " + misfit);
    ShowTimedMessage(2, 520, "Liste impossible ici : " + misfit + ".");
    return false;
  }
  // The list is copied before the start: a reload during it may move the lists.
  const PlayerList chosen = *list;
  StartVariant(n);
  LoadPlayerListIntoStore(chosen);
  G.gameTitle = TitleOnList(n, chosen.title);
  return true;
}

// A save holds the games' own word list but not the store the game checks
// its guesses against: the store is brought to the list the resumed game
// plays with (a travel stage, and the map, play on the French words), read
// again only when another list is in memory.
void ResumeSavedGame(const std::string& name) {
  LoadGame(name);
  // The name page edits a copy of the name, made when the page opens.
  if (G.currentScreen == kScreenPlayer) G.typedText = G.playerName.str();
  const bool travelling = G.travelModeActive || G.travelMapShowing;
  // A game on a player's list takes the list back; a list gone since leaves
  // the game as it was saved, its words already drawn, and the save kept.
  if (const std::string file = SavedListFile(name); !file.empty() && !travelling && !G.gameTitle.empty()) {
    ReloadPlayerLists();
    if (const PlayerList* list = FindPlayerList(file)) {
      LoadPlayerListIntoStore(*list);
      return;
    }
    LogProblem("Liste de la sauvegarde absente : " + file);
    ShowTimedMessage(2, 520, "La liste " + file + " n'existe plus : la partie reprend sans elle.");
  }
  const uint8_t list = travelling || G.gameTitle.empty() ? static_cast<uint8_t>(kFrenchWords) : VariantWordList(static_cast<int>(G.currentVariant));
  if (loadedWordList == list) return;
  LoadWordList(kFrenchWords);
  if (list != kFrenchWords) LoadWordList(list);
}
