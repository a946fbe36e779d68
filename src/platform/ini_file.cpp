// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ini_file.h"

#include <climits>

#include "platform/files.h"
#include "platform/paths.h"

namespace {

std::string Trim(const std::string& s) {
  size_t begin = s.find_first_not_of(" \t");
  if (begin == std::string::npos) return "";
  size_t end = s.find_last_not_of(" \t");
  return s.substr(begin, end - begin + 1);
}

// The name of a "[name]" line, or false when the line is no section header.
bool SectionName(const std::string& line, std::string& name) {
  std::string t = Trim(line);
  if (t.size() < 2 || t.front() != '[') return false;
  size_t close = t.find(']');
  if (close == std::string::npos) return false;
  name = Trim(t.substr(1, close - 1));
  return true;
}

bool KeyOf(const std::string& line, std::string& key, std::string& value) {
  size_t equals = line.find('=');
  if (equals == std::string::npos) return false;
  key = Trim(line.substr(0, equals));
  value = Trim(line.substr(equals + 1));
  return !key.empty();
}

// A line break inside a value would start a new line of the file, so it is
// written as a blank.
std::string OneLine(std::string s) {
  for (char& c : s)
    if (c == '\r' || c == '\n') c = ' ';
  return s;
}

// Lines [first, last) of the first section of that name; false when absent.
bool FindSection(const std::vector<std::string>& lines, const std::string& section, size_t& first, size_t& last) {
  std::string name;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!SectionName(lines[i], name) || !SameTextNoCase(name, Trim(section))) continue;
    first = i + 1;
    last = first;
    while (last < lines.size() && !SectionName(lines[last], name)) ++last;
    return true;
  }
  return false;
}

// The line of the first matching key in the section, or -1.
long FindKey(const std::vector<std::string>& lines, const std::string& section, const std::string& key) {
  size_t first, last;
  if (!FindSection(lines, section, first, last)) return -1;
  std::string k, v;
  for (size_t i = first; i < last; ++i)
    if (KeyOf(lines[i], k, v) && SameTextNoCase(k, Trim(key))) return static_cast<long>(i);
  return -1;
}

}  // namespace

// The settings and the commentary take some tens of kilobytes.
constexpr long long kMostIniBytes = 1 << 20;

IniFile::IniFile(const std::string& path) : path_(path) { exists_ = ReadLines(path_, lines_, kMostIniBytes); }

std::string IniFile::ReadString(const std::string& section, const std::string& key, const std::string& fallback) const {
  long at = FindKey(lines_, section, key);
  if (at < 0) return fallback;
  std::string k, value;
  KeyOf(lines_[at], k, value);
  // One pair of surrounding quotes goes, as the system's reader does.
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
  return value;
}

int IniFile::ReadInteger(const std::string& section, const std::string& key, int fallback) const {
  // The whole value must be the number, as the system's reader wants it:
  // decimal, or hexadecimal after "$" or "0x"; "3x" or "12abc" give the
  // default.
  const std::string text = ReadString(section, key, "");
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  int base = 10;
  if (text.compare(i, 1, "$") == 0) {
    base = 16;
    i += 1;
  } else if (text.compare(i, 2, "0x") == 0 || text.compare(i, 2, "0X") == 0) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return fallback;
  long long value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return fallback;
    value = value * base + digit;
    if (value > static_cast<long long>(UINT_MAX)) return fallback;  // too large for an integer
  }
  // A hexadecimal value may fill all 32 bits ("$FFFFFFFF" is -1).
  if (base == 16 && value > INT_MAX) value -= 1ll << 32;
  if (negative) value = -value;
  if (value > INT_MAX || value < INT_MIN) return fallback;
  return static_cast<int>(value);
}

bool IniFile::ReadBool(const std::string& section, const std::string& key, bool fallback) const {
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  const std::string line = Trim(OneLine(key)) + "=" + OneLine(value);
  long at = FindKey(lines_, section, key);
  if (at >= 0) {
    lines_[at] = line;
    return;
  }
  size_t first, last;
  if (!FindSection(lines_, section, first, last)) {
    lines_.push_back("[" + Trim(OneLine(section)) + "]");
    lines_.push_back(line);
    return;
  }
  // After the section's last line that is not blank, so the blank line
  // before the next section stays where it is.
  size_t insert = last;
  while (insert > first && Trim(lines_[insert - 1]).empty()) --insert;
  lines_.insert(lines_.begin() + static_cast<long>(insert), line);
}

void IniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void IniFile::EraseSection(const std::string& section) {
  size_t first, last;
  while (FindSection(lines_, section, first, last))
    lines_.erase(lines_.begin() + static_cast<long>(first - 1), lines_.begin() + static_cast<long>(last));
}

std::vector<std::string> IniFile::SectionLines(const std::string& section) const {
  std::vector<std::string> result;
  size_t first, last;
  if (!FindSection(lines_, section, first, last)) return result;
  for (size_t i = first; i < last; ++i) {
    std::string t = Trim(lines_[i]);
    if (!t.empty()) result.push_back(t);
  }
  return result;
}

bool IniFile::Save() {
  if (!WriteLines(path_, lines_)) return false;
  exists_ = true;
  return true;
}
