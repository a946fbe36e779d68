// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/commentary.h"

#include <string>
#include <vector>

#include "display/log.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "state/game_state.h"

void ChargeCommentaires() {
  const std::string path = G.programDir + "txt\\Commentaires.dta";
  if (FileExists(path)) {
    Log("Commentaires touvés Chargement...");
  } else {
    LogProblem("Comentaires INTROUVABLE : " + path);
  }
  IniFile ini(path);
  int n = 1;
  for (;; ++n) {
    const std::string value = ini.ReadString("COMMENTAIRES", "Tx" + std::to_string(n), "Rien");
    G.commentaryText[n - 1] = value.substr(0, 100);
    // The table ends at the first missing key, which is stored as "Rien".
    if (value == "Rien" || n == 496) break;
  }
  Log(std::to_string(n) + " Commentaires chargés");
}

void ChargeAide(uint8_t index) {
  const std::string path = G.programDir + "aide\\" + G.helpFileName[index];
  Log("charge aide " + path);
  std::vector<std::string> lines;
  if (!FileExists(path) || !ReadLines(path, lines)) {
    LogProblem("Fichier Aide Non trouvé : " + path);
    return;
  }
  ListBox& help = G.listBoxes[listHelp];
  for (size_t k = 1; k <= lines.size() && k <= 599; ++k) help.items[k] = lines[k - 1];
  help.itemCount = static_cast<int>(lines.size()) - 1;
  help.top = 1;  // the help page opens on its second line
}
