// SPDX-License-Identifier: GPL-3.0-or-later
// Files and folders, by program path (backslash-separated, see paths.h).
#pragma once
#include <string>
#include <utility>
#include <vector>

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
bool RemoveFile(const std::string& path);
// Creates the folder and any missing parents; true when it exists afterwards.
bool ForceDirectories(const std::string& path);
// Files larger than this are not read (the largest the program ships, the
// French dictionary, takes 4 MB); the refusal is reported, naming the file.
constexpr long long kMostFileBytes = 64LL << 20;
// Who is told of a file refused for its size (the log, set at start).
void SetOversizedFileReporter(void (*report)(const std::string& text));
// Text lines; CR LF, LF or CR line ends. False when the file cannot be read
// or is larger than `maxBytes`.
bool ReadLines(const std::string& path, std::vector<std::string>& lines, long long maxBytes = kMostFileBytes);
// The lines as the text of a file, each ended by CR LF.
std::string LinesText(const std::vector<std::string>& lines);
// Writes lines with CR LF through a temporary name and a rename.
bool WriteLines(const std::string& path, const std::vector<std::string>& lines);
// Adds text at the end of the file (created when missing), synced to disk.
bool AppendText(const std::string& path, const std::string& text);
bool ReadBinary(const std::string& path, std::string& bytes, long long maxBytes = kMostFileBytes);
// The file's size in bytes; -1 when it is not a readable regular file.
long long FileSize(const std::string& path);
// Renames a file over another and syncs its folder, so the rename survives a
// power cut.
bool MoveFile(const std::string& from, const std::string& to);
// Writes through a unique temporary name beside the file, synced to disk,
// then renamed over it.
bool WriteBinary(const std::string& path, const std::string& bytes);
// Writes several files as one: each to a unique temporary name, synced; then
// renamed in the order given; then their folders synced. When a rename fails
// the files renamed before it are put back as they were, so the set on disk
// is the old one or the new one. No temporary file is left either way.
bool WriteFilesTogether(const std::vector<std::pair<std::string, std::string>>& files);
// Tests: the renames of WriteFilesTogether after the first `renames` fail
// (-1: none fails).
void FailRenamesAfter(int renames);
// File names (no folder) of the folder that match the mask ("*.mid", "*.sa1"),
// case-insensitively, in the order of a Windows file list: alphabetical
// without case.
std::vector<std::string> ListFolder(const std::string& folder, const std::string& mask);
