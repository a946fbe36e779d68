// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ends a hold: nothing carried, a carried word laid out horizontally again.
void DropHeldLetters();
