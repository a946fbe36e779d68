// SPDX-License-Identifier: GPL-3.0-or-later
// The panel pages of the screen state machine (screens 3 to 9 and the quit
// confirmation), drawn and handled once per frame.
#pragma once
#include <string>
#include <vector>

#include "state/game_state.h"

void DrawOptionsPage();
void DrawScoresPage();
void DrawHelpPage();
void DrawPlayerPage();
void DrawSavesPage();
void DrawSearchPage(bool incomplete);
void DrawQuitPage();
// "Abandonner la partie ?" over the running game, drawn as the quit page.
void DrawGiveUpPage();

// The puzzle-code pages (code_pages.cpp). The game list's two entries above
// the families return true when one was clicked (the frame then ends).
bool DrawGameListExtras();
void DrawCodePage();
void DrawDailyResultPage();
// The statistics page, its figures counted afresh when it opens.
void OpenStatisticsPage();
void DrawStatisticsPage();
// The page's lines of totals: games, wins, time; the daily streaks; hints.
std::vector<std::string> StatisticsSummary();
// The table's lines as the page shows them (name, played, won, best time,
// average of the last 10), and the family whose curve shows.
std::vector<std::string> StatisticsTable();
int StatisticsCurveFamily();
// Keys and typed text while the code page shows; false on other pages.
bool TypeCodeKey(int key);
bool TypeCodeText(const std::string& latin1);
