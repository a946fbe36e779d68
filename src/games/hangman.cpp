// SPDX-License-Identifier: GPL-3.0-or-later
// The hangman on a word, the hangman on a proverb, and the proverbs of the
// month filled in with letter tiles.
#include <cmath>
#include <string>

#include "display/drawing.h"
#include "display/sound.h"
#include "games/board.h"
#include "games/framework.h"
#include "games/game_routines.h"
#include "games/proverbs.h"
#include "platform/clock.h"
#include "state/game_state.h"
#include "words/word_routines.h"
#include "words/word_store.h"

namespace {

// The word slots between the routines and the completion check: the hidden
// text, and what the board shows of it (the month proverbs: what the player
// put in the rows).
constexpr int kSolutionSlot = 0, kShownSlot = 1;


const char* const kNationFiles[] = {"\\bin\\panglais.txt",   "\\bin\\pfrancais.txt", "\\bin\\pecossais.txt",
                                    "\\bin\\pallemands.txt", "\\bin\\pespagnols.txt", "\\bin\\pflamands.txt",
                                    "\\bin\\pindiens.txt",   "\\bin\\prusses.txt"};
const char* const kMonthFiles[] = {"\\bin\\pjanvier.txt", "\\bin\\pFevrier.txt",  "\\bin\\pMars.txt",
                                   "\\bin\\pAvril.txt",   "\\bin\\pMai.txt",      "\\bin\\pJuin.txt",
                                   "\\bin\\pJuillet.txt", "\\bin\\pAout.txt",     "\\bin\\pSeptembre.txt",
                                   "\\bin\\pOctobre.txt", "\\bin\\pNovembre.txt", "\\bin\\pDecembre.txt"};

bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }

// Five rows of twenty characters from column 1.
void LayOutInRows(const std::string& text, int firstRow) {
  for (int row = 0; row < 5 && row * 20 < static_cast<int>(text.size()); ++row)
    PlaceAcross(1, firstRow + row, text.substr(row * 20, 20));
}

void BuildKeyArea() {
  for (int x = 7; x <= 20; ++x)
    for (int y = 2; y <= 3; ++y) SetCellState(x, y, kCellPalette);
  WriteAlphabet(7, 2);
  for (int x = 7; x <= 19; ++x)
    for (int y = 2; y <= 3; ++y) G.boardPickable[CellIndex(x, y)] = 1;
}

void StartScan() {
  G.boardReady = 1;
  PlaySound(kSoundBoardReady);
  G.gamePhase = 0;
  G.scanClock = 0;
  G.gameSize = 0;
}

// One tick of a hangman: the chosen letter sweeps the hidden text from the
// left; each hit is revealed and the sweep starts again, and a sweep that
// reaches the end without the letter counts a miss.
void HangmanTick(double step, void (*layOut)(const std::string&)) {
  const std::string solution = G.wordSlots[kSolutionSlot].str();
  layOut(G.gameLost ? solution : G.wordSlots[kShownSlot].str());
  if (G.letterFlying) return;
  if (G.gameChar != ' ') G.scanClock += step;
  G.gamePhase = static_cast<int32_t>(std::nearbyint(G.scanClock));
  const int length = static_cast<int>(solution.size());
  if (G.gamePhase > length) {
    if (solution.find(static_cast<char>(G.gameChar)) == std::string::npos) {
      G.gameSize += 1;
      PlaySound(kSoundLanding);
    }
    G.gamePhase = 0;
    G.scanClock = 0;
    G.gameChar = ' ';
    CheckGameComplete();
  } else if (G.gamePhase >= 1) {
    std::string shown = G.wordSlots[kShownSlot].str();
    const int at = G.gamePhase - 1;
    if (at < static_cast<int>(shown.size()) && solution[at] == static_cast<char>(G.gameChar) && shown[at] == '-') {
      shown[at] = static_cast<char>(G.gameChar);
      G.wordSlots[kShownSlot] = shown;
      PlaySound(kSoundRightGuess);
      G.scanClock = 0;
    }
  }
  if (G.gameSize >= 11 && !G.gameLost) {
    G.gameLost = 1;
    G.gameEndTick = Now();
    layOut(solution);
  }
  DrawBoard();
  if (G.gameSize >= 1) DrawCard(20, 150, G.gameSize);
}

// A proverb of the file laid out on word boundaries over the five rows (a
// few draws, for the long ones that need a sixth row that way; the last one
// is then cut where it must be). False when the file gives none.
bool ChooseLaidOutProverb(const std::string& path, std::string& text) {
  for (int draw = 0; draw < 20; ++draw) {
    if (!ChooseProverb(path, text)) return false;
    const std::string laidOut = LayOutOnWords(text, 20, 5);
    if (!laidOut.empty()) {
      text = laidOut;
      return true;
    }
  }
  return true;
}

void LayOutWord(const std::string& text) { PlaceAcross(7, 10, text); }
void LayOutProverb(const std::string& text) { LayOutInRows(text, 10); }

}  // namespace

