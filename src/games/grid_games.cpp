// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/grid_games.h"

#include "display/drawing.h"
#include "display/sound.h"
#include "games/board.h"
#include "games/framework.h"
#include "platform/clock.h"

std::string GridKey(int size) { return std::to_string(size) + "x" + std::to_string(size); }

bool ChooseGrid(TjsysGrille& reader, int size, const std::string& gridFile) {
  const std::string key = GridKey(size);
  reader.LoadFile(G.programDir + "bin\\" + gridFile);
  const int count = reader.CountGrids(key);
  if (count > 0) reader.SelectGrid(key, Random(count - 1) + 1);
  if (reader.width != size || reader.height != size) return false;
  for (int c = 0; c < size; ++c)
    for (int r = 0; r < size; ++r) {
      const char ch = reader.cells[c][r];
      if (ch != '*' && (ch < 'A' || ch > 'Z')) return false;
    }
  return true;
}

void AbandonGridGame(int size, const std::string& gridFile) {
  AbandonGame("Aucune grille " + GridKey(size) + " utilisable dans " + gridFile + ".");
}

bool BuildGridGameOnce(int size, const std::string& gridFile,
                       const std::function<bool(const TjsysGrille&)>& layOut) {
  if (G.boardReady) return true;
  G.gameSize = size;
  TjsysGrille reader;
  if (!ChooseGrid(reader, size, gridFile) || !layOut(reader)) {
    AbandonGridGame(size, gridFile);
    return false;
  }
  G.boardReady = 1;
  PlaySound(kSoundBoardReady);
  return true;
}

int PaletteRow(int size) { return size == 12 ? 13 : size + 2; }

void LiftBoardAboveToolbar(int lastRow) {
  constexpr int kToolbarTop = 540, kCell = 31, kClearance = 4;
  const int bottom = G.boardOriginY + kCell * (lastRow + 1);
  if (bottom > kToolbarTop - kClearance) G.boardOriginY -= bottom - (kToolbarTop - kClearance);
}

void MarkPalette(int row) {
  for (int x = 1; x <= 13; ++x)
    for (int y = row; y <= row + 1; ++y) {
      G.boardPlayable[CellIndex(x, y)] = 1;
      G.boardPickable[CellIndex(x, y)] = 1;
      SetCellState(x, y, kCellPalette);
    }
}

void ShowSolution(int size, int firstRow, SolutionPlane plane, bool markWrong) {
  for (int x = 1; x <= size; ++x)
    for (int y = firstRow; y < firstRow + size; ++y) {
      const int at = CellIndex(x, y);
      const int32_t letter = plane == SolutionPlane::kA ? G.answerGridA[at] : G.answerGridB[at];
      // A letter the player had wrong stays struck through under the
      // solution's, every tick the solution shows.
      const bool wrong = markWrong && G.boardLetters[at] != ' ' && G.boardLetters[at] != '*' && G.boardLetters[at] != letter;
      if (wrong || G.boardCellColour[at] != kWrongLetter) G.boardCellColour[at] = wrong ? kWrongLetter : kHighlight;
      G.boardLetters[at] = static_cast<uint8_t>(letter);
    }
}

Point WordListPoint(int index) {
  const int line = index % 30 + 1;
  return {index < 30 ? 500 : 650, 15 * line + 60};
}

bool WordIsPlaced(const std::string& word) {
  const std::string bounded = "*" + word + "*";
  const int length = static_cast<int>(bounded.size());
  for (int i = 0; i <= G.gameSize; ++i)
    for (int j = 0; j <= G.gameSize; ++j)
      if (ReadBoardRun(i, j, length, 1) == bounded || ReadBoardRun(i, j, length, 2) == bounded) return true;
  return false;
}

void DrawPlacedWordList() {
  if (G.gameLost || G.gameWon) return;
  for (size_t i = 0; i < G.wordList.size(); ++i) {
    const std::string& word = G.wordList[i];
    const std::string length = std::to_string(word.size());
    const std::string label = (word.size() < 10 ? " " : "") + length + "-" + word;
    const Point at = WordListPoint(static_cast<int>(i));
    DrawSmallText(at.x, at.y, WordIsPlaced(word) ? kHighlight : kWhite, label);
  }
}
