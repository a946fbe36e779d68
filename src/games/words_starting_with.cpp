// SPDX-License-Identifier: GPL-3.0-or-later
// MOTS COMMENCANT PAR...: nine letters from B to Z, none twice; the player
// builds, after the first letter that stands fixed at the start of the answer
// row, the words spelt with the letters that begin with it: all of them
// (part 1) or half of them (part 2).
#include "games/game_routines.h"
#include "games/nine_letters.h"

void PlayWordsStartingWith(int part) {
  static const nine_letters::WordHunt hunt{
      .answerRow = 7,
      .startsWithFirstLetter = true,
      .shortestWord = 2,
      .fewestWords = 6,
      .secondColumnX = 650,
      .remainingCaption = "MOTS A TROUVER: ",
  };
  nine_letters::PlayWordHunt(hunt, part);
}
