// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/screen_actions.h"

#include <string>

#include "display/assets.h"
#include "display/drawing.h"
#include "display/resets.h"
#include "persistence/commentary.h"
#include "persistence/history.h"
#include "catalogue/puzzle_codes.h"
#include "platform/clock.h"
#include "platform/page.h"
#include "platform/screen.h"
#include "state/forms.h"
#include "state/game_state.h"
#include "state/held_letters.h"
#include "travel/travel.h"

namespace {

constexpr int kNoCursor = -1;

void QuitAfterFarewell() {
  const uint32_t start = Now();
  LoadBackground(78);
  DrawBackground();
  // -1 is "no cursor": the farewell picture is shown without the pointer.
  ScreenSetCursor(kNoCursor);
  ScreenFlip(ThePage());
  // The farewell picture stays three seconds; no frame is drawn meanwhile.
  while (Now() - start < 3000) {
    if (FakeClockInUse()) AdvanceFakeClock(10);
    else ScreenWait(10);
  }
  Form1.Close();
}

}  // namespace

void GiveUpGame() {
  if (G.currentScreen == kScreenGiveUp) G.currentScreen = kScreenBoard;
  if (G.gameWon || G.gameLost || (G.gameTitle.empty() && !G.travelMapShowing)) return;
  RecordGameEnd(GameOutcome::GivenUp, DailyPuzzlePlaying());
  G.gameEndTick = Now();
  G.gameLost = 1;
  DropHeldLetters();
  if (G.travelMapShowing || G.travelStageWon || G.travelFailed) {
    ResetGame();
    ResetBoard();
    G.currentVariant = 0;
    G.gameTitle.clear();
    G.travelMapShowing = 0;
    G.travelModeActive = 0;
  }
}

bool GiveUpAsked() { return G.currentScreen == kScreenGiveUp; }

void ScreenAction(int action) {
  if (action < 10 || action == 100 || action == 103) G.panelX = 800;
  switch (action) {
    case 1: {
      RecordGameEnd(GameOutcome::Left, DailyPuzzlePlaying());
      G.currentScreen = kScreenBoard;
      const std::string title = G.gameTitle.str();
      const uint32_t variant = G.currentVariant;
      ResetGame();
      ResetBoard();
      G.gameTitle = title;
      G.currentVariant = variant;
      ChargeAide(static_cast<uint8_t>(G.currentVariant));
      break;
    }
    case 3: G.currentScreen = kScreenOptions; break;
    case 4: G.currentScreen = kScreenScores; break;
    case 5:
      G.listBoxes[listHelp].top = 1;
      G.currentScreen = kScreenHelp;
      break;
    case 6:
      G.typedText = G.playerName.str();
      G.currentScreen = kScreenPlayer;
      break;
    case 7: G.currentScreen = kScreenSavedGames; break;
    case 8:
    case 9:
      G.currentScreen = action;
      G.typedText.clear();
      for (auto& item : G.listBoxes[listAnagram].items) item.clear();
      break;
    case 16:
      RecordGameEnd(GameOutcome::Left, DailyPuzzlePlaying());
      ResetGame();
      ResetBoard();
      StartJourney();
      break;
    case 33: G.currentScreen = kScreenBoard; break;
    case 100:
      RecordGameEnd(GameOutcome::Left, DailyPuzzlePlaying());
      G.gameTitle.clear();
      G.travelMapShowing = 0;
      G.travelModeActive = 0;
      G.currentScreen = kScreenQuit;
      break;
    case 101: QuitAfterFarewell(); break;
    case 102: G.currentScreen = kScreenBoard; break;
    // One key or click must not throw a game away: giving up is asked first.
    // Nothing is asked when there is nothing to give up (a game already over).
    case 103:
      if (!G.splashShowing && !G.gameWon && !G.gameLost && (!G.gameTitle.empty() || G.travelMapShowing))
        G.currentScreen = kScreenGiveUp;
      break;
    case 104: GiveUpGame(); break;
    case 105: G.currentScreen = kScreenBoard; break;
    default: break;
  }
}

