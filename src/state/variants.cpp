// SPDX-License-Identifier: GPL-3.0-or-later
// The 150 variants, the 30 families of the game list, and the rules of each
// kind of game. A variant row: display name, help file, menu family (0 for
// none), game, its parameter, then its word list, grid file, print layout
// and eraser where they differ from the French list, no grid, the plain
// print and no eraser.
#include "state/variants.h"

#include "state/game_state.h"

const VariantEntry variantTable[kVariantCount + 1] = {
    {"", "", 0, Game::None},
    {"MOTS  CODES 12x12", "MOTS CODES.txt", 1, Game::CodedGrid, 12, kFrenchWords, GridLanguage::French, PrintLayout::CodedGrid},  // 1
    {"MOTS CODES  10x10", "MOTS CODES.txt", 1, Game::CodedGrid, 10, kFrenchWords, GridLanguage::French, PrintLayout::CodedGrid},  // 2
    {"MOTS CODES    8x8", "MOTS CODES.txt", 1, Game::CodedGrid, 8, kFrenchWords, GridLanguage::French, PrintLayout::CodedGrid},  // 3
    {"LE MOT LE PLUS LONG", "LE MOT LE PLUS LONG.txt", 2, Game::LongestWord, 0},  // 4
    {"MOTS  EN CROIX 13 Lettres", "LES MOTS EN CROIX.txt", 3, Game::CrossingWords, 13},  // 5
    {"MOTS EN CROIX  11 Lettres", "LES MOTS EN CROIX.txt", 3, Game::CrossingWords, 11},  // 6
    {"MOTS EN CROIX   9 Lettres", "LES MOTS EN CROIX.txt", 3, Game::CrossingWords, 9},  // 7
    {"PENDU  12 lettres", "LE PENDU.txt", 4, Game::Hangman, 12},  // 8
    {"PENDU  10 lettres", "LE PENDU.txt", 4, Game::Hangman, 10},  // 9
    {"PENDU  8 lettres", "LE PENDU.txt", 4, Game::Hangman, 8},  // 10
    {"MOT  DE PASSE 12 lettres", "LE MOT DE PASSE.txt", 5, Game::Password, 12},  // 11
    {"MOT DE PASSE  10 lettres", "LE MOT DE PASSE.txt", 5, Game::Password, 10},  // 12
    {"MOT DE PASSE   8 lettres", "LE MOT DE PASSE.txt", 5, Game::Password, 8},  // 13
    {"BOURSE AUX VOYELLES 8 Mots", "LA BOURSE AUX VOYELLES.txt", 6, Game::VowelExchange, 8},  // 14
    {"BOURSE AUX VOYELLES 6 Mots", "LA BOURSE AUX VOYELLES.txt", 6, Game::VowelExchange, 6},  // 15
    {"ANAGRAMMES  14 Lettres", "ANAGRAMMES.txt", 7, Game::Anagram, 14},  // 16
    {"ANAGRAMMES  10 Lettres", "ANAGRAMMES.txt", 7, Game::Anagram, 10},  // 17
    {"ANAGRAMMES   6 Lettres", "ANAGRAMMES.txt", 7, Game::Anagram, 6},  // 18
    {"LETTRE EN PLUS  4 Mots", "LA LETTRE EN PLUS.txt", 8, Game::ExtraLetter, 4},  // 19
    {"LETTRE EN PLUS  3 Mots", "LA LETTRE EN PLUS.txt", 8, Game::ExtraLetter, 3},  // 20
    {"LETTRE EN PLUS  2 Mots", "LA LETTRE EN PLUS.txt", 8, Game::ExtraLetter, 2},  // 21
    {"DE L'UN A L'AUTRE 11 Lettres", "DE LUN A LAUTRE.txt", 9, Game::CrossedPair, 11},  // 22
    {"DE L'UN A L'AUTRE  9 Lettres", "DE LUN A LAUTRE.txt", 9, Game::CrossedPair, 9},  // 23
    {"DE L'UN A L'AUTRE  7 Lettres", "DE LUN A LAUTRE.txt", 9, Game::CrossedPair, 7},  // 24
    {"TROISIEME MOT", "TROISIEME MOT.txt", 10, Game::ThirdWord, 0},  // 25
    {"MOTS COUPES 10 mots", "LES MOTS COUPES.txt", 11, Game::CutWords, 10},  // 26
    {"MOTS COUPES  8 mots", "LES MOTS COUPES.txt", 11, Game::CutWords, 8},  // 27
    {"MOTS COUPES  6 mots", "LES MOTS COUPES.txt", 11, Game::CutWords, 6},  // 28
    {"MOTS CASES 12x12", "MOTS CASES.txt", 12, Game::WordPlacement, 12, kFrenchWords, GridLanguage::French},  // 29
    {"MOTS CASES 10x10", "MOTS CASES.txt", 12, Game::WordPlacement, 10, kFrenchWords, GridLanguage::French},  // 30
    {"MOTS CASES   8x8", "MOTS CASES.txt", 12, Game::WordPlacement, 8, kFrenchWords, GridLanguage::French},  // 31
    {"MOTS CASES   6x6", "MOTS CASES.txt", 12, Game::WordPlacement, 6, kFrenchWords, GridLanguage::French},  // 32
    {"MOTS CACHES  12x12", "MOTS CACHES.txt", 13, Game::HiddenWords, 12, kFrenchWords, GridLanguage::French, PrintLayout::HiddenWords},  // 33
    {"MOTS CACHES  10x10", "MOTS CACHES.txt", 13, Game::HiddenWords, 10, kFrenchWords, GridLanguage::French, PrintLayout::HiddenWords},  // 34
    {"MOTS CACHES    8x8", "MOTS CACHES.txt", 13, Game::HiddenWords, 8, kFrenchWords, GridLanguage::French, PrintLayout::HiddenWords},  // 35
    {"MOTS CACHES    6x6", "MOTS CACHES.txt", 13, Game::HiddenWords, 6, kFrenchWords, GridLanguage::French, PrintLayout::HiddenWords},  // 36
    {"GRILLE EN VRAC 8x8", "GRILLE EN VRAC.txt", 14, Game::ScrambledGrid, 8, kFrenchWords, GridLanguage::French},  // 37
    {"GRILLE EN VRAC 6x6", "GRILLE EN VRAC.txt", 14, Game::ScrambledGrid, 6, kFrenchWords, GridLanguage::French},  // 38
    {"BOURSE AUX CONSONNES 4 mots", "BOURSE AUX CONSONNES.txt", 15, Game::ConsonantExchange, 4},  // 39
    {"BOURSE AUX CONSONNES 3 mots", "BOURSE AUX CONSONNES.txt", 15, Game::ConsonantExchange, 3},  // 40
    {"BOURSE AUX CONSONNES 2 mots", "BOURSE AUX CONSONNES.txt", 15, Game::ConsonantExchange, 2},  // 41
    {"BOURSE AUX CONSONNES 1 mot", "BOURSE AUX CONSONNES.txt", 15, Game::ConsonantExchange, 1, kFrenchWords, GridLanguage::None, PrintLayout::Board, true},  // 42
    {"GRILLE DECONSTITUEE 10x10", "GRILLE DECONSTITUEE.txt", 16, Game::DeconstructedGrid, 10, kFrenchWords, GridLanguage::French, PrintLayout::Board, true},  // 43
    {"GRILLE DECONSTITUEE   8x8", "GRILLE DECONSTITUEE.txt", 16, Game::DeconstructedGrid, 8, kFrenchWords, GridLanguage::French, PrintLayout::Board, true},  // 44
    {"GRILLE DECONSTITUEE   6x6", "GRILLE DECONSTITUEE.txt", 16, Game::DeconstructedGrid, 6, kFrenchWords, GridLanguage::French, PrintLayout::Board, true},  // 45
    {"MAXI-MOTS 100/100", "MAXIMOTS.txt", 17, Game::MaxiWords, 1},  // 46
    {"MAXI-MOTS  50/100", "MAXIMOTS.txt", 17, Game::MaxiWords, 2},  // 47
    {"MAXI-MOTS  33/100", "MAXIMOTS.txt", 17, Game::MaxiWords, 3},  // 48
    {"MOTS COMMENCANT PAR...100/100", "MOTS COMM.txt", 18, Game::WordsStartingWith, 1},  // 49
    {"MOTS COMMENCANT PAR... 50/100", "MOTS COMM.txt", 18, Game::WordsStartingWith, 2},  // 50
    {"ZERUZE 6  lettres", "ZERUZE.txt", 19, Game::WordRows, 6},  // 51
    {"ZERUZE 7  lettres", "ZERUZE.txt", 19, Game::WordRows, 7},  // 52
    {"ZERUZE 8  lettres", "ZERUZE.txt", 19, Game::WordRows, 8},  // 53
    {"ZERUZE 9  lettres", "ZERUZE.txt", 19, Game::WordRows, 9},  // 54
    {"ZERUZE 10 lettres", "ZERUZE.txt", 19, Game::WordRows, 10},  // 55
    {"ZERUZE 11 lettres", "ZERUZE.txt", 19, Game::WordRows, 11},  // 56
    {"ZERUZE 12 lettres", "ZERUZE.txt", 19, Game::WordRows, 12},  // 57
    {"ZERUZE 13 lettres", "ZERUZE.txt", 19, Game::WordRows, 13},  // 58
    {"ZERUZE 14 lettres", "ZERUZE.txt", 19, Game::WordRows, 14},  // 59
    {"SOMME DE LETTRES 12x12", "SOMMES.txt", 20, Game::LetterSums, 12, kFrenchWords, GridLanguage::French},  // 60
    {"SOMME DE LETTRES 10x10", "SOMMES.txt", 20, Game::LetterSums, 10, kFrenchWords, GridLanguage::French},  // 61
    {"SOMME DE LETTRES 8x8", "SOMMES.txt", 20, Game::LetterSums, 8, kFrenchWords, GridLanguage::French},  // 62
    {"SOMME DE LETTRES 6x6", "SOMMES.txt", 20, Game::LetterSums, 6, kFrenchWords, GridLanguage::French},  // 63
    {"LETTRES TRES EFFACEES 12x12", "EFFACEES.txt", 21, Game::ErasedLetters, 12, kFrenchWords, GridLanguage::French},  // 64
    {"LETTRES TRES EFFACEES 10x10", "EFFACEES.txt", 21, Game::ErasedLetters, 10, kFrenchWords, GridLanguage::French},  // 65
    {"LETTRES PEU EFFACEES  12x12", "EFFACEES.txt", 21, Game::ErasedLetters, 8, kFrenchWords, GridLanguage::French},  // 66
    {"LETTRES PEU EFFACEES  10x10", "EFFACEES.txt", 21, Game::ErasedLetters, 6, kFrenchWords, GridLanguage::French},  // 67
    {"PENDU PROVERBES ANGLAIS", "PROVERBES.txt", 22, Game::ProverbHangman, 1},  // 68
    {"PENDU PROVERBES FRANCAIS", "PROVERBES.txt", 22, Game::ProverbHangman, 2},  // 69
    {"PENDU PROVERBES ECOSSAIS", "PROVERBES.txt", 22, Game::ProverbHangman, 3},  // 70
    {"PENDU PROVERBES ALLEMANDS", "PROVERBES.txt", 22, Game::ProverbHangman, 4},  // 71
    {"PENDU PROVERBES ESPAGNOLS", "PROVERBES.txt", 22, Game::ProverbHangman, 5},  // 72
    {"PENDU PROVERBES FLAMANDS", "PROVERBES.txt", 22, Game::ProverbHangman, 6},  // 73
    {"PENDU PROVERBES INDIENS", "PROVERBES.txt", 22, Game::ProverbHangman, 7},  // 74
    {"PENDU PROVERBES RUSSES", "PROVERBES.txt", 22, Game::ProverbHangman, 8},  // 75
    {"PROVERBES DE JANVIER", "PROVERBESEFF.txt", 23, Game::MonthProverbs, 1},  // 76
    {"PROVERBES DE FEVRIER", "PROVERBESEFF.txt", 23, Game::MonthProverbs, 2},  // 77
    {"PROVERBES DE MARS", "PROVERBESEFF.txt", 23, Game::MonthProverbs, 3},  // 78
    {"PROVERBES D'AVRIL", "PROVERBESEFF.txt", 23, Game::MonthProverbs, 4},  // 79
    {"PROVERBES DE MAI", "PROVERBESEFF.txt", 23, Game::MonthProverbs, 5},  // 80
    {"PROVERBES DE JUIN", "PROVERBESEFF.txt", 23, Game::MonthProverbs, 6},  // 81
    {"PROVERBES DE JUILLET", "PROVERBESEFF.txt", 23, Game::MonthProverbs, 7},  // 82
    {"PROVERBES D'AOUT", "PROVERBESEFF.txt", 23, Game::MonthProverbs, 8},  // 83
    {"PROVERBES DE SEPTEMBRE", "PROVERBESEFF.txt", 23, Game::MonthProverbs, 9},  // 84
    {"PROVERBES D'OCTOBRE", "PROVERBESEFF.txt", 23, Game::MonthProverbs, 10},  // 85
    {"PROVERBES DE NOVEMBRE", "PROVERBESEFF.txt", 23, Game::MonthProverbs, 11},  // 86
    {"PROVERBES DE DECEMBRE", "PROVERBESEFF.txt", 23, Game::MonthProverbs, 12},  // 87
    {"ENGLISH CROSS 5 LETTRES", "ENGLISHCROSS.txt", 24, Game::CrossingWords, 5, kEnglishWords},  // 88
    {"ENGLISH CROSS 6 LETTRES", "ENGLISHCROSS.txt", 24, Game::CrossingWords, 6, kEnglishWords},  // 89
    {"ENGLISH CROSS 7 LETTRES", "ENGLISHCROSS.txt", 24, Game::CrossingWords, 7, kEnglishWords},  // 90
    {"ENGLISH CROSS 8 LETTRES", "ENGLISHCROSS.txt", 24, Game::CrossingWords, 8, kEnglishWords},  // 91
    {"WORD CODES  12x12", "GRILLES ANGLAISES.txt", 25, Game::CodedGrid, 12, kFrenchWords, GridLanguage::English},  // 92
    {"WORD CODES  10x10", "WORDCODES.txt", 25, Game::CodedGrid, 10, kFrenchWords, GridLanguage::English},  // 93
    {"WORD CODES    8x8", "WORDCODES.txt", 25, Game::CodedGrid, 8, kFrenchWords, GridLanguage::English},  // 94
    {"WORD TO PUT 12x12", "WORDTOPUT.txt", 25, Game::WordPlacement, 12, kFrenchWords, GridLanguage::English},  // 95
    {"WORD TO PUT 10x10", "WORDTOPUT.txt", 25, Game::WordPlacement, 10, kFrenchWords, GridLanguage::English},  // 96
    {"WORD TO PUT   8x8", "WORDTOPUT.txt", 25, Game::WordPlacement, 8, kFrenchWords, GridLanguage::English},  // 97
    {"WORD TO PUT   6x6", "WORDTOPUT.txt", 25, Game::WordPlacement, 6, kFrenchWords, GridLanguage::English},  // 98
    {"HIDDEN WORDS 12x12", "HIDDENWORDS.txt", 25, Game::HiddenWords, 12, kFrenchWords, GridLanguage::English, PrintLayout::HiddenWords},  // 99
    {"HIDDEN WORDS 10x10", "HIDDENWORDS.txt", 25, Game::HiddenWords, 10, kFrenchWords, GridLanguage::English, PrintLayout::HiddenWords},  // 100
    {"HIDDEN WORDS   8x8", "HIDDENWORDS.txt", 25, Game::HiddenWords, 8, kFrenchWords, GridLanguage::English, PrintLayout::HiddenWords},  // 101
    {"HIDDEN WORDS   6x6", "HIDDENWORDS.txt", 25, Game::HiddenWords, 6, kFrenchWords, GridLanguage::English, PrintLayout::HiddenWords},  // 102
    {"MIXWORD 8x8", "MIXWORD.txt", 25, Game::ScrambledGrid, 8, kFrenchWords, GridLanguage::English},  // 103
    {"MIXWORD 6x6", "MIXWORD.txt", 25, Game::ScrambledGrid, 6, kFrenchWords, GridLanguage::English},  // 104
    {"MOTS COUPES 10 mots / ARBRES", "THEMES.txt", 26, Game::CutWords, 10, kTreeWords},  // 105
    {"MOTS COUPES 8  mots / ARBRES", "LES MOTS COUPES.txt", 26, Game::CutWords, 8, kTreeWords},  // 106
    {"MOTS COUPES 6  mots / ARBRES", "LES MOTS COUPES.txt", 26, Game::CutWords, 6, kTreeWords},  // 107
    {"ZERUZE 6 Lettres / ARBRES", "ZERUZE.txt", 26, Game::WordRows, 6, kTreeWords},  // 108
    {"ZERUZE 7 Lettres / ARBRES", "ZERUZE.txt", 26, Game::WordRows, 7, kTreeWords},  // 109
    {"ZERUZE 8 Lettres / ARBRES", "ZERUZE.txt", 26, Game::WordRows, 8, kTreeWords},  // 110
    {"ZERUZE 9 Lettres / ARBRES", "ZERUZE.txt", 26, Game::WordRows, 9, kTreeWords},  // 111
    {"PENDU 12 Lettres / ARBRES", "LE PENDU.txt", 26, Game::Hangman, 12, kTreeWords},  // 112
    {"PENDU 10 Lettres / ARBRES", "LE PENDU.txt", 26, Game::Hangman, 10, kTreeWords},  // 113
    {"PENDU  8 Lettres / ARBRES", "LE PENDU.txt", 26, Game::Hangman, 8, kTreeWords},  // 114
    {"MOTS COUPES 10 mots / FLEURS", "THEMES.txt", 27, Game::CutWords, 10, kFlowerWords},  // 115
    {"MOTS COUPES 8  mots / FLEURS", "LES MOTS COUPES.txt", 27, Game::CutWords, 8, kFlowerWords},  // 116
    {"MOTS COUPES 6  mots / FLEURS", "LES MOTS COUPES.txt", 27, Game::CutWords, 6, kFlowerWords},  // 117
    {"ZERUZE 6 Lettres / FLEURS", "ZERUZE.txt", 27, Game::WordRows, 6, kFlowerWords},  // 118
    {"ZERUZE 7 Lettres / FLEURS", "ZERUZE.txt", 27, Game::WordRows, 7, kFlowerWords},  // 119
    {"ZERUZE 8 Lettres / FLEURS", "ZERUZE.txt", 27, Game::WordRows, 8, kFlowerWords},  // 120
    {"ZERUZE 9 Lettres / FLEURS", "ZERUZE.txt", 27, Game::WordRows, 9, kFlowerWords},  // 121
    {"PENDU 12 Lettres / FLEURS", "LE PENDU.txt", 27, Game::Hangman, 12, kFlowerWords},  // 122
    {"PENDU 10 Lettres / FLEURS", "LE PENDU.txt", 27, Game::Hangman, 10, kFlowerWords},  // 123
    {"PENDU  8 Lettres / FLEURS", "LE PENDU.txt", 27, Game::Hangman, 8, kFlowerWords},  // 124
    {"MOTS COUPES 10 mots / ANIMAUX", "THEMES.txt", 28, Game::CutWords, 10, kAnimalWords},  // 125
    {"MOTS COUPES 8  mots / ANIMAUX", "LES MOTS COUPES.txt", 28, Game::CutWords, 8, kAnimalWords},  // 126
    {"MOTS COUPES 6  mots / ANIMAUX", "LES MOTS COUPES.txt", 28, Game::CutWords, 6, kAnimalWords},  // 127
    {"ZERUZE 6 Lettres / ANIMAUX", "ZERUZE.txt", 28, Game::WordRows, 6, kAnimalWords},  // 128
    {"ZERUZE 7 Lettres / ANIMAUX", "ZERUZE.txt", 28, Game::WordRows, 7, kAnimalWords},  // 129
    {"ZERUZE 8 Lettres / ANIMAUX", "ZERUZE.txt", 28, Game::WordRows, 8, kAnimalWords},  // 130
    {"ZERUZE 9 Lettres / ANIMAUX", "ZERUZE.txt", 28, Game::WordRows, 9, kAnimalWords},  // 131
    {"PENDU 12 Lettres / ANIMAUX", "LE PENDU.txt", 28, Game::Hangman, 12, kAnimalWords},  // 132
    {"PENDU 10 Lettres / ANIMAUX", "LE PENDU.txt", 28, Game::Hangman, 10, kAnimalWords},  // 133
    {"PENDU  8 Lettres / ANIMAUX", "LE PENDU.txt", 28, Game::Hangman, 8, kAnimalWords},  // 134
    {"MOTS COUPES 10 mots / PAYS", "THEMES.txt", 29, Game::CutWords, 10, kCountryWords},  // 135
    {"MOTS COUPES 8  mots / PAYS", "LES MOTS COUPES.txt", 29, Game::CutWords, 8, kCountryWords},  // 136
    {"MOTS COUPES 6  mots / PAYS", "LES MOTS COUPES.txt", 29, Game::CutWords, 6, kCountryWords},  // 137
    {"ZERUZE 6 Lettres / PAYS", "ZERUZE.txt", 29, Game::WordRows, 6, kCountryWords},  // 138
    {"ZERUZE 7 Lettres / PAYS", "ZERUZE.txt", 29, Game::WordRows, 7, kCountryWords},  // 139
    {"ZERUZE 8 Lettres / PAYS", "ZERUZE.txt", 29, Game::WordRows, 8, kCountryWords},  // 140
    {"ZERUZE 9 Lettres / PAYS", "ZERUZE.txt", 29, Game::WordRows, 9, kCountryWords},  // 141
    {"PENDU 12 Lettres / PAYS", "LE PENDU.txt", 29, Game::Hangman, 12, kCountryWords},  // 142
    {"PENDU 10 Lettres / PAYS", "LE PENDU.txt", 29, Game::Hangman, 10, kCountryWords},  // 143
    {"PENDU  8 Lettres / PAYS", "LE PENDU.txt", 29, Game::Hangman, 8, kCountryWords},  // 144
    {"14 MOTS EMPILES", "MOTS EMPILES.txt", 30, Game::StackedWords, 14},  // 145
    {"13 MOTS EMPILES", "MOTS EMPILES.txt", 30, Game::StackedWords, 13},  // 146
    {"12 MOTS EMPILES", "MOTS EMPILES.txt", 30, Game::StackedWords, 12},  // 147
    {"11 MOTS EMPILES", "MOTS EMPILES.txt", 30, Game::StackedWords, 11},  // 148
    {"10 MOTS EMPILES", "MOTS EMPILES.txt", 30, Game::StackedWords, 10},  // 149
    {"9 MOTS EMPILES", "MOTS EMPILES.txt", 0, Game::StackedWords, 9},  // 150
};

