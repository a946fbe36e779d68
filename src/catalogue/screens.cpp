// SPDX-License-Identifier: GPL-3.0-or-later
// The screen state machine. Every frame the current page is drawn over the
// board, every element it draws is tested against the pointer, and a pending
// click performs the action of the element under it.
#include "catalogue/screens.h"

#include <string>

#include "catalogue/catalogue.h"
#include "catalogue/screen_pages.h"
#include "display/assets.h"
#include "display/drawing.h"
#include "display/sound.h"
#include "persistence/commentary.h"
#include "persistence/saved_games.h"
#include "platform/clock.h"
#include "platform/page.h"
#include "platform/screen.h"
#include "state/forms.h"
#include "state/game_state.h"
#include "state/held_letters.h"
#include "display/resets.h"
#include "travel/travel.h"

namespace {

constexpr int kNoCursor = -1;

// Set when the pointer is over a check box in this frame.
bool checkBoxHovered = false;

// A button is lit while the pointer is over it and acts on a pending click.
bool Button(int x, int y, int image) {
  const bool hit = ImageButtonHit({x, y}, G.mousePos);
  DrawImageButton({x, y}, image, hit);
  return hit && G.clickPending == 1;
}

bool MenuEntryHovered(int x, int y, int length) {
  const int px = G.mousePos.x, py = G.mousePos.y;
  return x - 3 < px && px < x + 16 * length && y + 3 < py && py < y + 21;
}

void DrawGameList() {
  int hoveredFamily = 0;
  for (int f = 1; f <= 30; ++f) {
    const int x = f <= 15 ? 55 : 420;
    const int y = f <= 15 ? 53 + 20 * f : 20 * f - 247;
    const std::string& name = G.familyName[f];
    const bool hovered = MenuEntryHovered(x, y, static_cast<int>(name.size()));
    // Family 25 is never drawn, but its place still opens its menu.
    if (hovered && f != 25) {
      // The page is read when the pointer comes onto the family, not again
      // on every frame it stays there.
      if (G.helpFamilyHovered != f) ChargeAide(static_cast<uint8_t>(FamilyFirstVariant(f)));
      hoveredFamily = f;
      DrawMediumText(x, y, kHighlight, name.substr(0, 20));
      G.cursorShape = -21;
      for (int k = 1; k <= 6; ++k) DrawSmallText(130, 363 + 20 * k, kWhite, G.listBoxes[listHelp].items[k]);
    }
    if (hovered && G.clickPending == 1) {
      G.currentScreen = 2;
      G.menuFamily = static_cast<uint32_t>(FamilyFirstVariant(f));
    }
    if (!hovered && f != 25) DrawMediumText(x, y, kWhite, name.substr(0, 20));
  }
  G.helpFamilyHovered = hoveredFamily;
}

int FamilyCountOfFirstVariant(uint32_t first) {
  for (int f = 1; f <= 30; ++f)
    if (FamilyFirstVariant(f) == static_cast<int>(first)) return FamilyVariantCount(f);
  return 1;
}

// Returns false when the frame must end at once.
bool DrawVariantMenu() {
  const int count = FamilyCountOfFirstVariant(G.menuFamily);
  if (count == 1) {
    StartVariant(static_cast<uint8_t>(G.menuFamily));
    return false;
  }
  for (int i = 0; i <= count + 1; ++i) {
    std::string text;
    if (i < count) text = G.variantName[G.menuFamily + i];
    if (i == count + 1) text = "Retour à la liste...";
    const int length = static_cast<int>(text.size());
    const int y = 81 + 20 * i, x = 400 - (length / 2) * 14;
    if (!MenuEntryHovered(x, y, length)) {
      DrawMediumText(x, y, kWhite, text);
      continue;
    }
    DrawMediumText(x, y, kHighlight, text);
    G.cursorShape = -21;
    if (G.clickPending != 1) continue;
    if (i == count + 1) {
      G.currentScreen = 1;
      G.clickPending = 0;
      return false;
    }
    // The empty row between the variants and "Retour" starts the variant
    // that follows the family's last one.
    StartVariant(static_cast<uint8_t>(G.menuFamily + i));
  }
  return true;
}

// Returns false when the frame must end at once (give up on a finished game).
bool DrawToolbar() {
  if (Button(730, 15, 39)) {
    // Leaving is what loses the game: without its quick save the program
    // stays, and SaveGame has said why.
    if (!SaveGame(true)) {
      G.clickPending = 0;
      return true;
    }
    Form1.Close();
    return false;
  }
  const bool onMap = G.travelMapShowing != 0;
  if (!onMap && Button(320, 540, 23)) Imprimegrille();
  if (!onMap && Button(380, 540, 19)) {
    if (G.travelModeActive || G.travelMapShowing) PlaySound(2);
    else ScreenAction(1);
  }
  if (Button(440, 540, 33)) SaveGame(false);
  if (Button(500, 540, 3)) ScreenAction(8);
  if (Button(560, 540, 5)) ScreenAction(9);
  if (Button(620, 540, 17)) {
    // The map has a help page of its own: the journey, the costs, the purse.
    if (onMap) ChargeAide(kTravelHelp);
    ScreenAction(5);
  }
  if (Button(680, 540, 35)) ScreenAction(3);
  const bool giveUpHit = ImageButtonHit({740, 540}, G.mousePos);
  if (giveUpHit && G.clickPending == 1) {
    if (G.gameWon || G.gameLost) return false;
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
  DrawImageButton({740, 540}, 52, giveUpHit);
  return true;
}

void DrawMainButtons() {
  if (Button(0, 540, 54)) ScreenAction(6);
  if (Button(60, 540, 62)) ScreenAction(16);
  if (Button(120, 540, 31)) ScreenAction(7);
  if (Button(180, 540, 27)) ScreenAction(4);
  if (Button(240, 540, 37)) ScreenAction(100);
}

}  // namespace

void MarkCheckBoxHovered() { checkBoxHovered = true; }

bool PageButton(int x, int y, int image) { return Button(x, y, image); }

// True from a press's first scroll step until its release.
static bool scrollStepped = false;

void ScrollList(ListBox& list, int direction) {
  G.listScrollHeld = 1;
  const uint32_t now = Now();
  // A click steps one line at once: the first step used to wait 50 ms, past
  // the release of a quick click, so a click did nothing at all.
  const bool firstStep = !scrollStepped;
  scrollStepped = true;
  if (!firstStep && static_cast<int64_t>(now) <= static_cast<int64_t>(G.clickTick) + 50) return;
  G.clickTick = now;
  if (direction < 0 && list.top > 0) list.top -= 1;
  if (direction > 0 && list.top + list.visibleLines < list.itemCount) list.top += 1;
}

void RunScreen(int screen) {
  if (G.clickPending != 1) scrollStepped = false;
  G.listScrollHeld = 0;
  G.hoverHot = 0;
  checkBoxHovered = false;
  G.panelY = 72;
  if (G.panelX == 800 && screen > 0) PlaySound(9);
  G.panelX -= (G.panelX - 220) / 10;

  // Away from the game list another page may fill the help list: coming back
  // onto a family reads its page again.
  if (screen != 1) G.helpFamilyHovered = 0;
  bool goOn = true;
  switch (screen) {
    case 1: DrawGameList(); break;
    case 2: goOn = DrawVariantMenu(); break;
    case 3: DrawOptionsPage(); break;
    case 4: DrawScoresPage(); break;
    case 5: DrawHelpPage(); break;
    case 6: DrawPlayerPage(); break;
    case 7: DrawSavesPage(); break;
    case 8: DrawSearchPage(false); break;
    case 9: DrawSearchPage(true); break;
    case 100: DrawQuitPage(); break;
    default: break;
  }
  if (!goOn || Form1.closed) return;

  if (!G.gameTitle.empty() || G.travelMapShowing) {
    if (!DrawToolbar()) return;
  }
  if (G.travelMapShowing) return;
  if (G.gameTitle.empty()) DrawMainButtons();

  if (G.hoverHot || checkBoxHovered) G.cursorShape = -21;
  // A click is consumed by the frame that saw it, except while a scroll
  // button is held.
  if (G.clickPending == 1 && !G.listScrollHeld) G.clickPending = 0;
}

static void QuitAfterFarewell() {
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

void ScreenAction(int action) {
  if (action < 10 || action == 100) G.panelX = 800;
  switch (action) {
    case 1: {
      G.currentScreen = 0;
      const std::string title = G.gameTitle.str();
      const uint32_t variant = G.currentVariant;
      ResetGame();
      ResetBoard();
      G.gameTitle = title;
      G.currentVariant = variant;
      ChargeAide(static_cast<uint8_t>(G.currentVariant));
      break;
    }
    case 3: G.currentScreen = 3; break;
    case 4: G.currentScreen = 4; break;
    case 5:
      G.listBoxes[listHelp].top = 1;
      G.currentScreen = 5;
      break;
    case 6:
      G.typedText = G.playerName.str();
      G.currentScreen = 6;
      break;
    case 7: G.currentScreen = 7; break;
    case 8:
    case 9:
      G.currentScreen = action;
      G.typedText.clear();
      for (auto& item : G.listBoxes[listAnagram].items) item.clear();
      break;
    case 16:
      ResetGame();
      ResetBoard();
      StartJourney();
      break;
    case 33: G.currentScreen = 0; break;
    case 100:
      G.gameTitle.clear();
      G.travelMapShowing = 0;
      G.travelModeActive = 0;
      G.currentScreen = 100;
      break;
    case 101: QuitAfterFarewell(); break;
    case 102: G.currentScreen = 0; break;
    default: break;
  }
}
