// SPDX-License-Identifier: GPL-3.0-or-later
// Proverb files: proverbs separated by lines that start with '.'.
#pragma once
#include <string>

// Loads the file into the word list and chooses a proverb: from a random
// line below count - 5, forward to a '.' line, then every line up to and
// including the next '.' line, each folded and upper-cased, each after a
// space; the last character is dropped and the text capped at 100. Returns
// false when the file is missing or holds no whole proverb from that line.
bool ChooseProverb(const std::string& path, std::string& text);
