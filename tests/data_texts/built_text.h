// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the converted texts of the program folder as the program sees them:
// Latin-1 bytes, lines ended by CR LF.
#pragma once
#include <string>
#include <vector>

// The file's bytes; `found` tells whether it could be read.
std::string ReadBuiltFile(const std::string& relativePath, bool& found);
// Lines split on CR LF only; `bareBreaks` counts CR or LF found alone.
std::vector<std::string> SplitCrLf(const std::string& bytes, int& bareBreaks);
// Number of characters of a Latin-1 line that the fonts cannot draw (control
// characters, C0 and C1; the sheets hold the codes 32 to 255).
int UndrawableCharacters(const std::string& line);