// The 30 families in the order of the game list: name, first variant and
// the number of variants its menu lists (first, first + 1, ...).
const FamilyEntry familyTable[kFamilyCount + 1] = {
    {"", 0, 0},
    {"MOTS CODES", 1, 3},  // 1
    {"LE MOT LE PLUS LONG", 4, 1},  // 2
    {"MOTS EN CROIX", 5, 3},  // 3
    {"LE PENDU", 8, 3},  // 4
    {"MOT DE PASSE", 11, 3},  // 5
    {"BOURSE AUX VOYELLES", 14, 2},  // 6
    {"ANAGRAMMES", 16, 3},  // 7
    {"LETTRE EN PLUS", 19, 3},  // 8
    {"DE L'UN A L'AUTRE", 22, 3},  // 9
    {"TROISIEME MOT", 25, 1},  // 10
    {"MOTS COUPES", 26, 3},  // 11
    {"MOTS CASES", 29, 4},  // 12
    {"MOTS CACHES", 33, 4},  // 13
    {"GRILLE EN VRAC", 37, 2},  // 14
    {"BOURSE AUX CONSONNES", 39, 4},  // 15
    {"GRILLE DECONSTITUEE", 43, 3},  // 16
    {"MAXI-MOTS", 46, 3},  // 17
    {"MOTS COMMENCANT PAR", 49, 2},  // 18
    {"ZERUZE", 51, 9},  // 19
    {"SOMMES DE LETTRES", 60, 4},  // 20
    {"LETTRES EFFACEES", 64, 4},  // 21
    {"PROVERBES PENDUS", 68, 8},  // 22
    {"PROVERBES EFFACES", 76, 12},  // 23
    {"ENGLISH CROSS", 88, 4},  // 24
    {"GRILLES ANGLAISES", 92, 13},  // 25
    {"THEME ARBRES", 105, 10},  // 26
    {"THEME FLEURS", 115, 10},  // 27
    {"THEME ANIMAUX", 125, 10},  // 28
    {"THEME PAYS", 135, 10},  // 29
    {"MOTS EMPILES", 145, 5},  // 30
};

