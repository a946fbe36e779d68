// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
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

namespace {
void (*oversizedReporter)(const std::string&) = nullptr;

bool RefuseOversized(const std::string& real, long long size) {
  if (oversizedReporter)
    oversizedReporter("fichier trop gros, non lu : " + real + " (" + std::to_string(size) + " octets)");
  return false;
}
}  // namespace

void SetOversizedFileReporter(void (*report)(const std::string& text)) { oversizedReporter = report; }

bool ReadBinary(const std::string& path, std::string& bytes, long long maxBytes) {
  std::string real = ResolvePath(path);
  struct stat st;
  if (real.empty() || stat(real.c_str(), &st) != 0 || (st.st_mode & S_IFMT) != S_IFREG) return false;
  if (st.st_size > maxBytes) return RefuseOversized(real, st.st_size);
  FILE* f = std::fopen(real.c_str(), "rb");
  if (!f) return false;
  std::string data;
  char buffer[65536];
  size_t n;
  // A file that grows while it is read is cut at the cap all the same.
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0 && static_cast<long long>(data.size()) <= maxBytes)
    data.append(buffer, n);
  bool ok = !std::ferror(f) && static_cast<long long>(data.size()) <= maxBytes;
  std::fclose(f);
  if (ok) bytes.swap(data);
  return ok;
}

namespace {

int renamesBeforeFailure = -1;  // tests: renames left before one fails

bool RenameFile(const std::string& from, const std::string& to) {
  if (renamesBeforeFailure == 0) return false;
  if (renamesBeforeFailure > 0) --renamesBeforeFailure;
  return std::rename(from.c_str(), to.c_str()) == 0;
}

std::string FolderOf(const std::string& real) {
  const size_t slash = real.rfind('/');
  return slash == std::string::npos ? "." : real.substr(0, slash + 1);
}

// The folder's entries (a rename) reach the disk.
bool SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return false;
  const bool ok = fsync(fd) == 0;
  close(fd);
  return ok;
}

// Writes the bytes to a new file of a unique name beside `real` and syncs
// it; the name is returned, or "" (and nothing left) on failure.
std::string WriteTemporary(const std::string& real, const std::string& bytes) {
  std::string name = real + ".tmp-XXXXXX";
  const int fd = mkstemp(name.data());
  if (fd < 0) return "";
  bool ok = fchmod(fd, 0644) == 0;
  for (size_t done = 0; ok && done < bytes.size();) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += static_cast<size_t>(n);
  }
  ok = ok && fsync(fd) == 0;
  ok = (close(fd) == 0) && ok;
  if (!ok) {
    unlink(name.c_str());
    return "";
  }
  return name;
}

}  // namespace

void FailRenamesAfter(int renames) { renamesBeforeFailure = renames; }

long long FileSize(const std::string& path) {
  struct stat st;
  const std::string real = ResolvePath(path);
  if (real.empty() || stat(real.c_str(), &st) != 0 || (st.st_mode & S_IFMT) != S_IFREG) return -1;
  return static_cast<long long>(st.st_size);
}

bool MoveFile(const std::string& from, const std::string& to) {
  const std::string realFrom = ResolvePath(from), realTo = ResolvePath(to);
  if (realFrom.empty() || realTo.empty() || !RenameFile(realFrom, realTo)) return false;
  SyncFolder(FolderOf(realTo));
  return true;
}

bool WriteFilesTogether(const std::vector<std::pair<std::string, std::string>>& files) {
  struct Pending {
    std::string real, temporary, keep;  // keep: a link to the file it replaces
    bool existed = false;
  };
  std::vector<Pending> pending;
  auto discard = [&pending] {
    for (const Pending& p : pending) {
      if (!p.temporary.empty()) unlink(p.temporary.c_str());
      if (!p.keep.empty()) unlink(p.keep.c_str());
    }
  };
  for (const auto& [path, bytes] : files) {
    Pending p;
    p.real = ResolvePath(path);
    if (p.real.empty() || p.real.back() == '/') {
      discard();
      return false;
    }
    p.temporary = WriteTemporary(p.real, bytes);
    if (p.temporary.empty()) {
      discard();
      return false;
    }
    pending.push_back(p);
  }
  // The files they replace stay reachable (under a second name) until every
  // rename has been made, so that a failed rename can put the earlier ones
  // back. A single file needs none: its one rename is all or nothing.
  for (Pending& p : pending) {
    p.existed = StatIs(p.real, S_IFREG);
    if (!p.existed || pending.size() < 2) continue;
    std::string keep = p.real + ".old-XXXXXX";
    const int fd = mkstemp(keep.data());
    if (fd < 0) continue;
    close(fd);
    unlink(keep.c_str());
    if (link(p.real.c_str(), keep.c_str()) == 0) p.keep = keep;
  }
  size_t renamed = 0;
  for (; renamed < pending.size(); ++renamed) {
    Pending& p = pending[renamed];
    if (!RenameFile(p.temporary, p.real)) break;
    p.temporary.clear();
  }
  if (renamed < pending.size()) {
    for (size_t i = 0; i < renamed; ++i) {
      Pending& p = pending[i];
      if (!p.keep.empty() && std::rename(p.keep.c_str(), p.real.c_str()) == 0) p.keep.clear();
      else if (!p.existed) unlink(p.real.c_str());
    }
  }
  const bool ok = renamed == pending.size();
  discard();
  for (const Pending& p : pending) SyncFolder(FolderOf(p.real));
  return ok;
}

bool WriteBinary(const std::string& path, const std::string& bytes) { return WriteFilesTogether({{path, bytes}}); }

bool ReadLines(const std::string& path, std::vector<std::string>& lines, long long maxBytes) {
  std::string bytes;
  if (!ReadBinary(path, bytes, maxBytes)) return false;
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

std::string LinesText(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

bool WriteLines(const std::string& path, const std::vector<std::string>& lines) {
  return WriteBinary(path, LinesText(lines));
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

bool AppendText(const std::string& path, const std::string& text) {
  const int fd = open(ResolvePath(path).c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  // Synced so that a crash right after leaves the line, and the lines before it, on disk.
  const bool ok = done == text.size() && fsync(fd) == 0;
  return close(fd) == 0 && ok;
}
