// SPDX-License-Identifier: GPL-3.0-or-later
// The small routines every game uses to pick words, test letters, search the
// word store and put words on the letter board.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A search that finds nothing gives one entry of this many question marks
// (the searched text's length, at most 22).
std::string NoResultMarker(size_t length);

// A, E, O, U, I, Y in upper case.
bool IsVowel(uint8_t letter);
// A word of the length drawn uniformly from the common tier when it holds
// enough words of that length, else from every stored word; "" when there
// is none.
std::string RandomWord(uint8_t length);
// One of the words (a search's results), drawn uniformly among those of the
// common tier when there is one, else among all of them; "" for no words.
std::string RandomChoice(const std::vector<std::string>& words);
// Writes the text into the board from cell (x, y), along x for direction 1,
// along y otherwise. With force set the cells are overwritten whatever they
// held; without it the word goes in only where every cell is empty (' ') or
// already holds the same letter. Letters that would fall off the 21 x 21
// board are not written. True when the whole word was written.
bool PlaceWord(int x, int y, const std::string& text, uint8_t direction, uint8_t* board, uint8_t force);
// Shuffles the n letters of boardLetters from (x, y) along x (horizontal set)
// or along y.
void ShuffleBoardWord(int x, int y, int n, uint8_t horizontal);
void ShuffleText(std::string& text);
// The first dictionary word of three letters starting at position 3, 4, 5
// or 6 of the text; "" when there is none.
std::string FindWordInside(const std::string& text);
// Stored words of 2 ... L letters spelt with some of the letters, longest
// first; the marker when none.
void WordsFromLetters(std::vector<std::string>& list, const std::string& letters);
// Stored words of the pattern's length agreeing with its letters ('?' is any
// one letter); true (and the marker) when none.
bool MatchPattern(std::vector<std::string>& list, const std::string& pattern);
// Stored words made of exactly the letters, the letters themselves excluded;
// the marker when none.
void FindAnagrams(std::vector<std::string>& list, const std::string& letters);
