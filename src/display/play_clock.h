// SPDX-License-Identifier: GPL-3.0-or-later
// The play clock of the companion window.
#pragma once
#include <cstdint>
#include <string>

void StartPlayClock();
void StopPlayClock();

// What each help costs on the play clock, in seconds.
inline constexpr int kHintPenaltySeconds = 30;
inline constexpr int kCheckPenaltySeconds = 15;
inline constexpr int kSearchPenaltySeconds = 60;

enum class HelpKind : uint8_t { Hint, Check, Search };
// A help used during a game: counted, its penalty put on the play clock at
// once, and a message saying so. Nothing outside a game under way.
void ChargeHelp(HelpKind kind);
// "2 indices, 1 vérification : +1mn 15s" for the win; empty when no help.
std::string HelpsUsedText();
// The clock waits while a page (help, options, a search, the give-up
// question) is open over the game and while the player is away from the
// window (minimised, or another window has the focus); its next second counts
// from the moment the player comes back.
bool PlayClockWaits();
