// SPDX-License-Identifier: GPL-3.0-or-later
// Folding of dictionary words to the plain upper-case letters the games
// compare: every accent goes, the ligatures are spelled out.
#pragma once

#include <map>
#include <string>
#include <vector>

// The word in A-Z, or "" when it holds anything that is no letter (a hyphen,
// an apostrophe, a dot, a letter with no plain form). With lowerOnly, a word
// holding an upper-case letter (a proper noun) is refused as well.
std::string FoldWord(const std::string& utf8, bool lowerOnly);

// Keeps each folded word once, in the order of first occurrence.
std::vector<std::string> FoldList(const std::vector<std::string>& lines, bool lowerOnly);

// Cuts every length to at most `cap` words. The literary verb forms (past
// historic and imperfect subjunctive endings) go first, latest first, so the
// common words survive; then the latest words of the length.
std::vector<std::string> CapPerLength(const std::vector<std::string>& words, size_t cap,
                                      std::map<size_t, size_t>& dropped);
