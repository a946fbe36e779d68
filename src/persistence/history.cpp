// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/history.h"

#include <ctime>

#include "display/log.h"
#include "platform/files.h"
#include "state/game_state.h"
#include "state/puzzle_code.h"

namespace {

const char* const kHeader = "historique 1\tdate\tvariante\tissue\tsecondes\tscore\tcode\tdefi";
const char* const kOutcomeWords[] = {"gagnee", "perdue", "abandonnee", "quittee"};

std::vector<PlayedGame> games;
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

bool ReadNumber(const std::string& text, int& value) {
  if (text.empty() || text.size() > 9) return false;
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

void ReadGames() {
  gamesRead = true;
  gamesPath = HistoryPath();
  games.clear();
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
    else Log("historique : ligne " + std::to_string(i + 1) + " abîmée, passée");
  }
}

// Past the bound the oldest tenth goes, so that the file is written whole
// (atomically) once in 5 000 games, not after every game.
void TrimHistory() {
  games.erase(games.begin(), games.end() - static_cast<long>(kHistoryMostGames / 10 * 9));
  std::vector<std::string> lines{kHeader};
  for (const PlayedGame& game : games) lines.push_back(HistoryLine(game));
  if (!WriteLines(gamesPath, lines)) LogProblem("historique non réduit : " + gamesPath);
}

}  // namespace

std::string HistoryPath() { return DataFolderPrefix() + "CFG\\historique.txt"; }

std::string HistoryLine(const PlayedGame& g) {
  return g.when + "\t" + std::to_string(g.variant) + "\t" + kOutcomeWords[static_cast<int>(g.outcome)] + "\t" +
         std::to_string(g.seconds) + "\t" + std::to_string(g.score) + "\t" + g.code + "\t" + (g.daily ? "1" : "0");
}

bool ReadHistoryLine(const std::string& line, PlayedGame& game) {
  const std::vector<std::string> f = Fields(line);
  if (f.size() != 7 || f[0].size() != 19 || (f[6] != "0" && f[6] != "1")) return false;
  int outcome = 0;
  while (outcome < 4 && f[2] != kOutcomeWords[outcome]) ++outcome;
  if (outcome == 4 || !ReadNumber(f[1], game.variant) || game.variant < 1 || game.variant > 150) return false;
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
  PlayedGames();
  const bool fresh = !FileExists(gamesPath);
  if (!AppendText(gamesPath, (fresh ? std::string(kHeader) + "\r\n" : "") + HistoryLine(game) + "\r\n"))
    LogProblem("partie non inscrite à l'historique : " + gamesPath);
  games.push_back(game);
  if (games.size() > kHistoryMostGames) TrimHistory();
}

std::vector<std::string> HistoryCsv() {
  std::vector<std::string> lines{"date;variante;issue;secondes;score;code;defi"};
  for (const PlayedGame& g : PlayedGames()) {
    std::string line = HistoryLine(g);
    for (char& c : line)
      if (c == '\t') c = ';';
    lines.push_back(line);
  }
  return lines;
}
