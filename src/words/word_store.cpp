// SPDX-License-Identifier: GPL-3.0-or-later
#include "words/word_store.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "display/log.h"
#include "platform/files.h"
#include "state/game_state.h"

int32_t wordCount[31];
int32_t wordLinesRead;
uint8_t loadedWordList;
int32_t commonCount[31];

namespace {

constexpr int longestWord = 30;
constexpr int32_t tableRoom = 60000;

// All words of one length have the same number of bytes, so a table is the
// words laid end to end: word n starts at (n - 1) * length.
struct WordTable {
  std::string bytes;
  // Open-addressed set of word numbers for IsWord, rebuilt on the first
  // lookup after the table changed (a load is then not slowed by it).
  std::vector<uint32_t> index;
  bool indexStale = true;
  // The words of a table that outlives a load (lengths 21-30), so that a
  // reload adds each of them once only.
  std::unordered_set<std::string> kept;
};
std::array<WordTable, longestWord + 1> tables;
// The common tier of each length, laid out as the tables are.
std::array<std::string, longestWord + 1> commonTables;
// The same words and their slots, for IsCommonWord and CommonRank.
std::unordered_map<std::string, int32_t> commonSet;
// The wider known words (encyclopedic list), for IsKnownWord.
std::unordered_set<std::string> knownSet;
// The prepared anagram puzzles of the French list.
std::vector<AnagramPair> anagramPairs;

const char* const listFiles[7] = {
    "", "bin\\DicoFrancais.txt", "bin\\DicoAnglais.txt", "bin\\fleurs.txt",
    "bin\\Arbres.txt", "bin\\animaux.txt", "bin\\pays.txt"};
const char* const commonFiles[3] = {"", "bin\\CourantsFrancais.txt", "bin\\CourantsAnglais.txt"};
const char* const knownFiles[3] = {"", "bin\\ConnusFrancais.txt", "bin\\ConnusAnglais.txt"};
const char* const anagramFile = "bin\\Anagrammes.txt";

struct FoldTables {
  uint8_t fold[256];        // accent folding
  uint8_t upper[256];       // ASCII upper case
  uint8_t foldUpper[256];   // both, for every character but a line's last
};

FoldTables MakeFoldTables() {
  FoldTables t{};
  for (int c = 0; c < 256; ++c) t.fold[c] = static_cast<uint8_t>(c);
  for (int c : {0xC9, 0xE8, 0xE9, 0xEA}) t.fold[c] = 'e';
  t.fold[0xE0] = 'a';
  t.fold[0xE7] = 'c';
  for (int c : {0xEE, 0xEF}) t.fold[c] = 'i';
  for (int c : {0xF4, 0xF6}) t.fold[c] = 'o';
  for (int c : {0xF9, 0xFB, 0xFC}) t.fold[c] = 'u';
  for (int c = 0; c < 256; ++c) {
    t.upper[c] = (c >= 'a' && c <= 'z') ? static_cast<uint8_t>(c - 32) : static_cast<uint8_t>(c);
  }
  for (int c = 0; c < 256; ++c) t.foldUpper[c] = t.upper[t.fold[c]];
  return t;
}
const FoldTables foldTables = MakeFoldTables();

uint32_t HashBytes(const char* p, int n) {
  uint32_t h = 2166136261u;
  for (int i = 0; i < n; ++i) h = (h ^ static_cast<uint8_t>(p[i])) * 16777619u;
  return h ^ (h >> 15);
}

void BuildIndex(int length) {
  WordTable& table = tables[length];
  const int32_t count = std::min<int32_t>(wordCount[length], static_cast<int32_t>(table.bytes.size() / length));
  size_t size = 16;
  while (size < static_cast<size_t>(count) * 2) size *= 2;
  table.index.assign(size, 0);
  const size_t mask = size - 1;
  for (int32_t slot = 1; slot <= count; ++slot) {
    const char* word = table.bytes.data() + static_cast<size_t>(slot - 1) * length;
    size_t at = HashBytes(word, length) & mask;
    while (table.index[at] != 0) at = (at + 1) & mask;
    table.index[at] = static_cast<uint32_t>(slot);
  }
  table.indexStale = false;
}

// Stores one line of a list file; false when the load must stop. A line the
// store cannot hold used to close the program, at every start when it was in
// the dictionary: it is now logged and left out, and a full table ends the
// load with what it holds.
bool StoreLine(std::string_view line) {
  const size_t length = line.size();
  if (length > longestWord) {
    LogProblem("Mot trop long, laissé de côté : " + std::string(line.substr(0, 40)));
    return true;
  }
  const int L = static_cast<int>(length);
  if (wordCount[L] >= tableRoom) {
    if (L >= 1 && L <= 20) {
      // A list with more words of one length than the store can hold.
      LogProblem("Liste de mots trop longue : lecture arrêtée aux mots de " + std::to_string(L) + " lettres");
      return false;
    }
    // The tables of lengths 0 and 21-30 keep the words of every load (each
    // list adds its own); once full, further lines of those lengths are left
    // out.
    return true;
  }
  WordTable& table = tables[L];
  const size_t at = table.bytes.size();
  table.bytes.resize(at + length);
  char* out = table.bytes.data() + at;
  // The last character of a line is never folded, only upper-cased.
  for (size_t i = 0; i + 1 < length; ++i) out[i] = static_cast<char>(foldTables.foldUpper[static_cast<uint8_t>(line[i])]);
  if (length > 0) out[length - 1] = static_cast<char>(foldTables.upper[static_cast<uint8_t>(line[length - 1])]);
  // The tables that outlive a load take each word once: every variant start
  // reloads the dictionary, and its long words stored again each time made
  // memory grow with every game.
  if ((L == 0 && wordCount[0] > 0) || (L > 20 && !table.kept.emplace(out, length).second)) {
    table.bytes.resize(at);
    return true;
  }
  ++wordCount[L];
  table.indexStale = true;
  return true;
}

// Calls `line` for each line of the bytes: lines end with CR LF, LF or CR,
// as a text file is read line by line, and a last line without an end still
// counts. Stops early when `line` returns false.
template <typename LineFn>
void ForEachLine(const std::string& bytes, LineFn line) {
  const char* data = bytes.data();
  const size_t size = bytes.size();
  size_t start = 0;
  while (start < size) {
    size_t end = start;
    while (end < size && data[end] != '\r' && data[end] != '\n') ++end;
    if (!line(std::string_view(data + start, end - start))) break;
    if (end < size && data[end] == '\r' && end + 1 < size && data[end + 1] == '\n') ++end;
    start = end + 1;
  }
}

void ClearCommonTier() {
  commonSet.clear();
  knownSet.clear();
  anagramPairs.clear();
  for (int L = 0; L <= longestWord; ++L) {
    commonCount[L] = 0;
    commonTables[L].clear();
  }
}

// The lines of a file of the program folder written as the dictionaries
// are (plain capitals, CR LF); false when it cannot be read.
template <typename LineFn>
bool ReadDataLines(const char* file, LineFn line) {
  const std::string path = G.programDir + file;
  std::string bytes;
  if (!ReadBinary(path, bytes)) {
    LogProblem("Liste de mots introuvable : " + path);
    return false;
  }
  ForEachLine(bytes, line);
  return true;
}

// The tier files of list 1 or 2; a missing file leaves its tier empty, so
// the draws take the whole list. Lines that are no word of 1-30 letters, and
// lengths beyond the store's room, are left out.
void LoadCommonTier(uint8_t code) {
  ClearCommonTier();
  if (code != 1 && code != 2) return;
  ReadDataLines(commonFiles[code], [](std::string_view line) {
    const int L = static_cast<int>(line.size());
    if (L < 1 || L > longestWord || commonCount[L] >= tableRoom) return true;
    std::string& table = commonTables[L];
    for (size_t i = 0; i < line.size(); ++i) {
      // The same folding as the dictionary's words, the last character only upper-cased.
      const uint8_t c = static_cast<uint8_t>(line[i]);
      table += static_cast<char>(i + 1 < line.size() ? foldTables.foldUpper[c] : foldTables.upper[c]);
    }
    ++commonCount[L];
    commonSet.emplace(std::string(table, table.size() - line.size(), line.size()), commonCount[L]);
    return true;
  });
  ReadDataLines(knownFiles[code], [](std::string_view line) {
    knownSet.emplace(line);
    return true;
  });
  if (code != 1) return;
  ReadDataLines(anagramFile, [](std::string_view line) {
    const size_t space = line.find(' ');
    if (space != std::string_view::npos && space * 2 + 1 == line.size())
      anagramPairs.push_back({std::string(line.substr(0, space)), std::string(line.substr(space + 1))});
    return true;
  });
}

}  // namespace

