// SPDX-License-Identifier: GPL-3.0-or-later
// The screen state machine: every menu, option page and tool page.
#pragma once

// The page to type a puzzle code, and the page after a puzzle of the day.
constexpr int kCodeScreen = 10;
constexpr int kDailyResultScreen = 11;

void RunScreen(int screen);
void ScreenAction(int action);
