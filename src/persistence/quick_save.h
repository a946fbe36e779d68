// SPDX-License-Identifier: GPL-3.0-or-later
// The quick save's life after it is resumed: it stays on disk until the
// resumed game ends (won, lost, given up) or is saved again, so a crash while
// it is played loses nothing.
#pragma once
#include <string>

// Resumes the quick save, if there is one, and keeps it. A quick save whose
// win the settings file has already counted is removed instead of resumed.
// `load` loads a save by name (the catalogue's, which also loads its word list).
void ResumeQuickSave(void (*load)(const std::string& name));
// The resumed game has ended or been saved under a name: the quick save goes.
void EndResumedQuickSave();
// Another game starts: the quick save stays for the next start.
void LeaveResumedQuickSave();
