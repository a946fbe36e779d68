// SPDX-License-Identifier: GPL-3.0-or-later
// The code of a puzzle: its variant, the seed of the board's generator and
// the version of the puzzle data, written to be read aloud and typed, as
// "043-K7Q2-34": the variant in three digits, four characters of seed, one
// of data version and one that checks the others. The letters leave out
// O and I, and the digits 0 and 1, so that nothing reads as something else.
#pragma once
#include <cstdint>
#include <string>

// Seeds run from 0 to kPuzzleSeedCount - 1 (four characters of 5 bits).
inline constexpr uint32_t kPuzzleSeedCount = 1u << 20;
// The puzzle data and builders of this version: a code made by another
// version may build another board, so it is refused. Raise it whenever a
// builder draws differently or a word list, grid or proverb file changes.
inline constexpr int kPuzzleDataVersion = 1;

struct PuzzleKey {
  int variant = 0;    // 1-150
  uint32_t seed = 0;  // 0 ... kPuzzleSeedCount - 1
};

enum class CodeFault { None, Incomplete, TooLong, UnknownCharacter, WrongCheck, OtherVersion, UnknownVariant };

// The written form, "043-K7Q2-34".
std::string PuzzleCodeText(const PuzzleKey& key);
// Reads a code as a person types it: small letters, spaces and dashes
// anywhere, O for 0 and I or L for 1 in the three digits.
CodeFault ReadPuzzleCode(const std::string& typed, PuzzleKey& key);
// What is wrong, in the player's words ("code incomplet", ...).
std::string CodeFaultText(CodeFault fault);
// The symbols of a typed code kept so far (at most the nine of a code),
// upper case, without dashes; what the code page shows and extends.
std::string CodeSymbols(const std::string& typed);
// The symbols laid out as a code, "043-K7Q" while it is being typed.
std::string CodeWithDashes(const std::string& symbols);

// The code of the board being played; empty when no game runs or its seed
// is not known (a game saved before codes existed).
std::string PuzzleCode();
