// The 150 variants and 30 families, and the start of a variant.
#pragma once
#include <cstdint>

void FillCatalogue();
void StartVariant(uint8_t n);

// The family table: first variant and number of variants its menu lists
// (family 1-30). Used by the game list and the variant menus.
int FamilyFirstVariant(int family);
int FamilyVariantCount(int family);
