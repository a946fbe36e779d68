#include "platform/files.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "platform/paths.h"

namespace {

bool StatIs(const std::string& real, mode_t type) {
  struct stat st;
  return !real.empty() && stat(real.c_str(), &st) == 0 && (st.st_mode & S_IFMT) == type;
}

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Windows-like mask: '*' any run, '?' one character, without case.
bool MaskMatches(const char* mask, const char* name) {
  for (; *mask; ++mask, ++name) {
    if (*mask == '*') {
      while (mask[1] == '*') ++mask;
      if (!mask[1]) return true;
      for (const char* rest = name; *rest; ++rest)
        if (MaskMatches(mask + 1, rest)) return true;
      return false;
    }
    if (!*name) return false;
    if (*mask != '?' && Upper(*mask) != Upper(*name)) return false;
  }
  return *name == '\0';
}

bool WindowsOrder(const std::string& a, const std::string& b) {
  std::string ua = UpperCaseAscii(a), ub = UpperCaseAscii(b);
  if (ua != ub) return ua < ub;
  return a < b;
}

}  // namespace

bool FileExists(const std::string& path) { return StatIs(ResolvePath(path), S_IFREG); }

bool FolderExists(const std::string& path) { return StatIs(ResolvePath(path), S_IFDIR); }

bool RemoveFile(const std::string& path) {
  std::string real = ResolvePath(path);
  return StatIs(real, S_IFREG) && unlink(real.c_str()) == 0;
}

bool ForceDirectories(const std::string& path) {
  std::string real = ResolvePath(path);
  if (real.empty()) return false;
  for (size_t i = 1; i <= real.size(); ++i) {
    if (i == real.size() || real[i] == '/') {
      std::string prefix = real.substr(0, i);
      if (mkdir(prefix.c_str(), 0755) != 0 && errno != EEXIST) return false;
    }
  }
  return StatIs(real, S_IFDIR);
}

bool ReadBinary(const std::string& path, std::string& bytes) {
  std::string real = ResolvePath(path);
  if (!StatIs(real, S_IFREG)) return false;
  FILE* f = std::fopen(real.c_str(), "rb");
  if (!f) return false;
  std::string data;
  char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) data.append(buffer, n);
  bool ok = !std::ferror(f);
  std::fclose(f);
  if (ok) bytes.swap(data);
  return ok;
}

bool WriteBinary(const std::string& path, const std::string& bytes) {
  std::string real = ResolvePath(path);
  if (real.empty() || real.back() == '/') return false;
  // The old file stays whole until the new one is complete.
  std::string temporary = real + ".tmp";
  FILE* f = std::fopen(temporary.c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = (std::fflush(f) == 0) && ok;
  ok = (std::fclose(f) == 0) && ok;
  if (ok) ok = std::rename(temporary.c_str(), real.c_str()) == 0;
  if (!ok) unlink(temporary.c_str());
  return ok;
}

bool ReadLines(const std::string& path, std::vector<std::string>& lines) {
  std::string bytes;
  if (!ReadBinary(path, bytes)) return false;
  std::vector<std::string> result;
  size_t start = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') continue;
    result.push_back(bytes.substr(start, i - start));
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) result.push_back(bytes.substr(start));
  lines.swap(result);
  return true;
}

bool WriteLines(const std::string& path, const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return WriteBinary(path, bytes);
}

std::vector<std::string> ListFolder(const std::string& folder, const std::string& mask) {
  std::vector<std::string> names;
  std::string real = ResolvePath(folder);
  if (!StatIs(real, S_IFDIR)) return names;
  if (real.back() != '/') real += '/';
  DIR* dir = opendir(real.c_str());
  if (!dir) return names;
  // "*.*" is every file on Windows, names without a dot included.
  const bool everything = mask == "*.*" || mask == "*";
  while (dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    if (!everything && !MaskMatches(mask.c_str(), name.c_str())) continue;
    if (StatIs(real + name, S_IFREG)) names.push_back(name);
  }
  closedir(dir);
  std::sort(names.begin(), names.end(), WindowsOrder);
  return names;
}
