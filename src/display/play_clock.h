// SPDX-License-Identifier: GPL-3.0-or-later
// The play clock of the companion window.
#pragma once
#include <cstdint>
#include <string>

void StartPlayClock();
void StopPlayClock();
