// PENDING(catalogue): placeholder bodies until the catalogue lands.
#include "catalogue/catalogue.h"

void FillCatalogue() {}
void StartVariant(uint8_t) {}
