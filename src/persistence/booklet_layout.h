// SPDX-License-Identifier: GPL-3.0-or-later
// What a printed puzzle shows: for each booklet layout, the puzzle as a
// person fills it in with a pencil, and its solution. One small function per
// kind of puzzle, all reading the board planes the game built.
#pragma once
#include <string>
#include <vector>

#include "platform/paper.h"
#include "state/game_state.h"

// A puzzle as its game built it, kept for its page and its solution page.
struct PrintedPuzzle {
  int number = 0;  // in the booklet, from 1
  std::string code;
  BoardRecord board{};
  std::vector<std::string> wordList;  // a hidden-word list as the player typed it, accents kept
  std::string listTitle;  // the player's list it plays on, "" for the variant's own words
};
// The board being played (or just built) as a printed puzzle.
PrintedPuzzle PuzzleOnTheBoard(int number, const std::string& code);

struct PaperArea {
  double x, y, w, h;  // millimetres
};

// "MOTS CODÉS 10x10", "THÈME ARBRES": the family as the page names it.
std::string NameOnPaper(const PrintedPuzzle& puzzle);
// The one-line instruction, in French.
std::string InstructionOf(const PrintedPuzzle& puzzle);
// The puzzle in its area: number, name, code and instruction, then the
// puzzle itself with room to write. Never an answer.
void DrawPuzzle(Paper& paper, const PrintedPuzzle& puzzle, const PaperArea& area);
// The solution, small, under the puzzle's number and code.
void DrawSolution(Paper& paper, const PrintedPuzzle& puzzle, const PaperArea& area);