void LoadWordList(uint8_t code) {
  LoadCommonTier(code);
  for (int L = 1; L <= 20; ++L) {
    wordCount[L] = 0;
    tables[L].bytes.clear();
    tables[L].indexStale = true;
  }
  wordLinesRead = 0;
  loadedWordList = 0;
  if (code < 1 || code > 6) {
    LogProblem("Liste de mots inconnue : " + std::to_string(code));
    return;
  }
  const std::string path = G.programDir + listFiles[code];
  std::string bytes;
  if (!ReadBinary(path, bytes)) {
    LogProblem("Liste de mots introuvable : " + path);
    return;
  }
  int32_t lines = 0;
  ForEachLine(bytes, [&lines](std::string_view line) {
    ++lines;
    return StoreLine(line);
  });
  wordLinesRead = lines;
  loadedWordList = code;
}

void StoreOwnWords(const std::vector<std::string>& words, uint8_t code) {
  ClearCommonTier();
  for (int L = 1; L <= 20; ++L) {
    wordCount[L] = 0;
    tables[L].bytes.clear();
    tables[L].indexStale = true;
  }
  for (const std::string& word : words) {
    const int L = static_cast<int>(word.size());
    if (L < 1 || L > 20 || wordCount[L] >= tableRoom) continue;
    tables[L].bytes += word;
    ++wordCount[L];
  }
  wordLinesRead = static_cast<int32_t>(words.size());
  loadedWordList = code;
}

