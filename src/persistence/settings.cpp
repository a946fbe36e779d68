// SPDX-License-Identifier: GPL-3.0-or-later
// The settings and favourites file: read once at start-up, written whenever
// what it holds changes (a score, the name, an option) and when the main
// window closes.
#include "persistence/settings.h"

#include <string>

#include "display/assets.h"
#include "display/colour_scheme.h"
#include "display/drawing.h"
#include "display/log.h"
#include "display/list_entries.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "platform/screen.h"
#include "state/game_state.h"

static std::string SettingsPath() { return DataFolderPrefix() + "CFG\\favoris.vlk"; }

// The score lines the file keeps: "N1" ... "N100" are written and read back,
// so no score the file holds vanishes at the next start (reading stopped at
// 15 before). The list itself holds up to 599 lines while the program runs.
constexpr int kScoreLinesKept = 100;
constexpr int kFavouriteLines = 15;

// Reads "N1" ... "N<most>" of a section into items 1 ... of a list until a
// key is missing; returns the first number not stored.
static int ReadNumberedLines(const IniFile& ini, const std::string& section, int list, int most, bool logEach) {
  int i = 1;
  for (; i <= most; ++i) {
    const std::string value = ini.ReadString(section, "N" + std::to_string(i), "AUCUN");
    if (value == "AUCUN") break;
    G.listBoxes[list].items[i] = value;
    if (logEach) Log(" Favoris " + std::to_string(i) + " / " + value + " Chargé");
  }
  return i;
}

// The mode and size a run was given on the command line are for that run
// only: they are kept when the player switched the mode or sized the window.
static void KeepWindowChoice() {
  if (!ScreenModeToggledByPlayer() && !ScreenResizedByPlayer()) return;
  const WindowMode now = ScreenWindowMode();
  G.windowFullScreen = now.fullScreen;
  G.windowWidth = now.width;
  G.windowHeight = now.height;
}

void ChargeFavoris() {
  Log("Chargement de favoris liste :");
  const std::string path = SettingsPath();
  if (!FileExists(path)) {
    // A first run: the default player, and sounds and music on.
    LoadHead(Comment(65));
    G.playerName = Comment(65);
    G.backgroundIndex = 1;
    return;
  }
  Log("Fichier des favoris: " + path + " trouvé");
  const IniFile ini(path);
  G.backgroundIndex = ini.ReadInteger("PARAMETRES", "IMAGEDEFOND", 1);
  G.cardBackIndex = ini.ReadInteger("PARAMETRES", "Dosdescartes", 0);
  G.checkBoxes[3].checked = ini.ReadBool("PARAMETRES", "boutondroit", false);
  G.checkBoxes[1].checked = ini.ReadBool("PARAMETRES", "sons", false);
  G.checkBoxes[2].checked = ini.ReadBool("PARAMETRES", "musiques", false);
  const int scheme = ini.ReadInteger("PARAMETRES", "couleurs", kSchemeNormal);  // absent from older files
  G.colourScheme = static_cast<uint8_t>(scheme >= 0 && scheme < kSchemeCount ? scheme : kSchemeNormal);
  // Older files lack it: coded grids are filled by number.
  G.checkBoxes[4].checked = ini.ReadBool("PARAMETRES", "motscodesparnumero", true);
  G.playerName = ini.ReadString("PARAMETRES", "nom", "").substr(0, 100);
  // Without a head of its own the player keeps the default player's head,
  // which the program ships ("Zipping Oz" named no picture and was mended).
  LoadHead(ini.ReadString("PARAMETRES", "Imgtete", Comment(65)));

  G.windowFullScreen = ini.ReadBool("PARAMETRES", "pleinecran", true);
  G.windowWidth = ini.ReadInteger("PARAMETRES", "largeurfenetre", 0);
  G.windowHeight = ini.ReadInteger("PARAMETRES", "hauteurfenetre", 0);

  G.listBoxes[listScores].widthPx = 500;
  G.listBoxes[listCardBacks].selected = G.cardBackIndex;
  G.listBoxes[listScores].itemCount = ReadNumberedLines(ini, "SCORES", listScores, kScoreLinesKept, false);
  ReadNumberedLines(ini, "FAVORIS", listAnagram, kFavouriteLines, true);
  G.countedQuickSaveStamp = ini.ReadString("PARAMETRES", "PartieRapideComptee", "");
}

