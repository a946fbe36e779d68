// SPDX-License-Identifier: GPL-3.0-or-later
// The crossword grid file reader: one grid per line, "<width>x<height>=" then
// the cells row by row, '*' for a black square. A game creates a reader,
// loads a file, picks a grid of its size and frees the reader before its
// build step ends.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

class TjsysGrille {
 public:
  static constexpr int kMaxSide = 51;

  TjsysGrille();
  ~TjsysGrille();

  void LoadFile(const std::string& path);
  int32_t CountGrids(const std::string& key) const;
  // n counts from 1 among the lines of that key; nothing changes when there
  // is no such grid or the key is larger than the cell array.
  void SelectGrid(const std::string& key, int32_t n);
  // Appends the grid's words (across, then down) and orders the whole list:
  // lengths outside 2-20 first, then 20 down to 2, alphabetical within each.
  void CollectWords(std::vector<std::string>& list) const;

  std::vector<std::string> lines;
  char cells[kMaxSide][kMaxSide] = {};  // [column][row]
  int32_t width = 0;
  int32_t height = 0;
  int32_t lineCount = 0;
};
