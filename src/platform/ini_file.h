// SPDX-License-Identifier: GPL-3.0-or-later
// INI files with the semantics of the Windows profile routines: sections and
// keys compared without case, the first matching key wins, integers, booleans
// written as 1 and 0, defaults when absent. Writes are saved through a
// temporary name.
#pragma once
#include <string>
#include <vector>

class IniFile {
 public:
  explicit IniFile(const std::string& path);  // program path; reads it if present
  bool exists() const { return exists_; }
  std::string ReadString(const std::string& section, const std::string& key, const std::string& fallback) const;
  int ReadInteger(const std::string& section, const std::string& key, int fallback) const;
  bool ReadBool(const std::string& section, const std::string& key, bool fallback) const;
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int value);
  void WriteBool(const std::string& section, const std::string& key, bool value);
  void EraseSection(const std::string& section);
  // Lines of a section, as "key=value" text (for sections used as lists).
  std::vector<std::string> SectionLines(const std::string& section) const;
  bool Save();  // false when the file cannot be written

 private:
  std::string path_;
  bool exists_ = false;
  std::vector<std::string> lines_;
};