bool SauveFavoris() {
  ForceDirectories(DataFolderPrefix() + "CFG");  // made again if it went while the program ran
  IniFile ini(SettingsPath());
  const int count = CountEntries(listScores);
  for (int n = 0; n <= kScoreLinesKept; ++n)
    ini.WriteString("SCORES", "N" + std::to_string(n), count >= n ? G.listBoxes[listScores].items[n] : "");
  Log("Sauve " + std::to_string(count) + " scores");
  if (count > kScoreLinesKept)
    Log("scores : les " + std::to_string(kScoreLinesKept) + " plus récents sont gardés dans " + SettingsPath());
  ini.WriteInteger("PARAMETRES", "ImagedeFond", G.backgroundIndex);
  ini.WriteInteger("PARAMETRES", "Dosdescartes", G.cardBackIndex);
  ini.WriteBool("PARAMETRES", "boutondroit", G.checkBoxes[3].checked != 0);
  ini.WriteBool("PARAMETRES", "sons", G.checkBoxes[1].checked != 0);
  ini.WriteBool("PARAMETRES", "musiques", G.checkBoxes[2].checked != 0);
  ini.WriteInteger("PARAMETRES", "Couleurs", G.colourScheme);
  ini.WriteBool("PARAMETRES", "motscodesparnumero", G.checkBoxes[4].checked != 0);
  ini.WriteString("PARAMETRES", "nom", G.playerName.str());
  KeepWindowChoice();
  ini.WriteBool("PARAMETRES", "PleinEcran", G.windowFullScreen);
  if (G.windowWidth > 0 && G.windowHeight > 0) {
    ini.WriteInteger("PARAMETRES", "LargeurFenetre", G.windowWidth);
    ini.WriteInteger("PARAMETRES", "HauteurFenetre", G.windowHeight);
  }
  const ListBox& heads = G.listBoxes[listHeads];
  if (heads.selected > 0 && heads.selected <= 600) ini.WriteString("PARAMETRES", "ImgTete", heads.items[heads.selected]);
  // A resumed quick save won and counted here, in case the program stops
  // before it is removed: it is not resumed (and counted) again.
  ini.WriteString("PARAMETRES", "PartieRapideComptee", G.countedQuickSaveStamp);
  G.settingsWritten = SettingsFingerprint();
  if (ini.Save()) return true;
  LogProblem("Impossible d'écrire " + SettingsPath());
  // The player is told once, on the screen: no box may hold up a close the
  // system asked for.
  if (!G.settingsFailureTold) {
    G.settingsFailureTold = true;
    ShowTimedMessage(2, 520, Comment(96));
  }
  return false;
}

uint64_t SettingsFingerprint() {
  uint64_t h = 1469598103934665603ull;
  auto add = [&h](const std::string& text) {
    for (unsigned char c : text) h = (h ^ c) * 1099511628211ull;
    h = (h ^ 0xff) * 1099511628211ull;
  };
  for (int n = 0; n <= 100; ++n) add(G.listBoxes[listScores].items[n]);
  add(G.playerName.str());
  add(G.countedQuickSaveStamp);
  const ListBox& heads = G.listBoxes[listHeads];
  if (heads.selected > 0 && heads.selected <= 600) add(heads.items[heads.selected]);
  for (int value : {G.backgroundIndex, G.cardBackIndex, int{G.checkBoxes[1].checked}, int{G.checkBoxes[2].checked},
                    int{G.checkBoxes[3].checked}, int{G.colourScheme}, int{G.checkBoxes[4].checked}})
    add(std::to_string(value));
  return h;
}

void SaveSettingsWhenChanged() {
  if (G.dataFoldersReady && SettingsFingerprint() != G.settingsWritten) SauveFavoris();
}
