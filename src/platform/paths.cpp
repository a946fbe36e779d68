// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/paths.h"

#include <filesystem>

#include <dirent.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace {

bool Exists(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0;
}

// The entry of `folder` whose name equals `name` without case; "" when none.
// Several candidates ("Boss.sa1" and "BOSS.SA1") give the smallest name, so
// the choice does not depend on the order the folder happens to list.
std::string MatchEntryNoCase(const std::string& folder, const std::string& name) {
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return "";
  std::string best;
  while (dirent* entry = readdir(dir)) {
    std::string candidate = entry->d_name;
    if (candidate == "." || candidate == "..") continue;
    if (SameTextNoCase(candidate, name) && (best.empty() || candidate < best)) best = candidate;
  }
  closedir(dir);
  return best;
}

// $HOME, or else the account's home folder from the password database; "~"
// must never become the root folder.
std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home && *home) return home;
  if (const passwd* account = getpwuid(getuid()); account && account->pw_dir && *account->pw_dir)
    return account->pw_dir;
  return "/tmp";
}

}  // namespace

std::string UpperCaseAscii(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

bool SameTextNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
    if (x != y) return false;
  }
  return true;
}

bool IsSafeFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (char c : name)
    if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 32 || c == 127) return false;
  return true;
}

std::string FileNameFrom(std::string text) {
  for (char& c : text)
    if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 32 || c == 127) c = '-';
  return text;
}

std::string ResolvePath(const std::string& programPath) {
  std::string path = programPath;
  for (char& c : path)
    if (c == '\\') c = '/';
  if (path == "~" || path.rfind("~/", 0) == 0) path = HomeFolder() + path.substr(1);
  if (path.find('\0') != std::string::npos) return "";

  const bool absolute = !path.empty() && path[0] == '/';
  const bool trailingSeparator = !path.empty() && path.back() == '/';
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    std::string part = path.substr(start, end - start);
    if (part == "..") return "";  // a program path never leaves its folder
    if (!part.empty() && part != ".") parts.push_back(part);
    start = end + 1;
  }

  std::string result = absolute ? "/" : "";
  // Once a component is missing, nothing below it can exist: the rest is
  // kept as written so that new files and folders can be made there.
  bool found = true;
  for (size_t i = 0; i < parts.size(); ++i) {
    std::string part = parts[i];
    if (found && !Exists(result + part)) {
      std::string match = MatchEntryNoCase(result, part);
      if (match.empty())
        found = false;
      else
        part = match;
    }
    result += part;
    if (i + 1 < parts.size()) result += '/';
  }
  if (trailingSeparator && !parts.empty()) result += '/';
  return result;
}

std::string ExecutableFolder() {
  char buffer[4096];
  ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return "./";
  std::string exe(buffer, static_cast<size_t>(n));
  size_t slash = exe.rfind('/');
  return slash == std::string::npos ? "./" : exe.substr(0, slash + 1);
}

namespace {

// A data folder holds the commentary file's folder "txt" (in any case).
bool HoldsData(const std::string& folder) {
  struct stat st;
  const std::string txt = ResolvePath(folder + "txt");
  return !txt.empty() && stat(txt.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// `relative` ("../share/lettrarium") taken from `folder` (with a trailing
// separator), its ".." steps applied to the folder's own path.
std::string FolderFrom(std::string folder, const std::string& relative) {
  size_t start = 0;
  while (relative.compare(start, 3, "../") == 0 || relative.compare(start, std::string::npos, "..") == 0) {
    folder.pop_back();  // the trailing separator
    const size_t slash = folder.rfind('/');
    folder = slash == std::string::npos ? "" : folder.substr(0, slash + 1);
    start += 3;
  }
  if (start < relative.size()) folder += relative.substr(start) + "/";
  return folder;
}

}  // namespace

std::string ChooseDataFolder(const std::string& executableFolder, const std::vector<std::string>& installed) {
  if (HoldsData(executableFolder)) return executableFolder;
  for (const std::string& folder : installed)
    if (!folder.empty() && HoldsData(folder)) return folder;
  return executableFolder;
}

std::string ProgramDataFolder() {
  const std::string exe = ExecutableFolder();
  std::vector<std::string> installed;
#ifdef LETTRARIUM_DATA_FROM_BIN
  // Found from where the executable lies, an installation works under any
  // prefix, also staged under DESTDIR; then where the build meant it to be.
  installed.push_back(FolderFrom(exe, LETTRARIUM_DATA_FROM_BIN));
#endif
#ifdef LETTRARIUM_DATA_DIR
  installed.push_back(LETTRARIUM_DATA_DIR "/");
#endif
  return ChooseDataFolder(exe, installed);
}

std::string WholePathOf(const std::string& typed) {
  std::error_code error;
  const std::filesystem::path whole = std::filesystem::absolute(typed, error);
  return error ? typed : whole.lexically_normal().string();
}
