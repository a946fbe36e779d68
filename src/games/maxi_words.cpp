// SPDX-License-Identifier: GPL-3.0-or-later
// MAXI-MOTS: nine letters from B to Z, none twice; the player builds the
// words of three letters or more spelt with them: all of them (part 1), a
// half (part 2) or a third (part 3).
#include "games/game_routines.h"
#include "games/nine_letters.h"

void PlayMaxiWords(int part) {
  static const nine_letters::WordHunt hunt{
      .answerRow = 6,
      .startsWithFirstLetter = false,
      .shortestWord = 3,
      .fewestWords = 11,
      .secondColumnX = 100,
      .remainingCaption = "MOTS RESTANTS: ",
  };
  nine_letters::PlayWordHunt(hunt, part);
}
