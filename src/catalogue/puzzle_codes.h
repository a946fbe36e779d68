// SPDX-License-Identifier: GPL-3.0-or-later
// Starting a puzzle from its code, and the puzzle of the day.
#pragma once
#include <string>

#include "state/puzzle_code.h"

// Starts the puzzle of a code as StartVariant starts a variant, with the
// code's seed; false, with nothing changed, for a bad code.
bool StartPuzzleCode(const std::string& code);

// The puzzle of the day: one per local calendar day, the same for every
// player of a version, from a weekly rotation of families.
struct DailyPuzzle {
  int day = 0;          // yyyymmdd
  PuzzleKey key;
  std::string label;    // "MOTS CODÉS 10x10"
  std::string code;
};
// Today's date as yyyymmdd (local time; tests may fix it, 0 lets it go).
int Today();
void UseFakeToday(int yyyymmdd);
DailyPuzzle DailyPuzzleOf(int day);
// "9 décembre 2026".
std::string DayInWords(int day);
// Starts today's puzzle. Its first start of the day opens the day's record;
// later ones, and any on a day not after the last day recorded (a clock set
// back), are replays.
void StartDailyPuzzle();
// True while the game being played is the puzzle of the day it was started on.
bool DailyPuzzlePlaying();
// The won puzzle of the day: records it when this run holds the day's record,
// copies the share line to the clipboard and opens the result page.
// `scoreRecorded`: the score line was already made on the frame of the win.
void FinishDailyPuzzle(bool scoreRecorded);
// "4 min 12 s" of the play clock.
std::string PlayTimeInWords();
