// The 150 variants and 30 families, and the start of a variant.
#pragma once
#include <cstdint>

void FillCatalogue();
void StartVariant(uint8_t n);
