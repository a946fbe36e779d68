// SPDX-License-Identifier: GPL-3.0-or-later
// The 150 variants and 30 families, and the start of a variant.
#pragma once
#include <cstdint>
#include <string>

#include "state/variants.h"

// The help page of the travel map, after the variants' own.
constexpr uint8_t kTravelHelp = kVariantCount + 1;  // the first help index past the variants
// Fills variantName, helpFileName (1-150; 0 is the general help) and
// familyName from the constant tables.
void FillCatalogue();
// Starts variant n (1-150): resets, word lists, title and help.
void StartVariant(uint8_t n);
// Starts variant n on the player's list of that file name ("LISTES\\"),
// under the variant's rules, titled "PENDU 8 lettres / LES FRUITS". False,
// with a message, when the list is gone or too small for the variant; the
// game under way then goes on.
bool StartVariantOnList(uint8_t n, const std::string& file);
// The variant's name without its theme, then " / " and the list's title.
std::string TitleOnList(int variant, const std::string& listTitle);
// Loads the save `name` and the word list its game plays with.
void ResumeSavedGame(const std::string& name);

// The family table: first variant and number of variants its menu lists
// (family 1-30). Used by the game list and the variant menus.
int FamilyFirstVariant(int family);
int FamilyVariantCount(int family);
// The family whose menu lists the variant, 0 for none (variant 150).
int VariantFamily(int variant);
// The word list (code of LoadWordList) a variant plays with after the French
// dictionary: 1 when it keeps the French list.
uint8_t VariantWordList(int variant);
