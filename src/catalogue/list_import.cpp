// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/list_import.h"

#include <algorithm>

#include "display/drawing.h"
#include "display/log.h"
#include "platform/file_chooser.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/utf8.h"
#include "state/game_state.h"
#include "words/word_store.h"

namespace {

std::string shownReportHead;

// The chosen file's own name, made safe, with ".txt" at its end.
std::string CopyBaseName(const std::string& chosenPath) {
  std::string name = chosenPath.substr(chosenPath.find_last_of("/\\") + 1);
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  // The copy's name holds plain letters only: accented ones are folded, so
  // the name reads the same in every folder listing.
  std::string plain;
  for (char c : Utf8ToLatin1(name)) plain += static_cast<unsigned char>(c) < 0x80 ? std::string(1, c) : FoldTypedText(std::string(1, c));
  name = FileNameFrom(plain);
  return name.empty() ? "liste" : name.substr(0, 40);
}

}  // namespace

void OpenListDialog() {
  FileChoice choice;
  choice.title = "Ajouter une liste de mots :";
  choice.filters = {{"Listes de mots (*.txt)", {"*.txt"}}, {"Tous les fichiers", {"*"}}};
  choice.fallbackFolder = "~/";
  const std::string chosen = ChooseFile(choice);
  if (!chosen.empty()) AddPlayerListFile(chosen);
}

void AddPlayerListFile(const std::string& chosenPath) {
  if (!G.dataFoldersReady) return;
  std::string bytes;
  if (!ReadBinary(chosenPath, bytes, kMostListBytes)) {
    LogProblem("Liste illisible ou trop grande : " + chosenPath);
    ShowTimedMessage(2, 520, "Ce fichier ne peut pas être lu (plus de 16 Mo ?).");
    return;
  }
  const std::string folder = DataFolderPrefix() + "LISTES\\";
  const std::string base = CopyBaseName(chosenPath);
  PlayerList list = ReadPlayerList(bytes, base + ".txt");
  if (list.words.empty()) {
    list.report.push_back("Aucun mot pris : la liste n'est pas ajoutée.");
    ShowListReport(list);
    return;
  }
  // A list added again with the same words is not copied twice; another
  // list of the same name takes a free one: a file of the folder is never
  // written over.
  std::string name;
  for (int i = 0; i < 1000; ++i) {
    name = (i == 0 ? base : base + " " + std::to_string(i)) + ".txt";
    std::string kept;
    if (!FileExists(folder + name)) break;
    if (ReadBinary(folder + name, kept, kMostListBytes) && kept == bytes) {
      list.report.push_back("Cette liste était déjà ajoutée.");
      break;
    }
  }
  list.file = name;
  ForceDirectories(folder);
  if (!FileExists(folder + name) && !WriteBinary(folder + name, bytes)) {
    LogProblem("Copie de la liste impossible : " + folder + name);
    list.report.push_back("La copie dans LISTES a échoué.");
  }
  ReloadPlayerLists();
  ShowListReport(list);
}

void ShowListReport(const PlayerList& list) {
  ListBox& help = G.listBoxes[listHelp];
  for (int k = 1; k <= 599; ++k) help.items[k].clear();
  // The help page opens on its second line, as the help texts do.
  help.items[1] = "";
  for (size_t k = 0; k < list.report.size() && k + 2 <= 599; ++k) help.items[k + 2] = list.report[k];
  // Many lists shown together may run past the page's 598 lines.
  help.itemCount = static_cast<int>(std::min(list.report.size(), size_t{598}));
  help.top = 1;
  shownReportHead = list.report.empty() ? "" : list.report[0];
  G.currentScreen = kScreenHelp;
}

void ShowPlayerListsReport() {
  ReloadPlayerLists();
  PlayerList all;
  all.report.push_back(std::to_string(PlayerLists().size()) + " liste(s) dans LISTES.");
  for (const PlayerList& list : PlayerLists()) {
    all.report.push_back("");
    all.report.insert(all.report.end(), list.report.begin(), list.report.end());
  }
  if (!RefusedPlayerListFiles().empty()) all.report.insert(all.report.end(), {"", "Fichiers laissés de côté :"});
  for (const std::string& refused : RefusedPlayerListFiles()) all.report.push_back(refused);
  ShowListReport(all);
}

bool ListReportShowing() {
  return G.currentScreen == kScreenHelp && !shownReportHead.empty() && G.listBoxes[listHelp].items[2] == shownReportHead;
}
