// SPDX-License-Identifier: GPL-3.0-or-later
// The actions of the menus' and pages' buttons, by their number: opening a
// page, restarting the game, starting a journey, quitting.
#pragma once

void ScreenAction(int action);