std::string FoldAccents(const std::string& text) {
  std::string folded = text;
  for (size_t i = 0; i + 1 < folded.size(); ++i) {
    folded[i] = static_cast<char>(foldTables.fold[static_cast<uint8_t>(folded[i])]);
  }
  return folded;
}

std::string FoldTypedText(const std::string& latin1) {
  // Plain letters of Latin-1 0xC0 ... 0xDF; the small letters 0xE0 ... 0xFF
  // fold the same way. '-' marks a character with no plain letter.
  static const char kPlain[] = "AAAAAA-CEEEEIIII-NOOOOO-OUUUUY-Y";
  std::string out;
  out.reserve(latin1.size());
  for (char ch : latin1) {
    uint8_t c = foldTables.foldUpper[static_cast<uint8_t>(ch)];
    if (c >= 0xC0 && kPlain[c & 0x1F] != '-' && c != 0xDF) c = static_cast<uint8_t>(kPlain[c & 0x1F]);
    out += static_cast<char>(c);
  }
  return out;
}

bool IsWord(const std::string& text) {
  if (text.size() > static_cast<size_t>(longestWord)) return false;
  const int L = static_cast<int>(text.size());
  if (L == 0) return wordCount[0] > 0;
  if (wordCount[L] <= 0) return false;
  WordTable& table = tables[L];
  if (table.indexStale) BuildIndex(L);
  const size_t mask = table.index.size() - 1;
  size_t at = HashBytes(text.data(), L) & mask;
  while (uint32_t slot = table.index[at]) {
    if (std::memcmp(table.bytes.data() + static_cast<size_t>(slot - 1) * L, text.data(), L) == 0) return true;
    at = (at + 1) & mask;
  }
  return false;
}

const char* StoredWordBytes(int length, int slot) {
  if (length < 0 || length > longestWord || slot < 1 || slot > wordCount[length]) return nullptr;
  const WordTable& table = tables[length];
  const size_t at = static_cast<size_t>(slot - 1) * length;
  if (at + length > table.bytes.size() && length > 0) return nullptr;
  return table.bytes.data() + at;
}

std::string StoredWord(int length, int slot) {
  const char* word = StoredWordBytes(length, slot);
  return word ? std::string(word, length) : std::string();
}

std::string CommonWord(int length, int slot) {
  if (length < 1 || length > longestWord || slot < 1 || slot > commonCount[length]) return "";
  return commonTables[length].substr(static_cast<size_t>(slot - 1) * length, length);
}

bool IsCommonWord(const std::string& text) { return commonSet.count(text) > 0; }

int32_t CommonRank(const std::string& text) {
  const auto found = commonSet.find(text);
  return found == commonSet.end() ? 0 : found->second;
}

bool IsKnownWord(const std::string& text) {
  return commonSet.empty() || commonSet.count(text) > 0 || knownSet.count(text) > 0;
}

const std::vector<AnagramPair>& PreparedAnagrams() { return anagramPairs; }

void ClearWordStore() {
  ClearCommonTier();
  for (int L = 0; L <= longestWord; ++L) {
    wordCount[L] = 0;
    tables[L].bytes.clear();
    tables[L].index.clear();
    tables[L].kept.clear();
    tables[L].indexStale = true;
  }
  wordLinesRead = 0;
}
