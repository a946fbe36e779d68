// SPDX-License-Identifier: GPL-3.0-or-later
// The word store: words grouped by length, upper case, accents folded.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Words stored per length 0-30; the words of length L are numbered
// 1 ... wordCount[L] in the order of the files they came from.
extern int32_t wordCount[31];
// Lines read by the last LoadWordList.
extern int32_t wordLinesRead;
// The list the last LoadWordList read (1-6), 0 when it read none.
extern uint8_t loadedWordList;

// Loads list 1-6 (French, English, flowers, trees, animals, countries):
// lengths 1-20 are replaced, lengths 0 and 21-30 are appended to.
void LoadWordList(uint8_t code);
// Puts words already folded and upper-cased (a player's list) in place of
// lengths 1-20, as LoadWordList does with a file; the common tier is
// emptied, so every word of a length is drawn alike. `code` becomes
// loadedWordList.
void StoreOwnWords(const std::vector<std::string>& words, uint8_t code);
std::string FoldAccents(const std::string& text);
// Typed text as the searches and the player name take it: every character
// folded as the store folds accents (the last one too), the other accented
// letters of Latin-1 to their plain letter, and upper case.
std::string FoldTypedText(const std::string& latin1);
// The text must already be upper case and folded.
bool IsWord(const std::string& text);

// Stored word number `slot` (1 ... wordCount[length]) of the length; the
// empty text for slot 0 or any number outside the table.
std::string StoredWord(int length, int slot);
// Points at the `length` bytes of stored word `slot`, or nullptr (no copy:
// the searches walk whole tables this way).
const char* StoredWordBytes(int length, int slot);

// The common-word tier: the words of the dictionary said most often in
// everyday language, most frequent first. Lists 1 and 2 bring theirs
// ("bin\CourantsFrancais.txt", "bin\CourantsAnglais.txt", one word a line,
// every one also in the dictionary); the themed lists have none. RandomWord
// draws from the tier of a length that holds at least kCommonTierMinimum
// words, from the whole length otherwise.
extern int32_t commonCount[31];
constexpr int32_t kCommonTierMinimum = 20;
// Common word `slot` (1 ... commonCount[length]); "" outside the tier.
std::string CommonWord(int length, int slot);
// True when the folded upper-case text is a word of the common tier.
bool IsCommonWord(const std::string& text);
// The common word's slot among the common words of its length (1 = said
// most often); 0 for a word outside the tier.
int32_t CommonRank(const std::string& text);
// True for a common word or a word of the wider known list that the grids
// use too (the encyclopedic words, "bin\ConnusFrancais.txt",
// "bin\ConnusAnglais.txt"): the words a player may be asked to find. Any
// text counts as known while no common tier is loaded (the themed lists).
bool IsKnownWord(const std::string& text);

// Anagram puzzles prepared once for the lengths where a drawn common word
// seldom gives a fair one ("bin\Anagrammes.txt", loaded with list 1): the
// word shown and the answer, each other's only anagram, the answer known.
struct AnagramPair {
  std::string shown, answer;
};
const std::vector<AnagramPair>& PreparedAnagrams();

// Back to the empty store of process start (tests).
void ClearWordStore();
