// SPDX-License-Identifier: GPL-3.0-or-later
// The two exchange games: the vowels or the consonants of ten-letter words
// are taken out and offered above, and the player puts them back.
#pragma once

// One call per tick of either game: builds on the first call, then lights
// the offer rows, reads the word rows, checks completion and draws.
void PlayExchange(int words, bool vowels);
