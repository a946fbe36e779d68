// SPDX-License-Identifier: GPL-3.0-or-later
// The largest single allocation made while a piece of code runs: through the
// sanitizers' allocation hook in a sanitized build, through malloc itself
// otherwise.
#pragma once
#include <cstddef>

void StartWatchingAllocations();
// The largest request since StartWatchingAllocations.
size_t LargestAllocation();
