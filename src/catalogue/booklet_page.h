// SPDX-License-Identifier: GPL-3.0-or-later
// The booklet page (screen kScreenBooklet).
#pragma once
#include <string>

void OpenBookletPage();
void DrawBookletPage();
// True while the page builds its puzzles (the loop must not rest).
bool BookletBeingMade();
// Keys and typed text for the booklet's title; false on other pages.
bool TypeBookletKey(int key);
bool TypeBookletText(const std::string& latin1);
