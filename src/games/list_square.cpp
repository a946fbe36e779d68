// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/list_square.h"

#include <algorithm>

#include "platform/clock.h"
#include "words/player_lists.h"
#include "words/word_store.h"

namespace {

constexpr int kFewestPlaced = 4;
constexpr int kTriesPerWord = 200;

// The list's words of 3 to `size` letters, letters only, each once, in a
// random order.
std::vector<std::string> Candidates(int size) {
  std::vector<std::string> words;
  for (int L = 3; L <= 20; ++L)
    for (int slot = 1; slot <= wordCount[L]; ++slot) {
      const std::string letters = LettersOf(StoredWord(L, slot));
      if (letters.size() >= 3 && static_cast<int>(letters.size()) <= size &&
          std::find(words.begin(), words.end(), letters) == words.end())
        words.push_back(letters);
    }
  for (size_t i = words.size(); i > 1; --i) std::swap(words[i - 1], words[Random(static_cast<int>(i))]);
  return words;
}

bool TryPlace(int size, const std::string& word, char (&cells)[20][20], bool (&used)[20][20]) {
  const int n = static_cast<int>(word.size());
  for (int t = 0; t < kTriesPerWord; ++t) {
    const bool across = Random(2) == 0;
    const int x = Random(across ? size - n + 1 : size), y = Random(across ? size : size - n + 1);
    bool fits = true;
    for (int i = 0; i < n && fits; ++i) {
      const int cx = across ? x + i : x, cy = across ? y : y + i;
      fits = !used[cx][cy] || cells[cx][cy] == word[i];
    }
    if (!fits) continue;
    for (int i = 0; i < n; ++i) {
      const int cx = across ? x + i : x, cy = across ? y : y + i;
      cells[cx][cy] = word[i];
      used[cx][cy] = true;
    }
    return true;
  }
  return false;
}

// How many times the word reads across or down in the square.
int Readings(int size, const std::string& word, const char (&cells)[20][20]) {
  const int n = static_cast<int>(word.size());
  int count = 0;
  for (int x = 0; x < size; ++x)
    for (int y = 0; y < size; ++y)
      for (const bool across : {true, false}) {
        if ((across ? x : y) + n > size) continue;
        int i = 0;
        while (i < n && cells[across ? x + i : x][across ? y : y + i] == word[i]) ++i;
        count += i == n;
      }
  return count;
}

}  // namespace

bool MakeListSquare(int size, char (&cells)[20][20], bool (&used)[20][20], std::vector<std::string>& words) {
  if (size < 3 || size > 20) return false;
  for (auto& column : used) std::fill(std::begin(column), std::end(column), false);
  words.clear();
  // As many words as the square has rows, at most: a square can be found in.
  for (const std::string& word : Candidates(size))
    if (static_cast<int>(words.size()) < size && TryPlace(size, word, cells, used)) words.push_back(word);
  // The filler letters are drawn again while they spell a listed word a
  // second time; a word that still reads twice (inside a longer one) leaves
  // the list.
  for (int draw = 0; draw < 50; ++draw) {
    for (int x = 0; x < size; ++x)
      for (int y = 0; y < size; ++y)
        if (!used[x][y]) cells[x][y] = static_cast<char>('A' + Random(25));
    bool once = true;
    for (const std::string& word : words) once = once && Readings(size, word, cells) == 1;
    if (once) break;
  }
  words.erase(std::remove_if(words.begin(), words.end(),
                             [&](const std::string& w) { return Readings(size, w, cells) != 1; }),
              words.end());
  return static_cast<int>(words.size()) >= kFewestPlaced;
}
