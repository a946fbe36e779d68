// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/proverbs.h"

#include <algorithm>
#include <vector>

#include "display/drawing.h"
#include "display/log.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "state/game_state.h"
#include "display/resets.h"
#include "words/word_store.h"

static bool IsSeparator(const std::string& line) { return !line.empty() && line[0] == '.'; }

bool ChooseProverb(const std::string& path, std::string& text) {
  G.wordList.clear();
  if (!ReadLines(path, G.wordList)) {
    LogProblem("Fichier " + path + " absent. Non Chargé..");
    return false;
  }
  const std::vector<std::string>& lines = G.wordList;
  const int count = static_cast<int>(lines.size());
  // A file too short to hold a proverb, or one whose separators are missing,
  // would send the search past its last line: the game is not built.
  if (count - 5 <= 0) return false;
  int i = Random(count - 5);
  do {
    if (++i >= count) return false;
  } while (!IsSeparator(lines[i]));
  text.clear();
  do {
    if (++i >= count) return false;
    text += " " + UpperCaseAscii(FoldAccents(lines[i]));
  } while (!IsSeparator(lines[i]));
  text = text.substr(0, text.size() - 1).substr(0, 100);
  return true;
}

std::string LayOutOnWords(const std::string& text, size_t width, size_t rows) {
  std::string out;
  for (size_t i = 0; i < text.size();) {
    if (text[i] == ' ') {
      if (out.empty() || out.size() % width != 0) out += ' ';
      ++i;
      continue;
    }
    // A piece runs to the next space, or through the next hyphen: a hyphen
    // may end a row, as in print (SAINT- / GREGOIRE).
    size_t end = text.find_first_of(" -", i);
    end = end == std::string::npos ? text.size() : text[end] == '-' ? end + 1 : end;
    const size_t column = out.size() % width, length = end - i;
    if (column > 0 && column + length > width && length <= width) out.append(width - column, '*');
    out += text.substr(i, length);
    i = end;
  }
  if (out.size() > width * rows) return "";
  return out;
}
