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

// The text laid out on rows of `width` characters without cutting a word (a
// run of characters other than spaces, or such a run up to a hyphen) across
// two rows: a word that would
// run past the end of a row starts the next one, the row's end padded with
// '*' (an empty cell), and the spaces that would open a row are dropped. A
// word longer than a row is cut. "" when more than `rows` rows are needed.
std::string LayOutOnWords(const std::string& text, size_t width, size_t rows);
