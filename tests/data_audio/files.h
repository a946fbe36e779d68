// SPDX-License-Identifier: GPL-3.0-or-later
// Reading files and running the data tools again for the data checks.
#pragma once
#include <string>
#include <vector>

std::string ReadBytes(const std::string& path);
// A fresh empty folder under the system's temporary folder.
std::string MakeTempFolder(const std::string& name);
// Names of the files in `folder` ending with `suffix`, sorted.
std::vector<std::string> FilesEnding(const std::string& folder, const std::string& suffix);
// Runs `tool` with `folder` as its argument; true when it succeeded.
bool RunTool(const std::string& tool, const std::string& folder);
