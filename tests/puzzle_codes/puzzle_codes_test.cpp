// SPDX-License-Identifier: GPL-3.0-or-later
// Puzzle codes: every variant's board rebuilt from its code in a second
// program folder, the code page, saves with and without a code, the puzzle
// of the day and the command line.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "app/command_line.h"
#include "catalogue/catalogue.h"
#include "catalogue/puzzle_codes.h"
#include "harness/harness.h"
#include "harness/preview_frame.h"
#include "persistence/saved_games.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/keys.h"
#include "platform/screen.h"
#include "platform/utf8.h"
#include "state/forms.h"
#include "state/game_state.h"

namespace {

// Every plane of the board, the texts of its word slots and its grids (the
// pointer's cell left out), and the word list.
std::string BoardImage() {
  BoardRecord board = G;
  board.hoverCellX = board.hoverCellY = 0;
  for (auto& slot : board.wordSlots) std::memset(slot.chars + slot.length, 0, 100 - slot.length);  // past the text: older games
  std::string image(reinterpret_cast<const char*>(&board), sizeof board);
  for (const std::string& line : G.wordList) image += line + '\n';
  return image;
}

// Ticks until the board is built (how many, 0 when it is not); a music piece
// starts on every tick when asked.
int Build(Harness& h, bool musicMeanwhile) {
  int ticks = 0;
  for (; ticks < 400 && !G.boardReady; ++ticks) {
    if (musicMeanwhile) Form1.lancemusique_aleatoire();
    h.Tick();
  }
  return G.boardReady ? ticks : 0;
}

struct Started : Harness {
  Started() : Harness(HarnessOptions{true}) {
    EXPECT_TRUE(Start());
    Run(4100);
  }
};

}  // namespace

TEST(PuzzleCodes, EveryVariantIsRebuiltFromItsCodeInAnotherProgramFolder) {
  const char* asked = std::getenv("LETTRARIUM_CODE_SEEDS");
  const int seeds = asked ? std::atoi(asked) : 1;
  std::vector<std::string> codes, images;
  {
    Started a;
    for (int s = 0; s < seeds; ++s)
      for (int v = 1; v <= 150; ++v) {
        AdvanceFakeClock(7919 * (s + 1) + 13 * v);  // a fresh seed from the clock
        StartVariant(static_cast<uint8_t>(v));
        ASSERT_TRUE(Build(a, false)) << v;
        codes.push_back(PuzzleCode());
        images.push_back(BoardImage());
      }
  }
  Started b;  // another folder; the puzzles in the other order, music restarting meanwhile
  int same = 0;
  double slowest = 0;
  int mostTicks = 0, slowestVariant = 0, longestVariant = 0;
  for (size_t i = codes.size(); i-- > 0;) {
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(StartPuzzleCode(codes[i])) << codes[i];
    const int ticks = Build(b, true);
    ASSERT_GT(ticks, 0) << codes[i];
    const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (took > slowest) slowestVariant = static_cast<int>(G.currentVariant);
    slowest = std::max(slowest, took);
    if (ticks > mostTicks) longestVariant = static_cast<int>(G.currentVariant);
    mostTicks = std::max(mostTicks, ticks);
    EXPECT_EQ(PuzzleCode(), codes[i]);
    const std::string image = BoardImage();
    const auto diff = std::mismatch(image.begin(), image.end(), images[i].begin(), images[i].end());
    same += image == images[i];
    EXPECT_EQ(image.size(), images[i].size()) << codes[i];
    EXPECT_EQ(diff.first - image.begin(), static_cast<long>(image.size())) << "first difference, " << codes[i];
  }
  std::cout << same << " of " << codes.size() << " boards rebuilt; slowest build " << slowest << " s (variant "
            << slowestVariant << "), at most " << mostTicks << " ticks (variant " << longestVariant << ")\n";
}

