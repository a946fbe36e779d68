// SPDX-License-Identifier: GPL-3.0-or-later
// The game routines the dispatcher calls once per tick with their parameter.
// Each builds its puzzle on its first call, then redraws, applies its rules
// and asks for the completion check on every call.
#pragma once
#include <string>

// Grids
void PlayCodedGrid(int size, const std::string& gridFile);
void PlayWordPlacement(int size, const std::string& gridFile);
void PlayHiddenWords(int size, const std::string& gridFile);
// Frames a found hidden word given by its list entry: blue round a down word,
// red round an across word (a word of one letter gets both, in blue).
void DrawFoundWordFrame(const std::string& entry);
void PlayScrambledGrid(int size, const std::string& gridFile);
void PlayDeconstructedGrid(int size);
void PlayLetterSums(int size);
void PlayErasedLetters(int size);

// Words and phrases
void PlayHangman(int length);
void PlayProverbHangman(int nation);
void PlayMonthProverbs(int month);
void PlayPassword(int length);
void PlayWordRows(int length);
void PlayAnagram(int length);
void PlayExtraLetter(int words);
void PlayCrossedPair(int length);
void PlayThirdWord();
void PlayCutWords(int words);
void PlayStackedWords(int rows);
void PlayVowelExchange(int words);
void PlayConsonantExchange(int words);
void PlayLongestWord();
void PlayWordsStartingWith(int part);
void PlayMaxiWords(int part);
void PlayCrossingWords(int length);
