// SPDX-License-Identifier: GPL-3.0-or-later
// Saved games and the quick save.
#pragma once
#include <string>

// Writes a save (the quick save "Boss" when `quick`); false, with a message
// to the player, when it could not be written.
bool SaveGame(bool quick);
// Loads a save. A record file that is damaged (wrong size, fields out of
// range) changes nothing and is reported to the player; a damaged quick save
// is also renamed aside.
void LoadGame(const std::string& name);
// A game title without what a list line has no room for: doubled spaces,
// the " / " before a theme and the unit after a count ("PENDU  8 Lettres /
// ARBRES" gives "PENDU 8 ARBRES"). Save names and kept pages use it.
std::string ShortTitle(const std::string& title);
