// SPDX-License-Identifier: GPL-3.0-or-later
// The diagnostics log: the program's record of what it loaded and of what
// went wrong, never shown to the player. At most 101 lines are kept in
// memory; the oldest goes first.
#pragma once
#include <string>

// A line of the log: what was loaded, asked for or chosen.
void Log(const std::string& text);
// A line of the log that a player or maintainer should act on: a file that
// could not be read or written, a refused picture, a missing dictionary, no
// display. It also goes to standard error unless the log is silenced.
void LogProblem(const std::string& text);

// What of the log is also written to standard error, each line after
// "lettrarium: " in UTF-8: nothing (tests), the problems only (the program's
// default) or every line (--verbose, LETTRARIUM_LOG=1).
enum class LogEcho { None, Problems, Everything };
void EchoLog(LogEcho echo);
