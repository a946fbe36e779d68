// SPDX-License-Identifier: GPL-3.0-or-later
// The 10 ms tick of the main window (TForm1::DXTimer1Timer) and what the
// close path needs of it.
#pragma once

// A letter, word or black tile still flying is put on its cell at once.
void LandFlightAtOnce();
