// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing words the board can show and the alphabet can spell.
#pragma once
#include <functional>
#include <string>

// True when every character is a letter A-Z: a space, a hyphen or an
// apostrophe (a few themed names have them) could not be moved as a letter.
bool SpeltWithLetters(const std::string& word);
// A word of the length drawn with RandomWord, drawn again while it holds a
// character outside A-Z, `draws` times at most; "" when none came.
std::string DrawLetterWord(int length, int draws);
// A word the player may be asked to find or be shown as a clue: spelt with
// A-Z, a word of the list loaded, and known (common tier or known list; any
// word of a themed list).
bool IsFairWord(const std::string& word);
// The first fair word of the length that `fits`, walking the common tier
// from a random word on (round to where it began), then the whole list the
// same way; "" when none fits. A walk from the first stored word would give
// words starting with A nearly every time.
std::string FirstFairWord(int length, const std::function<bool(const std::string&)>& fits);
// A fair word among the words said most often: the first three fifths of
// the common words of its length (the rest holds CREEL, NONCE, SNAFU), at
// least 500 of them, or any fair word of a length or list without a tier.
bool IsEverydayWord(const std::string& word);
// A word of the length drawn among those first three fifths, as RandomWord
// draws from the whole tier.
std::string EverydayWord(int length);
