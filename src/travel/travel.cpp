// PENDING(travel): the travel mode comes with its own issue.
#include "travel/travel.h"

void Chargepays() {}
void StartJourney() {}
void DrawTravelMap() {}
void ContinueJourney() {}
