// SPDX-License-Identifier: GPL-3.0-or-later
#include "words/player_lists.h"

#include <algorithm>
#include <unordered_map>

#include "display/log.h"
#include "platform/files.h"
#include "state/game_state.h"
#include "words/word_store.h"

namespace {

// A line longer than this is no word of any game: it is set aside unread,
// so a file of one endless line costs no more than its bytes.
constexpr size_t kLongestLine = 200;
// The fewest words of the needed length a game is offered on: with fewer,
// a hangman would come back to the same word game after game.
constexpr int kFewestWords = 3;
constexpr int kFewestHiddenWords = 4;

std::vector<PlayerList> lists;
std::vector<std::string> refusedFiles;  // "name.txt : why"
std::string loadedFile;
std::string bookletFile;
// Letters-only and folded forms of the loaded list, to the words as typed.
std::unordered_map<std::string, std::string> shownForms;

enum class Why { Empty, Duplicate, NoLetter, TooShort, TooLong, PastLimit, Count };
const char* const kWhyText[] = {"vide", "doublon", "caractère sans lettre", "trop court", "trop long",
                                "au-delà de 2000 mots"};

bool IsValidUtf8(const std::string& s) {
  for (size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    const int extra = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
    if (extra < 0 || (extra > 0 && i + extra >= s.size())) return false;
    for (int k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += extra + 1;
  }
  return true;
}

// The characters outside Latin-1 a pasted word holds most often.
void AppendWide(std::string& out, unsigned long code) {
  if (code < 0x100) out += static_cast<char>(code);
  else if (code == 0x152) out += "OE";
  else if (code == 0x153) out += "oe";
  else if (code == 0x2018 || code == 0x2019 || code == 0x2BC) out += '\'';
  else if (code == 0x2010 || code == 0x2011 || code == 0x2013) out += '-';
  else out += '\x01';  // no letter: the line is set aside
}

// One line as Latin-1 text: decoded from UTF-8, or read as Windows Latin-1.
std::string LineText(std::string_view line, bool utf8) {
  std::string out;
  for (size_t i = 0; i < line.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(line[i]);
    if (!utf8) {
      if (c == 0x8C) out += "OE";
      else if (c == 0x9C) out += "oe";
      else if (c == 0x92 || c == 0x91) out += '\'';
      else if (c == 0x96) out += '-';
      else if (c == 0xA0) out += ' ';
      else if (c >= 0x80 && c < 0xA0) out += '\x01';
      else out += static_cast<char>(c);
      continue;
    }
    const int extra = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : 3;
    unsigned long code = extra == 0 ? c : c & (0x3F >> extra);
    for (int k = 1; k <= extra && i + 1 < line.size(); ++k) code = (code << 6) | (line[++i] & 0x3F);
    AppendWide(out, code == 0xA0 ? ' ' : code);
  }
  return out;
}

// Tabs and runs of spaces as one space, none at either end.
std::string Tidied(const std::string& text) {
  std::string out;
  for (char c : text) {
    const char d = c == '\t' ? ' ' : c;
    if (d == ' ' && (out.empty() || out.back() == ' ')) continue;
    out += d;
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

// Latin-1 capitals, accents kept (ÿ has no capital and stays).
std::string ShownCapitals(const std::string& text) {
  std::string out = text;
  for (char& ch : out) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) ch = static_cast<char>(c - 32);
  }
  return out;
}

// The word as the games take it; "" when a character has no letter. Every
// character is folded, the last one too.
std::string FoldedWord(const std::string& shown) {
  std::string spelt;
  for (char ch : shown) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (c == 0xC6 || c == 0xE6) spelt += "AE";
    else if (c == 0xDF) spelt += "SS";
    else spelt += ch;
  }
  std::string folded = FoldTypedText(spelt);
  for (char c : folded)
    if (!((c >= 'A' && c <= 'Z') || c == ' ' || c == '-' || c == '\'')) return "";
  return folded;
}

int LetterCount(const std::string& folded) {
  return static_cast<int>(std::count_if(folded.begin(), folded.end(), [](char c) { return c >= 'A' && c <= 'Z'; }));
}
bool AllLetters(const std::string& folded) { return LetterCount(folded) == static_cast<int>(folded.size()); }

// True when some game can play the word: a hidden word of 3-12 letters, a
// hangman of 8, 10 or 12 characters, ZERUZE rows of 6-14 letters.
bool FitsSomeGame(const std::string& folded) {
  const int letters = LetterCount(folded), length = static_cast<int>(folded.size());
  return (letters >= 3 && letters <= 12) || length == 8 || length == 10 || length == 12 ||
         (AllLetters(folded) && length >= 6 && length <= 14);
}

struct SetAside {
  Why why;
  int line;
  std::string detail;
};

std::string Cut(const std::string& text, size_t most) { return text.size() <= most ? text : text.substr(0, most - 3) + "..."; }

// One line per line set aside when there are few, else one per reason with
// its first lines and its count.
void WriteReport(PlayerList& list, const std::vector<SetAside>& asides, const int (&counts)[6], int lastPastLimit) {
  list.report.push_back("Liste : " + Cut(list.title, 37));
  list.report.push_back(std::to_string(list.words.size()) + " mots pris sur " + std::to_string(list.linesRead) +
                        " lignes.");
  if (list.setAside == 0) return;
  list.report.push_back(std::to_string(list.setAside) + " lignes mises de côté :");
  if (list.setAside <= kMostReportLines - 3) {
    for (const SetAside& a : asides)
      list.report.push_back(Cut("ligne " + std::to_string(a.line) + " : " + kWhyText[static_cast<int>(a.why)] + a.detail, 45));
    return;
  }
  for (int w = 0; w < static_cast<int>(Why::Count); ++w) {
    if (counts[w] == 0) continue;
    std::string text = std::string(kWhyText[w]) + " : ";
    if (w == static_cast<int>(Why::PastLimit)) {
      const SetAside* first = nullptr;
      for (const SetAside& a : asides) first = first ? first : (a.why == Why::PastLimit ? &a : nullptr);
      text += "lignes " + std::to_string(first ? first->line : 0) + " à " + std::to_string(lastPastLimit);
    } else {
      std::string lines;
      int shown = 0;
      for (const SetAside& a : asides)
        if (static_cast<int>(a.why) == w && shown < 3) lines += (shown++ ? ", " : "") + std::to_string(a.line);
      text += (counts[w] == 1 ? "ligne " : "lignes ") + lines + (counts[w] > 3 ? "..." : "");
    }
    list.report.push_back(text + " (" + std::to_string(counts[w]) + ")");
  }
}

}  // namespace

