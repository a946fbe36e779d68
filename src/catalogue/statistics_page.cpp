// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics page: what the record of the games played says, overall,
// per family and of the puzzle of the day, with the wins of the last 30 days.
// The page only reads the record.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "catalogue/page_widgets.h"
#include "catalogue/screen_pages.h"
#include "display/drawing.h"
#include "persistence/history.h"
#include "platform/canvas.h"
#include "platform/files.h"
#include "platform/page.h"
#include "state/game_state.h"
#include "state/variants.h"

namespace {

constexpr int T = 72;
constexpr int kChartDays = 30;

struct FamilyFigures {
  int family = 0, played = 0, won = 0, bestSeconds = -1, bestScore = 0;
  std::vector<int> winSeconds;  // oldest first
  std::string lastPlayed;
};

struct Figures {
  int played = 0, won = 0;
  long long seconds = 0;
  int streak = 0, bestStreak = 0;
  std::vector<FamilyFigures> families;  // most played first
  std::array<int, kChartDays> winsPerDay{};  // the oldest day first, today last
};
Figures figures;

// Days since 1970-01-01 of "yyyy-mm-dd..." (civil calendar).
int DayNumber(const std::string& when) {
  int y = std::stoi(when.substr(0, 4)), m = std::stoi(when.substr(5, 2)), d = std::stoi(when.substr(8, 2));
  y -= m <= 2;
  const int era = (y >= 0 ? y : y - 399) / 400, yoe = y - era * 400;
  const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  return era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy - 719468;
}

// "4:05", "1:02:09": short enough for the table's columns.
std::string ClockText(long long s) {
  if (s < 0) return "-";
  const std::string ss = (s % 60 < 10 ? ":0" : ":") + std::to_string(s % 60);
  if (s < 3600) return std::to_string(s / 60) + ss;
  return std::to_string(s / 3600) + (s / 60 % 60 < 10 ? ":0" : ":") + std::to_string(s / 60 % 60) + ss;
}

std::string TimeText(long long s) {
  if (s >= 3600) return std::to_string(s / 3600) + " h " + std::to_string(s / 60 % 60) + " min";
  return std::to_string(s / 60) + " min " + std::to_string(s % 60) + " s";
}

std::string ShareText(int won, int played) { return played ? std::to_string(100 * won / played) + "%" : "-"; }

void CountFigures(int today) {
  figures = Figures();
  std::array<FamilyFigures, kFamilyCount + 1> byFamily{};
  std::vector<int> dailyDays;
  for (const PlayedGame& game : PlayedGames()) {
    const bool won = game.outcome == GameOutcome::Won;
    FamilyFigures& f = byFamily[std::clamp(Variant(game.variant).family, 0, kFamilyCount)];
    ++figures.played;
    ++f.played;
    figures.seconds += game.seconds;
    f.lastPlayed = game.when.substr(0, 10);
    if (!won) continue;
    ++figures.won;
    ++f.won;
    f.winSeconds.push_back(game.seconds);
    if (f.bestSeconds < 0 || game.seconds < f.bestSeconds) f.bestSeconds = game.seconds;
    f.bestScore = std::max(f.bestScore, game.score);
    const int ago = today - DayNumber(game.when);
    if (ago >= 0 && ago < kChartDays) ++figures.winsPerDay[kChartDays - 1 - ago];
    if (game.daily) dailyDays.push_back(DayNumber(game.when));
  }
  std::sort(dailyDays.begin(), dailyDays.end());
  dailyDays.erase(std::unique(dailyDays.begin(), dailyDays.end()), dailyDays.end());
  int run = 0;
  for (size_t i = 0; i < dailyDays.size(); ++i) {
    run = i > 0 && dailyDays[i] == dailyDays[i - 1] + 1 ? run + 1 : 1;
    figures.bestStreak = std::max(figures.bestStreak, run);
  }
  // The run still counts on the day after its last win: today's puzzle may yet be played.
  if (!dailyDays.empty() && today - dailyDays.back() <= 1) figures.streak = run;
  for (int family = 1; family <= kFamilyCount; ++family) {
    byFamily[family].family = family;
    if (byFamily[family].played) figures.families.push_back(byFamily[family]);
  }
  std::stable_sort(figures.families.begin(), figures.families.end(),
                   [](const FamilyFigures& a, const FamilyFigures& b) { return a.played > b.played; });
}

std::string AverageOfLastTen(const std::vector<int>& seconds) {
  if (seconds.empty()) return "-";
  const size_t from = seconds.size() > 10 ? seconds.size() - 10 : 0;
  long long sum = 0;
  for (size_t i = from; i < seconds.size(); ++i) sum += seconds[i];
  return ClockText(sum / static_cast<long long>(seconds.size() - from));
}

void DrawFamilyRows(int L) {
  const int columns[] = {0, 120, 165, 210, 255, 320, 385, 440};
  const char* heads[] = {"Famille", "Jou.", "Gag.", "Part", "Mieux", "Moy10", "Score", "Vu le"};
  for (int c = 0; c < 8; ++c) DrawSmallText(L + 20 + columns[c], T + 125, kHighlight, heads[c]);
  const size_t rows = std::min<size_t>(figures.families.size(), 7);
  for (size_t i = 0; i < rows; ++i) {
    const FamilyFigures& f = figures.families[i];
    const std::string day = f.lastPlayed.substr(8, 2) + "/" + f.lastPlayed.substr(5, 2);
    const std::string cells[] = {std::string(familyTable[f.family].name).substr(0, 11), std::to_string(f.played),
                                 std::to_string(f.won), ShareText(f.won, f.played), ClockText(f.bestSeconds),
                                 AverageOfLastTen(f.winSeconds), std::to_string(f.bestScore), day};
    for (int c = 0; c < 8; ++c) DrawSmallText(L + 20 + columns[c], T + 143 + 16 * static_cast<int>(i), kWhite, cells[c]);
  }
}

// Bars of the wins of each of the last 30 days, today on the right.
void DrawWinsChart(int L) {
  const int base = T + 298, height = 40, left = L + 40;
  const int most = std::max(1, *std::max_element(figures.winsPerDay.begin(), figures.winsPerDay.end()));
  DrawSmallText(left - 20, T + 240, kWhite, "Gagnées par jour, 30 jours (au plus " + std::to_string(most) + ")");
  Canvas canvas(ThePage());
  canvas.SetPen(0xffffff, 1);
  canvas.Rectangle(left - 2, base, left + 14 * kChartDays, base + 1);
  canvas.SetBrushColour(0x00c0ff);
  for (int day = 0; day < kChartDays; ++day) {
    const int h = height * figures.winsPerDay[day] / most;
    if (h > 0) canvas.Rectangle(left + 14 * day, base - h, left + 14 * day + 11, base);
  }
}

}  // namespace

