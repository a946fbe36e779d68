// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/history.h"

#include <algorithm>
#include <ctime>

#include "display/log.h"
#include "platform/files.h"
#include "state/game_state.h"
#include "state/puzzle_code.h"
#include "state/variants.h"

namespace {

// Version 2 added the hints column; version 1 lines (seven fields) still read.
const char* const kHeader = "historique 2\tdate\tvariante\tissue\tsecondes\tscore\tcode\tdefi\tindices";
const char* const kSummedWord = "cumul";
const char* const kOutcomeWords[] = {"gagnee", "perdue", "abandonnee", "quittee"};

std::vector<PlayedGame> games;
std::array<SummedGames, kVariantCount + 1> trimmed{};
bool gamesRead = false;
std::string gamesPath;

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields(1);
  for (char c : line) {
    if (c == '\t') fields.emplace_back();
    else fields.back() += c;
  }
  return fields;
}

// A plain decimal number of at most `digits` digits.
template <typename Number>
bool ReadNumber(const std::string& text, Number& value, size_t digits = 9) {
  if (text.empty() || text.size() > digits) return false;
  value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

}  // namespace

std::string HistoryNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

namespace {

void AddToSums(const PlayedGame& game) {
  SummedGames& sum = trimmed[game.variant];
  ++sum.played;
  sum.seconds += game.seconds;
  sum.hints += game.hints;
  sum.lastPlayed = std::max(sum.lastPlayed, game.when.substr(0, 10));
  if (game.outcome != GameOutcome::Won) return;
  ++sum.won;
  if (sum.bestSeconds < 0 || game.seconds < sum.bestSeconds) sum.bestSeconds = game.seconds;
  sum.bestScore = std::max(sum.bestScore, game.score);
}

// "cumul  variant  played  won  seconds  best time (-1: none)  best score
// last day  hints", tab-separated.
std::string SummedLine(int v) {
  const SummedGames& s = trimmed[v];
  return std::string(kSummedWord) + "\t" + std::to_string(v) + "\t" + std::to_string(s.played) + "\t" +
         std::to_string(s.won) + "\t" + std::to_string(s.seconds) + "\t" + std::to_string(s.bestSeconds) + "\t" +
         std::to_string(s.bestScore) + "\t" + s.lastPlayed + "\t" + std::to_string(s.hints);
}

bool ReadSummedLine(const std::string& line) {
  const std::vector<std::string> f = Fields(line);
  if (f.size() != 9 || f[0] != kSummedWord) return false;
  SummedGames s;
  int v = 0;
  const bool noWin = f[5] == "-1";
  if (!ReadNumber(f[1], v) || v < 1 || v > kVariantCount || !ReadNumber(f[2], s.played) ||
      !ReadNumber(f[3], s.won) || !ReadNumber(f[4], s.seconds, 18) || !ReadNumber(f[6], s.bestScore) ||
      !ReadNumber(f[8], s.hints, 18) || (!noWin && !ReadNumber(f[5], s.bestSeconds)))
    return false;
  s.lastPlayed = f[7].substr(0, 10);
  trimmed[v] = s;
  return true;
}

void ReadGames() {
  gamesRead = true;
  gamesPath = HistoryPath();
  games.clear();
  trimmed = {};
  std::vector<std::string> lines;
  if (!FileExists(gamesPath)) return;
  if (!ReadLines(gamesPath, lines)) {
    LogProblem("historique illisible : " + gamesPath);
    return;
  }
  games.reserve(lines.size());
  for (size_t i = 1; i < lines.size(); ++i) {
    PlayedGame game;
    if (ReadHistoryLine(lines[i], game)) games.push_back(game);
    else if (!ReadSummedLine(lines[i])) Log("historique : ligne " + std::to_string(i + 1) + " abîmée, passée");
  }
}

// Past the bound the oldest tenth goes, so that the file is written whole
// (atomically) once in 5 000 games, not after every game. What goes is
// added to the sums, which the same rewrite keeps.
void TrimHistory() {
  const auto kept = games.end() - static_cast<long>(kHistoryMostGames / 10 * 9);
  for (auto game = games.begin(); game != kept; ++game) AddToSums(*game);
  games.erase(games.begin(), kept);
  std::vector<std::string> lines{kHeader};
  for (int v = 1; v <= kVariantCount; ++v)
    if (trimmed[v].played) lines.push_back(SummedLine(v));
  for (const PlayedGame& game : games) lines.push_back(HistoryLine(game));
  if (!WriteLines(gamesPath, lines)) LogProblem("historique non réduit : " + gamesPath);
}

}  // namespace

