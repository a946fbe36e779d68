// PENDING(words): placeholder bodies until the word routines land.
#include "words/word_routines.h"

bool IsVowel(uint8_t) { return false; }
std::string RandomWord(uint8_t) { return ""; }
bool PlaceWord(int x, int y, const std::string& text, uint8_t direction, uint8_t* board, uint8_t) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (direction == 1) board[(x + i) * 21 + y] = text[i];
    else board[x * 21 + y + i] = text[i];
  }
  return true;
}
void ShuffleBoardWord(int, int, int, uint8_t) {}
void ShuffleText(std::string&) {}
std::string FindWordInside(const std::string&) { return ""; }
void WordsFromLetters(std::vector<std::string>&, const std::string&) {}
bool MatchPattern(std::vector<std::string>&, const std::string&) { return true; }
void FindAnagrams(std::vector<std::string>&, const std::string&) {}
