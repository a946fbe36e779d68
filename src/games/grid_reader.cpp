// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/grid_reader.h"

#include <algorithm>
#include <cstring>

#include "display/log.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "state/game_state.h"

namespace {

std::string KeyOf(const std::string& line) {
  size_t equals = line.find('=');
  return equals == std::string::npos ? std::string() : line.substr(0, equals);
}

// The decimal number the text holds, 0 when it is not a number ("", "1a").
int32_t DecimalOrZero(const std::string& text) {
  int64_t value = 0;
  for (char ch : text) {
    if (ch < '0' || ch > '9') return 0;
    // Anything past a million is far beyond the cell array; the caller rejects it.
    value = std::min<int64_t>(value * 10 + (ch - '0'), 1000000);
  }
  return static_cast<int32_t>(value);
}

// Ascending order without regard to ASCII case, the way the platform's text
// compare orders words.
bool LessNoCase(const std::string& a, const std::string& b) {
  std::string ua = UpperCaseAscii(a), ub = UpperCaseAscii(b);
  if (ua != ub) return ua < ub;
  return a < b;
}

void CollectRun(const std::string& run, std::vector<std::string>& list) {
  if (run.size() >= 2) list.push_back(run);
}

}  // namespace

TjsysGrille::TjsysGrille() = default;
TjsysGrille::~TjsysGrille() = default;

void TjsysGrille::LoadFile(const std::string& path) {
  size_t separator = path.find_last_of("\\/");
  std::string folder = separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
  std::string name = separator == std::string::npos ? path : path.substr(separator + 1);
  if (folder.empty()) folder = G.programDir;
  lines.clear();
  if (FileExists(folder + name)) {
    ReadLines(folder + name, lines);
  } else {
    // The games carry on with an empty grid; the log says why.
    LogProblem("Fichier de grilles " + folder + name + " absent. Non Chargé..");
  }
  lineCount = static_cast<int32_t>(lines.size());
}

int32_t TjsysGrille::CountGrids(const std::string& key) const {
  int32_t count = 0;
  for (const std::string& line : lines)
    if (KeyOf(line) == key) ++count;
  return count;
}

void TjsysGrille::SelectGrid(const std::string& key, int32_t n) {
  const std::string* found = nullptr;
  int32_t count = 0;
  for (const std::string& line : lines) {
    if (KeyOf(line) != key) continue;
    if (++count == n) {
      found = &line;
      break;
    }
  }
  if (found == nullptr) return;

  size_t cross = key.find('x');
  int32_t newWidth = cross == std::string::npos ? 0 : DecimalOrZero(key.substr(0, cross));
  int32_t newHeight = cross == std::string::npos ? 0 : DecimalOrZero(key.substr(cross + 1));
  // The cell array holds 51 x 51; a larger key is not a grid the games can use.
  if (newWidth > kMaxSide || newHeight > kMaxSide) return;

  width = newWidth;
  height = newHeight;
  std::string text = found->substr(found->find('=') + 1);
  for (int32_t r = 0; r < height; ++r)
    for (int32_t c = 0; c < width; ++c) {
      size_t at = static_cast<size_t>(r) * width + c;
      // A line cut short reads as black squares rather than garbage.
      cells[c][r] = at < text.size() ? text[at] : '*';
    }
}

void TjsysGrille::CollectWords(std::vector<std::string>& list) const {
  // The runs of one line of `length` cells, black squares ending them.
  auto collectLine = [&](int32_t length, auto cellAt) {
    std::string run;
    for (int32_t i = 0; i < length; ++i) {
      const char cell = cellAt(i);
      if (cell == '*') {
        CollectRun(run, list);
        run.clear();
      } else {
        run += cell;
      }
    }
    CollectRun(run, list);
  };
  for (int32_t r = 0; r < height; ++r) collectLine(width, [&](int32_t c) { return cells[c][r]; });
  for (int32_t c = 0; c < width; ++c) collectLine(height, [&](int32_t r) { return cells[c][r]; });
  if (list.size() < 2) return;

  std::vector<std::string> ordered = list;
  std::stable_sort(ordered.begin(), ordered.end(), LessNoCase);
  std::reverse(ordered.begin(), ordered.end());
  // Moving each length group, longest first, to the end (walking backwards)
  // leaves the other lengths in front and each group ascending.
  for (size_t length = 20; length >= 2; --length) {
    std::vector<std::string> rest, moved;
    for (const std::string& word : ordered) (word.size() == length ? moved : rest).push_back(word);
    std::reverse(moved.begin(), moved.end());
    rest.insert(rest.end(), moved.begin(), moved.end());
    ordered.swap(rest);
  }
  list.swap(ordered);
}
