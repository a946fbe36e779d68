// SPDX-License-Identifier: GPL-3.0-or-later
// Saved games and the quick save.
#pragma once
#include <string>
#include <vector>

struct SavedImage;

// Writes a save (the quick save "Boss" when `quick`); false, with a message
// to the player, when it could not be written.
bool SaveGame(bool quick);
// Loads a save. A record file that is damaged (wrong size, fields out of
// range) changes nothing and is reported to the player; a damaged quick save
// is also renamed aside.
void LoadGame(const std::string& name);
// The file of the player's list the save `name` was played on ("" for a
// game on the program's own words, or a save made before lists).
std::string SavedListFile(const std::string& name);
// A game title without what a list line has no room for: doubled spaces,
// the " / " before a theme and the unit after a count ("PENDU  8 Lettres /
// ARBRES" gives "PENDU 8 ARBRES"). Save names and kept pages use it.
std::string ShortTitle(const std::string& title);
// What the games ask of a saved word list beside its record (set by the
// program at start; the games stand above this layer): false, with `why`,
// when the record's game cannot be played with it.
using WordListCheck = bool (*)(const SavedImage& image, bool present, const std::vector<std::string>& lines,
                               std::string& why);
void SetWordListCheck(WordListCheck check);
