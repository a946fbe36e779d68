// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/framework.h"

#include "display/play_clock.h"
#include "games/game_routines.h"
#include "games/keyboard_play.h"
#include "state/forms.h"
#include "state/game_state.h"
#include "words/word_routines.h"

bool VariantIn(unsigned variant, std::initializer_list<std::pair<unsigned, unsigned>> ranges) {
  for (const auto& [first, last] : ranges)
    if (variant >= first && variant <= last) return true;
  return false;
}

bool IsHangman(unsigned v) {
  return VariantIn(v, {{8, 10}, {68, 75}, {112, 114}, {122, 124}, {132, 134}, {142, 144}});
}
bool IsHiddenWords(unsigned v) { return VariantIn(v, {{33, 36}, {99, 102}}); }
bool IsCutWords(unsigned v) { return VariantIn(v, {{26, 28}, {105, 107}, {115, 117}, {125, 127}, {135, 137}}); }
bool IsWordRows(unsigned v) { return VariantIn(v, {{51, 59}, {108, 111}, {118, 121}, {128, 131}, {138, 141}}); }
bool IsDeconstructed(unsigned v) { return VariantIn(v, {{43, 45}}); }

void PlaceAcross(int x, int y, const std::string& text) { PlaceWord(x, y, text, 1, G.boardLetters, 1); }

void WriteAlphabet(int x, int row) {
  PlaceAcross(x, row, "ABCDEFGHIJKLM");
  PlaceAcross(x, row + 1, "NOPQRSTUVWXYZ");
}

std::string ReadBoardRun(int x, int y, int length, int direction) {
  std::string run;
  for (int i = 0; i < length; ++i) {
    const int cx = direction == 1 ? x + i : x, cy = direction == 1 ? y : y + i;
    if (cx < 0 || cx > 20 || cy < 0 || cy > 20) break;
    run += static_cast<char>(G.boardLetters[CellIndex(cx, cy)]);
  }
  return run;
}

// The parameter of variant v within its block: the k-th variant of the block
// starting at `first` takes values[k].
static int Nth(unsigned v, unsigned first, std::initializer_list<int> values) { return values.begin()[v - first]; }

static void DispatchVariant(unsigned v) {
  static const std::string french = "grilles.txt", english = "grillesEnglish.txt";
  if (v >= 1 && v <= 3) PlayCodedGrid(Nth(v, 1, {12, 10, 8}), french);
  else if (v == 4) PlayLongestWord();
  else if (v >= 5 && v <= 7) PlayCrossingWords(Nth(v, 5, {13, 11, 9}));
  else if (v >= 8 && v <= 10) PlayHangman(Nth(v, 8, {12, 10, 8}));
  else if (v >= 11 && v <= 13) PlayPassword(Nth(v, 11, {12, 10, 8}));
  else if (v >= 14 && v <= 15) PlayVowelExchange(Nth(v, 14, {8, 6}));
  else if (v >= 16 && v <= 18) PlayAnagram(Nth(v, 16, {14, 10, 6}));
  else if (v >= 19 && v <= 21) PlayExtraLetter(Nth(v, 19, {4, 3, 2}));
  else if (v >= 22 && v <= 24) PlayCrossedPair(Nth(v, 22, {11, 9, 7}));
  else if (v == 25) PlayThirdWord();
  else if (v >= 26 && v <= 28) PlayCutWords(Nth(v, 26, {10, 8, 6}));
  else if (v >= 29 && v <= 32) PlayWordPlacement(Nth(v, 29, {12, 10, 8, 6}), french);
  else if (v >= 33 && v <= 36) PlayHiddenWords(Nth(v, 33, {12, 10, 8, 6}), french);
  else if (v >= 37 && v <= 38) PlayScrambledGrid(Nth(v, 37, {8, 6}), french);
  else if (v >= 39 && v <= 42) PlayConsonantExchange(Nth(v, 39, {4, 3, 2, 1}));
  else if (v >= 43 && v <= 45) PlayDeconstructedGrid(Nth(v, 43, {10, 8, 6}));
  else if (v >= 46 && v <= 48) PlayMaxiWords(Nth(v, 46, {1, 2, 3}));
  else if (v >= 49 && v <= 50) PlayWordsStartingWith(Nth(v, 49, {1, 2}));
  else if (v >= 51 && v <= 59) PlayWordRows(static_cast<int>(v) - 45);
  else if (v >= 60 && v <= 63) PlayLetterSums(Nth(v, 60, {12, 10, 8, 6}));
  else if (v >= 64 && v <= 67) PlayErasedLetters(Nth(v, 64, {12, 10, 8, 6}));
  else if (v >= 68 && v <= 75) PlayProverbHangman(static_cast<int>(v) - 67);
  else if (v >= 76 && v <= 87) PlayMonthProverbs(static_cast<int>(v) - 75);
  else if (v >= 88 && v <= 91) PlayCrossingWords(Nth(v, 88, {5, 6, 7, 8}));
  else if (v >= 92 && v <= 94) PlayCodedGrid(Nth(v, 92, {12, 10, 8}), english);
  else if (v >= 95 && v <= 98) PlayWordPlacement(Nth(v, 95, {12, 10, 8, 6}), english);
  else if (v >= 99 && v <= 102) PlayHiddenWords(Nth(v, 99, {12, 10, 8, 6}), english);
  else if (v >= 103 && v <= 104) PlayScrambledGrid(Nth(v, 103, {8, 6}), english);
  else if (v >= 105 && v <= 144) {
    // Four themes of ten variants: cut words, word rows, hangman.
    const unsigned k = (v - 105) % 10;
    if (k <= 2) PlayCutWords(Nth(k, 0, {10, 8, 6}));
    else if (k <= 6) PlayWordRows(static_cast<int>(k) + 3);
    else PlayHangman(Nth(k, 7, {12, 10, 8}));
  } else if (v >= 145 && v <= 150) PlayStackedWords(Nth(v, 145, {14, 13, 12, 11, 10, 9}));
}

void RunCurrentGame() {
  if (G.boardReady && !Form2.Timer1Enabled) StartPlayClock();
  if (Form2.Timer1Enabled && G.gameWon) StopPlayClock();
  G.cursorShape = 0;
  DispatchVariant(G.currentVariant);
  KeepKeyCursor();
}
