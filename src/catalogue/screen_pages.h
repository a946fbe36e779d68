// SPDX-License-Identifier: GPL-3.0-or-later
// The panel pages of the screen state machine (screens 3 to 9 and the quit
// confirmation), drawn and handled once per frame.
#pragma once

#include "state/game_state.h"

void DrawOptionsPage();
void DrawScoresPage();
void DrawHelpPage();
void DrawPlayerPage();
void DrawSavesPage();
void DrawSearchPage(bool incomplete);
void DrawQuitPage();
