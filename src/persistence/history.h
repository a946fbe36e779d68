// SPDX-License-Identifier: GPL-3.0-or-later
// The record of every game played, CFG\historique.txt: one game a line,
// tab-separated, under a header line naming the columns and the format
// version. Lines are only ever appended; past kHistoryMostGames the oldest
// tenth goes, summed up per variant in "cumul" lines under the header, the
// file then rewritten whole through a temporary name (one rename: a kill
// leaves the old file or the new one, never a game counted twice).
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "state/variants.h"

enum class GameOutcome : uint8_t { Won, Lost, GivenUp, Left };

struct PlayedGame {
  std::string when;  // "2026-12-09 04:55:12", local time
  int variant = 0;
  GameOutcome outcome = GameOutcome::Won;
  int seconds = 0;
  int score = 0;
  std::string code;  // empty when the board's seed is not known
  bool daily = false;
  // Hints used in the game; a line written before the column existed reads
  // as 0.
  int hints = 0;
};

// The games of one variant trimmed from the file, summed up.
struct SummedGames {
  int played = 0, won = 0;
  long long seconds = 0;
  int bestSeconds = -1, bestScore = 0;  // of the wins; -1: no win
  std::string lastPlayed;               // "yyyy-mm-dd", empty when none
  long long hints = 0;
};

inline constexpr size_t kHistoryMostGames = 50000;

std::string HistoryPath();
// The local date and time as the record writes it.
std::string HistoryNow();
// The game on the board ends: it gets its line, once. A game Left counts
// only when it was under way (built, not won or lost).
void RecordGameEnd(GameOutcome outcome, bool daily);
// The games recorded, oldest first, read from the file on first use.
const std::vector<PlayedGame>& PlayedGames();
// Per variant (index 1 ... 150), the games trimmed from the file.
const std::array<SummedGames, kVariantCount + 1>& TrimmedGames();
// Reads the file again (a test that changed it, another player prefix).
void ForgetPlayedGames();
// The file's line for a game, and back; false for a damaged line.
std::string HistoryLine(const PlayedGame& game);
bool ReadHistoryLine(const std::string& line, PlayedGame& game);
// The file's header line.
std::string HistoryHeader();
// The history as CSV lines (';'-separated) for a spreadsheet.
std::vector<std::string> HistoryCsv();
