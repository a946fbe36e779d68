// PENDING(catalogue): placeholder bodies until the catalogue lands.
#include "catalogue/catalogue.h"

void FillCatalogue() {}
void StartVariant(uint8_t) {}
int FamilyFirstVariant(int) { return 1; }
int FamilyVariantCount(int) { return 1; }
