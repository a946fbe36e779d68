// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing words the board can show and the alphabet can spell.
#pragma once
#include <string>

// True when every character is a letter A-Z: a space, a hyphen or an
// apostrophe (a few themed names have them) could not be moved as a letter.
bool SpeltWithLetters(const std::string& word);
// A word of the length drawn with RandomWord, drawn again while it holds a
// character outside A-Z, `draws` times at most; "" when none came.
std::string DrawLetterWord(int length, int draws);