void PlayHangman(int length) {
  if (!G.boardReady) {
    BuildKeyArea();
    const std::string word = RandomWord(static_cast<uint8_t>(length));
    // A list without a word of this length would never build the game.
    if (word.empty()) {
      AbandonGame("Aucun mot de " + std::to_string(length) + " lettres dans cette liste.");
      return;
    }
    std::string solution = word, shown(word.size(), '-');
    // A space or a hyphen is an empty cell, an apostrophe shows as itself.
    for (size_t i = 0; i < solution.size(); ++i)
      if (!IsLetter(solution[i])) solution[i] = shown[i] = solution[i] == '\'' ? '\'' : '*';
    G.wordSlots[kSolutionSlot] = solution;
    G.wordSlots[kShownSlot] = shown;
    StartScan();
  }
  HangmanTick(0.2, LayOutWord);
}

void PlayProverbHangman(int nation) {
  if (!G.boardReady) {
    std::string text;
    if (nation < 1 || nation > 8 || !ChooseLaidOutProverb(G.programDir + kNationFiles[nation - 1], text)) {
      AbandonGame("Le fichier des proverbes est absent ou incomplet.");
      return;
    }
    // An apostrophe is shown as it is, the padding at a row's end is an empty
    // cell, any other sign a blank tile.
    std::string solution, shown;
    for (char c : text) {
      const char sign = c == '\'' || c == '*' ? c : ' ';
      solution += IsLetter(c) ? c : sign;
      shown += IsLetter(c) ? '-' : sign;
    }
    G.wordSlots[kSolutionSlot] = solution;
    G.wordSlots[kShownSlot] = shown;
    BuildKeyArea();
    StartScan();
  }
  HangmanTick(0.8, LayOutProverb);
}

void PlayMonthProverbs(int month) {
  if (!G.boardReady) {
    std::string text;
    if (month < 1 || month > 12 || !ChooseLaidOutProverb(G.programDir + kMonthFiles[month - 1], text)) {
      AbandonGame("Le fichier des proverbes est absent ou incomplet.");
      return;
    }
    std::string solution, layout;
    for (char c : text) {
      const char sign = c == '\'' ? c : '*';
      solution += IsLetter(c) ? c : sign;
      layout += !IsLetter(c) ? sign : (Random(100) > 25 ? c : ' ');
    }
    G.wordSlots[kSolutionSlot] = solution;
    G.wordSlots[2] = layout;
    for (int x = 4; x <= 16; ++x)
      for (int y = 1; y <= 2; ++y) {
        G.boardPlayable[CellIndex(x, y)] = 1;
        G.boardPickable[CellIndex(x, y)] = 1;
        SetCellState(x, y, kCellPalette);
      }
    LayOutInRows(layout, 6);
    G.boardReady = 1;
    PlaySound(kSoundBoardReady);
  }
  // The alphabet is written again every tick, so it never runs out.
  WriteAlphabet(4, 1);
  const std::string solution = G.wordSlots[kSolutionSlot].str();
  if (G.gameLost) LayOutInRows(solution, 6);
  for (int x = 1; x <= 20; ++x)
    for (int y = 6; y <= 10; ++y)
      if (G.boardLetters[CellIndex(x, y)] == ' ') G.boardPlayable[CellIndex(x, y)] = 1;
  DrawBoard();
  std::string readBack;
  for (int y = 6; y <= 10; ++y) readBack += ReadBoardRun(1, y, 20, 1);
  G.wordSlots[kShownSlot] = readBack.substr(0, solution.size());
  CheckGameComplete();
}

// The hangmen and the month proverbs are solved when the board shows the whole text.
bool HangmanSolved() { return SlotsEqual(kSolutionSlot, kShownSlot); }

// A hint uncovers the first letter of the text still hidden, wherever it
// stands, and costs a miss as a wrong guess would; its key leaves the
// alphabet. Only between two guesses, never during a sweep.
bool HangmanHint() {
  if (G.gameChar != ' ' || G.gameLost) return false;
  const std::string solution = G.wordSlots[kSolutionSlot].str();
  std::string shown = G.wordSlots[kShownSlot].str();
  const size_t at = shown.find('-');
  if (at == std::string::npos || at >= solution.size()) return false;
  const char letter = solution[at];
  for (size_t i = 0; i < shown.size() && i < solution.size(); ++i)
    if (solution[i] == letter) shown[i] = letter;
  G.wordSlots[kShownSlot] = shown;
  for (int x = 7; x <= 19; ++x)
    for (int y = 2; y <= 3; ++y)
      if (G.boardLetters[CellIndex(x, y)] == static_cast<uint8_t>(letter)) G.boardLetters[CellIndex(x, y)] = ' ';
  G.gameSize += 1;
  PlaySound(kSoundRightGuess);
  CheckGameComplete();
  return true;
}
