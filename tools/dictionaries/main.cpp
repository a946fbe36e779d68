// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the game's dictionaries from the system word lists: one folded
// upper-case word per line, Latin-1 (plain ASCII here) with CR LF, no length
// holding more words than the game's store has room for.
#include <cstdio>
#include <fstream>
#include <map>
#include <iostream>
#include <sstream>
#include <string>
#include <unordered_set>
#include <vector>

#include "fold_words.h"

namespace {

constexpr size_t kWordsPerLength = 60000;

void Usage() {
  std::cerr << "usage: make_dictionary [--lower-only] [--refused LEFT_OUT] SOURCE DEST\n"
               "       make_dictionary --common RANKED DICTIONARY DEST [REFUSED WIDER KNOWN_DEST]\n"
               "  --lower-only  keep only words written in lower case (no proper nouns)\n"
               "  --refused     leave out the words of LEFT_OUT (\"WORD\" or \"PREFIX*\", '#' comments)\n"
               "  --common      the words of a ranked list (\"WORD count\" lines, most frequent\n"
               "                first) that the folded DICTIONARY holds, in rank order, less the\n"
               "                REFUSED words and the rare verb forms; the lengths from 14 letters on are topped up to 300\n"
               "                words from the WIDER ranked list, whose other words go to KNOWN_DEST\n"
               "       make_dictionary --strip-comments SOURCE DEST\n"
               "  --strip-comments  the lines of SOURCE but the empty ones and '#' comments, CR LF\n";
}

std::vector<std::string> ReadLines(const std::string& path, bool& ok) {
  std::ifstream in(path, std::ios::binary);
  ok = static_cast<bool>(in);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// Written under a temporary name so that a failed run leaves no half list.
bool WriteList(const std::string& path, const std::vector<std::string>& words) {
  std::string tmp = path + ".tmp";
  std::ofstream out(tmp, std::ios::binary);
  for (const std::string& w : words) out << w << "\r\n";
  out.close();
  if (!out || std::rename(tmp.c_str(), path.c_str()) != 0) {
    std::cerr << path << ": cannot write\n";
    return false;
  }
  return true;
}

// The refused words of a list file ("WORD" or "PREFIX*", '#' comments).
struct Refused {
  std::unordered_set<std::string> words;
  std::vector<std::string> prefixes;
  bool Holds(const std::string& word) const {
    if (words.count(word)) return true;
    for (const std::string& p : prefixes)
      if (word.compare(0, p.size(), p) == 0) return true;
    return false;
  }
};

Refused ReadRefused(const std::vector<std::string>& lines) {
  Refused refused;
  for (const std::string& line : lines) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    for (std::string w; fields >> w;) {
      if (w.back() == '*') refused.prefixes.push_back(w.substr(0, w.size() - 1));
      else refused.words.insert(w);
    }
  }
  return refused;
}

// True for the first and second persons plural of the imperfect subjunctive
// and of the passe simple of a verb of the first group (DONNASSIONS,
// DONNASSIEZ, DONNAMES, DONNATES) and for the -USS- subjunctive (EUSSIONS,
// FUSSENT): words of books, that the games should not ask for, though the
// dictionary keeps them for the player who finds them. The dictionary must
// hold the verb's other forms (STEM + ER, AIT, AMES and ATES, or STEM + UMES
// and UT); a word whose singular is a word (TOMATES, PERCUSSIONS) or that is
// a form of a verb in -AMER, -ATER, -ASSER, -USSER (ENTAMES) is kept.
bool RareVerbForm(const std::string& w, const std::unordered_set<std::string>& dictionary) {
  struct Form {
    const char* ending;
    const char* verb;  // the verb of the other reading
  };
  static const Form forms[] = {{"ASSIONS", "ASSER"}, {"ASSIEZ", "ASSER"}, {"AMES", "AMER"},   {"ATES", "ATER"},
                               {"USSIONS", "USSER"}, {"USSIEZ", "USSER"}, {"USSENT", "USSER"}};
  auto has = [&dictionary](const std::string& word) { return dictionary.count(word) > 0; };
  for (const Form& form : forms) {
    const std::string ending = form.ending;
    if (w.size() <= ending.size() || w.compare(w.size() - ending.size(), ending.size(), ending) != 0) continue;
    const std::string stem = w.substr(0, w.size() - ending.size());
    const bool verb = ending[0] == 'A'
                          ? has(stem + "ER") && has(stem + "AIT") && has(stem + "AMES") && has(stem + "ATES")
                          : has(stem + "UMES") && has(stem + "UT");
    const bool otherReading = has(stem + form.verb) || (w.back() == 'S' && has(w.substr(0, w.size() - 1)));
    if (verb && !otherReading) return true;
  }
  return false;
}

// The first word of every line of a ranked list, each once, in rank order.
std::vector<std::string> RankedWords(const std::vector<std::string>& lines) {
  std::unordered_set<std::string> seen;
  std::vector<std::string> words;
  for (const std::string& line : lines) {
    if (line.empty() || line[0] == '#') continue;
    std::string word;
    std::istringstream(line) >> word;
    if (!word.empty() && seen.insert(word).second) words.push_back(word);
  }
  return words;
}

// Lengths from this many letters on draw from too few common words (the
// subtitles hold 123 French words of 14 letters): the wider list tops them
// up, best ranked first, to kLongWordsWanted words.
constexpr size_t kLongWordLength = 14;
constexpr size_t kLongWordsWanted = 300;

// paths: RANKED DICTIONARY DEST, then optionally REFUSED WIDER KNOWN_DEST.
int CommonTier(const std::vector<std::string>& paths) {
  std::vector<std::vector<std::string>> inputs;
  for (size_t i : {0u, 1u, 3u, 4u}) {
    if (i >= paths.size()) break;
    bool ok = false;
    inputs.push_back(ReadLines(paths[i], ok));
    if (!ok) {
      std::cerr << paths[i] << ": cannot read\n";
      return 1;
    }
  }
  const bool wider = inputs.size() == 4;
  const std::unordered_set<std::string> known(inputs[1].begin(), inputs[1].end());
  const Refused refused = wider ? ReadRefused(inputs[2]) : Refused{};
  std::vector<std::string> words, others;
  std::map<size_t, size_t> perLength;
  size_t unknown = 0;
  for (const std::string& word : RankedWords(inputs[0])) {
    if (!known.count(word)) ++unknown;
    else if (!refused.Holds(word) && !RareVerbForm(word, known)) {
      words.push_back(word);
      ++perLength[word.size()];
    }
  }
  if (wider) {
    std::unordered_set<std::string> taken(words.begin(), words.end());
    for (const std::string& word : RankedWords(inputs[3])) {
      if (!known.count(word) || refused.Holds(word) || RareVerbForm(word, known) || !taken.insert(word).second)
        continue;
      size_t& count = perLength[word.size()];
      if (word.size() >= kLongWordLength && count < kLongWordsWanted) {
        words.push_back(word);
        ++count;
      } else {
        others.push_back(word);
      }
    }
    if (!WriteList(paths[5], others)) return 1;
  }
  if (!WriteList(paths[2], words)) return 1;
  std::cout << paths[2] << ": " << words.size() << " common words (" << unknown << " not in the dictionary), "
            << others.size() << " other known words\n";
  return 0;
}

int StripComments(const std::string& source, const std::string& dest) {
  bool ok = false;
  std::vector<std::string> lines;
  for (const std::string& line : ReadLines(source, ok))
    if (!line.empty() && line[0] != '#') lines.push_back(line);
  if (!ok) {
    std::cerr << source << ": cannot read\n";
    return 1;
  }
  return WriteList(dest, lines) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  bool lowerOnly = false, common = false, strip = false;
  std::string leftOut;
  std::vector<std::string> paths;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--lower-only") lowerOnly = true;
    else if (arg == "--refused" && i + 1 < argc) leftOut = argv[++i];
    else if (arg == "--common") common = true;
    else if (arg == "--strip-comments") strip = true;
    else paths.push_back(arg);
  }
  if (common && (paths.size() == 3 || paths.size() == 6)) return CommonTier(paths);
  if (strip && paths.size() == 2) return StripComments(paths[0], paths[1]);
  if (common || strip || paths.size() != 2) {
    Usage();
    return 2;
  }
  bool readable = false;
  const std::vector<std::string> lines = ReadLines(paths[0], readable);
  if (!readable) {
    std::cerr << paths[0] << ": cannot read\n";
    return 1;
  }

  // English words, abbreviations and made-up forms the source list holds.
  Refused refused;
  if (!leftOut.empty()) {
    bool ok = false;
    refused = ReadRefused(ReadLines(leftOut, ok));
    if (!ok) {
      std::cerr << leftOut << ": cannot read\n";
      return 1;
    }
  }
  std::vector<std::string> folded = FoldList(lines, lowerOnly);
  std::erase_if(folded, [&](const std::string& w) { return refused.Holds(w); });
  std::map<size_t, size_t> dropped;
  std::vector<std::string> words = CapPerLength(folded, kWordsPerLength, dropped);
  for (auto [length, count] : dropped)
    std::cerr << paths[1] << ": " << count << " words of " << length << " letters left out\n";

  if (!WriteList(paths[1], words)) return 1;
  std::cout << paths[1] << ": " << words.size() << " words from " << lines.size() << " lines\n";
  return 0;
}
