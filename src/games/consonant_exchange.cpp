// SPDX-License-Identifier: GPL-3.0-or-later
// The consonant exchange: the consonants of W ten-letter words are taken
// out and offered shuffled, twenty to a row; the player puts them back. The
// game is the vowel exchange's with another offer (vowel_exchange.cpp).
#include "games/exchanges.h"
#include "games/game_routines.h"

void PlayConsonantExchange(int words) { PlayExchange(words, false); }
