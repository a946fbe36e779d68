// Saved games and the quick save.
#pragma once
#include <string>

void SaveGame(bool quick);
void LoadGame(const std::string& name);
// A game title without what a list line has no room for: doubled spaces,
// the " / " before a theme and the unit after a count ("PENDU  8 Lettres /
// ARBRES" gives "PENDU 8 ARBRES"). Save names and kept pages use it.
std::string ShortTitle(const std::string& title);
