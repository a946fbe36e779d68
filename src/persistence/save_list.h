// SPDX-License-Identifier: GPL-3.0-or-later
// The saved-games list, a page of at most kSavesPerPage saves at a time: every
// save on disk can be reached through the "précédentes" and "suivantes"
// lines, and a save the program cannot load is listed with its reason
// ("illisible : taille 5 octets : name"), never left out. No save name holds
// ':' (save names are cleaned of it), so these lines cannot be taken for one.
#pragma once
#include <string>

inline constexpr int kSavesPerPage = 500;

// Fills the list with the saves from number `first` (0 is the first, in the
// folder's order); the list's selection and scroll start afresh.
void ListSaves(int first);
// The save a line of the list names (the line itself for a plain save).
std::string SaveNameOfEntry(const std::string& entry);
// For a "précédentes" or "suivantes" line, the first save of the page it
// opens; -1 for any other line.
int SavesPageOfEntry(const std::string& entry);
