// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/puzzle_codes.h"

#include <cstdlib>
#include <ctime>
#include <vector>

#include "catalogue/catalogue.h"
#include "display/log.h"
#include "persistence/scores.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/screen.h"
#include "platform/utf8.h"
#include "state/game_state.h"

namespace {

int fakeToday = 0;

// The week of the puzzle of the day, Monday first: games of one board that
// a player finishes in a few minutes, grids and words in turn.
struct DailyFamily {
  int variant;
  const char* label;
};
constexpr DailyFamily kWeek[7] = {
    {2, "MOTS CODÉS 10x10"},          {53, "ZERUZE 8 lettres"},       {34, "MOTS CACHÉS 10x10"},
    {30, "MOTS CASÉS 10x10"},         {17, "ANAGRAMMES 10 lettres"},  {44, "GRILLE DÉCONSTITUÉE 8x8"},
    {61, "SOMME DE LETTRES 10x10"},
};

constexpr const char* kMonths[12] = {"janvier", "février", "mars",      "avril",   "mai",      "juin",
                                     "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};

// Days since 1970-01-01 of a civil date (proleptic Gregorian).
int DaysOf(int day) {
  int y = day / 10000;
  const int m = day / 100 % 100, d = day % 100;
  y -= m <= 2;
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yoe = y - era * 400;
  const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

// The same seed for a day on every machine of this version.
uint32_t DailySeed(int day) {
  uint64_t z = static_cast<uint64_t>(day) * 0x9E3779B97F4A7C15ull + static_cast<uint64_t>(kPuzzleDataVersion);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return static_cast<uint32_t>(z ^ (z >> 31)) % kPuzzleSeedCount;
}

std::string RecordPath() { return DataFolderPrefix() + "CFG\\defis.txt"; }

// One line per day played: "yyyymmdd CODE result", the result "-" until won,
// then "seconds score".
std::vector<std::string> RecordLines() {
  std::vector<std::string> lines;
  if (FileExists(RecordPath()) && !ReadLines(RecordPath(), lines)) LogProblem("défis illisibles : " + RecordPath());
  return lines;
}

int LastDayRecorded(const std::vector<std::string>& lines) {
  int last = 0;
  for (const std::string& line : lines) {
    const int day = std::atoi(line.substr(0, 8).c_str());
    if (day > last) last = day;
  }
  return last;
}

void WriteRecord(std::vector<std::string> lines, const std::string& line, bool replaceLast) {
  if (replaceLast && !lines.empty()) lines.back() = line;
  else lines.push_back(line);
  if (!WriteLines(RecordPath(), lines)) LogProblem("défi non enregistré : " + RecordPath());
}

int PlaySeconds() {
  return ((G.elapsedDays * 24 + G.elapsedHours) * 60 + G.elapsedMinutes) * 60 + G.elapsedSeconds;
}

}  // namespace

bool StartPuzzleCode(const std::string& code) {
  PuzzleKey key;
  if (ReadPuzzleCode(code, key) != CodeFault::None) return false;
  StartVariant(static_cast<uint8_t>(key.variant));
  G.puzzleSeed = key.seed;
  G.puzzleSeedKnown = true;
  SetRandSeed(key.seed);
  return true;
}

int Today() {
  if (fakeToday) return fakeToday;
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return (local.tm_year + 1900) * 10000 + (local.tm_mon + 1) * 100 + local.tm_mday;
}

void UseFakeToday(int yyyymmdd) { fakeToday = yyyymmdd; }

DailyPuzzle DailyPuzzleOf(int day) {
  // 1970-01-01 was a Thursday: day 0 of the week is three days later.
  const int weekday = ((DaysOf(day) + 3) % 7 + 7) % 7;
  const DailyFamily& family = kWeek[weekday];
  DailyPuzzle puzzle;
  puzzle.day = day;
  puzzle.key = {family.variant, DailySeed(day)};
  puzzle.label = family.label;
  puzzle.code = PuzzleCodeText(puzzle.key);
  return puzzle;
}

std::string DayInWords(int day) {
  const int d = day % 100, m = day / 100 % 100;
  if (m < 1 || m > 12) return std::to_string(day);
  return (d == 1 ? std::string("1er") : std::to_string(d)) + " " + kMonths[m - 1] + " " + std::to_string(day / 10000);
}

void StartDailyPuzzle() {
  const DailyPuzzle puzzle = DailyPuzzleOf(Today());
  const std::vector<std::string> lines = RecordLines();
  const bool open = puzzle.day > LastDayRecorded(lines);
  StartPuzzleCode(puzzle.code);
  G.dailyDay = puzzle.day;
  G.dailyRecording = open;
  // The first start of the day takes the record: giving up or leaving does
  // not give a second try at it.
  if (open) WriteRecord(lines, std::to_string(puzzle.day) + " " + puzzle.code + " -", false);
}

bool DailyPuzzlePlaying() {
  return G.dailyDay != 0 && !PuzzleCode().empty() && PuzzleCode() == DailyPuzzleOf(G.dailyDay).code;
}

std::string PlayTimeInWords() {
  const int s = PlaySeconds();
  std::string text;
  if (s >= 3600) text = std::to_string(s / 3600) + " h ";
  return text + std::to_string(s / 60 % 60) + " min " + std::to_string(s % 60) + " s";
}

void FinishDailyPuzzle(bool scoreRecorded) {
  const DailyPuzzle puzzle = DailyPuzzleOf(G.dailyDay);
  const bool recorded = G.dailyRecording;
  if (recorded && !scoreRecorded) RecordWin();
  else if (!recorded) G.lastScore = 0;
  const std::string time = PlayTimeInWords();
  if (recorded) {
    std::vector<std::string> lines = RecordLines();
    const std::string line = std::to_string(puzzle.day) + " " + puzzle.code + " " + std::to_string(PlaySeconds()) +
                             " " + std::to_string(G.lastScore);
    const bool started = !lines.empty() && lines.back().rfind(std::to_string(puzzle.day), 0) == 0;
    WriteRecord(lines, line, started);
  }
  const std::string head = "Lettrarium · défi du " + DayInWords(puzzle.day) + " ·";
  const std::string tail = puzzle.label + " · " + time + " · " + puzzle.code;
  ScreenSetClipboard(Latin1ToUtf8(head + " " + tail));
  G.dailyResult = {"DÉFI DU JOUR : " + DayInWords(puzzle.day), puzzle.label, "Temps : " + time};
  if (recorded) G.dailyResult.push_back("Score : " + std::to_string(G.lastScore));
  else G.dailyResult.push_back("Défi déjà joué : partie non enregistrée.");
  G.dailyResult.push_back("");
  G.dailyResult.push_back("Copié dans le presse-papiers :");
  G.dailyResult.push_back(head);
  G.dailyResult.push_back(tail);
  G.dailyDay = 0;
  G.dailyRecording = false;
  G.panelX = 800;
  G.currentScreen = kScreenDailyResult;
}
