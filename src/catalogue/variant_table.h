// SPDX-License-Identifier: GPL-3.0-or-later
// The constant tables of the catalogue, by variant 1-150 and family 1-30
// (entry 0 of each is unused).
#pragma once

struct VariantEntry {
  const char* name;
  const char* helpFile;
  int family;  // 0: listed by no family menu
};

struct FamilyEntry {
  const char* name;
  int firstVariant;
  int variantCount;  // 1: no menu, choosing the family starts its variant
};

extern const VariantEntry variantTable[151];
extern const FamilyEntry familyTable[31];
