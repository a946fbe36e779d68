// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/saved_record_check.h"

#include <cstring>

#include "state/game_state.h"
#include "state/variants.h"

namespace {

// Every read below takes the field by value: the records are packed.
struct Checker {
  std::string& why;
  bool sound = true;

  void Need(bool ok, const char* field) {
    if (sound && !ok) {
      sound = false;
      why = field;
    }
  }
  void Range(int64_t value, int64_t low, int64_t high, const char* field) { Need(value >= low && value <= high, field); }
  void Flag(uint8_t value, const char* field) { Range(value, 0, 1, field); }
  template <int N>
  void Text(const ShortString<N>& text, const char* field) {
    Range(text.length, 0, N, field);
  }
  void OnMap(int32_t x, int32_t y, const char* field) {
    Range(x, 0, 13, field);
    Range(y, 0, 8, field);
  }
};

// Per-game numbers (phases, counters, lengths) have meanings of each game's
// own, but none goes near this.
constexpr int64_t kGameNumberLimit = 1000000;

void CheckBoard(Checker& c, const BoardRecord& b) {
  c.Range(b.currentVariant, 0, kVariantCount, "variante");
  c.Flag(b.boardReady, "plateau prêt");
  c.Range(b.boardOriginX, -800, 800, "origine du plateau");
  c.Range(b.boardOriginY, -600, 600, "origine du plateau");
  c.Range(b.hoverCellX, -1000, 1000, "case survolée");
  c.Range(b.hoverCellY, -1000, 1000, "case survolée");
  for (const auto& slot : b.wordSlots) c.Text(slot, "mot de la partie");
  c.Range(b.gamePhase, -kGameNumberLimit, kGameNumberLimit, "phase du jeu");
  c.Range(b.gameSize, -kGameNumberLimit, kGameNumberLimit, "taille du jeu");
  c.Range(b.gameLength, -kGameNumberLimit, kGameNumberLimit, "longueur du jeu");
}

void CheckMain(Checker& c, const MainRecord& m) {
  c.Text(m.playerName, "nom du joueur");
  c.Text(m.gameTitle, "titre du jeu");
  c.Text(m.statusTip, "bulle d'aide");
  c.Text(m.journeyText, "texte du voyage");
  for (int n = 0; n < 496; ++n) c.Text(m.commentaryText[n], "commentaire");
  c.Range(m.menuFamily, 0, kVariantCount, "famille du menu");
  c.Range(m.importKind, 0, 2, "type d'import");
  c.Flag(m.splashShowing, "page de titre");
  c.Flag(m.listScrollHeld, "défilement");
  c.Range(m.clickPending, 0, 1, "clic en attente");
  const int32_t screen = m.currentScreen;
  // Every page a game may be saved under, the newer ones too (a quick save
  // taken while the give-up question is open loads with the question).
  c.Need((screen >= kScreenBoard && screen <= kScreenBooklet) || screen == kScreenQuit, "écran");
  c.Flag(m.hoverHot, "survol");
  c.Flag(m.gameWon, "partie gagnée");
  c.Flag(m.gameLost, "partie perdue");
  c.Flag(m.winHandled, "victoire comptée");
}

void CheckTravel(Checker& c, const TravelRecord& t) {
  c.Flag(t.travelStageWon, "étape gagnée");
  c.Flag(t.travelFailed, "voyage échoué");
  c.Flag(t.travelMapClicked, "carte cliquée");
  c.Flag(t.travelMapShowing, "carte affichée");
  c.Flag(t.travelModeActive, "mode voyage");
  c.OnMap(t.journeyStartX, t.journeyStartY, "départ du voyage");
  c.OnMap(t.destinationX, t.destinationY, "destination du voyage");
  c.OnMap(t.pawnX, t.pawnY, "position du pion");
  c.OnMap(t.hoveredSquareX, t.hoveredSquareY, "pays survolé");
  c.Range(t.journeyNumber, 0, 100, "numéro du voyage");
  for (const auto& column : t.travelSquares)
    for (const TravelSquare& square : column) {
      c.Text(square.countryName, "nom de pays");
      c.Text(square.stageGameName, "jeu d'étape");
      c.Range(square.stageVariant, 0, kVariantCount, "variante d'étape");
    }
}

void CheckClock(Checker& c, const ClockRecord& k) {
  c.Range(k.elapsedSeconds, 0, 59, "secondes");
  c.Range(k.elapsedMinutes, 0, 59, "minutes");
  c.Range(k.elapsedHours, 0, 23, "heures");
  c.Text(k.elapsedTimeText, "temps de jeu");
}

}  // namespace

std::unique_ptr<SavedImage> CheckedSavedImage(const std::string& bytes, std::string& why) {
  if (bytes.size() != sizeof(SavedImage)) {
    why = "taille " + std::to_string(bytes.size()) + " au lieu de " + std::to_string(sizeof(SavedImage));
    return nullptr;
  }
  auto image = std::make_unique<SavedImage>();
  std::memcpy(static_cast<void*>(image.get()), bytes.data(), sizeof(SavedImage));
  Checker checker{why};
  CheckBoard(checker, image->board);
  CheckMain(checker, image->main);
  CheckTravel(checker, image->travel);
  CheckClock(checker, image->clock);
  if (!checker.sound) return nullptr;
  return image;
}
