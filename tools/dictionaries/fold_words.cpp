// SPDX-License-Identifier: GPL-3.0-or-later
#include "fold_words.h"

#include <algorithm>
#include <unordered_set>

namespace {

// Decodes one UTF-8 character at `i`; 0 on a malformed sequence.
char32_t NextCodePoint(const std::string& s, size_t& i) {
  unsigned char c = s[i];
  size_t extra = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : 9;
  if (extra == 9 || i + extra >= s.size() + (extra ? 0 : 1)) {
    i = s.size();
    return 0;
  }
  char32_t code = extra == 0 ? c : c & (0x3F >> extra);
  for (size_t k = 1; k <= extra; ++k) {
    unsigned char d = s[i + k];
    if ((d & 0xC0) != 0x80) {
      i = s.size();
      return 0;
    }
    code = (code << 6) | (d & 0x3F);
  }
  i += extra + 1;
  return code;
}

bool IsUpper(char32_t c) {
  return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || c == 0x152;
}

// The plain spelling of a letter, "" when it has none.
std::string PlainLetters(char32_t c) {
  if (c >= 'a' && c <= 'z') return std::string(1, static_cast<char>(c - 'a' + 'A'));
  if (c >= 'A' && c <= 'Z') return std::string(1, static_cast<char>(c));
  if (c == 0xDF) return "SS";                 // ß has no capital in Latin-1
  if (c == 0xFF || c == 0x178) return "Y";    // ÿ, Ÿ
  if (c == 0x152 || c == 0x153) return "OE";  // Œ, œ
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) c -= 0x20;  // Latin-1 lower to upper
  switch (c) {
    case 0xC0: case 0xC1: case 0xC2: case 0xC3: case 0xC4: case 0xC5: return "A";
    case 0xC6: return "AE";
    case 0xC7: return "C";
    case 0xC8: case 0xC9: case 0xCA: case 0xCB: return "E";
    case 0xCC: case 0xCD: case 0xCE: case 0xCF: return "I";
    case 0xD1: return "N";
    case 0xD2: case 0xD3: case 0xD4: case 0xD5: case 0xD6: case 0xD8: return "O";
    case 0xD9: case 0xDA: case 0xDB: case 0xDC: return "U";
    case 0xDD: return "Y";
  }
  return "";
}

// The endings of forms rarely met outside books.
bool LooksRare(const std::string& w) {
  static const char* endings[] = {"ASSIONS", "ASSIEZ", "ASSENT", "ISSIONS", "ISSIEZ", "USSIONS",
                                  "USSIEZ", "USSENT", "AMES", "ATES", "IMES", "ITES", "UMES", "UTES",
                                  "ASSES", "USSES", "ASSE", "USSE"};
  for (const char* e : endings) {
    std::string end(e);
    if (w.size() > end.size() + 2 && w.compare(w.size() - end.size(), end.size(), end) == 0) return true;
  }
  return false;
}

}  // namespace

std::string FoldWord(const std::string& utf8, bool lowerOnly) {
  std::string out;
  for (size_t i = 0; i < utf8.size();) {
    char32_t c = NextCodePoint(utf8, i);
    if (c == 0 || (lowerOnly && IsUpper(c))) return "";
    std::string plain = PlainLetters(c);
    if (plain.empty()) return "";
    out += plain;
  }
  return out;
}

std::vector<std::string> FoldList(const std::vector<std::string>& lines, bool lowerOnly) {
  std::vector<std::string> words;
  std::unordered_set<std::string> seen;
  for (const std::string& line : lines) {
    std::string w = FoldWord(line, lowerOnly);
    if (w.empty() || w.size() > 30 || !seen.insert(w).second) continue;
    words.push_back(w);
  }
  return words;
}

std::vector<std::string> CapPerLength(const std::vector<std::string>& words, size_t cap,
                                      std::map<size_t, size_t>& dropped) {
  std::map<size_t, std::vector<size_t>> byLength;  // positions of the words of each length
  for (size_t i = 0; i < words.size(); ++i) byLength[words[i].size()].push_back(i);
  std::vector<bool> keep(words.size(), true);
  for (auto& [length, positions] : byLength) {
    if (positions.size() <= cap) continue;
    size_t excess = positions.size() - cap;
    dropped[length] = excess;
    for (auto it = positions.rbegin(); it != positions.rend() && excess > 0; ++it)
      if (LooksRare(words[*it])) keep[*it] = false, --excess;
    for (auto it = positions.rbegin(); it != positions.rend() && excess > 0; ++it)
      if (keep[*it]) keep[*it] = false, --excess;
  }
  std::vector<std::string> kept;
  for (size_t i = 0; i < words.size(); ++i)
    if (keep[i]) kept.push_back(words[i]);
  return kept;
}
