// SPDX-License-Identifier: GPL-3.0-or-later
// A fresh folder for one test, removed afterwards.
#pragma once
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

struct TempFolder {
  std::string path;  // with a trailing '/'
  TempFolder() {
    char name[] = "/tmp/platform_test_XXXXXX";
    path = std::string(mkdtemp(name)) + "/";
  }
  ~TempFolder() { std::filesystem::remove_all(path); }
  void Write(const std::string& relative, const std::string& bytes) const {
    std::filesystem::path file = path + relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& relative) const {
    std::ifstream in(path + relative, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  bool Has(const std::string& relative) const { return std::filesystem::exists(path + relative); }
};
