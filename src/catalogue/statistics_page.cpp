// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics page: what the record of the games played says, overall,
// per family (per variant on choosing the family) and of the puzzle of the
// day, with the wins of the last 30 days and the chosen family's times.
// The page only reads the record.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "catalogue/page_widgets.h"
#include "catalogue/screen_pages.h"
#include "display/drawing.h"
#include "display/sound.h"
#include "persistence/history.h"
#include "persistence/saved_games.h"
#include "platform/canvas.h"
#include "platform/files.h"
#include "platform/page.h"
#include "state/game_state.h"
#include "state/variants.h"

namespace {

constexpr int T = 72;
constexpr int kChartDays = 30;
constexpr int kCurveWins = 30;
constexpr int kTableRows = 7;
constexpr int kTableTop = T + 145;  // the first row; rows are 16 pixels apart

// The figures of one line of the table: a family, or a variant of the chosen family.
struct RowFigures {
  int id = 0, played = 0, won = 0, bestSeconds = -1, bestScore = 0;
  std::vector<int> winSeconds;  // of the games still in the record, oldest first
  std::string lastPlayed;       // "yyyy-mm-dd"
};

struct Figures {
  int played = 0, won = 0;
  long long seconds = 0, hints = 0;
  int streak = 0, bestStreak = 0;
  std::vector<RowFigures> families;  // most played first
  std::array<RowFigures, kVariantCount + 1> variants{};
  std::array<int, kChartDays> winsPerDay{};  // the oldest day first, today last
};
Figures figures;
// The family whose curve shows, and whether the table lists its variants
// (a click on a family line) or the families.
int chosenFamily = 0;
bool showingVariants = false;

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

void AddWin(RowFigures& row, int seconds, int score) {
  ++row.won;
  if (row.bestSeconds < 0 || seconds < row.bestSeconds) row.bestSeconds = seconds;
  row.bestScore = std::max(row.bestScore, score);
}

// The games trimmed from the record count as they were summed up.
void AddTrimmed(RowFigures& row, const SummedGames& sum) {
  row.played += sum.played;
  row.won += sum.won;
  if (sum.bestSeconds >= 0 && (row.bestSeconds < 0 || sum.bestSeconds < row.bestSeconds)) row.bestSeconds = sum.bestSeconds;
  row.bestScore = std::max(row.bestScore, sum.bestScore);
  row.lastPlayed = std::max(row.lastPlayed, sum.lastPlayed);
}

void CountFigures(int today) {
  figures = Figures();
  std::vector<int> dailyDays;
  for (int v = 1; v <= kVariantCount; ++v) {
    const SummedGames& sum = TrimmedGames()[v];
    AddTrimmed(figures.variants[v], sum);
    figures.played += sum.played;
    figures.won += sum.won;
    figures.seconds += sum.seconds;
    figures.hints += sum.hints;
  }
  for (const PlayedGame& game : PlayedGames()) {
    RowFigures& row = figures.variants[game.variant];
    ++figures.played;
    ++row.played;
    figures.seconds += game.seconds;
    figures.hints += game.hints;
    row.lastPlayed = game.when.substr(0, 10);
    if (game.outcome != GameOutcome::Won) continue;
    ++figures.won;
    AddWin(row, game.seconds, game.score);
    row.winSeconds.push_back(game.seconds);
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
  // A family's figures are its variants' together; its wins' times in the
  // order they were played, for the curve.
  std::vector<std::pair<std::string, int>> familyWins[kFamilyCount + 1];
  for (const PlayedGame& game : PlayedGames())
    if (game.outcome == GameOutcome::Won) familyWins[Variant(game.variant).family].push_back({game.when, game.seconds});
  for (int family = 1; family <= kFamilyCount; ++family) {
    RowFigures row;
    row.id = family;
    for (int v = familyTable[family].firstVariant; v < familyTable[family].firstVariant + familyTable[family].variantCount; ++v) {
      const RowFigures& part = figures.variants[v];
      row.played += part.played;
      row.won += part.won;
      if (part.bestSeconds >= 0 && (row.bestSeconds < 0 || part.bestSeconds < row.bestSeconds)) row.bestSeconds = part.bestSeconds;
      row.bestScore = std::max(row.bestScore, part.bestScore);
      row.lastPlayed = std::max(row.lastPlayed, part.lastPlayed);
    }
    for (const auto& win : familyWins[family]) row.winSeconds.push_back(win.second);
    if (row.played) figures.families.push_back(row);
  }
  for (int v = 1; v <= kVariantCount; ++v) figures.variants[v].id = v;
  std::stable_sort(figures.families.begin(), figures.families.end(),
                   [](const RowFigures& a, const RowFigures& b) { return a.played > b.played; });
}

std::string AverageOfLastTen(const std::vector<int>& seconds) {
  if (seconds.empty()) return "-";
  const size_t from = seconds.size() > 10 ? seconds.size() - 10 : 0;
  long long sum = 0;
  for (size_t i = from; i < seconds.size(); ++i) sum += seconds[i];
  return ClockText(sum / static_cast<long long>(seconds.size() - from));
}

// A variant's name in the table's first column: without its family's name
// ("MOTS CODES 12x12" gives "12x12") and, when still too long, its end, where
// the sizes are.
std::string VariantLabel(int v) {
  std::string name = ShortTitle(Variant(v).name);
  const std::string family = ShortTitle(familyTable[Variant(v).family].name) + " ";
  if (name.size() > family.size() && name.compare(0, family.size(), family) == 0) name.erase(0, family.size());
  if (name.size() <= 11) return name;
  return name + " " == family ? name.substr(0, 11) : name.substr(name.size() - 11);
}

// The lines the table shows: the families, most played first, or the
// chosen family's variants that were played, most played first.
std::vector<const RowFigures*> TableRows() {
  std::vector<const RowFigures*> rows;
  if (!showingVariants) {
    for (const RowFigures& f : figures.families) rows.push_back(&f);
  } else {
    const FamilyEntry& family = familyTable[chosenFamily];
    for (int v = family.firstVariant; v < family.firstVariant + family.variantCount; ++v)
      if (figures.variants[v].played) rows.push_back(&figures.variants[v]);
    std::stable_sort(rows.begin(), rows.end(), [](auto a, auto b) { return a->played > b->played; });
  }
  if (rows.size() > kTableRows) rows.resize(kTableRows);
  return rows;
}

void DrawTable(int L) {
  const int columns[] = {0, 120, 165, 210, 255, 320, 385, 440};
  const char* heads[] = {showingVariants ? "Variante" : "Famille", "Jou.", "Gag.", "Part", "Mieux", "Moy10", "Score", "Vu le"};
  for (int c = 0; c < 8; ++c) DrawSmallText(L + 20 + columns[c], T + 127, kHighlight, heads[c]);
  const std::vector<const RowFigures*> rows = TableRows();
  for (size_t i = 0; i < rows.size(); ++i) {
    const RowFigures& f = *rows[i];
    const std::string day = f.lastPlayed.substr(8, 2) + "/" + f.lastPlayed.substr(5, 2);
    const std::string name = showingVariants ? VariantLabel(f.id) : std::string(familyTable[f.id].name).substr(0, 11);
    const std::string cells[] = {name, std::to_string(f.played), std::to_string(f.won), ShareText(f.won, f.played),
                                 ClockText(f.bestSeconds), AverageOfLastTen(f.winSeconds), std::to_string(f.bestScore), day};
    const int y = kTableTop + 16 * static_cast<int>(i);
    const bool chosen = !showingVariants && f.id == chosenFamily;
    for (int c = 0; c < 8; ++c) DrawSmallText(L + 20 + columns[c], y, c == 0 && chosen ? kHighlight : kWhite, cells[c]);
  }
}

// A click on a family line lists its variants and draws its curve; a click
// on the variants' table goes back to the families.
void AnswerTableClick(int L) {
  const int px = G.mousePos.x, py = G.mousePos.y;
  if (G.clickPending != 1 || px < L + 20 || px > L + 490 || py < kTableTop) return;
  const std::vector<const RowFigures*> rows = TableRows();
  const size_t line = static_cast<size_t>((py - kTableTop) / 16);
  if (line >= rows.size()) return;
  G.clickPending = 0;
  PlaySound(kSoundChoice);
  if (showingVariants) {
    showingVariants = false;
    return;
  }
  chosenFamily = rows[line]->id;
  showingVariants = true;
}

// Bars of the wins of each of the last 30 days, today on the right.
void DrawWinsChart(int L) {
  const int base = T + 318, height = 40, left = L + 50;
  const int most = std::max(1, *std::max_element(figures.winsPerDay.begin(), figures.winsPerDay.end()));
  DrawSmallText(L + 20, T + 258, kWhite, "Gagnées/jour (max " + std::to_string(most) + ")");
  Canvas canvas(ThePage());
  canvas.SetPen(0xffffff, 1);
  canvas.Rectangle(left - 2, base, left + 7 * kChartDays, base + 1);
  canvas.SetBrushColour(0x00c0ff);
  for (int day = 0; day < kChartDays; ++day) {
    const int h = height * figures.winsPerDay[day] / most;
    if (h > 0) canvas.Rectangle(left + 7 * day, base - h, left + 7 * day + 5, base);
  }
}

// The chosen family's play time over its last 30 wins, oldest on the left,
// longer times higher; the best of them ringed and written under the curve.
void DrawTimeCurve(int L) {
  const int base = T + 318, height = 40, left = L + 290;
  const RowFigures* family = nullptr;
  for (const RowFigures& f : figures.families)
    if (f.id == chosenFamily) family = &f;
  DrawSmallText(L + 280, T + 258, kWhite, chosenFamily ? std::string(familyTable[chosenFamily].name).substr(0, 20) : "Temps des victoires");
  Canvas canvas(ThePage());
  canvas.SetPen(0xffffff, 1);
  canvas.Rectangle(left - 2, base, left + 7 * kCurveWins, base + 1);
  if (!family || family->winSeconds.empty()) return;
  const std::vector<int>& all = family->winSeconds;
  const std::vector<int> times(all.end() - static_cast<long>(std::min<size_t>(all.size(), kCurveWins)), all.end());
  const auto [low, high] = std::minmax_element(times.begin(), times.end());
  const int span = std::max(1, *high - *low);
  auto pointY = [&](int seconds) { return base - 2 - (height - 4) * (seconds - *low) / span; };
  canvas.SetPen(0x80ff40, 2);
  for (size_t i = 1; i < times.size(); ++i)
    canvas.Line(left + 7 * static_cast<int>(i - 1), pointY(times[i - 1]), left + 7 * static_cast<int>(i), pointY(times[i]));
  const int best = static_cast<int>(low - times.begin());
  canvas.SetPen(0x0000ff, 2);
  canvas.SetBrushClear();
  canvas.Ellipse(left + 7 * best - 4, pointY(*low) - 4, left + 7 * best + 5, pointY(*low) + 5);
  canvas.Release();
  DrawSmallText(L + 340, base + 4, kWhite, "mieux : " + ClockText(*low));
}

}  // namespace

std::vector<std::string> StatisticsSummary() {
  return {"Parties : " + std::to_string(figures.played) + ", gagnées : " + std::to_string(figures.won) + " (" +
              ShareText(figures.won, figures.played) + ")",
          "Défi du jour : " + std::to_string(figures.streak) + " jour(s) de suite, record " +
              std::to_string(figures.bestStreak),
          "Temps de jeu : " + TimeText(figures.seconds) + ", indices : " + std::to_string(figures.hints)};
}

std::vector<std::string> StatisticsTable() {
  std::vector<std::string> lines;
  for (const RowFigures* row : TableRows()) {
    const std::string name = showingVariants ? VariantLabel(row->id) : familyTable[row->id].name;
    lines.push_back(name + " " + std::to_string(row->played) + " " + std::to_string(row->won) + " " +
                    ClockText(row->bestSeconds) + " " + AverageOfLastTen(row->winSeconds));
  }
  return lines;
}

int StatisticsCurveFamily() { return chosenFamily; }

void OpenStatisticsPage() {
  G.panelX = 800;
  G.currentScreen = kScreenStatistics;
  CountFigures(DayNumber(HistoryNow()));
  showingVariants = false;
  chosenFamily = figures.families.empty() ? 0 : figures.families[0].id;
}

void DrawStatisticsPage() {
  const int L = G.panelX, R = G.panelX + 500, B = 422;
  DrawWindowFrame(G.panelX, G.panelY);
  DrawMediumText(L + 30, T + 40, kWhite, "STATISTIQUES");
  DrawSmallText(L + 240, T + 48, kWhite, G.playerName.str());
  const std::vector<std::string> summary = StatisticsSummary();
  for (int i = 0; i < 3; ++i) DrawSmallText(L + 20, T + 70 + 18 * i, kWhite, summary[i]);
  AnswerTableClick(L);
  DrawTable(L);
  DrawWinsChart(L);
  DrawTimeCurve(L);
  if (TextButton(L + 20, B - 25, "EXPORTER")) {
    const std::string path = DataFolderPrefix() + "IMPRESSIONS\\historique.csv";
    ForceDirectories(DataFolderPrefix() + "IMPRESSIONS");
    ShowTimedMessage(2, 515, WriteLines(path, HistoryCsv()) ? "Historique exporté : " + path : "Export impossible : " + path);
  }
  if (PageButton(R - 30, B - 20, 7)) G.currentScreen = kScreenGameList;
}
