// Builds the game's dictionaries from the system word lists: one folded
// upper-case word per line, Latin-1 (plain ASCII here) with CR LF, no length
// holding more words than the game's store has room for.
#include <cstdio>
#include <fstream>
#include <map>
#include <iostream>
#include <string>
#include <vector>

#include "fold_words.h"

namespace {

constexpr size_t kWordsPerLength = 60000;

void Usage() {
  std::cerr << "usage: make_dictionary [--lower-only] SOURCE DEST\n"
               "  --lower-only  keep only words written in lower case (no proper nouns)\n";
}

}  // namespace

int main(int argc, char** argv) {
  bool lowerOnly = false;
  std::vector<std::string> paths;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--lower-only") lowerOnly = true;
    else paths.push_back(arg);
  }
  if (paths.size() != 2) {
    Usage();
    return 2;
  }
  std::ifstream in(paths[0], std::ios::binary);
  if (!in) {
    std::cerr << paths[0] << ": cannot read\n";
    return 1;
  }
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }

  std::map<size_t, size_t> dropped;
  std::vector<std::string> words = CapPerLength(FoldList(lines, lowerOnly), kWordsPerLength, dropped);
  for (auto [length, count] : dropped)
    std::cerr << paths[1] << ": " << count << " words of " << length << " letters left out\n";

  // Written under a temporary name so that a failed run leaves no half list.
  std::string tmp = paths[1] + ".tmp";
  std::ofstream out(tmp, std::ios::binary);
  for (const std::string& w : words) out << w << "\r\n";
  out.close();
  if (!out || std::rename(tmp.c_str(), paths[1].c_str()) != 0) {
    std::cerr << paths[1] << ": cannot write\n";
    return 1;
  }
  std::cout << paths[1] << ": " << words.size() << " words from " << lines.size() << " lines\n";
  return 0;
}
