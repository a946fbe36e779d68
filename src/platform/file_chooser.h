// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's own file chooser (GTK's native chooser, which goes through
// the desktop portal where one runs), asked for one file to open.
#pragma once
#include <functional>
#include <string>
#include <vector>

struct FileFilter {
  std::string name;                   // Latin-1, as the chooser lists it
  std::vector<std::string> patterns;  // "*.bmp": matched without regard to case
};

struct FileChoice {
  std::string title;  // Latin-1
  std::vector<FileFilter> filters;
  // The folder to start in when the player has no pictures folder (a
  // program path, "~/" for home).
  std::string fallbackFolder;
  // Filled by ChooseFile: the real folder the chooser opens in.
  std::string startFolder;
};

// Shows the chooser over the game and waits for the player. It opens in the
// player's pictures folder (XDG), else the fallback folder, else home; the
// full-screen window steps back while it is open. Returns the chosen file as
// a real path, or "" when the player cancelled or no chooser could be shown.
std::string ChooseFile(FileChoice choice);

// Headless runs and tests: the stand-in answers in place of the chooser ("" is
// a cancelled choice). Without one, a headless chooser is always cancelled.
using FileChooserStandIn = std::function<std::string(const FileChoice&)>;
void SetFileChooserStandIn(FileChooserStandIn standIn);
