// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the data files of the built program folder as the game sees them:
// Latin-1 bytes, lines ended by CR LF.
#pragma once

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "harness/harness.h"

inline std::string BuiltPath(const std::string& relative) { return std::string(GAME_DIR) + "/" + relative; }

// The file's bytes, or "" when it cannot be read.
inline std::string ReadBuilt(const std::string& relative) {
  std::ifstream in(BuiltPath(relative), std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

struct TextLines {
  std::vector<std::string> lines;
  bool everyLineEndsWithCrLf = true;
  bool readable = false;
};

inline TextLines ReadBuiltLines(const std::string& relative) {
  TextLines result;
  const std::string bytes = ReadBuilt(relative);
  result.readable = !bytes.empty();
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      result.everyLineEndsWithCrLf = false;
      end = bytes.size();
    }
    std::string line = bytes.substr(start, end - start);
    if (line.find_first_of("\r\n") != std::string::npos) result.everyLineEndsWithCrLf = false;
    result.lines.push_back(line);
    start = end + 2;
  }
  return result;
}

// Words of each length, counted as the word store groups them.
inline std::map<size_t, int> CountsPerLength(const std::vector<std::string>& words) {
  std::map<size_t, int> counts;
  for (const std::string& w : words) ++counts[w.size()];
  return counts;
}

inline bool AllOf(const std::string& s, const std::string& allowedExtra) {
  for (char c : s)
    if (!(c >= 'A' && c <= 'Z') && allowedExtra.find(c) == std::string::npos) return false;
  return true;
}
