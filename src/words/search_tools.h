// SPDX-License-Identifier: GPL-3.0-or-later
// The anagram finder (screen 8) and the incomplete-word finder (screen 9):
// they search the loaded word list for the typed text and fill list 3.
#pragma once

// Anagrams of typedText.
void FindAnagramsTool();
// Words matching typedText, where '*' and '?' stand for one unknown letter.
void FindIncompleteTool();
