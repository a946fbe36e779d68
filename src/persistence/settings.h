// The settings and favourites file.
#pragma once

void ChargeFavoris();
void SauveFavoris();
