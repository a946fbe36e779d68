// SPDX-License-Identifier: GPL-3.0-or-later
#include "words/word_routines.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/clock.h"
#include "platform/paths.h"
#include "state/game_state.h"
#include "words/word_store.h"

namespace {

constexpr int longestWord = 30;

// Letter counts of the given letters. Spaces are not counted: a given space
// never matches, and a stored word holding a space is never spelt.
struct LetterCounts {
  std::array<int, 256> count{};
  explicit LetterCounts(const std::string& letters) {
    for (unsigned char c : letters) {
      if (c != ' ') ++count[c];
    }
  }
  // True when every character of the word can be taken from the counts
  // (each given letter at most once). The counts are left as they were.
  bool Spells(const char* word, int length) {
    int taken = 0;
    bool spelt = true;
    for (; taken < length; ++taken) {
      const unsigned char c = static_cast<unsigned char>(word[taken]);
      if (count[c] == 0) {
        spelt = false;
        break;
      }
      --count[c];
    }
    for (int i = 0; i < taken; ++i) ++count[static_cast<unsigned char>(word[i])];
    return spelt;
  }
};

bool IsSentinel(const char* word, int length) { return length == 3 && std::memcmp(word, "WWW", 3) == 0; }

}  // namespace

std::string NoResultMarker(size_t length) { return std::string(std::min<size_t>(length, 22), '?'); }

bool IsVowel(uint8_t letter) {
  switch (letter) {
    case 'A': case 'E': case 'O': case 'U': case 'I': case 'Y':
      return true;
    default:
      return false;
  }
}

std::string RandomWord(uint8_t length) {
  if (length > longestWord) return "";
  // Common words of the length when the tier has enough of them for a game;
  // every one of them is a word of the dictionary too.
  if (commonCount[length] >= kCommonTierMinimum) return CommonWord(length, Random(commonCount[length]) + 1);
  if (wordCount[length] <= 0) return "";
  return StoredWord(length, Random(wordCount[length]) + 1);
}

std::string RandomChoice(const std::vector<std::string>& words) {
  if (words.empty()) return "";
  std::vector<const std::string*> common;
  for (const std::string& w : words)
    if (IsCommonWord(w)) common.push_back(&w);
  if (common.empty()) return words[Random(static_cast<int>(words.size()))];
  return *common[Random(static_cast<int>(common.size()))];
}

bool PlaceWord(int x, int y, const std::string& text, uint8_t direction, uint8_t* board, uint8_t force) {
  auto cellOf = [&](size_t i) {
    const int cx = direction == 1 ? x + static_cast<int>(i) : x;
    const int cy = direction == 1 ? y : y + static_cast<int>(i);
    return (cx >= 0 && cx <= 20 && cy >= 0 && cy <= 20) ? CellIndex(cx, cy) : -1;
  };
  bool whole = true;
  if (!force) {
    for (size_t i = 0; i < text.size(); ++i) {
      const int at = cellOf(i);
      if (at < 0) return false;
      if (board[at] != ' ' && board[at] != static_cast<uint8_t>(text[i])) return false;
    }
  }
  for (size_t i = 0; i < text.size(); ++i) {
    const int at = cellOf(i);
    if (at < 0) {
      whole = false;
      continue;
    }
    board[at] = static_cast<uint8_t>(text[i]);
  }
  return whole;
}

void ShuffleBoardWord(int x, int y, int n, uint8_t horizontal) {
  if (n < 2 || x < 0 || y < 0) return;
  // The vertical limit is 16, not 20: kept as the games were tuned to it.
  if (horizontal != 0 && x + n > 20) return;
  if (horizontal == 0 && (y + n > 16 || x > 20)) return;
  if (horizontal != 0 && y > 20) return;
  for (int i = 0; i < 1001; ++i) {
    const int d = Random(n);
    const int e = Random(n);
    if (horizontal != 0) std::swap(G.boardLetters[CellIndex(x + d, y)], G.boardLetters[CellIndex(x + e, y)]);
    else std::swap(G.boardLetters[CellIndex(x, y + d)], G.boardLetters[CellIndex(x, y + e)]);
  }
}

void ShuffleText(std::string& text) {
  if (text.empty()) return;
  const int n = static_cast<int>(text.size());
  for (int i = 0; i < 1001; ++i) {
    const int a = Random(n);
    const int b = Random(n);
    std::swap(text[a], text[b]);
  }
}

std::string FindWordInside(const std::string& text) {
  for (size_t position = 3; position <= 6; ++position) {
    if (text.size() < position + 2) break;  // the piece would be shorter than three
    const std::string piece = text.substr(position - 1, 3);
    if (IsWord(piece)) return piece;
  }
  return "";
}

void WordsFromLetters(std::vector<std::string>& list, const std::string& letters) {
  list.clear();
  const std::string given = UpperCaseAscii(letters);
  const int L = static_cast<int>(given.size());
  if (L > 1) {
    LetterCounts counts(given);
    for (int m = std::min(L, longestWord); m >= 2; --m) {
      for (int slot = 1; slot <= wordCount[m]; ++slot) {
        const char* word = StoredWordBytes(m, slot);
        if (word && counts.Spells(word, m)) list.emplace_back(word, m);
      }
    }
  }
  if (list.empty()) list.push_back(NoResultMarker(given.size()));
}

bool MatchPattern(std::vector<std::string>& list, const std::string& pattern) {
  list.clear();
  const std::string wanted = UpperCaseAscii(pattern);
  const int L = static_cast<int>(wanted.size());
  if (L <= longestWord) {
    // Only the fixed letters are compared.
    std::vector<int> fixed;
    for (int i = 0; i < L; ++i) {
      if (wanted[i] != '?') fixed.push_back(i);
    }
    for (int slot = 1; slot <= wordCount[L]; ++slot) {
      const char* word = StoredWordBytes(L, slot);
      if (!word || IsSentinel(word, L)) continue;
      bool agrees = true;
      for (int i : fixed) {
        if (word[i] != wanted[i]) {
          agrees = false;
          break;
        }
      }
      if (agrees) list.emplace_back(word, L);
    }
  }
  if (!list.empty()) return false;
  list.push_back(NoResultMarker(wanted.size()));
  return true;
}

void FindAnagrams(std::vector<std::string>& list, const std::string& letters) {
  list.clear();
  const std::string given = UpperCaseAscii(letters);
  const int L = static_cast<int>(given.size());
  if (L <= longestWord) {
    LetterCounts counts(given);
    for (int slot = 1; slot <= wordCount[L]; ++slot) {
      const char* word = StoredWordBytes(L, slot);
      if (!word || IsSentinel(word, L) || std::memcmp(word, given.data(), L) == 0) continue;
      if (counts.Spells(word, L)) list.emplace_back(word, L);
    }
  }
  if (list.empty()) list.push_back(NoResultMarker(given.size()));
}
