// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/resets.h"

#include "display/assets.h"
#include "display/play_clock.h"
#include "platform/clock.h"
#include "state/puzzle_code.h"
#include "state/game_state.h"

void ResetGame() {
  G.currentVariant = 0;
  G.gameWon = 0;
  G.gameLost = 0;
  G.reservedC6B4 = 0;
  G.reservedC6B8 = 0;
  G.reservedC6BC = 0;
  G.reservedC6C0 = 0;
  G.cursorShape = kCursorDefault;
  G.statusTip.clear();
  G.hoverHot = 0;
  G.reserved01D1 = 0;
  LoadBackground(G.backgroundIndex);
  ListBox& help = G.listBoxes[listHelp];
  for (int i = 1; i <= 599; ++i) help.items[i].clear();
  help.top = 0;
  G.winHandled = 0;
  G.gameRecorded = false;
  // Any other start, a restart too, is no longer the puzzle of the day.
  G.dailyDay = 0;
  G.dailyRecording = false;
}

void ResetBoard() {
  G.endSoundPlayed = 0;
  G.gameWon = 0;
  G.gameLost = 0;
  G.travelStageWon = 0;
  G.travelFailed = 0;
  G.importKind = 0;
  StopPlayClock();
  G.lastScore = 0;
  G.clickPending = 0;
  G.elapsedDays = G.elapsedSeconds = G.elapsedMinutes = G.elapsedHours = 0;
  G.elapsedTimeText = "00H00MN00S";
  G.reserved0078 = 0;
  G.bannerX = 400;
  G.bannerY = 300;
  G.bannerDX = -1;
  G.bannerDY = 1;
  G.boardReady = 0;
  G.givenCellsKnown = false;
  G.boardOriginX = 70;
  G.boardOriginY = 50;
  // The board's generator starts from a seed of the clock that a puzzle
  // code can carry (StartPuzzleCode sets another one after this reset).
  G.puzzleSeed = Now() % kPuzzleSeedCount;
  G.puzzleSeedKnown = true;
  SetRandSeed(G.puzzleSeed);
  // A new board: no help used, no move to take back.
  G.helps = HelpTally{};
  G.undoBoards.clear();
  G.moveUnderWay = false;
  G.checkShownAt = 0;
  G.gameLength = 0;
  G.gamePhase = 0;
  G.gameChar = ' ';
  G.gameSize = 0;
  for (int i = 0; i < 441; ++i) {
    G.boardLetters[i] = '*';
    G.boardPlayable[i] = 0;
    G.boardPickable[i] = 0;
    G.boardCellColour[i] = 0xffff;
    G.answerGridA[i] = 1;
    G.answerGridB[i] = 1;
  }
  for (int i = 0; i < 400; ++i) G.boardCellState[i] = 1;
  for (auto& slot : G.wordSlots) slot.length = 0;
}
