// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures read from the program's folders or the player's own, and the
// lists of backgrounds, heads and saved games built from those folders.
#include "display/assets.h"

#include <string>

#include "display/colour_scheme.h"
#include "display/drawing.h"
#include "display/log.h"
#include "display/sound.h"
#include "display/list_entries.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/picture.h"
#include "state/forms.h"
#include "state/game_state.h"

namespace {

constexpr uint32_t kPureBlue = 0xFF0000;

// Loads numbered pictures "bitmaps\folder\0.bmp" ... into a sprite list,
// keyed on pure blue; a missing or unreadable file is logged and its slot
// stays empty. The colour scheme's own picture, made beside the others in
// "bitmaps\<scheme>\folder\", is taken where there is one.
void LoadNumbered(ImageList& list, const std::string& folder, int last) {
  const std::string schemeFolder = Scheme().pictureFolder;
  for (int n = 0; n <= last; ++n) {
    const std::string name = folder + "\\" + std::to_string(n) + ".bmp";
    const std::string own = G.programDir + "bitmaps\\" + schemeFolder + "\\" + name;
    const std::string path = !schemeFolder.empty() && FileExists(own) ? own : G.programDir + "bitmaps\\" + name;
    Picture& picture = list[n];
    picture.transparent = true;
    picture.transparentColour = kPureBlue;
    if (!FileExists(path)) {
      LogProblem("Fichier " + path + " absent. Non Chargé..");
    } else if (std::string why; !LoadPicture(path, picture, &why)) {
      LogProblem("Fichier " + path + " illisible. Non Chargé.. (" + why + ")");
    }
  }
}

std::string TitlePicture(int n) {
  switch (n) {
    case 50: return "00000";
    case 51: return "0000";
    case 52: return "000000";
    case 78: return "0000000";
    default: return "";
  }
}

// Loads into a picture that keeps its previous contents when the file cannot
// be decoded; the failure is logged.
void LoadOrLog(const std::string& path, Picture& picture) {
  std::string why;
  if (!LoadPicture(path, picture, &why)) LogProblem("Fichier " + path + " illisible. Non Chargé.. (" + why + ")");
}

bool IsTitlePicture(const std::string& name) {
  return name == "00000" || name == "0000" || name == "000000" || name == "0000000";
}

std::string ListItem(int list, int n) {
  return n >= 0 && n <= 600 ? G.listBoxes[list].items[n] : std::string();
}

// Loads a head from a folder; false when the file is absent (the program's
// folder is tried first, so a player's own head is absent from it).
bool TryHead(const std::string& path, const char* okLog) {
  if (!FileExists(path)) {
    Log("Fichier " + path + " absent. Non Chargé..");
    return false;
  }
  if (std::string why; !LoadPicture(path, Form1.DXImageList2[1], &why)) {
    ShowTimedMessage(2, 520, Comment(56));
    LogProblem("bitmap non compatible : " + path + " (" + why + ")");
    return true;
  }
  Log(std::string(okLog) + "1" + ".Bmp  .....OK ");
  return true;
}

}  // namespace

void LoadAllPictures() {
  LoadNumbered(Form2.DXImageList2, "pendu", 53);
  LoadSchemePictures();
  LoadSounds();
  LoadBackground(50);
}

void LoadSchemePictures() {
  LoadNumbered(Form1.DXImageList3, "Slots", 13);
  LoadNumbered(Form1.DXImageList4, "Interface", 63);
}

void LoadBackground(int n) {
  Log("charge fond index " + std::to_string(n));
  if (n == 0) n = 4;
  const std::string title = TitlePicture(n);
  const std::string name = title.empty() ? ListItem(listBackgrounds, n) : title;
  const std::string path = G.programDir + "bitmaps\\background\\" + name + ".jpg";
  Picture& background = Form1.DXImageList2[0];
  background.transparent = false;
  background.transparentColour = kPureBlue;
  if (!name.empty() && FileExists(path)) {
    Log("Fond " + path + " chargé sur CD ROM");
    LoadOrLog(path, background);
  } else {
    const std::string own = DataFolderPrefix() + "FONDS\\" + name + ".bmp";
    if (!name.empty() && FileExists(own)) {
      Log("Fond " + own + " chargé sur Disque dur");
      LoadOrLog(own, background);
    } else if (!title.empty()) {
      // The title pictures come with the program; a background chosen from
      // the lists that is gone since leaves the picture as it was, unsaid.
      LogProblem("Fond " + path + " absent. Non Chargé..");
    }
  }
  G.currentBackground = n;
  if (n == 50 || n == 51 || n == 52) return;
  const std::string frame = G.programDir + "bitmaps\\Fenetres\\fenetre.jpg";
  if (!FileExists(frame)) {
    LogProblem("Fenetre " + frame + " absent. Non Chargé..");
    return;
  }
  Log("Fenetre " + frame + " chargé");
  Picture& window = Form1.DXImageList2[2];
  window.transparent = true;
  window.transparentColour = 0xFE0000;
  LoadOrLog(frame, window);
}

