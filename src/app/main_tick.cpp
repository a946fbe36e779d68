// SPDX-License-Identifier: GPL-3.0-or-later
// The 10 ms tick of the main window: one whole frame, drawn from scratch,
// with the running game's step, the overlay screens and the status line.
#include <cstdint>

#include "app/main_tick.h"

#include "app/keeping.h"
#include "catalogue/puzzle_codes.h"
#include "catalogue/screens.h"
#include "display/assets.h"
#include "display/drawing.h"
#include "display/sound.h"
#include "games/framework.h"
#include "persistence/printing.h"
#include "persistence/history.h"
#include "platform/clock.h"
#include "platform/frame_log.h"
#include "platform/page.h"
#include "platform/screen.h"
#include "state/forms.h"
#include "state/game_state.h"
#include "state/held_letters.h"
#include "state/puzzle_code.h"
#include "display/resets.h"
#include "travel/travel.h"
#include "words/word_routines.h"

// base + delay < now, with the sum taken as a signed 32-bit value and the tick
// as unsigned, both widened to 64 bits. Kept on purpose: from an uptime of
// about 2^31 ms (24.8 days) until the tick wraps at 2^32 ms (49.7 days) the
// sum is negative, so every time-out fires at once.
static bool TimedOut(uint32_t base, int32_t delay, uint32_t now) {
  const int64_t sum = static_cast<int32_t>(base + static_cast<uint32_t>(delay));
  return sum < static_cast<int64_t>(now);
}

static void FlipAndSetCursor() {
  ScreenFlip(ThePage());
  ScreenSetCursor(G.cursorShape);
}

// The flight has reached its cell: what it carried is put there.
static void Arrive() {
  G.letterFlying = 0;
  const int cx = G.heldOriginCell.x, cy = G.heldOriginCell.y;
  switch (G.flight.kind) {
    case 1:
      PlaySound(kSoundLanding);
      G.boardLetters[CellIndex(cx, cy)] = G.flight.text.empty() ? ' ' : G.flight.text[0];
      DropHeldLetters();
      break;
    case 2:
      PlaySound(kSoundLanding);
      PlaceWord(cx, cy, G.flight.text, 1, G.boardLetters, 1);
      DropHeldLetters();
      break;
    case 3:
      PlaySound(kSoundLanding);
      G.boardLetters[CellIndex(cx, cy)] = '*';
      SetCellState(cx, cy, kCellBlack);
      DropHeldLetters();
      break;
    default:
      break;
  }
}

static void LandFlight() {
  const Point p = FlightPosition(G.flight);
  if (G.flight.kind != 3 && G.flight.text != " ") DrawTileText(p.x, p.y, kWhite, G.flight.text, 0);
  if (G.flight.kind == 3) DrawEraser(p.x, p.y);
  if (p.x == G.flight.toX && p.y == G.flight.toY) Arrive();
}

void LandFlightAtOnce() {
  if (G.letterFlying) Arrive();
}

static void DrawStatusLine() {
  if (G.gameTitle.empty()) return;
  const Point anchor{5, 555};
  if (G.travelModeActive) DrawSmallText(40, 565, kWhite, Comment(60));
  DrawCentredTileText(5, G.gameTitle.str());
  DrawSmallText(40, 580, kWhite, G.elapsedTimeText.str());
  // The puzzle's code above its clock (and above the journey's line), to be
  // read out or noted; it ends left of the help buttons (x 155).
  DrawSmallText(32, 548, kWhite, PuzzleCode());
  DrawHead(anchor, 40);
}

void TForm1::DXTimer1Timer() {
  FrameBegin();
  KeepWhatWasEarned();
  FollowPrinting();
  if (G.splashShowing && TimedOut(G.launchTick, 4000, Now())) {
    G.splashShowing = 0;
    LoadBackground(52);
  }
  if (TimedOut(G.gameEndTick, 10000, Now())) {
    if (G.gameLost && !G.travelModeActive) {
      G.gameTitle.clear();
      ResetGame();
    }
    if (G.gameLost && G.travelModeActive) {
      ContinueJourney();
      return;
    }
  }
  if (G.splashShowing) {
    DrawBackground();
    ScreenFlip(ThePage());
    return;
  }
  if (G.travelMapShowing) {
    DrawTravelMap();
    RunScreen(G.currentScreen);
    // A save made on the map is confirmed there too, as in a game.
    ShowMessagesAfterSplash();
    if (G.messageShowing) DrawTimedMessage(16);
    if (G.hoverHot) G.cursorShape = kCursorHand;
    ScreenSetCursor(G.cursorShape);
    ScreenFlip(ThePage());
    G.clickPending = 0;
    return;
  }

  DrawBackground();
  if (!G.gameTitle.empty()) RunCurrentGame();
  if (G.lettersHeld) DrawHeldLetters();
  if (G.letterFlying) LandFlight();
  if (G.currentScreen == kScreenBoard && G.gameTitle.empty()) {
    LoadBackground(52);
    G.currentScreen = kScreenGameList;
  }
  if (G.gameLost && !G.travelFailed) DrawBannerSlow();
  if (G.gameWon) {
    if (G.pawnX == G.destinationX && G.pawnY == G.destinationY && G.travelModeActive) G.travelStageWon = 1;
    DrawBannerFast();
  }
  if (G.travelFailed) DrawPanel();
  RunScreen(G.currentScreen);
  ShowMessagesAfterSplash();
  if (G.messageShowing) DrawTimedMessage(16);
  DrawStatusLine();
  if (G.gameWon && !G.endSoundPlayed) {
    G.endSoundPlayed = 1;
    PlaySound(kSoundWon);
  }
  if (G.gameLost && !G.endSoundPlayed) {
    RecordGameEnd(GameOutcome::Lost, DailyPuzzlePlaying());
    G.endSoundPlayed = 1;
    PlaySound(kSoundLost);
  }
  if (!musique.fileName.empty() && musique.Position() >= musique.Length()) lancemusique_aleatoire();
  if (!G.boardReady && !G.gameTitle.empty() && !G.gameLost) {
    G.cursorShape = kCursorHourglass;
    if (BlinkPhaseShown()) DrawCentredTileText(500, "Création du jeu en cours ...");
  }
  FlipAndSetCursor();
}
