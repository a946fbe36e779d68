// SPDX-License-Identifier: GPL-3.0-or-later
// The one resolver from the program's paths to real ones. The program writes
// paths as "bitmaps\Slots\" or "\bin\panglais.txt"; here backslashes become
// separators, a leading "~" is the home folder, and each component that is
// absent as written matches an existing one without regard to case.
#pragma once
#include <string>
#include <vector>

// The real path, or "" when the path would escape its folder ("..").
std::string ResolvePath(const std::string& programPath);
// True when the name can be used as a single file name inside a folder: not
// empty, no separator, no control character, not "." or "..".
bool IsSafeFileName(const std::string& name);
// The text made usable as (part of) a file name: every separator, ':' and
// control character becomes '-'.
std::string FileNameFrom(std::string text);
// The folder of the running executable, with a trailing separator.
std::string ExecutableFolder();
// The folder the program's data are read from, with a trailing separator:
// the executable's own folder when it holds them (a build's program folder or
// a copy of it), otherwise the installed data folder (share/lettrarium/ of
// the installation), otherwise the executable's folder all the same.
std::string ProgramDataFolder();
// The same choice for a given executable folder and installed data folders,
// tried in order.
std::string ChooseDataFolder(const std::string& executableFolder, const std::vector<std::string>& installed);
// Case-insensitive compare of Latin-1 bytes (ASCII letters only).
bool SameTextNoCase(const std::string& a, const std::string& b);
std::string UpperCaseAscii(std::string s);
// A path typed on the command line made whole: from the working folder,
// without "." or "..", so the one resolver takes it as it stands.
std::string WholePathOf(const std::string& typed);
