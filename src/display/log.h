// The diagnostics log: the program's only record of failures, never shown to
// the player. At most 101 lines; the oldest goes first.
#pragma once
#include <string>

void Log(const std::string& text);
// The installed program also writes each line to standard error, so a
// maintainer running it from a terminal sees why a file was refused.
void LogToStandardError(bool on);
