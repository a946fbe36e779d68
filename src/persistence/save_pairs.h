// SPDX-License-Identifier: GPL-3.0-or-later
// A save's files (record ".sa1", word list ".sa2", puzzle code ".sa3") replaced as one. Both
// are written beside their final names (".nouveau"), then a small note
// (".sac": each file's size and checksum) is written in one rename: that is
// the moment the new pair counts. The two files are then renamed into place.
// A kill at any moment leaves the old pair, or the new pair complete beside
// its note, which the next start finishes. Saves without a note (made before
// notes existed) stay loadable.
#pragma once
#include <string>

// `base` is the program path of the save without its ending ("...SAVE\Boss").
// The puzzle's code (".sa3") is written and committed with them.
bool WriteSavePair(const std::string& base, const std::string& record, const std::string& words,
                   const std::string& puzzle);
// Whether the pair read from disk is the one its note describes (true when
// there is no note); `why` says what differs.
bool SavePairMatchesNote(const std::string& base, const std::string& record, const std::string& words,
                         std::string& why);
// The checksum of the pair's record ("" when it cannot be read).
std::string SavePairStamp(const std::string& base);
// Removes the record first (the save leaves the list at once), then the rest.
bool RemoveSavePair(const std::string& base);
// Moves the pair and its note aside, under names no list shows.
void SetSavePairAside(const std::string& base);
// At start: interrupted writes in the player's folders are finished when
// their note says they were complete, removed otherwise; temporary files of
// other writes are removed. Returns how many files were finished or removed.
int FinishInterruptedWrites(const std::string& dataPrefix);