const VariantEntry& Variant(unsigned v) { return v >= 1 && v <= kVariantCount ? variantTable[v] : variantTable[0]; }

GameRules RulesOf(Game game) {
  using P = PickRule;
  using D = DropRule;
  using K = KeyPlay;
  using O = LetterOffer;
  // No default: a new game fails the build (-Werror=switch) until it has its rules.
  switch (game) {
    case Game::None: return {P::Move, D::OnEmpty, K::MouseOnly, O::PaletteCells};
    case Game::CodedGrid: return {P::CopyPalette, D::Replacing, K::Grid, O::PaletteCells};
    case Game::LongestWord: return {P::Move, D::OnEmpty, K::Row, O::Row5};
    case Game::CrossingWords: return {P::Move, D::OnEmpty, K::Grid, O::Row1};
    case Game::Hangman: return {P::Alphabet, D::None, K::Alphabet, O::PaletteCells};
    case Game::Password: return {P::Move, D::OnEmpty, K::Row, O::Column2};
    case Game::VowelExchange: return {P::Move, D::OnEmpty, K::Row, O::TopRows};
    case Game::Anagram: return {P::Move, D::OnEmpty, K::Row, O::Row10};
    case Game::ExtraLetter: return {P::Move, D::OnEmpty, K::Row, O::UnderEachLine};
    case Game::CrossedPair: return {P::CopyPalette, D::Replacing, K::Grid, O::PaletteCells};
    case Game::ThirdWord: return {P::CopyPalette, D::Replacing, K::Row, O::PaletteCells};
    case Game::CutWords: return {P::CutWord, D::CutWord, K::MouseOnly, O::PaletteCells};
    case Game::WordPlacement: return {P::CopyPalette, D::Replacing, K::Grid, O::PaletteCells};
    case Game::HiddenWords: return {P::Selection, D::Selection, K::MouseOnly, O::PaletteCells};
    case Game::ScrambledGrid: return {P::Move, D::OnEmpty, K::Grid, O::RightOfGrid};
    case Game::ConsonantExchange: return {P::Move, D::OnEmpty, K::Row, O::TopRows};
    case Game::DeconstructedGrid: return {P::Deconstructed, D::Deconstructed, K::Grid, O::BelowGrid};
    case Game::MaxiWords: return {P::Move, D::OnEmpty, K::Row, O::Row5};
    case Game::WordsStartingWith: return {P::Move, D::OnEmpty, K::Row, O::Row5};
    case Game::WordRows: return {P::WordRowTiles, D::OnEmpty, K::Row, O::PaletteCells};
    case Game::LetterSums: return {P::Move, D::Replacing, K::Grid, O::PaletteCells};
    case Game::ErasedLetters: return {P::Move, D::Replacing, K::Grid, O::PaletteCells};
    case Game::ProverbHangman: return {P::Alphabet, D::None, K::Alphabet, O::PaletteCells};
    case Game::MonthProverbs: return {P::Move, D::Replacing, K::Row, O::PaletteCells};
    case Game::StackedWords: return {P::Move, D::OnEmpty, K::MouseOnly, O::PaletteCells};
  }
  return {P::Move, D::OnEmpty, K::MouseOnly, O::PaletteCells};
}

