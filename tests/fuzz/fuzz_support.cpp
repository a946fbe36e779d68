// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "state/game_state.h"

namespace fs = std::filesystem;

namespace {

// Removed at exit so that long fuzzing runs leave nothing behind.
struct Folder {
  std::string path;
  Folder() {
    std::string pattern = (fs::temp_directory_path() / "lettrarium-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    path = pattern + "/";
  }
  ~Folder() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
  }
};

}  // namespace

const std::string& FuzzProgramFolder() {
  static Folder folder;
  return folder.path;
}

void WriteFuzzFile(const std::string& relative, const uint8_t* data, size_t size) {
  const fs::path file = fs::path(FuzzProgramFolder()) / relative;
  fs::create_directories(file.parent_path());
  FILE* f = std::fopen(file.c_str(), "wb");
  if (!f) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, f) != size) std::abort();
  std::fclose(f);
}

void WriteFuzzFile(const std::string& relative, const std::string& bytes) {
  WriteFuzzFile(relative, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

void ResetFuzzState() {
  ClearGameState();
  G.programDir = FuzzProgramFolder();
}
