// SPDX-License-Identifier: GPL-3.0-or-later
// The 150 variants: display name (its inner runs of spaces line the menu
// columns up), help file, and the family whose menu lists it (0 for none).
#include "catalogue/variant_table.h"

const VariantEntry variantTable[151] = {
    {"", "", 0},
    {"MOTS  CODES 12x12", "MOTS CODES.txt", 1},  // 1
    {"MOTS CODES  10x10", "MOTS CODES.txt", 1},  // 2
    {"MOTS CODES    8x8", "MOTS CODES.txt", 1},  // 3
    {"LE MOT LE PLUS LONG", "LE MOT LE PLUS LONG.txt", 2},  // 4
    {"MOTS  EN CROIX 13 Lettres", "LES MOTS EN CROIX.txt", 3},  // 5
    {"MOTS EN CROIX  11 Lettres", "LES MOTS EN CROIX.txt", 3},  // 6
    {"MOTS EN CROIX   9 Lettres", "LES MOTS EN CROIX.txt", 3},  // 7
    {"PENDU  12 lettres", "LE PENDU.txt", 4},  // 8
    {"PENDU  10 lettres", "LE PENDU.txt", 4},  // 9
    {"PENDU  8 lettres", "LE PENDU.txt", 4},  // 10
    {"MOT  DE PASSE 12 lettres", "LE MOT DE PASSE.txt", 5},  // 11
    {"MOT DE PASSE  10 lettres", "LE MOT DE PASSE.txt", 5},  // 12
    {"MOT DE PASSE   8 lettres", "LE MOT DE PASSE.txt", 5},  // 13
    {"BOURSE AUX VOYELLES 8 Mots", "LA BOURSE AUX VOYELLES.txt", 6},  // 14
    {"BOURSE AUX VOYELLES 6 Mots", "LA BOURSE AUX VOYELLES.txt", 6},  // 15
    {"ANAGRAMMES  14 Lettres", "ANAGRAMMES.txt", 7},  // 16
    {"ANAGRAMMES  10 Lettres", "ANAGRAMMES.txt", 7},  // 17
    {"ANAGRAMMES   6 Lettres", "ANAGRAMMES.txt", 7},  // 18
    {"LETTRE EN PLUS  4 Mots", "LA LETTRE EN PLUS.txt", 8},  // 19
    {"LETTRE EN PLUS  3 Mots", "LA LETTRE EN PLUS.txt", 8},  // 20
    {"LETTRE EN PLUS  2 Mots", "LA LETTRE EN PLUS.txt", 8},  // 21
    {"DE l'UN A L'AUTRE 11 Lettres", "DE LUN A LAUTRE.txt", 9},  // 22
    {"DE l'UN A L'AUTRE  9 Lettres", "DE LUN A LAUTRE.txt", 9},  // 23
    {"DE l'UN A L'AUTRE  7 Lettres", "DE LUN A LAUTRE.txt", 9},  // 24
    {"TROISIEME MOT", "TROISIEME MOT.txt", 10},  // 25
    {"MOTS COUPES 10 mots", "LES MOTS COUPES.txt", 11},  // 26
    {"MOTS COUPES  8 mots", "LES MOTS COUPES.txt", 11},  // 27
    {"MOTS COUPES  6 mots", "LES MOTS COUPES.txt", 11},  // 28
    {"MOTS CASES 12x12", "MOTS CASES.txt", 12},  // 29
    {"MOTS CASES 10x10", "MOTS CASES.txt", 12},  // 30
    {"MOTS CASES   8x8", "MOTS CASES.txt", 12},  // 31
    {"MOTS CASES   6x6", "MOTS CASES.txt", 12},  // 32
    {"MOTS CACHES  12x12", "MOTS CACHES.txt", 13},  // 33
    {"MOTS CACHES  10x10", "MOTS CACHES.txt", 13},  // 34
    {"MOTS CACHES    8x8", "MOTS CACHES.txt", 13},  // 35
    {"MOTS CACHES    6x6", "MOTS CACHES.txt", 13},  // 36
    {"GRILLE EN VRAC 8x8", "GRILLE EN VRAC.txt", 14},  // 37
    {"GRILLE EN VRAC 6x6", "GRILLE EN VRAC.txt", 14},  // 38
    {"BOURSE AUX CONSONNES 4 mots", "BOURSE AUX CONSONNES.txt", 15},  // 39
    {"BOURSE AUX CONSONNES 3 mots", "BOURSE AUX CONSONNES.txt", 15},  // 40
    {"BOURSE AUX CONSONNES 2 mots", "BOURSE AUX CONSONNES.txt", 15},  // 41
    {"BOURSE AUX CONSONNES 1 mot", "BOURSE AUX CONSONNES.txt", 15},  // 42
    {"GRILLE DECONSTITUEE 10x10", "GRILLE DECONSTITUEE.txt", 16},  // 43
    {"GRILLE DECONSTITUEE   8x8", "GRILLE DECONSTITUEE.txt", 16},  // 44
    {"GRILLE DECONSTITUEE   6x6", "GRILLE DECONSTITUEE.txt", 16},  // 45
    {"MAXI-MOTS 100/100", "MAXIMOTS.txt", 17},  // 46
    {"MAXI-MOTS  50/100", "MAXIMOTS.txt", 17},  // 47
    {"MAXI-MOTS  33/100", "MAXIMOTS.txt", 17},  // 48
    {"MOTS COMMENCANT PAR...100/100", "MOTS COMM.txt", 18},  // 49
    {"MOTS COMMENCANT PAR... 50/100", "MOTS COMM.txt", 18},  // 50
    {"ZERUZE 6  lettres", "ZERUZE.txt", 19},  // 51
    {"ZERUZE 7  lettres", "ZERUZE.txt", 19},  // 52
    {"ZERUZE 8  lettres", "ZERUZE.txt", 19},  // 53
    {"ZERUZE 9  lettres", "ZERUZE.txt", 19},  // 54
    {"ZERUZE 10 lettres", "ZERUZE.txt", 19},  // 55
    {"ZERUZE 11 lettres", "ZERUZE.txt", 19},  // 56
    {"ZERUZE 12 lettres", "ZERUZE.txt", 19},  // 57
    {"ZERUZE 13 lettres", "ZERUZE.txt", 19},  // 58
    {"ZERUZE 14 lettres", "ZERUZE.txt", 19},  // 59
    {"SOMME DE LETTRES 12x12", "SOMMES.txt", 20},  // 60
    {"SOMME DE LETTRES 10x10", "SOMMES.txt", 20},  // 61
    {"SOMME DE LETTRES 8x8", "SOMMES.txt", 20},  // 62
    {"SOMME DE LETTRES 6x6", "SOMMES.txt", 20},  // 63
    {"LETTRES TRES EFFACEES 12x12", "EFFACEES.txt", 21},  // 64
    {"LETTRES TRES EFFACEES 10x10", "EFFACEES.txt", 21},  // 65
    {"LETTRES PEU EFFACEES  12x12", "EFFACEES.txt", 21},  // 66
    {"LETTRES PEU EFFACEES  10x12", "EFFACEES.txt", 21},  // 67
    {"PENDU PROVERBES ANGLAIS", "PROVERBES.txt", 22},  // 68
    {"PENDU PROVERBES FRANCAIS", "PROVERBES.txt", 22},  // 69
    {"PENDU PROVERBES ECOSSAIS", "PROVERBES.txt", 22},  // 70
    {"PENDU PROVERBES ALLEMANDS", "PROVERBES.txt", 22},  // 71
    {"PENDU PROVERBES ESPAGNOLS", "PROVERBES.txt", 22},  // 72
    {"PENDU PROVERBES FLAMANDS", "PROVERBES.txt", 22},  // 73
    {"PENDU PROVERBES INDIENS", "PROVERBES.txt", 22},  // 74
    {"PENDU PROVERBES RUSSES", "PROVERBES.txt", 22},  // 75
    {"PROVERBES DE JANVIER", "PROVERBESEFF.txt", 23},  // 76
    {"PROVERBES DE FEVRIER", "PROVERBESEFF.txt", 23},  // 77
    {"PROVERBES DE MARS", "PROVERBESEFF.txt", 23},  // 78
    {"PROVERBES D'AVRIL", "PROVERBESEFF.txt", 23},  // 79
    {"PROVERBES DE MAI", "PROVERBESEFF.txt", 23},  // 80
    {"PROVERBES DE JUIN", "PROVERBESEFF.txt", 23},  // 81
    {"PROVERBES DE JUILLET", "PROVERBESEFF.txt", 23},  // 82
    {"PROVERBES D'AOUT", "PROVERBESEFF.txt", 23},  // 83
    {"PROVERBES DE SEPTEMBRE", "PROVERBESEFF.txt", 23},  // 84
    {"PROVERBES D'OCTOBRE", "PROVERBESEFF.txt", 23},  // 85
    {"PROVERBES DE NOVEMBRE", "PROVERBESEFF.txt", 23},  // 86
    {"PROVERBES DE DECEMBRE", "PROVERBESEFF.txt", 23},  // 87
    {"ENGLISH CROSS 5 LETTRES", "ENGLISHCROSS.txt", 24},  // 88
    {"ENGLISH CROSS 6 LETTRES", "ENGLISHCROSS.txt", 24},  // 89
    {"ENGLISH CROSS 7 LETTRES", "ENGLISHCROSS.txt", 24},  // 90
    {"ENGLISH CROSS 8 LETTRES", "ENGLISHCROSS.txt", 24},  // 91
    {"WORD CODES  12x12", "GRILLES ANGLAISES.txt", 25},  // 92
    {"WORD CODES  10x10", "WORDCODES.txt", 25},  // 93
    {"WORD CODES    8x8", "WORDCODES.txt", 25},  // 94
    {"WORD TO PUT 12x12", "WORDTOPUT.txt", 25},  // 95
    {"WORD TO PUT 10x10", "WORDTOPUT.txt", 25},  // 96
    {"WORD TO PUT   8x8", "WORDTOPUT.txt", 25},  // 97
    {"WORD TO PUT   6x6", "WORDTOPUT.txt", 25},  // 98
    {"HIDDEN WORDS 12x12", "HIDDENWORDS.txt", 25},  // 99
    {"HIDDEN WORDS 10x10", "HIDDENWORDS.txt", 25},  // 100
    {"HIDDEN WORDS   8x8", "HIDDENWORDS.txt", 25},  // 101
    {"HIDDEN WORDS   6x6", "HIDDENWORDS.txt", 25},  // 102
    {"MIXWORD 8x8", "MIXWORD.txt", 25},  // 103
    {"MIXWORD 6x6", "MIXWORD.txt", 25},  // 104
    {"MOTS COUPES 10 mots / ARBRES", "THEMES.txt", 26},  // 105
    {"MOTS COUPES 8  mots / ARBRES", "LES MOTS COUPES.txt", 26},  // 106
    {"MOTS COUPES 6  mots / ARBRES", "LES MOTS COUPES.txt", 26},  // 107
    {"ZERUZE 6 Lettres / ARBRES", "ZERUZE.txt", 26},  // 108
    {"ZERUZE 7 Lettres / ARBRES", "ZERUZE.txt", 26},  // 109
    {"ZERUZE 8 Lettres / ARBRES", "ZERUZE.txt", 26},  // 110
    {"ZERUZE 9 Lettres / ARBRES", "ZERUZE.txt", 26},  // 111
    {"PENDU 12 Lettres / ARBRES", "LE PENDU.txt", 26},  // 112
    {"PENDU 10 Lettres / ARBRES", "LE PENDU.txt", 26},  // 113
    {"PENDU  8 Lettres / ARBRES", "LE PENDU.txt", 26},  // 114
    {"MOTS COUPES 10 mots / FLEURS", "THEMES.txt", 27},  // 115
    {"MOTS COUPES 8  mots / FLEURS", "LES MOTS COUPES.txt", 27},  // 116
    {"MOTS COUPES 6  mots / FLEURS", "LES MOTS COUPES.txt", 27},  // 117
    {"ZERUZE 6 Lettres / FLEURS", "ZERUZE.txt", 27},  // 118
    {"ZERUZE 7 Lettres / FLEURS", "ZERUZE.txt", 27},  // 119
    {"ZERUZE 8 Lettres / FLEURS", "ZERUZE.txt", 27},  // 120
    {"ZERUZE 9 Lettres / FLEURS", "ZERUZE.txt", 27},  // 121
    {"PENDU 12 Lettres / FLEURS", "LE PENDU.txt", 27},  // 122
    {"PENDU 10 Lettres / FLEURS", "LE PENDU.txt", 27},  // 123
    {"PENDU  8 Lettres / FLEURS", "LE PENDU.txt", 27},  // 124
    {"MOTS COUPES 10 mots / ANIMAUX", "THEMES.txt", 28},  // 125
    {"MOTS COUPES 8  mots / ANIMAUX", "LES MOTS COUPES.txt", 28},  // 126
    {"MOTS COUPES 6  mots / ANIMAUX", "LES MOTS COUPES.txt", 28},  // 127
    {"ZERUZE 6 Lettres / ANIMAUX", "ZERUZE.txt", 28},  // 128
    {"ZERUZE 7 Lettres / ANIMAUX", "ZERUZE.txt", 28},  // 129
    {"ZERUZE 8 Lettres / ANIMAUX", "ZERUZE.txt", 28},  // 130
    {"ZERUZE 9 Lettres / ANIMAUX", "ZERUZE.txt", 28},  // 131
    {"PENDU 12 Lettres / ANIMAUX", "LE PENDU.txt", 28},  // 132
    {"PENDU 10 Lettres / ANIMAUX", "LE PENDU.txt", 28},  // 133
    {"PENDU  8 Lettres / ANIMAUX", "LE PENDU.txt", 28},  // 134
    {"MOTS COUPES 10 mots / PAYS", "THEMES.txt", 29},  // 135
    {"MOTS COUPES 8  mots / PAYS", "LES MOTS COUPES.txt", 29},  // 136
    {"MOTS COUPES 6  mots / PAYS", "LES MOTS COUPES.txt", 29},  // 137
    {"ZERUZE 6 Lettres / PAYS", "ZERUZE.txt", 29},  // 138
    {"ZERUZE 7 Lettres / PAYS", "ZERUZE.txt", 29},  // 139
    {"ZERUZE 8 Lettres / PAYS", "ZERUZE.txt", 29},  // 140
    {"ZERUZE 9 Lettres / PAYS", "ZERUZE.txt", 29},  // 141
    {"PENDU 12 Lettres / PAYS", "LE PENDU.txt", 29},  // 142
    {"PENDU 10 Lettres / PAYS", "LE PENDU.txt", 29},  // 143
    {"PENDU  8 Lettres / PAYS", "LE PENDU.txt", 29},  // 144
    {"14 MOTS EMPILES", "MOTS EMPILES.txt", 30},  // 145
    {"13 MOTS EMPILES", "MOTS EMPILES.txt", 30},  // 146
    {"12 MOTS EMPILES", "MOTS EMPILES.txt", 30},  // 147
    {"11 MOTS EMPILES", "MOTS EMPILES.txt", 30},  // 148
    {"10 MOTS EMPILES", "MOTS EMPILES.txt", 30},  // 149
    {"9 MOTS EMPILES", "MOTS EMPILES.txt", 0},  // 150
};

// The 30 families in the order of the game list: name, first variant and
// the number of variants its menu lists (first, first + 1, ...).
const FamilyEntry familyTable[31] = {
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
