// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/word_draws.h"

#include <algorithm>

#include "platform/clock.h"
#include "words/word_routines.h"
#include "words/word_store.h"

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

bool IsFairWord(const std::string& word) { return SpeltWithLetters(word) && IsWord(word) && IsKnownWord(word); }

std::string FirstFairWord(int length, const std::function<bool(const std::string&)>& fits) {
  if (length < 1 || length > 30) return "";
  for (const bool tier : {true, false}) {
    const int count = tier ? commonCount[length] : wordCount[length];
    const int start = count > 0 ? Random(count) : 0;
    for (int n = 0; n < count; ++n) {
      const int slot = (start + n) % count + 1;
      const std::string word = tier ? CommonWord(length, slot) : StoredWord(length, slot);
      if (fits(word) && IsFairWord(word)) return word;
    }
  }
  return "";
}

namespace {
// Three fifths of the tier, but never fewer than 500 words (the whole tier
// when it is smaller), so that the long lengths keep their variety.
int EverydaySlots(int length) { return std::min(commonCount[length], std::max(commonCount[length] * 3 / 5, 500)); }
}  // namespace

bool IsEverydayWord(const std::string& word) {
  if (!IsFairWord(word)) return false;
  const int length = static_cast<int>(word.size());
  if (length > 30 || commonCount[length] < kCommonTierMinimum) return true;
  const int rank = CommonRank(word);
  return rank > 0 && rank <= EverydaySlots(length);
}

std::string EverydayWord(int length) {
  if (length < 1 || length > 30 || commonCount[length] < kCommonTierMinimum) return RandomWord(static_cast<uint8_t>(length));
  return CommonWord(length, Random(EverydaySlots(length)) + 1);
}
