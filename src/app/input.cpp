// SPDX-License-Identifier: GPL-3.0-or-later
// Mouse and key handlers of the main window. They act at once only on the
// board and on end-of-game clicks; everywhere else they record the click for
// the next tick's screens.
#include "catalogue/screen_actions.h"
#include "catalogue/puzzle_codes.h"
#include "catalogue/booklet_page.h"
#include "catalogue/screen_pages.h"
#include "app/keeping.h"
#include "catalogue/screens.h"
#include "display/assets.h"
#include "display/drawing.h"
#include "display/play_clock.h"
#include "display/sound.h"
#include "games/framework.h"
#include "games/helps.h"
#include "games/keyboard_play.h"
#include "persistence/history.h"
#include "persistence/scores.h"
#include "platform/clock.h"
#include "platform/keys.h"
#include "words/search_tools.h"
#include "words/word_store.h"
#include "state/forms.h"
#include "state/game_state.h"
#include "state/held_letters.h"
#include "display/resets.h"
#include "travel/travel.h"

// A failed or completed journey ends on the next click or Escape.
static void EndJourney() {
  G.gameTitle.clear();
  G.travelModeActive = 0;
  G.travelFailed = 0;
  ResetGame();
  ResetBoard();
}

static void AcknowledgeWin() {
  G.winHandled = 1;
  StopPlayClock();
  // The score line is made (and written) when the game is won; a click in
  // the same frame as the win makes it here. The puzzle of the day then
  // shows its own page.
  const bool recorded = TakeWinRecorded();
  const bool daily = DailyPuzzlePlaying();
  if (daily) FinishDailyPuzzle(recorded);
  else if (!recorded) RecordWin();
  RecordGameEnd(GameOutcome::Won, daily);
  G.gameTitle.clear();
}

void TForm1::DXMouseMove(int x, int y) {
  G.cursorShape = kCursorDefault;
  if (G.letterFlying) return;
  G.mousePos = {x, y};
  if (G.currentScreen > kScreenBoard) return;
  const Point cell = CellAtPoint(G.mousePos);
  G.hoverCellX = cell.x;
  G.hoverCellY = cell.y;
}

void TForm1::DXMouseDown(int button) {
  NotePressForMessage();
  if (G.letterFlying) return;
  if (G.splashShowing) {
    G.splashShowing = 0;
    LoadBackground(52);
    return;
  }
  if (G.currentScreen > kScreenBoard || G.hoverHot) {
    G.clickPending = 1;
    G.clickTick = Now();
    return;
  }
  if (G.travelMapShowing) {
    G.travelMapClicked = 1;
    return;
  }
  if (G.gameWon && !G.winHandled) AcknowledgeWin();
  if (G.gameLost && !G.travelModeActive) G.gameTitle.clear();
  const bool gameOver = G.gameWon || G.gameLost;
  if (gameOver) {
    if (G.travelModeActive && !G.travelStageWon) {
      ContinueJourney();
      return;
    }
    ResetGame();
  }
  // A journey won on its destination (or stranded) ends with this click.
  if (G.travelFailed || G.travelStageWon) {
    EndJourney();
    return;
  }
  if (gameOver) return;
  G.clickPending = 0;
  if (button == 0) KeyCursorClicked();
  BoardMouseDown(button);
}

void TForm1::DXMouseUp(int button) {
  if (G.letterFlying) return;
  const bool carrying = G.lettersHeld != 0;
  const Point from = G.heldOriginCell;
  BoardMouseUp(button);
  if (carrying) KeyCursorAfterDrop(from);
  G.clickPending = 0;
}