TEST(PuzzleCodes, TheCodePageSaysWhatIsWrongThenStartsThePuzzleWhichSavesKeep) {
  Started h;
  h.MoveTo(590, 45);
  h.Tick();
  WritePreviewFrame("game_list_with_the_code_entry");
  h.Click(590, 45);  // "ENTRER UN CODE"
  ASSERT_EQ(G.currentScreen, 10);
  h.Run(1000);
  const std::string code = PuzzleCodeText({34, 12345});
  std::string otherVersion = code, wrongCheck = code;
  wrongCheck.back() = wrongCheck.back() == 'Z' ? 'Y' : 'Z';
  otherVersion[9] = otherVersion[9] == 'Z' ? 'Y' : 'Z';
  for (char c : std::string("23456789ABCDEFGHJKLMNPQRSTUVWXYZ")) {
    otherVersion[10] = c;
    PuzzleKey k;
    if (ReadPuzzleCode(otherVersion, k) == CodeFault::OtherVersion) break;
  }
  for (const auto& [typed, said] : {std::pair{code.substr(0, 6), "code incomplet"},
                                    {wrongCheck, "caractère de contrôle faux"},
                                    {otherVersion, "code d'une autre version"}}) {
    h.TypeText(typed);
    h.Key(kVkReturn);
    h.Tick();
    EXPECT_EQ(G.codeProblem, said);
    EXPECT_TRUE(G.gameTitle.empty());
    for (int i = 0; i < 12; ++i) h.Key(kVkBack);
  }
  WritePreviewFrame("code_page");
  // The page's own buttons: a wrong last symbol, erased, then the right one.
  const std::string keys = "0123456789ABCDEFGHJKLMNPQRSTUVWXYZ", symbols = CodeSymbols(code);
  auto press = [&](char c) {
    const int i = static_cast<int>(keys.find(c)), row = i < 10 ? 0 : 1 + (i - 10) / 12;
    h.Click(G.panelX + 47 + 36 * (i < 10 ? i : (i - 10) % 12), 72 + 138 + 34 * row);
  };
  for (char c : symbols.substr(0, 8) + (symbols[8] == 'Z' ? 'Y' : 'Z')) press(c);
  h.Click(G.panelX + 70, 72 + 253);  // EFFACER
  press(symbols[8]);
  EXPECT_EQ(G.typedText, symbols);
  h.Click(G.panelX + 330, 72 + 253);  // JOUER
  ASSERT_EQ(PuzzleCode(), code);
  ASSERT_TRUE(Build(h, false));
  h.Tick();
  WritePreviewFrame("code_on_the_status_line");
  ASSERT_TRUE(SaveGame(false));
  const std::string name = G.listBoxes[listSaves].items[G.listBoxes[listSaves].itemCount];
  const std::string board = BoardImage();
  LoadGame(name);
  EXPECT_EQ(PuzzleCode(), code);
  EXPECT_EQ(BoardImage(), board);
  // A save made before codes were kept loads as it did, without a code.
  ASSERT_TRUE(RemoveFile(DataFolderPrefix() + "SAVE\\" + name + ".sa3"));
  LoadGame(name);
  EXPECT_EQ(G.currentVariant, 34u);
  EXPECT_EQ(PuzzleCode(), "");
}

TEST(PuzzleCodes, ThePuzzleOfTheDayIsRecordedOnceAndGivesALineToShare) {
  Started h;
  UseFakeToday(20261209);
  const DailyPuzzle today = DailyPuzzleOf(20261209);
  h.MoveTo(60, 45);
  h.Tick();
  WritePreviewFrame("game_list_with_the_puzzle_of_the_day");
  auto playAndWin = [&h](bool recorded) {
    h.Click(60, 45);  // "DÉFI DU JOUR"
    EXPECT_EQ(G.dailyRecording, recorded);
    ASSERT_TRUE(Build(h, false));
    G.gameWon = 1;
    G.elapsedMinutes = 4;
    G.elapsedSeconds = 12;
    h.Click(400, 300);
    EXPECT_EQ(G.currentScreen, 11);
    h.Run(1000);
  };
  auto close = [&h] {
    h.Key(kVkEscape);
    h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
    h.Tick(2);
  };
  playAndWin(true);
  EXPECT_EQ(ScreenClipboard(), Latin1ToUtf8("Lettrarium · défi du 9 décembre 2026 · " + today.label +
                                            " · 4 min 12 s · " + today.code));
  WritePreviewFrame("daily_result");
  close();
  const std::string scores = G.listBoxes[listScores].items[1];
  playAndWin(false);  // a replay: no score line
  close();
  EXPECT_EQ(G.listBoxes[listScores].items[1], scores);
  std::vector<std::string> lines;
  ASSERT_TRUE(ReadLines(DataFolderPrefix() + "CFG\\defis.txt", lines));
  EXPECT_EQ(lines, std::vector<std::string>{"20261209 " + today.code + " 252 " + std::to_string(10000 - 3200 - 96)});
  UseFakeToday(20261208);  // the clock set back
  playAndWin(false);
  close();
  UseFakeToday(20261210);
  playAndWin(true);
  for (int day = 20261209; day < 20261209 + 14; ++day) std::cout << DailyPuzzleOf(day).label << " " << DailyPuzzleOf(day).code << "\n";
  UseFakeToday(0);
}

TEST(PuzzleCodes, TheCommandLineRefusesABadCodeWithOneLine) {
  const char* bad[] = {"lettrarium", "--code", "043-K7Q2"};
  std::string out, err;
  EXPECT_EQ(AnswerCommandLine(ParseCommandLine(3, bad), out, err), 2);
  EXPECT_EQ(err, Latin1ToUtf8("lettrarium : code « 043-K7Q2 » refusé : code incomplet\n"));
  const char* fine[] = {"lettrarium", "--daily", "--code", "o43-k7q2 34"};  // the help's example, typed loosely
  const CommandLine line = ParseCommandLine(4, fine);
  EXPECT_TRUE(line.daily);
  EXPECT_EQ(AnswerCommandLine(line, out, err), -1);
  gCommandLine = line;  // --daily goes first, at once
  Started h;
  EXPECT_EQ(PuzzleCode(), DailyPuzzleOf(Today()).code);
}
