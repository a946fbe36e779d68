// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <fstream>
#include <set>
#include <sstream>
#include <unordered_set>

namespace {

bool IsAllCapitals(const std::string& word) {
  if (word.empty()) return false;
  for (char ch : word)
    if (ch < 'A' || ch > 'Z') return false;
  return true;
}

bool HasVowel(const std::string& word) {
  return word.find_first_of("AEIOUY") != std::string::npos;
}

std::string StripLineEnd(std::string line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
  return line;
}

// The plain letters of one Latin-1 code point 0xC0-0xFF, lower case, or ""
// when it is not a letter we fold.
std::string FoldLatin1(unsigned code) {
  static const char* const kFolds[64] = {
      "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",  // C0-CF
      "",  "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "",  "ss", // D0-DF
      "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",  // E0-EF
      "",  "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "",  "y"}; // F0-FF
  return code >= 0xC0 && code <= 0xFF ? kFolds[code - 0xC0] : "";
}

}  // namespace

std::vector<std::string> ReadWordFile(const std::string& path) {
  std::vector<std::string> words;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    line = StripLineEnd(line);
    if (IsAllCapitals(line)) words.push_back(line);
  }
  return words;
}

std::vector<std::string> ReadAccentedWordFile(const std::string& path) {
  std::vector<std::string> words;
  std::unordered_set<std::string> seen;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    line = StripLineEnd(line);
    if (line.empty() || (line[0] >= 'A' && line[0] <= 'Z')) continue;
    std::string folded;
    bool ok = true;
    for (size_t i = 0; i < line.size() && ok; ++i) {
      unsigned char ch = static_cast<unsigned char>(line[i]);
      if (ch >= 'a' && ch <= 'z') {
        folded += static_cast<char>(ch - 'a' + 'A');
      } else if ((ch == 0xC3 || ch == 0xC5) && i + 1 < line.size()) {
        unsigned next = static_cast<unsigned char>(line[++i]);
        unsigned code = ((ch & 0x1F) << 6) | (next & 0x3F);
        std::string plain = code == 0x153 ? "oe" : FoldLatin1(code);  // the oe ligature
        if (plain.empty()) ok = false;
        for (char p : plain) folded += static_cast<char>(p - 'a' + 'A');
      } else {
        ok = false;
      }
    }
    if (ok && !folded.empty() && seen.insert(folded).second) words.push_back(folded);
  }
  return words;
}

namespace {

// Calls `read` with the fields of every line of the file that is neither
// empty nor a '#' comment.
template <typename ReadFn>
void ForEachDataLine(const std::string& path, ReadFn read) {
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    line = StripLineEnd(line);
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    read(fields);
  }
}

}  // namespace

std::vector<EndingWeight> ReadEndingWeights(const std::string& path) {
  std::vector<EndingWeight> endings;
  ForEachDataLine(path, [&endings](std::istringstream& fields) {
    EndingWeight entry;
    if (fields >> entry.ending >> entry.factor && IsAllCapitals(entry.ending)) endings.push_back(entry);
  });
  return endings;
}

std::vector<std::pair<std::string, int>> ReadFrequencies(const std::string& path) {
  std::vector<std::pair<std::string, int>> frequencies;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(StripLineEnd(line));
    std::string word;
    int count = 0;
    if (fields >> word >> count && IsAllCapitals(word) && count > 0) frequencies.emplace_back(word, count);
  }
  return frequencies;
}

std::vector<std::string> ReadRefusedWords(const std::string& path) {
  std::vector<std::string> refused;
  ForEachDataLine(path, [&refused](std::istringstream& fields) {
    for (std::string word; fields >> word;) refused.push_back(word);
  });
  return refused;
}

namespace {

// True when the word is refused as it stands or by a prefix entry ("PUTE*").
bool IsRefused(const std::string& word, const std::unordered_set<std::string>& words,
               const std::vector<std::string>& prefixes) {
  if (words.count(word)) return true;
  for (const std::string& prefix : prefixes)
    if (word.compare(0, prefix.size(), prefix) == 0) return true;
  return false;
}

}  // namespace

