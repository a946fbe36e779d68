// SPDX-License-Identifier: GPL-3.0-or-later
// A temporary program folder with word-list files written by the test, and a
// fresh state and store around each test.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/harness.h"
#include "state/forms.h"
#include "state/game_state.h"
#include "words/word_store.h"

class WordFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearGameState();
    ClearWordStore();
    Form1 = TForm1{};
    G.programDir = MakeTempFolder("words");
  }
  void TearDown() override {
    ClearWordStore();
    Form1 = TForm1{};
  }

  // Writes bin/<name> with the lines joined by CR LF, as the lists are made.
  void WriteList(const std::string& name, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    WriteFileBytes(G.programDir + "bin/" + name, bytes);
  }
  void WriteRaw(const std::string& name, const std::string& bytes) { WriteFileBytes(G.programDir + "bin/" + name, bytes); }

  // Loads the lines as the French dictionary.
  void LoadFrench(const std::vector<std::string>& lines) {
    WriteList("DicoFrancais.txt", lines);
    LoadWordList(1);
  }

  static std::vector<std::string> Table(int length) {
    std::vector<std::string> words;
    for (int slot = 1; slot <= wordCount[length]; ++slot) words.push_back(StoredWord(length, slot));
    return words;
  }
};
