// SPDX-License-Identifier: GPL-3.0-or-later
// What the three nine-letter games share: the draw of the nine letters, the
// search for the words they spell, the letters on row 5 from column 6 and an
// answer row below them. LE MOT LE PLUS LONG asks for one longest word;
// MOTS COMMENCANT PAR... and MAXI-MOTS are one word hunt with two rule sets.
#pragma once
#include <string>
#include <vector>

namespace nine_letters {

constexpr int kFirstColumn = 6;
constexpr int kLetterRow = 5;
constexpr int kLetters = 9;

// Failed draws allowed before a game gives up: a word list that never gives
// a fitting draw would otherwise keep the hourglass up for ever.
constexpr int kMostDraws = 600;

// Nine letters, each accepted when it is a vowel or on a 31 % chance and
// appended unless already drawn. The whole alphabet may give A and E twice;
// otherwise the letters come from B ... Z and none repeats.
std::string DrawLetters(bool wholeAlphabet);

// Every stored word of 9 down to 2 letters the letters spell, longest first;
// empty (never the no-result marker) when there is none.
std::vector<std::string> WordsSpeltWith(const std::string& letters);

// The letters on row 5, `answerLength` empty cells on the answer row, and
// both made playable from `firstColumn` (the cells before it stay fixed).
void LayOutLetters(const std::string& letters, int answerRow, int answerLength, int firstColumn);

// The rules of a word hunt.
struct WordHunt {
  int answerRow;
  bool startsWithFirstLetter;  // the first letter is fixed at the row's start
  size_t shortestWord;         // shorter words are neither listed nor accepted
  size_t fewestWords;          // a draw giving fewer words is drawn again
  int secondColumnX;           // where the found words go on from the 31st
  std::string remainingCaption;
};

// Keeps the words the hunt asks for: known words (IsKnownWord) with a vowel,
// long enough, beginning with the first letter where the hunt asks for it.
// The letters' list must be accepted with at least `fewestWords` and fewer
// than 64 of them.
std::vector<std::string> HuntedWords(const WordHunt& hunt, const std::vector<std::string>& spelt, char firstLetter);
bool HuntFits(const WordHunt& hunt, size_t words);

// Called once per tick by the game: one draw per tick until a list fits,
// then the hunt: words built on the answer row are found, counted and
// listed (a dictionary word the list lacks is added as found); giving up lists the words missed. `part` 1, 2, 3: all, a half, a
// third of the words are to be found.
void PlayWordHunt(const WordHunt& hunt, int part);

}  // namespace nine_letters