// A Roman numeral such as XII or MCM, read strictly (each value written the
// shortest way); word lists hold them, crosswords do not.
bool IsRomanNumeral(const std::string& word) {
  static const char* const kThousands[] = {"", "M", "MM", "MMM"};
  static const char* const kHundreds[] = {"", "C", "CC", "CCC", "CD", "D", "DC", "DCC", "DCCC", "CM"};
  static const char* const kTens[] = {"", "X", "XX", "XXX", "XL", "L", "LX", "LXX", "LXXX", "XC"};
  static const char* const kOnes[] = {"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX"};
  // Nearly every word has a letter no numeral uses: it is turned away before
  // the numerals are written out.
  if (word.empty() || word.find_first_not_of("IVXLCDM") != std::string::npos) return false;
  for (int value = 1; value < 4000; ++value) {
    std::string roman = std::string(kThousands[value / 1000]) + kHundreds[value / 100 % 10] +
                        kTens[value / 10 % 10] + kOnes[value % 10];
    if (roman == word) return true;
  }
  return false;
}

Lexicon::Lexicon(const std::vector<std::string>& dictionary, const LexiconOptions& options) {
  nodes_.emplace_back();
  nodes_.back().child.fill(kNone);
  std::set<std::string> pairs(options.twoLetterWords.begin(), options.twoLetterWords.end());
  std::unordered_map<std::string, int> frequency(options.frequencies.begin(), options.frequencies.end());
  std::unordered_set<std::string> kept;
  std::unordered_set<std::string> refusedWords;
  std::vector<std::string> refusedPrefixes;
  for (const std::string& entry : options.refused) {
    if (!entry.empty() && entry.back() == '*') refusedPrefixes.push_back(entry.substr(0, entry.size() - 1));
    else refusedWords.insert(entry);
  }
  for (const std::string& word : dictionary) {
    int length = static_cast<int>(word.size());
    bool wanted = length == 2 ? pairs.count(word) > 0
                              : length >= 3 && length <= options.maxLength && HasVowel(word);
    auto met = frequency.find(word);
    int count = met == frequency.end() ? 0 : met->second;
    if (options.knownOnly && count == 0) continue;
    // Without a plain vowel (GYM, SKY) or as a Roman numeral, only words met in text.
    if (count == 0 && length > 2 &&
        (word.find_first_of("AEIOU") == std::string::npos || IsRomanNumeral(word)))
      wanted = false;
    if (wanted && IsRefused(word, refusedWords, refusedPrefixes)) wanted = false;
    if (!wanted || !IsAllCapitals(word) || !kept.insert(word).second) continue;
    double weight = count > 0 ? 3.0 + 2.0 * std::log(static_cast<double>(count))
                              : length <= 3 ? options.rareShortFactor : options.rareFactor;
    double factor = 1.0;
    size_t matched = 0;
    for (const EndingWeight& ending : options.endings) {
      if (ending.ending.size() > matched && ending.ending.size() < word.size() &&
          word.compare(word.size() - ending.ending.size(), ending.ending.size(), ending.ending) == 0) {
        matched = ending.ending.size();
        factor = ending.factor;
      }
    }
    weight *= factor;
    int32_t id = Insert(word);
    baseWeight_.push_back(weight);
    weight_.push_back(0);
    SetWeight(id, weight);
  }
}

int32_t Lexicon::Insert(const std::string& word) {
  int32_t id = static_cast<int32_t>(words_.size());
  words_.push_back(word);
  int32_t node = 0;
  std::vector<int32_t> path{0};
  for (char ch : word) {
    int letter = ch - 'A';
    nodes_[node].childMask |= 1u << letter;
    if (nodes_[node].child[letter] == kNone) {
      nodes_[node].child[letter] = static_cast<int32_t>(nodes_.size());
      nodes_.emplace_back();
      nodes_.back().child.fill(kNone);
    }
    node = nodes_[node].child[letter];
    path.push_back(node);
  }
  nodes_[node].word = id;
  for (size_t depth = 0; depth < path.size(); ++depth)
    nodes_[path[depth]].endMask |= 1u << (word.size() - depth);
  return id;
}

void Lexicon::SetWeight(int32_t id, double weight) {
  double delta = weight - weight_[id];
  weight_[id] = weight;
  int32_t node = 0;
  nodes_[node].weight += delta;
  for (char ch : words_[id]) {
    node = nodes_[node].child[ch - 'A'];
    nodes_[node].weight += delta;
  }
}

int32_t Lexicon::Find(const std::string& word) const {
  int32_t node = 0;
  for (char ch : word) {
    if (ch < 'A' || ch > 'Z') return kNone;
    node = nodes_[node].child[ch - 'A'];
    if (node == kNone) return kNone;
  }
  return nodes_[node].word;
}
