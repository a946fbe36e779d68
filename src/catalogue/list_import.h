// SPDX-License-Identifier: GPL-3.0-or-later
// The player page's word lists: a list file chosen on the desktop is read,
// copied into the player's folder "LISTES\" and its reading shown.
#pragma once
#include <string>

#include "words/player_lists.h"

// The desktop's file chooser on text files; a chosen file is added.
void OpenListDialog();
// Reads the file (a real or program path) and, when it gives words, keeps a
// copy of it in "LISTES\" under a free name; the reading's report is shown
// either way. The chosen file is only read.
void AddPlayerListFile(const std::string& chosenPath);
// The report shown on the help page, which takes the page's title.
void ShowListReport(const PlayerList& list);
// The reports of every list of "LISTES\", one after the other, with the
// files left out: a list put straight into the folder is told too.
void ShowPlayerListsReport();
// True while the help page shows a list's report.
bool ListReportShowing();
