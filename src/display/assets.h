// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures read from the program's folders and the player's own, and the
// lists of backgrounds, heads and saved games built from those folders.
#pragma once
#include <string>

void LoadAllPictures();
// The tiles, fonts and interface pictures of the colour scheme in use.
void LoadSchemePictures();
// Remembers n in G.currentBackground; the player's choice (backgroundIndex)
// is left alone, so the title pictures never become it.
void LoadBackground(int n);
void LoadHead(const std::string& name);
void LoadCardBack(int n);
void FillFileList(const std::string& folder, const std::string& mask, bool upper, int list, bool emptyFirst);
void FillBackgroundList();
void FillHeadList();
void FillSaveList();
