// SPDX-License-Identifier: GPL-3.0-or-later
// The check of a saved game's record file before anything of it is used: a
// file of the wrong size, or whose variant, texts, coordinates or counts lie
// outside what the program can make, is refused.
#pragma once
#include <memory>
#include <string>

#include "state/game_state.h"

#pragma pack(push, 1)
// The record file's layout: the four saved records one after the other.
struct SavedImage {
  BoardRecord board;
  MainRecord main;
  TravelRecord travel;
  ClockRecord clock;
};
#pragma pack(pop)
static_assert(sizeof(SavedImage) == 70823);

// The image held in `bytes`, or null when it is not sound; `why` then names
// the first field found out of range, for the log.
std::unique_ptr<SavedImage> CheckedSavedImage(const std::string& bytes, std::string& why);
