// SPDX-License-Identifier: GPL-3.0-or-later
// Every source file of the tree says its licence in its first lines, so a
// file copied out of the project still carries it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

TEST(LicenceLines, EverySourceFileOpensWithItsSpdxLine) {
  const fs::path root = SOURCE_DIR;
  std::string missing;
  int checked = 0;
  for (const char* folder : {"src", "tests", "tools", "bench", "cmake"}) {
    for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
      const std::string name = entry.path().filename().string();
      const std::string ext = entry.path().extension().string();
      const bool source = ext == ".cpp" || ext == ".h" || ext == ".c" || ext == ".py" || ext == ".sh" ||
                          ext == ".cmake" || name == "CMakeLists.txt";
      if (!entry.is_regular_file() || !source || entry.path().string().find("/corpus/") != std::string::npos)
        continue;
      std::ifstream in(entry.path());
      std::string line, head;
      for (int i = 0; i < 3 && std::getline(in, line); ++i) head += line + "\n";
      ++checked;
      if (head.find("SPDX-License-Identifier: GPL-3.0-or-later") == std::string::npos)
        missing += fs::relative(entry.path(), root).string() + "\n";
    }
  }
  EXPECT_GT(checked, 300);
  EXPECT_TRUE(missing.empty()) << "files without the SPDX line:\n" << missing;
}
