// SPDX-License-Identifier: GPL-3.0-or-later
// The game framework: the dispatcher over the 150 variants, the completion
// check and the board's pointer handling.
#pragma once
#include <initializer_list>
#include <string>
#include <utility>

void RunCurrentGame();
void CheckGameComplete();
// Mouse buttons as the handlers receive them: 0 left, 1 right, 2 middle.
void BoardMouseDown(int button);
void BoardMouseUp(int button);

// The letters of `length` consecutive cells from (x, y), along x when
// direction is 1, else along y; stored characters as they are.
std::string ReadBoardRun(int x, int y, int length, int direction);

// Writes the text into the board from (x, y) along x, over whatever was there.
void PlaceAcross(int x, int y, const std::string& text);
// The alphabet in two rows of thirteen from (x, row): A-M, then N-Z below.
void WriteAlphabet(int x, int row);

// True when the variant lies in one of the inclusive ranges.
bool VariantIn(unsigned variant, std::initializer_list<std::pair<unsigned, unsigned>> ranges);
// The families whose letters the board's handlers move their own way, themes
// included: the hangmen (word and proverbs of the nations), hidden words, cut
// words, the word-guess rows, the deconstructed grid.
bool IsHangman(unsigned variant);
bool IsHiddenWords(unsigned variant);
bool IsCutWords(unsigned variant);
bool IsWordRows(unsigned variant);
bool IsDeconstructed(unsigned variant);
