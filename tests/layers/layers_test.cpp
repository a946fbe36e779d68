// SPDX-License-Identifier: GPL-3.0-or-later
// Every include of src/ runs down the layers declared in src/LAYERS: a file
// may include its own layer and the layers below it. A failure names the file,
// the line and the two layers.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kSource = fs::path(SOURCE_DIR) / "src";

// Folder name -> layer height (0 is the ground).
std::map<std::string, int> ReadLayers(std::string& error) {
  std::map<std::string, int> layers;
  std::ifstream in(kSource / "LAYERS");
  if (!in) {
    error = "src/LAYERS cannot be read";
    return layers;
  }
  std::string line;
  int height = 0;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream folders(line);
    std::string folder;
    while (folders >> folder) layers[folder] = height;
    ++height;
  }
  return layers;
}

// The folder a line `#include "folder/file.h"` names, or "" for any other line.
std::string IncludedFolder(const std::string& line) {
  size_t i = line.find_first_not_of(" \t");
  if (i == std::string::npos || line[i] != '#') return "";
  i = line.find_first_not_of(" \t", i + 1);
  if (i == std::string::npos || line.compare(i, 7, "include") != 0) return "";
  i = line.find_first_not_of(" \t", i + 7);
  if (i == std::string::npos || line[i] != '"') return "";
  const size_t slash = line.find('/', i + 1), close = line.find('"', i + 1);
  if (slash == std::string::npos || close == std::string::npos || slash == i + 1 || slash + 1 >= close) return "";
  const std::string folder = line.substr(i + 1, slash - i - 1);
  for (const char c : folder)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return "";
  return folder;
}

// The breaches of one source file: "file:line: ..." lines.
std::vector<std::string> UpwardIncludes(const fs::path& file, int fileLayer, const std::string& folder,
                                        const std::map<std::string, int>& layers) {
  std::vector<std::string> breaches;
  std::ifstream in(file);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    const std::string target = IncludedFolder(line);
    if (target.empty()) continue;
    const std::string where = fs::relative(file, kSource.parent_path()).string() + ":" + std::to_string(number);
    const auto found = layers.find(target);
    if (found == layers.end()) {
      breaches.push_back(where + ": includes \"" + target + "/\", a folder src/LAYERS does not declare");
    } else if (found->second > fileLayer) {
      breaches.push_back(where + ": " + folder + " includes " + target + " (a higher layer): " + line);
    }
  }
  return breaches;
}

}  // namespace

TEST(Layers, EveryIncludeOfSrcRunsDownTheDeclaredLayers) {
  std::string error;
  const auto layers = ReadLayers(error);
  ASSERT_TRUE(error.empty()) << error;
  ASSERT_GE(layers.size(), 9u) << "src/LAYERS declares too few folders";

  std::vector<std::string> breaches;
  int filesChecked = 0;
  for (const auto& entry : fs::recursive_directory_iterator(kSource)) {
    const auto extension = entry.path().extension();
    if (!entry.is_regular_file() || (extension != ".cpp" && extension != ".h")) continue;
    const auto relative = fs::relative(entry.path(), kSource);
    const std::string folder = relative.begin()->string();
    const auto layer = layers.find(folder);
    if (relative.has_parent_path() == false || layer == layers.end()) {
      breaches.push_back("src/" + relative.string() + ": lies in no folder src/LAYERS declares");
      continue;
    }
    ++filesChecked;
    for (auto& breach : UpwardIncludes(entry.path(), layer->second, folder, layers)) breaches.push_back(breach);
  }
  EXPECT_GT(filesChecked, 100);
  std::string report;
  for (const auto& breach : breaches) report += breach + "\n";
  EXPECT_TRUE(breaches.empty()) << report;
}
