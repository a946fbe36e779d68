// Files and folders, by program path (backslash-separated, see paths.h).
#pragma once
#include <string>
#include <vector>

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
bool RemoveFile(const std::string& path);
// Creates the folder and any missing parents; true when it exists afterwards.
bool ForceDirectories(const std::string& path);
// Text lines; CR LF, LF or CR line ends. False when the file cannot be read.
bool ReadLines(const std::string& path, std::vector<std::string>& lines);
// Writes lines with CR LF through a temporary name and a rename.
bool WriteLines(const std::string& path, const std::vector<std::string>& lines);
bool ReadBinary(const std::string& path, std::string& bytes);
bool WriteBinary(const std::string& path, const std::string& bytes);
// File names (no folder) of the folder that match the mask ("*.mid", "*.sa1"),
// case-insensitively, in the order of a Windows file list: alphabetical
// without case.
std::vector<std::string> ListFolder(const std::string& folder, const std::string& mask);
