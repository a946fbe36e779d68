// SPDX-License-Identifier: GPL-3.0-or-later
// The screen state machine. Every frame the current page is drawn over the
// board, every element it draws is tested against the pointer, and a pending
// click performs the action of the element under it.
#include "catalogue/screens.h"

#include <string>

#include "catalogue/catalogue.h"
#include "catalogue/page_widgets.h"
#include "catalogue/screen_actions.h"
#include "catalogue/booklet_page.h"
#include "catalogue/screen_pages.h"
#include "display/assets.h"
#include "display/drawing.h"
#include "display/sound.h"
#include "games/helps.h"
#include "persistence/commentary.h"
#include "persistence/history.h"
#include "catalogue/puzzle_codes.h"
#include "persistence/saved_games.h"
#include "platform/clock.h"
#include "platform/page.h"
#include "platform/screen.h"
#include "state/forms.h"
#include "state/game_state.h"
#include "state/held_letters.h"
#include "state/variants.h"
#include "display/resets.h"
#include "travel/travel.h"
#include "words/player_lists.h"

namespace {

// The pictures of the help buttons (and each one's lit picture after it),
// drawn by the picture maker: a bulb, a ticked tile, an arrow turning back.
constexpr int kHintButton = 21, kCheckButton = 29, kUndoButton = 0;
void OpenListLines();

bool MenuEntryHovered(int x, int y, int length) {
  const int px = G.mousePos.x, py = G.mousePos.y;
  return x - 3 < px && px < x + 16 * length && y + 3 < py && py < y + 21;
}

void DrawGameList() {
  if (DrawGameListExtras()) return;
  int hoveredFamily = 0;
  for (int f = 1; f <= kFamilyCount; ++f) {
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
      G.cursorShape = kCursorHand;
      for (int k = 1; k <= 6; ++k) DrawSmallText(130, 363 + 20 * k, kWhite, G.listBoxes[listHelp].items[k]);
    }
    if (hovered && G.clickPending == 1) {
      G.currentScreen = kScreenVariantMenu;
      G.menuFamily = static_cast<uint32_t>(FamilyFirstVariant(f));
      OpenListLines();
    }
    if (!hovered && f != 25) DrawMediumText(x, y, kWhite, name.substr(0, 20));
  }
  G.helpFamilyHovered = hoveredFamily;
}

// The player's list chosen on the variant menu: its variant lines then play
// on it. Forgotten when another menu opens.
std::string chosenList;

void OpenListLines() {
  chosenList.clear();
  ReloadPlayerLists();
}

// A family's menu shows the player's lists when every one of its variants
// can play on one.
bool FamilyTakesLists(uint32_t first, int count) {
  for (int i = 0; i < count; ++i)
    if (!GameTakesLists(Variant(first + i))) return false;
  return count > 1;
}

// The list lines under "Retour", as many as the page holds above the
// toolbar: a click chooses the list (or leaves it).
void DrawListLines(int firstLine) {
  const std::vector<PlayerList>& lists = PlayerLists();
  for (size_t k = 0; k < lists.size() && 81 + 20 * (firstLine + static_cast<int>(k)) <= 500; ++k) {
    const bool chosen = lists[k].file == chosenList;
    const std::string text = "MA LISTE : " + lists[k].title + (chosen ? " (choisie)" : "");
    const int length = static_cast<int>(text.size());
    const int y = 81 + 20 * (firstLine + static_cast<int>(k)), x = 400 - (length / 2) * 14;
    const bool hovered = MenuEntryHovered(x, y, length);
    DrawMediumText(x, y, hovered || chosen ? kHighlight : kWhite, text);
    if (!hovered) continue;
    G.cursorShape = kCursorHand;
    if (G.clickPending == 1) chosenList = chosen ? "" : lists[k].file;
  }
}

// A variant line while a list is chosen: the game's name on the list, or
// why the list is not offered there (not clickable).
std::string VariantLineOnList(uint32_t variant, const PlayerList& list, bool& offered) {
  const std::string misfit = ListMisfit(list, Variant(variant));
  offered = misfit.empty();
  if (offered) return TitleOnList(static_cast<int>(variant), list.title);
  std::string name = G.variantName[variant];
  if (const size_t theme = name.find(" / "); theme != std::string::npos) name.erase(theme);
  return name + " : " + misfit;
}

