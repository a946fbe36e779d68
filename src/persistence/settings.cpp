// PENDING(settings): the settings file comes with its own issue.
#include "persistence/settings.h"

void ChargeFavoris() {}
void SauveFavoris() {}
