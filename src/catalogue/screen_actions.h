// SPDX-License-Identifier: GPL-3.0-or-later
// The actions of the menus' and pages' buttons, by their number: opening a
// page, restarting the game, starting a journey, quitting.
#pragma once

void ScreenAction(int action);

// Gives the running game up at once: its solution shows for 10 s (a game
// on the travel map ends the journey). Nothing once it is won or lost.
void GiveUpGame();
// Escape or the give-up button: "Abandonner la partie ?" is asked first
// (action 103), never over the title splash; Enter or its tick gives the
// game up (104), Escape or its cross keeps it (105).
bool GiveUpAsked();
