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
  std::cerr << "usage: make_dictionary [--lower-only] SOURCE DEST\n"
               "       make_dictionary --common RANKED DICTIONARY DEST\n"
               "  --lower-only  keep only words written in lower case (no proper nouns)\n"
               "  --common      the words of a ranked list (\"WORD count\" lines, most frequent\n"
               "                first) that the folded DICTIONARY holds, in rank order\n";
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

int CommonTier(const std::string& rankedPath, const std::string& dictionaryPath, const std::string& dest) {
  bool rankedOk = false, dictionaryOk = false;
  const std::vector<std::string> ranked = ReadLines(rankedPath, rankedOk);
  const std::vector<std::string> dictionary = ReadLines(dictionaryPath, dictionaryOk);
  if (!rankedOk || !dictionaryOk) {
    std::cerr << (rankedOk ? dictionaryPath : rankedPath) << ": cannot read\n";
    return 1;
  }
  const std::unordered_set<std::string> known(dictionary.begin(), dictionary.end());
  std::unordered_set<std::string> seen;
  std::vector<std::string> words;
  size_t unknown = 0;
  for (const std::string& line : ranked) {
    if (line.empty() || line[0] == '#') continue;
    std::string word;
    std::istringstream(line) >> word;
    if (word.empty() || !seen.insert(word).second) continue;
    if (known.count(word)) words.push_back(word);
    else ++unknown;
  }
  if (!WriteList(dest, words)) return 1;
  std::cout << dest << ": " << words.size() << " common words (" << unknown << " not in the dictionary)\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  bool lowerOnly = false, common = false;
  std::vector<std::string> paths;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--lower-only") lowerOnly = true;
    else if (arg == "--common") common = true;
    else paths.push_back(arg);
  }
  if (common && paths.size() == 3) return CommonTier(paths[0], paths[1], paths[2]);
  if (common || paths.size() != 2) {
    Usage();
    return 2;
  }
  bool readable = false;
  const std::vector<std::string> lines = ReadLines(paths[0], readable);
  if (!readable) {
    std::cerr << paths[0] << ": cannot read\n";
    return 1;
  }

  std::map<size_t, size_t> dropped;
  std::vector<std::string> words = CapPerLength(FoldList(lines, lowerOnly), kWordsPerLength, dropped);
  for (auto [length, count] : dropped)
    std::cerr << paths[1] << ": " << count << " words of " << length << " letters left out\n";

  if (!WriteList(paths[1], words)) return 1;
  std::cout << paths[1] << ": " << words.size() << " words from " << lines.size() << " lines\n";
  return 0;
}
