// SPDX-License-Identifier: GPL-3.0-or-later
// What each variant is: one row per variant 1-150 and one per family 1-30
// (entry 0 of each is unused), and the rules each kind of game plays by.
// No other file knows a variant by its number: they ask this table.
#pragma once
#include <cstdint>

constexpr int kVariantCount = 150;
constexpr int kFamilyCount = 30;

// The game routine a variant plays. Several menu families share one: the
// four themes play cut words, word-guess rows and hangmen on their lists.
enum class Game : uint8_t {
  None,  // entry 0
  CodedGrid,
  LongestWord,
  CrossingWords,
  Hangman,
  Password,
  VowelExchange,
  Anagram,
  ExtraLetter,
  CrossedPair,
  ThirdWord,
  CutWords,
  WordPlacement,
  HiddenWords,
  ScrambledGrid,
  ConsonantExchange,
  DeconstructedGrid,
  MaxiWords,
  WordsStartingWith,
  WordRows,
  LetterSums,
  ErasedLetters,
  ProverbHangman,
  MonthProverbs,
  StackedWords,
};

// The crossword grid file a grid game reads ("grilles.txt", "grillesEnglish.txt").
enum class GridLanguage : uint8_t { None, French, English };

// The word lists of LoadWordList, by their number.
enum WordList : uint8_t {
  kFrenchWords = 1,
  kEnglishWords = 2,
  kFlowerWords = 3,
  kTreeWords = 4,
  kAnimalWords = 5,
  kCountryWords = 6,
  // One of the player's own lists (words/player_lists.h), never a variant's own.
  kPlayerWords = 7,
};

// How the print button lays the board out: the coded grid prints its
// numbers and no word list, the hidden words their list without the
// entries' marks, the others the board and the list as they are.
enum class PrintLayout : uint8_t { Board, CodedGrid, HiddenWords };

// How a puzzle is laid out on paper in a booklet; None: it stays out of
// booklets (BookletFit says why).
enum class BookletLayout : uint8_t { None, CodedGrid, WordPlacement, HiddenWords, Blanks, Anagram, ExtraLetter, NineLetters };

struct VariantEntry {
  const char* name;      // display name (inner runs of spaces line the menu up)
  const char* helpFile;  // under "aide\"
  int family;            // the family whose menu lists it; 0 for none
  Game game;
  int parameter = 0;  // what the routine takes: a size, a length, a count, a part, a level
  uint8_t wordList = kFrenchWords;
  GridLanguage grid = GridLanguage::None;
  PrintLayout print = PrintLayout::Board;
  // A held '*' is drawn as the eraser (the deconstructed grids, and variant
  // 42 beside them, where no '*' is ever held).
  bool heldStarIsEraser = false;
};

struct FamilyEntry {
  const char* name;
  int firstVariant;
  int variantCount;  // 1: no menu, choosing the family starts its variant
};

extern const VariantEntry variantTable[kVariantCount + 1];
extern const FamilyEntry familyTable[kFamilyCount + 1];

// The row of variant v; entry 0 (Game::None) for a number outside 1-150.
const VariantEntry& Variant(unsigned v);

// How a letter is picked up from the board.
enum class PickRule : uint8_t {
  Alphabet,       // the hangmen: a key of the alphabet is taken for the guess
  CopyPalette,    // palette tiles are copied, grid letters moved
  Deconstructed,  // any playable cell, an erased cell marked for its black tile
  Selection,      // the start of a hidden-word selection
  CutWord,        // the whole half-word between two black cells
  WordRowTiles,   // only the pickable tiles of the word-guess rows
  Move,           // the letter is moved
};

// How a held letter is dropped.
enum class DropRule : uint8_t {
  None,           // the hangmen hold nothing
  Selection,      // closes the hidden-word selection
  Deconstructed,  // an empty cell, a black tile erases, else home
  CutWord,        // the half-word into an empty run
  Replacing,      // over any playable cell; lost off the board
  OnEmpty,        // an empty cell only, else home
};

// How the keyboard plays it.
enum class KeyPlay : uint8_t {
  MouseOnly,  // selections, half-words and rows are not typed a letter at a time
  Alphabet,   // a typed letter clicks its key of the alphabet
  Row,        // a cursor along the answer cells
  Grid,       // a cursor that may also go down the grid
};

// Where the letters a typed key takes are offered.
enum class LetterOffer : uint8_t {
  PaletteCells,   // cells of state 2
  BelowGrid,      // the palette and black tiles under the grid
  RightOfGrid,    // the scrambled copy
  Column2,        // the password's column
  Row10,          // the anagram's letters
  UnderEachLine,  // the row under each answer line
  TopRows,        // the exchanges' pool, rows 1-6
  Row5,           // the nine letters
  Row1,           // the crossing words' letters
};

struct GameRules {
  PickRule pick;
  DropRule drop;
  KeyPlay keys;
  LetterOffer offer;
};

GameRules RulesOf(Game game);

// Whether a game goes in a booklet: its layout, or None and why not (in the
// player's words, for the booklet page and its help).
struct BookletFit {
  BookletLayout layout;
  const char* whyNot;  // empty when it fits
};
BookletFit BookletFitOf(Game game);
BookletLayout BookletLayoutOf(unsigned variant);
// The rules of the variant being played.
GameRules CurrentRules();
Game CurrentGame();