PlayerList ReadPlayerList(const std::string& bytes, const std::string& file) {
  PlayerList list;
  list.file = file;
  std::string_view text(bytes);
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  const bool utf8 = IsValidUtf8(std::string(text));
  std::unordered_map<std::string, int> firstLine;
  std::vector<SetAside> asides;
  int counts[6] = {};
  int lastPastLimit = 0;
  size_t start = 0;
  int number = 0;
  auto setAside = [&](Why why, std::string detail = "") {
    ++list.setAside;
    ++counts[static_cast<int>(why)];
    // Past the first few of a reason only the count is told: the page stays one page.
    if (counts[static_cast<int>(why)] <= kMostReportLines) asides.push_back({why, number, std::move(detail)});
  };
  while (start < text.size()) {
    size_t end = start;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    const std::string_view raw = text.substr(start, end - start);
    start = end + (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n' ? 2 : 1);
    ++number;
    if (raw.size() > kLongestLine) {
      setAside(Why::TooLong);
      continue;
    }
    const std::string typed = Tidied(LineText(raw, utf8));
    if (number == 1 && !typed.empty() && typed[0] == '#') {
      list.title = ShownCapitals(Tidied(typed.substr(1))).substr(0, 30);
      continue;
    }
    if (typed.empty()) {
      setAside(Why::Empty);
      continue;
    }
    if (static_cast<int>(list.words.size()) >= kMostListWords) {
      lastPastLimit = number;
      setAside(Why::PastLimit);
      continue;
    }
    const std::string shown = ShownCapitals(typed);
    const std::string folded = FoldedWord(shown);
    if (folded.empty() || LetterCount(folded) == 0) {
      setAside(Why::NoLetter, " (" + Cut(shown, 16) + ")");
      continue;
    }
    if (!FitsSomeGame(folded)) {
      setAside(LetterCount(folded) < 3 ? Why::TooShort : Why::TooLong, " (" + Cut(shown, 16) + ")");
      continue;
    }
    const auto [at, fresh] = firstLine.emplace(folded, number);
    if (!fresh) {
      setAside(Why::Duplicate, " de la ligne " + std::to_string(at->second));
      continue;
    }
    list.words.push_back(folded);
    list.shown.push_back(shown);
  }
  list.linesRead = number;
  if (list.title.empty()) {
    const size_t dot = file.rfind('.');
    list.title = ShownCapitals(dot == std::string::npos ? file : file.substr(0, dot)).substr(0, 30);
  }
  WriteReport(list, asides, counts, lastPastLimit);
  return list;
}

void ReloadPlayerLists() {
  lists.clear();
  refusedFiles.clear();
  const std::string folder = DataFolderPrefix() + "LISTES\\";
  for (const std::string& name : ListFolder(folder, "*.txt")) {
    std::string bytes;
    if (!ReadBinary(folder + name, bytes, kMostListBytes)) {
      LogProblem("Liste illisible ou trop grande : " + folder + name);
      refusedFiles.push_back(name + " : illisible ou plus de 16 Mo");
      continue;
    }
    PlayerList list = ReadPlayerList(bytes, name);
    if (list.words.empty()) {
      LogProblem("Liste sans aucun mot : " + folder + name);
      refusedFiles.push_back(name + " : aucun mot pris");
    } else {
      lists.push_back(std::move(list));
    }
  }
}

const std::vector<std::string>& RefusedPlayerListFiles() { return refusedFiles; }

const std::vector<PlayerList>& PlayerLists() { return lists; }

const PlayerList* FindPlayerList(const std::string& file) {
  for (const PlayerList& list : lists)
    if (list.file == file) return &list;
  return nullptr;
}

const PlayerList* FindPlayerListNamed(const std::string& name) {
  const std::string wanted = ShownCapitals(name);
  for (const PlayerList& list : lists)
    if (ShownCapitals(list.file) == wanted || ShownCapitals(list.file) == wanted + ".TXT" || list.title == wanted) return &list;
  return nullptr;
}

void SetBookletList(const PlayerList* list) { bookletFile = list ? list->file : ""; }
const PlayerList* BookletList() { return bookletFile.empty() ? nullptr : FindPlayerList(bookletFile); }

bool GameTakesLists(const VariantEntry& variant) {
  switch (variant.game) {
    case Game::Hangman:
    case Game::CutWords:
    case Game::WordRows: return true;
    case Game::HiddenWords: return variant.grid == GridLanguage::French;
    default: return false;
  }
}

std::string ListMisfit(const PlayerList& list, const VariantEntry& variant) {
  if (!GameTakesLists(variant)) return "ce jeu ne prend pas de liste";
  const int n = variant.parameter;
  int fitting = 0;
  for (const std::string& w : list.words) {
    const int length = static_cast<int>(w.size()), letters = LetterCount(w);
    if (variant.game == Game::Hangman) fitting += length == n;
    if (variant.game == Game::WordRows) fitting += length == n && AllLetters(w);
    if (variant.game == Game::CutWords) fitting += length == 6 && AllLetters(w);
    if (variant.game == Game::HiddenWords) fitting += letters >= 3 && letters <= n;
  }
  switch (variant.game) {
    case Game::CutWords:
      return fitting >= n ? "" : "moins de " + std::to_string(n) + " mots de 6 lettres";
    case Game::HiddenWords:
      return fitting >= kFewestHiddenWords
                 ? ""
                 : "moins de " + std::to_string(kFewestHiddenWords) + " mots de 3 à " + std::to_string(n) + " lettres";
    default:
      return fitting >= kFewestWords ? "" : "moins de " + std::to_string(kFewestWords) + " mots de " + std::to_string(n) + " lettres";
  }
}

std::string LettersOf(const std::string& folded) {
  std::string out;
  for (char c : folded)
    if (c >= 'A' && c <= 'Z') out += c;
  return out;
}

void LoadPlayerListIntoStore(const PlayerList& list) {
  StoreOwnWords(list.words, kPlayerWords);
  loadedFile = list.file;
  shownForms.clear();
  for (size_t i = 0; i < list.words.size(); ++i) {
    shownForms.emplace(list.words[i], list.shown[i]);
    shownForms.emplace(LettersOf(list.words[i]), list.shown[i]);
  }
}

const std::string& LoadedPlayerListFile() {
  static const std::string none;
  return loadedWordList == kPlayerWords ? loadedFile : none;
}

std::string ShownFormOf(const std::string& folded) {
  if (loadedWordList != kPlayerWords) return folded;
  const auto found = shownForms.find(folded);
  return found == shownForms.end() ? folded : found->second;
}
