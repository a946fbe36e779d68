// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/saved_words.h"

#include "state/variants.h"
#include "persistence/saved_record_check.h"

namespace {

// The longest line a game keeps: a proverb, with room to spare.
constexpr size_t kLongestLine = 1000;

// A hidden-words entry: four cell codes (spaces until found), '0' or '1',
// then the word, no longer than the board's side.
bool IsHiddenWordEntry(const std::string& line) {
  if (line.size() < 7 || line.size() > 25 || (line[4] != '0' && line[4] != '1')) return false;
  for (size_t i = 0; i < 4; ++i)
    if (line[i] != ' ' && (line[i] < 'A' || line[i] > 'T')) return false;
  return true;
}

}  // namespace

bool SavedWordsFit(const SavedImage& image, bool present, const std::vector<std::string>& lines, std::string& why) {
  for (const std::string& line : lines)
    if (line.size() > kLongestLine) {
      why = "ligne de " + std::to_string(line.size()) + " caractères dans la liste de mots";
      return false;
    }
  const bool inPlay = image.board.boardReady && !image.main.gameWon && !image.main.gameLost &&
                      image.main.gameTitle.length > 0;
  if (!inPlay || Variant(image.board.currentVariant).game != Game::HiddenWords) return true;
  if (!present || lines.empty()) {
    why = "mots cachés sans leur liste de mots";
    return false;
  }
  for (const std::string& line : lines)
    if (!IsHiddenWordEntry(line)) {
      why = "mot caché illisible : " + line.substr(0, 30);
      return false;
    }
  return true;
}
