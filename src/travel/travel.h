// SPDX-License-Identifier: GPL-3.0-or-later
// The travel mode: a journey of games across a map of countries.
#pragma once

void Chargepays();
void StartJourney();
void DrawTravelMap();
void ContinueJourney();
