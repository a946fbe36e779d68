// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/screen_pages.h"

#include <string>

#include "catalogue/page_widgets.h"
#include "catalogue/screen_actions.h"
#include "catalogue/catalogue.h"
#include "display/assets.h"
#include "display/colour_scheme.h"
#include "display/drawing.h"
#include "catalogue/picture_import.h"
#include "catalogue/list_import.h"
#include "display/play_clock.h"
#include "display/sound.h"
#include "display/list_entries.h"
#include "persistence/save_list.h"
#include "persistence/save_pairs.h"
#include "persistence/saved_games.h"
#include "persistence/scores.h"
#include "platform/files.h"
#include "platform/page.h"
#include "platform/paths.h"
#include "state/forms.h"
#include "state/game_state.h"

namespace {

int L() { return G.panelX; }
constexpr int T = 72;
int R() { return G.panelX + 500; }
constexpr int B = 422;

void Text(int x, int y, const std::string& text) { DrawSmallText(x, y, kWhite, text); }

void ScrollButtons(int list, int x1, int y1, int x2, int y2) {
  if (PageButton(x1, y1, 11)) ScrollList(G.listBoxes[list], -1);
  if (PageButton(x2, y2, 9)) ScrollList(G.listBoxes[list], +1);
}

void PlaceList(int list, int x, int y, bool countEntries = true) {
  ListBox& box = G.listBoxes[list];
  box.x = x;
  box.y = y;
  if (countEntries) box.itemCount = CountEntries(list);
  DrawListBox(list);
}

// The line clicked in the list, 0 when none.
int ClickedLine(int list) {
  const int line = ListBoxLineAt(G.mousePos, G.listBoxes[list]);
  return line > 0 && G.clickPending == 1 ? line : 0;
}

const char* Caret() { return BlinkPhaseShown() ? "-" : " "; }

void PageCheckBox(int slot, int x, int y, const std::string& label) {
  G.checkBoxes[slot].x = x;
  G.checkBoxes[slot].y = y;
  DrawCheckBox(slot, label);
  if (!CheckBoxHit(G.mousePos, {x, y})) return;
  MarkCheckBoxHovered();
  if (G.clickPending != 1) return;
  G.checkBoxes[slot].checked = G.checkBoxes[slot].checked ? 0 : 1;
  if (slot == 2) {
    if (G.checkBoxes[2].checked) Form1.musique.Play();
    else Form1.musique.Pause();
  }
}

}  // namespace

void DrawOptionsPage() {
  DrawWindowFrame(G.panelX, G.panelY);
  Text(L() + 200, T + 60, Comment(70));
  PlaceList(listBackgrounds, L() + 100, T + 120);
  Text(L() + 100, T + 110, Comment(71));
  ScrollButtons(listBackgrounds, L() + 40, T + 100, L() + 40, T + 200);
  PageCheckBox(1, L() + 60, T + 360, Comment(73));
  PageCheckBox(2, L() + 60, T + 335, Comment(74));
  Text(L() + 100, T + 255, "Couleurs :");
  if (TextButton(L() + 100, T + 275, Scheme().name)) {
    G.colourScheme = static_cast<uint8_t>(NextScheme(G.colourScheme));
    LoadSchemePictures();
    PlaySound(kSoundChoice);
  }
  // Its label is long: from L() + 60 it ran over the frame's right border.
  PageCheckBox(4, L() + 20, T + 310, "Mots codés : une lettre remplit tout son numéro");
  if (PageButton(R(), B - 20, 7)) ScreenAction(33);
  const int line = ClickedLine(listBackgrounds);
  if (line > 0 && !G.travelMapShowing) {
    ListBox& box = G.listBoxes[listBackgrounds];
    PlaySound(kSoundChoice);
    box.selected = line + box.top;
    G.backgroundIndex = box.selected;
    LoadBackground(box.selected);
  }
}

void DrawScoresPage() {
  DrawWindowFrame(G.panelX, G.panelY);
  Text(L() + 200, T + 60, Comment(76));
  // A score line (45 characters) ends inside the frame only from here.
  PlaceList(listScores, L() + 65, T + 90);
  ScrollButtons(listScores, L() + 15, T + 90, L() + 15, T + 290);
  if (PageButton(R() - 30, B - 20, 7)) ScreenAction(33);
  if (TextButton(L() + 20, B - 30, "STATISTIQUES")) OpenStatisticsPage();
  if (PageButton(R() - 90, B - 20, 43)) RemoveSelected(listScores);
  if (PageButton(R() - 150, B - 20, 47)) {
    for (int i = 1; i <= 599; ++i) G.listBoxes[listScores].items[i].clear();
  }
  const int line = ClickedLine(listScores);
  if (line > 0) {
    G.listBoxes[listScores].selected = line + G.listBoxes[listScores].top;
    PlaySound(kSoundChoice);
  }
}

void DrawHelpPage() {
  DrawWindowFrame(G.panelX, G.panelY);
  if (ListReportShowing()) Text(L() + 150, T + 60, "Lecture de la liste de mots");
  else Text(L() + 150, T + 60, Comment(77) + " " + G.gameTitle.str());
  // Lines of 45 characters end inside the frame's gold border only from
  // here: at L() + 90 their last five characters ran over it.
  PlaceList(listHelp, L() + 75, T + 100, false);
  ScrollButtons(listHelp, L() + 22, T + 90, L() + 22, T + 300);
  if (PageButton(R() - 30, B - 10, 7)) ScreenAction(33);
}