static void HandleEscape() {
  if (G.currentScreen >= kScreenVariantMenu) {
    G.currentScreen = kScreenBoard;
    return;
  }
  if (G.currentScreen == kScreenGameList) ScreenAction(100);
  if (G.gameWon && !G.winHandled) AcknowledgeWin();
  if (G.gameLost && !G.travelModeActive) G.gameTitle.clear();
  if (G.gameWon || G.gameLost) {
    if (G.travelModeActive) {
      ContinueJourney();
      return;
    }
    ResetGame();
  }
  if (G.travelFailed) {
    EndJourney();
    return;
  }
  if (G.gameTitle.empty()) return;
  if (G.gameWon || G.gameLost) return;
  // Giving the game up is asked first; the title splash asks nothing.
  ScreenAction(103);
}

static void TypeKey(int key) {
  std::string& text = G.typedText;
  if (key == kVkBack) {
    if (!text.empty()) text.pop_back();
    if (G.currentScreen == kScreenPlayer) G.playerName = text.substr(0, 100);
  } else if (key == kVkReturn) {
    PlaySound(kSoundChoice);
    if (G.currentScreen == kScreenPlayer) G.playerName = text.substr(0, 100);
    if (G.currentScreen == kScreenAnagramSearch) FindAnagramsTool();
    if (G.currentScreen == kScreenIncompleteSearch) FindIncompleteTool();
  } else if (key == kVkSpace || (key >= 48 && key <= 58) || (key >= 65 && key <= 90)) {
    if (text.size() < 16) text += static_cast<char>(key);
  } else if (key == kVkMultiply || key == kVkOem5) {
    if (text.size() < 16) text += '*';
  }
}

void TForm1::FormKeyDown(int key) {
  NotePressForMessage();
  if (key == kVkEscape) HandleEscape();
  if (GiveUpAsked()) {
    if (key == kVkReturn) ScreenAction(104);
    return;
  }
  if (G.currentScreen == kScreenPlayer || G.currentScreen == kScreenAnagramSearch || G.currentScreen == kScreenIncompleteSearch) TypeKey(key);
  else if (key == kVkHint) RevealLetter();
  else if (key == kVkCheck) CheckBoard();
  else if (key == kVkUndo) UndoMove();
  else if (key != kVkEscape && !TypeCodeKey(key) && !TypeBookletKey(key)) PlayKey(key);
}

// A name is no search: "Hélène" keeps its accents, in capitals (HÉLÈNE), as
// Latin-1 letters the fonts draw.
static void TypeNameText(const std::string& latin1) {
  for (char ch : latin1) {
    uint8_t c = static_cast<uint8_t>(ch);
    if (c >= 'a' && c <= 'z') c = static_cast<uint8_t>(c - 32);
    else if (c >= 0xE0 && c <= 0xFE && c != 0xF7) c = static_cast<uint8_t>(c - 32);
    else if (c == 0xFF) c = 'Y';
    const bool letter = c >= 0xC0 && c <= 0xDE && c != 0xD7;
    const bool typed = c == ' ' || (c >= '0' && c <= ':') || (c >= 'A' && c <= 'Z') || letter;
    if (typed && G.typedText.size() < 16) G.typedText += static_cast<char>(c);
  }
}

// Typed text, whatever the keyboard layout: "Hélène" gives HELENE. It feeds
// the same pages and limit as the typed keys; the searches' jokers '*' and
// '?' come however the layout types them (the name keeps its accents, above).
// Off those pages it plays the game.
void TForm1::FormKeyPress(const std::string& latin1) {
  if (GiveUpAsked()) return;
  if (TypeCodeText(latin1) || TypeBookletText(latin1)) return;
  if (G.currentScreen != kScreenPlayer && G.currentScreen != kScreenAnagramSearch && G.currentScreen != kScreenIncompleteSearch) {
    PlayTypedText(latin1);
    return;
  }
  if (G.currentScreen == 6) {
    TypeNameText(latin1);
    return;
  }
  for (char c : FoldTypedText(latin1)) {
    const bool typed = c == ' ' || (c >= '0' && c <= ':') || (c >= 'A' && c <= 'Z') || c == '*' || c == '?';
    if (typed && G.typedText.size() < 16) G.typedText += c;
  }
}
