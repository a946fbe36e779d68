// SPDX-License-Identifier: GPL-3.0-or-later
// ZERUZE: a word is guessed in at most eight rows, each starting with the
// word's first letter and spelt with letters dragged from the alphabet; a
// row that is a dictionary word shows its well-placed letters.
#include <string>

#include "display/drawing.h"
#include "display/sound.h"
#include "games/board.h"
#include "games/framework.h"
#include "games/game_routines.h"
#include "platform/clock.h"
#include "state/game_state.h"
#include "words/word_routines.h"
#include "words/word_store.h"

namespace {

// The word slots between the routine and the completion check: the word to
// guess, and the last row the player sent.
constexpr int kWordSlot = 0, kGuessSlot = 9;


constexpr int kFirstColumn = 7;
constexpr int kFirstRow = 7;
constexpr int kRows = 8;

// Only the alphabet's letters can be dragged into a row, so a word holding a
// space, a hyphen or an apostrophe (the themed lists have a few) could never
// be spelt: it is drawn again like the word with a space.
bool CanBeSpelt(const std::string& word) {
  for (char c : word)
    if (c < 'A' || c > 'Z') return false;
  return true;
}

// A word of the length the alphabet can spell. The draws are bounded, then
// the list is searched in order, so a list without such a word cannot hang
// the game; "" when no word fits.
std::string ChooseWord(int length) {
  for (int draw = 0; draw < 1000; ++draw) {
    const std::string word = RandomWord(static_cast<uint8_t>(length));
    if (word.empty()) return "";
    if (CanBeSpelt(word)) return word;
  }
  for (int slot = 1; slot <= wordCount[length]; ++slot) {
    const std::string word = StoredWord(length, slot);
    if (CanBeSpelt(word)) return word;
  }
  return "";
}

void BuildRows(int length) {
  for (int x = 7; x <= 19; ++x)
    for (int y = 2; y <= 3; ++y) {
      G.boardPlayable[CellIndex(x, y)] = 1;
      G.boardPickable[CellIndex(x, y)] = 1;
      SetCellState(x, y, kCellPalette);
    }
  const std::string word = length >= 1 && length <= 30 ? ChooseWord(length) : "";
  if (word.empty()) {
    AbandonGame("Aucun mot de " + std::to_string(length) + " lettres dans cette liste.");
    return;
  }
  G.wordSlots[kWordSlot] = word;
  // The rows still to play are dark empty tiles, so the well-placed letters
  // (plain tiles) of the rows played stand out from them.
  for (int y = kFirstRow; y < kFirstRow + kRows; ++y) {
    PlaceAcross(kFirstColumn, y, std::string(length, ' '));
    for (int x = kFirstColumn; x < kFirstColumn + length; ++x) SetCellState(x, y, kCellBlack);
  }
  G.boardLetters[CellIndex(kFirstColumn, kFirstRow)] = word[0];
  for (int x = kFirstColumn; x < kFirstColumn + length; ++x) G.boardPlayable[CellIndex(x, kFirstRow)] = 1;
  G.gameLength = 1;
  G.boardReady = 1;
  PlaySound(kSoundBoardReady);
  G.wordList.clear();
}

// Judges a complete row; false when it is no dictionary word and was cleared
// back to its first letter.
bool JudgeRow(int row, const std::string& guess, int length) {
  const std::string word = G.wordSlots[kWordSlot].str();
  if (!IsWord(guess)) {
    PlaceAcross(kFirstColumn + 1, row, std::string(length - 1, ' '));
    return false;
  }
  for (int j = 0; j < length; ++j)
    if (guess[j] == word[j]) SetCellState(kFirstColumn + j, row, kCellPlain);
  if (G.gameLength < kRows) {
    G.gameLength += 1;
    PlaySound(kSoundLanding);
    G.boardLetters[CellIndex(kFirstColumn, kFirstRow - 1 + G.gameLength)] = word[0];
  } else if (guess != word && !G.gameLost) {
    G.gameLost = 1;
    G.gameEndTick = Now();
  }
  return true;
}

// A letter in its place is ringed as well as on a plain tile, so no player
// has to tell the two tiles apart by their colour.
void DrawPlacedRings(int length) {
  for (int y = kFirstRow; y < kFirstRow + kRows; ++y)
    for (int x = kFirstColumn; x < kFirstColumn + length; ++x)
      if (CellState(x, y) == kCellPlain && G.boardLetters[CellIndex(x, y)] != ' ') DrawPlacedMark(PointOfCell({x, y}));
}

}  // namespace

void PlayWordRows(int length) {
  if (!G.boardReady) {
    BuildRows(length);
    if (G.gameTitle.empty()) return;
  }
  // The alphabet is written again every tick, so it never runs out.
  WriteAlphabet(7, 2);
  const int row = kFirstRow - 1 + G.gameLength;
  for (int x = kFirstColumn; x < kFirstColumn + length; ++x) {
    SetCellState(x, row, kCellOpen);
    G.boardPlayable[CellIndex(x, row)] = 1;
  }
  const std::string guess = ReadBoardRun(kFirstColumn, row, length, 1);
  G.wordSlots[kGuessSlot] = guess;
  const bool complete = guess.find(' ') == std::string::npos;
  if (complete && !(G.gameWon && G.gameLost) && !JudgeRow(row, guess, length)) return;
  if (G.gameLost) PlaceAcross(kFirstColumn, kFirstRow + kRows - 1, G.wordSlots[kWordSlot].str());
  CheckGameComplete();
  DrawBoard();
  DrawPlacedRings(length);
}

bool WordRowsSolved() { return SlotsEqual(kWordSlot, kGuessSlot); }