std::vector<std::string> StatisticsSummary() {
  return {"Parties : " + std::to_string(figures.played) + ", gagnées : " + std::to_string(figures.won) + " (" +
              ShareText(figures.won, figures.played) + "), " + TimeText(figures.seconds),
          "Défi du jour : " + std::to_string(figures.streak) + " jour(s) de suite, record " +
              std::to_string(figures.bestStreak)};
}

void OpenStatisticsPage() {
  G.panelX = 800;
  G.currentScreen = kScreenStatistics;
  CountFigures(DayNumber(HistoryNow()));
}

void DrawStatisticsPage() {
  const int L = G.panelX, R = G.panelX + 500, B = 422;
  DrawWindowFrame(G.panelX, G.panelY);
  DrawMediumText(L + 30, T + 40, kWhite, "STATISTIQUES");
  DrawSmallText(L + 240, T + 48, kWhite, G.playerName.str());
  const std::vector<std::string> summary = StatisticsSummary();
  DrawSmallText(L + 20, T + 75, kWhite, summary[0]);
  DrawSmallText(L + 20, T + 95, kWhite, summary[1]);
  DrawFamilyRows(L);
  DrawWinsChart(L);
  if (TextButton(L + 20, B - 25, "EXPORTER")) {
    const std::string path = DataFolderPrefix() + "IMPRESSIONS\\historique.csv";
    ForceDirectories(DataFolderPrefix() + "IMPRESSIONS");
    ShowTimedMessage(2, 515, WriteLines(path, HistoryCsv()) ? "Historique exporté : " + path : "Export impossible : " + path);
  }
  if (PageButton(R - 30, B - 20, 7)) G.currentScreen = kScreenGameList;
}
