// SPDX-License-Identifier: GPL-3.0-or-later
// The crossing-word build, shared by the game and its benchmark.
#pragma once
#include <cstdint>

// Builds for words of n letters, `attempts` at most, until one succeeds: three
// random words on rows 7-9 from column 6, three vertical words through the
// middle columns crossing them. Each failed build adds one to `failed` and
// leaves the no-result marker ('?' cells) in a column. True when one built.
bool BuildCrossingWords(int n, int attempts, int32_t& failed);