void DrawPlayerPage() {
  DrawWindowFrame(G.panelX, G.panelY);
  Text(L() + 150, T + 60, Comment(78));
  PlaceList(listHeads, L() + 100, T + 100);
  ScrollButtons(listHeads, L() + 40, T + 100, L() + 40, T + 180);
  ListBox& heads = G.listBoxes[listHeads];
  const int line = ClickedLine(listHeads);
  if (line > 0) {
    PlaySound(kSoundChoice);
    heads.selected = line + heads.top;
    LoadHead(heads.items[heads.selected]);
  }
  DrawHead({L() + 300, T + 120}, 90);
  Text(L() + 90, T + 85, Comment(79));
  // The first four heads are the program's own and cannot be deleted.
  if (heads.selected > 4 && heads.selected <= 600 && PageButton(R() - 30, T + 180, 43)) {
    const std::string name = heads.items[heads.selected];
    if (IsSafeFileName(name) && RemoveFile(DataFolderPrefix() + "\\TETE\\" + name + ".bmp"))
      ShowTimedMessage(2, 520, Comment(57));
    RemoveSelected(listHeads);
  }
  G.playerName = G.typedText.substr(0, 100);
  Text(L() + 90, T + 250, Comment(80));
  Text(L() + 90, T + 270, G.playerName.str() + Caret());
  if (PageButton(L() + 40, T + 300, 57)) OpenImportDialog(1);
  Text(L() + 90, T + 320, Comment(81));
  if (PageButton(L() + 40, T + 355, 57)) OpenImportDialog(2);
  Text(L() + 90, T + 375, Comment(82));
  // A list of the player's words, played and printed like a theme; the row
  // sits under the portraits, clear of the frame's border.
  Text(L() + 90, T + 230, "Listes de mots :");
  if (TextButton(L() + 255, T + 222, "AJOUTER")) OpenListDialog();
  if (TextButton(L() + 395, T + 222, "VOIR")) ShowPlayerListsReport();
  if (PageButton(R() - 30, T + 355, 7)) {
    G.playerName = G.typedText.substr(0, 100);
    G.currentScreen = kScreenBoard;
  }
}

void DrawSavesPage() {
  DrawWindowFrame(G.panelX, G.panelY);
  Text(L() + 150, T + 60, Comment(83));
  PlaceList(listSaves, L() + 100, T + 100);
  ScrollButtons(listSaves, L() + 40, T + 100, L() + 40, T + 250);
  ListBox& saves = G.listBoxes[listSaves];
  if (saves.selected > 0 && saves.selected <= 600 && SavesPageOfEntry(saves.items[saves.selected]) < 0) {
    // A line of an unreadable save names it after its reason.
    const std::string name = SaveNameOfEntry(saves.items[saves.selected]);
    const bool removeAsked = PageButton(R() - 150, B - 20, 43);
    if (removeAsked && !IsSafeFileName(name)) ShowTimedMessage(2, 520, "Sauvegarde au nom inutilisable : " + name);
    if (removeAsked && IsSafeFileName(name)) {
      const std::string base = DataFolderPrefix() + "SAVE\\" + name;
      if (RemoveSavePair(base)) {
        saves.itemCount -= 1;
        ShowTimedMessage(2, 520, Comment(58));
        RemoveSelected(listSaves);
      }
    }
    if (saves.selected > 0 && PageButton(R() - 90, B - 20, 31)) {
      G.currentScreen = kScreenBoard;
      ResumeSavedGame(SaveNameOfEntry(saves.items[saves.selected]));
    }
  }
  if (PageButton(R() - 30, B - 20, 7)) G.currentScreen = kScreenBoard;
  const int line = ClickedLine(listSaves);
  if (line > 0) {
    PlaySound(kSoundChoice);
    saves.selected = line + saves.top;
    // "précédentes" and "suivantes" open their page of saves at once.
    const int page = saves.selected <= 600 ? SavesPageOfEntry(saves.items[saves.selected]) : -1;
    if (page >= 0) ListSaves(page);
  }
}

void DrawSearchPage(bool incomplete) {
  DrawWindowFrame(G.panelX, G.panelY);
  Text(L() + 150, T + 60, incomplete ? "Recherche de mots incomplets" : "Recherche d'anagramme");
  PlaceList(listAnagram, L() + 100, T + 100);
  ScrollButtons(listAnagram, L() + 40, T + 100, L() + 40, T + 280);
  if (incomplete) {
    Text(L() + 290, T + 210, "Tapez votre mot puis");
    Text(L() + 290, T + 230, "pressez entrée.");
    Text(L() + 260, T + 250, "vous pouvez utiliser des *");  // at L + 290 it ran past the frame
  } else {
    Text(L() + 290, T + 230, "Tapez votre mot puis");
    Text(L() + 290, T + 250, "pressez entrée.");
  }
  Text(L() + 290, T + 270, G.typedText + Caret());
  if (PageButton(R() - 30, T + 355, 7)) G.currentScreen = kScreenBoard;
}

void DrawQuitPage() {
  DrawPicture(ThePage(), Form1.DXImageList4[41], L(), T);
  Text(L() + 55, T + 80, Comment(84));
  if (PageButton(L() + 40, T + 140, 13)) ScreenAction(101);
  if (PageButton(L() + 200, T + 140, 15)) ScreenAction(102);
}

void DrawGiveUpPage() {
  DrawPicture(ThePage(), Form1.DXImageList4[41], L(), T);
  Text(L() + 55, T + 80, "Abandonner la partie ?");
  if (PageButton(L() + 40, T + 140, 13)) ScreenAction(104);
  if (PageButton(L() + 200, T + 140, 15)) ScreenAction(105);
}
