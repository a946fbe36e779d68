// SPDX-License-Identifier: GPL-3.0-or-later
// MOT DE PASSE: the password's letters are given shuffled in column 2; each
// belongs in the gap of a five-letter clue word, and the letters dropped into
// the gaps, read down the answer column, spell the password.
#include <string>

#include "display/drawing.h"
#include "display/sound.h"
#include "games/board.h"
#include "games/framework.h"
#include "games/game_routines.h"
#include "games/word_draws.h"
#include "state/game_state.h"
#include "words/word_routines.h"

namespace {

// The word slots between the routine and the completion check: the password,
// and what the answer column spells.
constexpr int kPasswordSlot = 0, kAnswerSlot = 18;


constexpr int kAnswerColumn = 11;
const std::string kNoClue = "?????";

int ClueColumn(int k) { return k % 2 == 1 ? 5 : 13; }

// An everyday five-letter word holding the letter: drawn 99 times at most,
// then (letters like X or Q seldom come so) the first known one holding it
// from a random word on, everyday ones first. The no-clue marker only when
// the list has none at all.
std::string DrawClue(char letter) {
  for (int draw = 1; draw < 100; ++draw) {
    const std::string word = EverydayWord(5);
    if (word.find(letter) != std::string::npos && IsFairWord(word)) return word;
  }
  auto holds = [letter](const std::string& w) { return w.find(letter) != std::string::npos; };
  std::string word = FirstFairWord(5, [&](const std::string& w) { return holds(w) && IsEverydayWord(w); });
  if (word.empty()) word = FirstFairWord(5, holds);
  return word.empty() ? kNoClue : word;
}

// Where the clue's gap lies: its first occurrence of the letter. A clue that
// was never found holds no such letter, so its gap is put in its middle, which
// keeps the row playable.
size_t GapOf(const std::string& clue, char letter) {
  const size_t at = clue.find(letter);
  return at == std::string::npos ? clue.size() / 2 : at;
}

void BuildPassword(int length) {
  const std::string password = RandomWord(static_cast<uint8_t>(length));
  // A list without a word of this length would leave an empty board forever.
  if (password.empty()) {
    AbandonGame("Aucun mot de " + std::to_string(length) + " lettres dans cette liste.");
    return;
  }
  G.wordSlots[kPasswordSlot] = password;
  G.wordSlots[kAnswerSlot] = "";
  for (int k = 1; k <= length; ++k) {
    G.boardLetters[CellIndex(kAnswerColumn, k + 2)] = ' ';
    G.wordSlots[k] = DrawClue(password[k - 1]);
  }
  PlaceWord(2, 3, password, 0, G.boardLetters, 1);
  ShuffleBoardWord(2, 3, length, 0);
  for (int k = 1; k <= length; ++k) {
    const int cell = CellIndex(2, k + 2);
    G.boardPickable[cell] = 1;
    G.boardPlayable[cell] = 1;
    G.boardCellColour[cell] = kHighlight;
  }
  PlaySound(kSoundBoardReady);
}

void DrawCluesAndMarkers(int length, bool firstCall) {
  const std::string password = G.wordSlots[kPasswordSlot].str();
  for (int k = 1; k <= length; ++k) {
    std::string clue = G.wordSlots[k].str();
    const size_t gap = GapOf(clue, password[k - 1]);
    clue[gap] = ' ';
    const int column = ClueColumn(k);
    const Point marker = PointOfCell({k % 2 == 1 ? 10 : 12, k + 2});
    DrawTwoStateMarker(marker.x, marker.y, k % 2 == 1 ? 1 : 2);
    if (!firstCall) continue;
    PlaceWord(column, k + 2, clue, 1, G.boardLetters, 1);
    for (size_t i = 0; i < clue.size(); ++i) G.boardCellColour[CellIndex(column + static_cast<int>(i), k + 2)] = kWhite;
    const int gapCell = CellIndex(column + static_cast<int>(gap), k + 2);
    G.boardPlayable[gapCell] = 1;
    G.boardPickable[gapCell] = 1;
    G.boardCellColour[gapCell] = kHighlight;
  }
}

// Every red cell copies its letter into the answer column of its row; the
// gaps come after column 2, so a clue's gap decides its row.
void CopyRedCellsToAnswers() {
  for (int x = 2; x <= 20; ++x)
    for (int y = 1; y <= 20; ++y)
      if (G.boardCellColour[CellIndex(x, y)] == kHighlight)
        G.boardLetters[CellIndex(kAnswerColumn, y)] = G.boardLetters[CellIndex(x, y)];
}

}  // namespace

void PlayPassword(int length) {
  const bool firstCall = !G.boardReady;
  if (firstCall) {
    BuildPassword(length);
    if (G.gameTitle.empty()) return;
  }
  DrawCluesAndMarkers(length, firstCall);
  CopyRedCellsToAnswers();
  G.wordSlots[kAnswerSlot] = ReadBoardRun(kAnswerColumn, 3, length, 0);
  if (G.gameLost) PlaceWord(kAnswerColumn, 3, G.wordSlots[kPasswordSlot].str(), 0, G.boardLetters, 1);
  DrawBoard();
  CheckGameComplete();
  G.boardReady = 1;
}

bool PasswordSolved() { return SlotsEqual(kPasswordSlot, kAnswerSlot); }
