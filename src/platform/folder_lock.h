// SPDX-License-Identifier: GPL-3.0-or-later
// One program per player folder: a lock on a file of the folder, held while
// the program runs. The system lets it go when the process ends, however it
// ends, so a killed program never leaves a lock behind.
#pragma once
#include <string>

// Takes the lock on the file (made when missing); false when another program
// holds it. A lock held before by this program is let go first.
bool TakeFolderLock(const std::string& path);
void ReleaseFolderLock();