void LoadHead(const std::string& name) {
  Picture& head = Form1.DXImageList2[1];
  head.transparent = true;
  head.transparentColour = kPureBlue;
  if (TryHead(G.programDir + "bitmaps\\tete\\" + name + ".bmp", "Chargement tete sur CD ROM ")) return;
  if (TryHead(DataFolderPrefix() + "TETE\\" + name + ".bmp", "Chargement tete Perso sur DDur ")) return;
  // Heads imported before their names lost the trailing space ("Mon
  // portrait .bmp"), named in the settings without it.
  const std::string older = DataFolderPrefix() + "TETE\\" + name + " .bmp";
  if (!name.empty() && FileExists(older) && TryHead(older, "Chargement tete Perso sur DDur ")) return;
  if (!name.empty()) LogProblem("Tete " + name + " introuvable");
}

void LoadCardBack(int n) {
  if (n == 0) {
    n = 3;
    G.cardBackIndex = 3;
  }
  const std::string name = ListItem(listCardBacks, n);
  const std::string path = G.programDir + "bitmaps\\back\\" + name + ".bmp";
  if (!FileExists(path)) {
    // The card-back list is never filled, so its empty entry names no file:
    // only a named card back that is missing is a fault.
    const std::string line = "Fichier " + path + " absent. Non Chargé..";
    if (name.empty()) Log(line);
    else LogProblem(line);
    return;
  }
  Picture& back = Form1.DXImageList1[0];
  back.transparent = true;
  back.transparentColour = kPureBlue;
  LoadOrLog(path, back);
}

void FillFileList(const std::string& folder, const std::string& mask, bool upper, int list, bool emptyFirst) {
  Log("Add : " + folder + " filtre:" + mask);
  if (!FolderExists(folder)) {
    Log("Erreur dupdate de liste de jeux");
    return;
  }
  const std::vector<std::string> names = ListFolder(folder, mask);
  if (emptyFirst)
    for (int i = 0; i <= 599; ++i) G.listBoxes[list].items[i].clear();
  for (std::string name : names) {
    if (name.size() <= 3) continue;
    name.erase(name.size() - 4);
    if (name.empty()) continue;  // ".jpg" alone names nothing to choose
    if (upper) name = UpperCaseAscii(name);
    AddEntry(list, name);
  }
}

void FillBackgroundList() {
  ListBox& list = G.listBoxes[listBackgrounds];
  list.visibleLines = 5;
  list.widthPx = 150;
  FillFileList(G.programDir + "Bitmaps\\background\\", "*.jpg", false, listBackgrounds, true);
  if (G.dataFoldersReady) FillFileList(DataFolderPrefix() + "FONDS", "*.bmp", false, listBackgrounds, false);
  // The four title pictures sort first, their names being all zeros, and are
  // never offered; only they are dropped, so a folder without them keeps all
  // of its backgrounds.
  for (int i = 0; i < 4 && IsTitlePicture(G.listBoxes[listBackgrounds].items[1]); ++i)
    RemoveEntry(listBackgrounds, 1);
}

void FillHeadList() {
  ListBox& list = G.listBoxes[listHeads];
  list.visibleLines = 5;
  list.widthPx = 200;
  FillFileList(G.programDir + "Bitmaps\\tete\\", "*.bmp", false, listHeads, true);
  if (G.dataFoldersReady) FillFileList(DataFolderPrefix() + "TETE", "*.bmp", false, listHeads, false);
}

void FillSaveList() {
  ListBox& list = G.listBoxes[listSaves];
  list.visibleLines = 8;
  list.widthPx = 480;
  FillFileList(DataFolderPrefix() + "SAVE\\", "*.sa1", false, listSaves, true);
}
