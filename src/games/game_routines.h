// SPDX-License-Identifier: GPL-3.0-or-later
// The game routines the dispatcher calls once per tick with their parameter,
// and each family's rule for a solved board, which the completion check asks.
// A routine builds its puzzle on its first call, then redraws, applies its
// rules and asks for the completion check on every call.
#pragma once
#include <string>

#include "state/game_state.h"
#include "state/variants.h"

struct GameRoutines {
  void (*play)(const VariantEntry& variant);  // once per tick
  bool (*solved)();                           // the board is solved
  // The right letter of a cell the player fills (0: none there), for the
  // hint and the check; null for a family whose solution is no letter a cell.
  char (*answer)(Point cell) = nullptr;
  // The family's own hint, where it has no cells to fill: false when there
  // is nothing more to give.
  bool (*hint)() = nullptr;
};
// Every game of the variant table has its two routines here.
GameRoutines RoutinesOf(Game game);

// Grids
void PlayCodedGrid(int size, const std::string& gridFile);
void PlayWordPlacement(int size, const std::string& gridFile);
void PlayHiddenWords(int size, const std::string& gridFile);
// Frames a found hidden word given by its list entry: blue round a down word,
// red round an across word (a word of one letter gets both, in blue).
void DrawFoundWordFrame(const std::string& entry);
void PlayScrambledGrid(int size, const std::string& gridFile);
void PlayDeconstructedGrid(int size, const std::string& gridFile);
void PlayLetterSums(int size, const std::string& gridFile);
// The parameter is a level: 12 and 10 erase about half of a 12 x 12 and a
// 10 x 10 grid, 8 and 6 about a quarter of the same two sizes.
void PlayErasedLetters(int level, const std::string& gridFile);

// Words and phrases
void PlayHangman(int length);
void PlayProverbHangman(int nation);
void PlayMonthProverbs(int month);
void PlayPassword(int length);
void PlayWordRows(int length);
void PlayAnagram(int length);
void PlayExtraLetter(int words);
void PlayCrossedPair(int length);
void PlayThirdWord();
void PlayCutWords(int words);
void PlayStackedWords(int rows);
void PlayVowelExchange(int words);
void PlayConsonantExchange(int words);
void PlayLongestWord();
void PlayWordsStartingWith(int part);
void PlayMaxiWords(int part);
void PlayCrossingWords(int length);

// The completion rules, each beside its game.
bool CodedGridSolved();
bool WordPlacementSolved();
bool HiddenWordsSolved();
bool ScrambledGridSolved();
bool DeconstructedGridSolved();
bool LetterSumsSolved();
bool ErasedLettersSolved();
bool HangmanSolved();
bool PasswordSolved();
bool WordRowsSolved();
bool AnagramSolved();
bool ExtraLetterSolved();
bool CrossedPairSolved();
bool ThirdWordSolved();
bool CutWordsSolved();
bool StackedWordsSolved();
bool ExchangeSolved();
bool LongestWordSolved();
bool WordHuntSolved();
bool CrossingWordsSolved();

// The answers (answers.cpp) and the families' own hints.
char CodedGridAnswer(Point cell);
char CrosswordAnswer(Point cell);  // word placement, deconstructed grid: plane A
char ScrambledGridAnswer(Point cell);
char ShiftedGridAnswer(Point cell);  // letter sums, erased letters
char WordRowsAnswer(Point cell);
char MonthProverbAnswer(Point cell);
char AnagramAnswer(Point cell);
char ThirdWordAnswer(Point cell);
// The hangmen: one letter of the text uncovered, counted as a miss.
bool HangmanHint();
// The hidden words: the first word not found is framed as found.
bool HiddenWordsHint();
