// The small routines every game uses to pick words, test letters, search the
// word store and put words on the letter board.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

bool IsVowel(uint8_t letter);
std::string RandomWord(uint8_t length);
bool PlaceWord(int x, int y, const std::string& text, uint8_t direction, uint8_t* board, uint8_t force);
void ShuffleBoardWord(int x, int y, int n, uint8_t horizontal);
void ShuffleText(std::string& text);
std::string FindWordInside(const std::string& text);
void WordsFromLetters(std::vector<std::string>& list, const std::string& letters);
bool MatchPattern(std::vector<std::string>& list, const std::string& pattern);
void FindAnagrams(std::vector<std::string>& list, const std::string& letters);
