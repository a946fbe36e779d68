// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/word_draws.h"

#include "words/word_routines.h"

bool SpeltWithLetters(const std::string& word) {
  for (char c : word)
    if (c < 'A' || c > 'Z') return false;
  return !word.empty();
}

std::string DrawLetterWord(int length, int draws) {
  if (length < 1 || length > 30) return "";
  for (int draw = 0; draw < draws; ++draw) {
    const std::string word = RandomWord(static_cast<uint8_t>(length));
    if (word.empty()) return "";
    if (SpeltWithLetters(word)) return word;
  }
  return "";
}
