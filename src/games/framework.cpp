// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/framework.h"

#include "display/drawing.h"
#include "display/log.h"
#include "display/play_clock.h"
#include "display/resets.h"
#include "games/game_routines.h"
#include "games/helps.h"
#include "games/keyboard_play.h"
#include "games/words_needed.h"
#include "state/forms.h"
#include "state/game_state.h"
#include "state/variants.h"

void RunCurrentGame() {
  if (G.boardReady && !Form2.Timer1Enabled) StartPlayClock();
  if (Form2.Timer1Enabled && G.gameWon) StopPlayClock();
  G.cursorShape = kCursorDefault;
  const VariantEntry& variant = Variant(G.currentVariant);
  // A list short of the words the variant draws would leave its routine
  // drawing for ever: the game ends with a message before it is built.
  const std::string missing = G.boardReady || G.gameTitle.empty() ? "" : MissingWordsOf(static_cast<int>(G.currentVariant));
  if (!missing.empty()) {
    AbandonGame("Jeu impossible, liste de mots trop courte : " + missing);
    return;
  }
  RoutinesOf(variant.game).play(variant);  // Game::None plays nothing
  KeepKeyCursor();
  KeepHelps();
}

void CheckGameComplete() {
  if (G.gameLost) return;
  if (RoutinesOf(CurrentGame()).solved()) G.gameWon = 1;  // Game::None is never solved
}

void AbandonGame(const std::string& reason) {
  LogProblem(reason);
  ShowTimedMessage(2, 520, reason);
  G.gameTitle.clear();
  ResetGame();
}
