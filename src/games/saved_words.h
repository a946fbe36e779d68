// SPDX-License-Identifier: GPL-3.0-or-later
// What a saved game's word list must hold for its record's game to go on.
#pragma once
#include <string>
#include <vector>

struct SavedImage;

// False, with `why`, when the lines cannot be the word list of the saved
// game: a hidden-words board in play without its words (it would load won),
// or lines longer than any game writes.
bool SavedWordsFit(const SavedImage& image, bool present, const std::vector<std::string>& lines, std::string& why);