int FamilyCountOfFirstVariant(uint32_t first) {
  for (int f = 1; f <= kFamilyCount; ++f)
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
  const bool takesLists = FamilyTakesLists(G.menuFamily, count);
  const PlayerList* list = takesLists && !chosenList.empty() ? FindPlayerList(chosenList) : nullptr;
  if (takesLists) DrawListLines(count + 3);
  for (int i = 0; i <= count + 1; ++i) {
    std::string text;
    bool offered = true;
    if (i < count) text = list ? VariantLineOnList(G.menuFamily + i, *list, offered) : G.variantName[G.menuFamily + i];
    if (i == count + 1) text = "Retour à la liste...";
    const int length = static_cast<int>(text.size());
    const int y = 81 + 20 * i, x = 400 - (length / 2) * 14;
    // A line that says why the list is not offered there is too long for
    // the medium letters: it takes the small ones, and no click.
    if (!offered) {
      DrawSmallText(400 - 5 * length - 10, y + 3, kWhite, text);
      continue;
    }
    if (!MenuEntryHovered(x, y, length)) {
      DrawMediumText(x, y, kWhite, text);
      continue;
    }
    DrawMediumText(x, y, kHighlight, text);
    G.cursorShape = kCursorHand;
    if (G.clickPending != 1) continue;
    if (i == count + 1) {
      G.currentScreen = kScreenGameList;
      G.clickPending = 0;
      return false;
    }
    // The empty row between the variants and "Retour" starts the variant
    // that follows the family's last one.
    if (list && i < count) {
      StartVariantOnList(static_cast<uint8_t>(G.menuFamily + i), list->file);
      break;
    }
    StartVariant(static_cast<uint8_t>(G.menuFamily + i));
  }
  return true;
}

// The helps the game offers, right of the clock and the puzzle's code
// (which end before x 155), left of the toolbar (x 320):
// hint, check, undo, each in its own place whether the others are there.
void DrawHelpButtons() {
  if (G.gameWon || G.gameLost || !G.boardReady) return;
  const HelpsOffered offered = OfferedHelps();
  if (offered.hint && PageButton(155, 540, kHintButton)) RevealLetter();
  if (offered.check && PageButton(210, 540, kCheckButton)) CheckBoard();
  if (offered.undo && PageButton(265, 540, kUndoButton)) UndoMove();
}

// Returns false when the frame must end at once (give up on a finished game).
bool DrawToolbar() {
  if (PageButton(730, 15, 39)) {
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
  if (!onMap) DrawHelpButtons();
  if (!onMap && PageButton(320, 540, 23)) Imprimegrille();
  if (!onMap && PageButton(380, 540, 19)) {
    if (G.travelModeActive || G.travelMapShowing) PlaySound(kSoundLanding);
    else ScreenAction(1);
  }
  if (PageButton(440, 540, 33)) SaveGame(false);
  if (PageButton(500, 540, 3)) ScreenAction(8);
  if (PageButton(560, 540, 5)) ScreenAction(9);
  if (PageButton(620, 540, 17)) {
    // The map has a help page of its own: the journey, the costs, the purse.
    if (onMap) ChargeAide(kTravelHelp);
    ScreenAction(5);
  }
  if (PageButton(680, 540, 35)) ScreenAction(3);
  const bool giveUpHit = ImageButtonHit({740, 540}, G.mousePos);
  if (giveUpHit && G.clickPending == 1) {
    if (G.gameWon || G.gameLost) return false;
    ScreenAction(103);
  }
  DrawImageButton({740, 540}, 52, giveUpHit);
  return true;
}

void DrawMainButtons() {
  if (PageButton(0, 540, 54)) ScreenAction(6);
  if (PageButton(60, 540, 62)) ScreenAction(16);
  if (PageButton(120, 540, 31)) ScreenAction(7);
  if (PageButton(180, 540, 27)) ScreenAction(4);
  if (PageButton(240, 540, 37)) ScreenAction(100);
}

}  // namespace

void RunScreen(int screen) {
  EndScrollPressWhenReleased();
  G.listScrollHeld = 0;
  G.hoverHot = 0;
  ForgetCheckBoxHovered();
  G.panelY = 72;
  if (G.panelX == 800 && screen > kScreenBoard) PlaySound(kSoundPanel);
  G.panelX -= (G.panelX - 220) / 10;

  // Away from the game list another page may fill the help list: coming back
  // onto a family reads its page again.
  if (screen != kScreenGameList) G.helpFamilyHovered = 0;
  bool goOn = true;
  switch (screen) {
    case kScreenGameList: DrawGameList(); break;
    case kScreenVariantMenu: goOn = DrawVariantMenu(); break;
    case kScreenOptions: DrawOptionsPage(); break;
    case kScreenScores: DrawScoresPage(); break;
    case kScreenHelp: DrawHelpPage(); break;
    case kScreenPlayer: DrawPlayerPage(); break;
    case kScreenSavedGames: DrawSavesPage(); break;
    case kScreenAnagramSearch: DrawSearchPage(false); break;
    case kScreenIncompleteSearch: DrawSearchPage(true); break;
    case kScreenQuit: DrawQuitPage(); break;
    case kScreenGiveUp: DrawGiveUpPage(); break;
    case kScreenCode: DrawCodePage(); break;
    case kScreenDailyResult: DrawDailyResultPage(); break;
    case kScreenStatistics: DrawStatisticsPage(); break;
    case kScreenBooklet: DrawBookletPage(); break;
    default: break;
  }
  if (!goOn || Form1.closed) return;

  if (!G.gameTitle.empty() || G.travelMapShowing) {
    if (!DrawToolbar()) return;
  }
  if (G.travelMapShowing) return;
  if (G.gameTitle.empty()) DrawMainButtons();

  if (G.hoverHot || CheckBoxHovered()) G.cursorShape = kCursorHand;
  // A click is consumed by the frame that saw it, except while a scroll
  // button is held.
  if (G.clickPending == 1 && !G.listScrollHeld) G.clickPending = 0;
}

