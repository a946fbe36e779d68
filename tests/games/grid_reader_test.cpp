// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "games/grid_reader.h"
#include "harness/harness.h"
#include "state/game_state.h"

namespace {

// A program folder holding one grid file, read the way the games read it.
struct GridFile : Harness {
  TjsysGrille reader;
  void Load(const std::string& bytes) {
    WriteProgramFile("bin/grilles.txt", bytes);
    reader.LoadFile(programDir + "bin\\grilles.txt");
  }
  std::string Row(int r) const {
    std::string row;
    for (int c = 0; c < reader.width; ++c) row += reader.cells[c][r];
    return row;
  }
};

std::vector<std::string> Collected(const TjsysGrille& reader) {
  std::vector<std::string> words;
  reader.CollectWords(words);
  return words;
}

}  // namespace

TEST(GridReader, CountsAndSelectsTheGridsOfOneKeyAmongOthers) {
  GridFile f;
  f.Load("2x2=ABCD\r\n3x3=EFGHIJKLM\r\n2x2=NOPQ\nno key here\r2x2=RSTU\r\n");
  EXPECT_EQ(f.reader.lineCount, 5);
  EXPECT_EQ(f.reader.CountGrids("2x2"), 3);
  EXPECT_EQ(f.reader.CountGrids("3x3"), 1);
  EXPECT_EQ(f.reader.CountGrids("3X3"), 0);  // keys are compared exactly
  EXPECT_EQ(f.reader.CountGrids("4x4"), 0);

  f.reader.SelectGrid("2x2", 2);
  EXPECT_EQ(f.reader.width, 2);
  EXPECT_EQ(f.reader.height, 2);
  EXPECT_EQ(f.Row(0), "NO");
  EXPECT_EQ(f.Row(1), "PQ");
  EXPECT_EQ(f.reader.cells[1][0], 'O');  // [column][row]

  // No fourth grid of that key: the selection stays as it was.
  f.reader.SelectGrid("2x2", 4);
  EXPECT_EQ(f.Row(0), "NO");
  f.reader.SelectGrid("3x3", 1);
  EXPECT_EQ(f.Row(2), "KLM");
}

TEST(GridReader, ShortCellsReadAsBlackSquaresAndOversizedKeysAreRejected) {
  GridFile f;
  f.Load("3x2=ABCD\r\n52x2=" + std::string(104, 'A') + "\r\n2x60=" + std::string(120, 'B') +
         "\r\n51x51=" + std::string(51 * 51, 'C') + "\r\n");
  f.reader.SelectGrid("3x2", 1);
  EXPECT_EQ(f.Row(0), "ABC");
  EXPECT_EQ(f.Row(1), "D**");
  EXPECT_EQ(Collected(f.reader), (std::vector<std::string>{"ABC", "AD"}));

  f.reader.SelectGrid("52x2", 1);
  EXPECT_EQ(f.reader.width, 3);
  f.reader.SelectGrid("2x60", 1);
  EXPECT_EQ(f.reader.height, 2);
  EXPECT_EQ(f.Row(0), "ABC");

  f.reader.SelectGrid("51x51", 1);  // the largest the cell array holds
  EXPECT_EQ(f.reader.width, 51);
  EXPECT_EQ(f.reader.cells[50][50], 'C');
}

TEST(GridReader, AMissingFileGivesNoGridsAndALogLine) {
  Harness h;
  G.debugLog.clear();
  TjsysGrille reader;
  reader.LoadFile(h.programDir + "bin\\absent.txt");
  EXPECT_EQ(reader.lineCount, 0);
  EXPECT_EQ(reader.CountGrids("6x6"), 0);
  reader.SelectGrid("6x6", 0);  // what a game asks for when there are none
  reader.SelectGrid("6x6", 1);
  EXPECT_EQ(reader.width, 0);
  EXPECT_EQ(reader.height, 0);
  EXPECT_EQ(reader.cells[0][0], 0);
  EXPECT_TRUE(Collected(reader).empty());
  ASSERT_FALSE(G.debugLog.empty());
  EXPECT_NE(G.debugLog.back().find("absent.txt"), std::string::npos);
}

TEST(GridReader, AKeyWithoutNumbersSelectsAnEmptyGrid) {
  GridFile f;
  f.Load("axb=ABCD\r\n=EFGH\r\n");
  EXPECT_EQ(f.reader.CountGrids(""), 1);  // "=EFGH" has an empty key
  f.reader.SelectGrid("axb", 1);
  EXPECT_EQ(f.reader.width, 0);
  EXPECT_EQ(f.reader.height, 0);
}

TEST(GridReader, CollectsAcrossThenDownAndOrdersLongestFirst) {
  GridFile f;
  // Row 0: AB*CDE*F gives AB and CDE; F alone is no word.
  f.Load("8x1=AB*CDE*F\r\n");
  f.reader.SelectGrid("8x1", 1);
  EXPECT_EQ(Collected(f.reader), (std::vector<std::string>{"CDE", "AB"}));

  // ARBRE and eau across, AIR and ETE down; the order ignores case.
  f.Load("5x5=ARBRE"
         "I***T"
         "R***E"
         "*****"
         "eau**\r\n");
  f.reader.SelectGrid("5x5", 1);
  EXPECT_EQ(Collected(f.reader), (std::vector<std::string>{"ARBRE", "AIR", "eau", "ETE"}));

  // Lengths beyond 20 come first, then 20 down to 2; the caller's entries
  // are ordered with the grid's.
  std::string longRow = "ABCDEFGHIJKLMNOPQRSTU";  // 21 letters
  f.Load("21x3=" + longRow + std::string(21, '*') + "ZZ*YY*XXX*" + std::string(11, '*') + "\r\n");
  f.reader.SelectGrid("21x3", 1);
  std::vector<std::string> words{"ww"};
  f.reader.CollectWords(words);
  EXPECT_EQ(words, (std::vector<std::string>{longRow, "XXX", "ww", "YY", "ZZ"}));
}

TEST(GridReader, OneWordIsLeftAsItIs) {
  GridFile f;
  f.Load("4x1=DCBA\r\n");
  f.reader.SelectGrid("4x1", 1);
  EXPECT_EQ(Collected(f.reader), (std::vector<std::string>{"DCBA"}));
  f.Load("4x1=*A*B\r\n");
  f.reader.SelectGrid("4x1", 1);
  EXPECT_TRUE(Collected(f.reader).empty());
}