std::string HistoryPath() { return DataFolderPrefix() + "CFG\\historique.txt"; }

std::string HistoryHeader() { return kHeader; }

std::string HistoryLine(const PlayedGame& g) {
  return g.when + "\t" + std::to_string(g.variant) + "\t" + kOutcomeWords[static_cast<int>(g.outcome)] + "\t" +
         std::to_string(g.seconds) + "\t" + std::to_string(g.score) + "\t" + g.code + "\t" + (g.daily ? "1" : "0") +
         "\t" + std::to_string(g.hints);
}

bool ReadHistoryLine(const std::string& line, PlayedGame& game) {
  const std::vector<std::string> f = Fields(line);
  if ((f.size() != 7 && f.size() != 8) || f[0].size() != 19 || (f[6] != "0" && f[6] != "1")) return false;
  game.hints = 0;  // a line written before the hints column
  if (f.size() == 8 && !ReadNumber(f[7], game.hints)) return false;
  int outcome = 0;
  while (outcome < 4 && f[2] != kOutcomeWords[outcome]) ++outcome;
  if (outcome == 4 || !ReadNumber(f[1], game.variant) || game.variant < 1 || game.variant > kVariantCount) return false;
  if (!ReadNumber(f[3], game.seconds) || !ReadNumber(f[4], game.score)) return false;
  game.when = f[0];
  game.outcome = static_cast<GameOutcome>(outcome);
  game.code = f[5];
  game.daily = f[6] == "1";
  return true;
}

const std::vector<PlayedGame>& PlayedGames() {
  if (!gamesRead || gamesPath != HistoryPath()) ReadGames();
  return games;
}

const std::array<SummedGames, kVariantCount + 1>& TrimmedGames() {
  PlayedGames();
  return trimmed;
}

void ForgetPlayedGames() { gamesRead = false; }

void RecordGameEnd(GameOutcome outcome, bool daily) {
  if (G.gameRecorded || G.currentVariant == 0 || G.gameTitle.empty()) return;
  if (outcome == GameOutcome::Left && (G.gameWon || G.gameLost || !G.boardReady)) return;
  G.gameRecorded = true;
  PlayedGame game;
  game.when = HistoryNow();
  game.variant = static_cast<int>(G.currentVariant);
  game.outcome = outcome;
  game.seconds = ((G.elapsedDays * 24 + G.elapsedHours) * 60 + G.elapsedMinutes) * 60 + G.elapsedSeconds;
  game.score = outcome == GameOutcome::Won ? G.lastScore : 0;
  game.code = PuzzleCode();
  game.daily = daily;
  // The column and the statistics page say "indices": the hints alone (the
  // checks and searches are paid on the clock, in the time).
  game.hints = G.helps.hints;
  PlayedGames();
  const bool fresh = !FileExists(gamesPath);
  if (!AppendText(gamesPath, (fresh ? std::string(kHeader) + "\r\n" : "") + HistoryLine(game) + "\r\n"))
    LogProblem("partie non inscrite à l'historique : " + gamesPath);
  games.push_back(game);
  if (games.size() > kHistoryMostGames) TrimHistory();
}

std::vector<std::string> HistoryCsv() {
  std::vector<std::string> lines{"date;variante;issue;secondes;score;code;defi;indices"};
  for (const PlayedGame& g : PlayedGames()) {
    std::string line = HistoryLine(g);
    for (char& c : line)
      if (c == '\t') c = ';';
    lines.push_back(line);
  }
  return lines;
}
