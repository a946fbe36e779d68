// SPDX-License-Identifier: GPL-3.0-or-later
#include "built_text.h"

#include <fstream>
#include <sstream>

std::string ReadBuiltFile(const std::string& relativePath, bool& found) {
  std::ifstream in(std::string(GAME_DIR) + "/" + relativePath, std::ios::binary);
  found = static_cast<bool>(in);
  std::stringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

std::vector<std::string> SplitCrLf(const std::string& bytes, int& bareBreaks) {
  std::vector<std::string> lines;
  bareBreaks = 0;
  std::string line;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
      lines.push_back(line);
      line.clear();
      ++i;
    } else if (bytes[i] == '\r' || bytes[i] == '\n') {
      ++bareBreaks;
    } else {
      line += bytes[i];
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

int UndrawableCharacters(const std::string& line) {
  int count = 0;
  for (unsigned char c : line)
    if (c < 32 || (c >= 127 && c < 160)) ++count;
  return count;
}
