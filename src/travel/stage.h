// SPDX-License-Identifier: GPL-3.0-or-later
// The start of a stage: the game of the square the pawn has just entered.
#pragma once

void StartStage();