BookletFit BookletFitOf(Game game) {
  using L = BookletLayout;
  // Played on paper: what the screen gives at the start is all one needs.
  // Out: what needs the game's answers after each try, or has no page yet.
  constexpr const char* kAnswersEachTry = "chaque essai attend la réponse du jeu";
  constexpr const char* kNoPageYet = "pas encore de mise en page sur papier";
  switch (game) {
    case Game::None: return {L::None, "aucun jeu"};
    case Game::CodedGrid: return {L::CodedGrid, ""};
    case Game::WordPlacement: return {L::WordPlacement, ""};
    case Game::HiddenWords: return {L::HiddenWords, ""};
    case Game::Hangman: return {L::Blanks, ""};
    case Game::ProverbHangman: return {L::Blanks, ""};
    case Game::MonthProverbs: return {L::Blanks, ""};
    case Game::Anagram: return {L::Anagram, ""};
    case Game::ExtraLetter: return {L::ExtraLetter, ""};
    case Game::LongestWord: return {L::NineLetters, ""};
    case Game::MaxiWords: return {L::NineLetters, ""};
    case Game::WordsStartingWith: return {L::NineLetters, ""};
    case Game::Password: return {L::None, kAnswersEachTry};
    case Game::WordRows: return {L::None, kAnswersEachTry};
    case Game::CrossingWords: return {L::None, kNoPageYet};
    case Game::VowelExchange: return {L::None, kNoPageYet};
    case Game::CrossedPair: return {L::None, kNoPageYet};
    case Game::ThirdWord: return {L::None, kNoPageYet};
    case Game::CutWords: return {L::None, kNoPageYet};
    case Game::ScrambledGrid: return {L::None, kNoPageYet};
    case Game::ConsonantExchange: return {L::None, kNoPageYet};
    case Game::DeconstructedGrid: return {L::None, kNoPageYet};
    case Game::LetterSums: return {L::None, kNoPageYet};
    case Game::ErasedLetters: return {L::None, kNoPageYet};
    case Game::StackedWords: return {L::None, kNoPageYet};
  }
  return {L::None, kNoPageYet};
}

BookletLayout BookletLayoutOf(unsigned variant) { return BookletFitOf(Variant(variant).game).layout; }

Game CurrentGame() { return Variant(G.currentVariant).game; }
GameRules CurrentRules() { return RulesOf(CurrentGame()); }
