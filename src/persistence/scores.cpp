// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/scores.h"

#include <string>

#include "display/drawing.h"
#include "display/log.h"
#include "display/list_entries.h"
#include "state/game_state.h"

// Writes `text` over `line` from position `from` (1-based), at most 26
// characters, never past the end of the line.
static void Overwrite(std::string& line, int from, std::string text) {
  text = text.substr(0, 26);
  for (size_t i = 0; i < text.size() && from - 1 + i < line.size(); ++i) line[from - 1 + i] = text[i];
}

void RecordWin() {
  int score = 10000 - 10000 * G.elapsedDays - 10000 * G.elapsedHours - 800 * G.elapsedMinutes - 8 * G.elapsedSeconds;
  if (score < 0) score = 1;
  G.lastScore = score;

  std::string line(41, '.');
  Overwrite(line, 1, G.playerName.str());
  std::string title = G.gameTitle.str();
  if (title.size() > 19) title.erase(18, 15);
  Overwrite(line, 14, title);
  Overwrite(line, 33, G.elapsedTimeText.str());

  std::string scoreText = std::to_string(score);
  // A perfect 10000 keeps its five digits.
  if (scoreText.size() < 4) scoreText = std::string(4 - scoreText.size(), '0') + scoreText;
  line += scoreText;

  ShowTimedMessage(2, 515, Comment(36) + " " + G.elapsedTimeText.str() + " " + scoreText + " " + Comment(38));

  ListBox& scores = G.listBoxes[listScores];
  for (int i = 599; i >= 1; --i) scores.items[i] = scores.items[i - 1];
  scores.items[1] = line;
  Log(line);
}

void RemoveSelected(int list) {
  ListBox& box = G.listBoxes[list];
  if (box.selected == -1) {
    ShowTimedMessage(2, 520, Comment(33));
    return;
  }
  RemoveEntry(list, box.selected);
  box.selected = -1;
  Log(std::to_string(box.itemCount));
}
