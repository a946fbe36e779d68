// SPDX-License-Identifier: GPL-3.0-or-later
// Hidden words: a square of letters, the crossword's letters with a random
// letter in place of each black square, and the crossword's words listed
// beside it. The player finds each word by pressing on its first letter and
// releasing on its last, across or down; found words are framed and lit, and
// the game is won once every word is found.
#include <string>

#include "display/colour_scheme.h"
#include "display/drawing.h"
#include "display/sound.h"
#include "games/board.h"
#include "games/framework.h"
#include "games/game_routines.h"
#include "games/grid_games.h"
#include "games/list_square.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/page.h"
#include "state/game_state.h"
#include "words/player_lists.h"
#include "words/word_store.h"

namespace {

// A word entry: the first letter's column and row and the last letter's
// column and row (spaces until found), '0' or '1' for found, then the word.
// A cell number n is kept as the letter '@' + n ('A' for 1 ... 'T' for 20):
// the numbers' own character codes would put line breaks (10, 13) into the
// list, which a saved game writes as text lines.
constexpr size_t kWordAt = 5;
constexpr size_t kFoundAt = 4;

char CellCode(int n) { return static_cast<char>('@' + n); }
int CellNumber(char code) { return code - '@'; }
// A line of a damaged save may be no entry at all; it is left alone.
bool IsEntry(const std::string& entry) { return entry.size() > kWordAt; }
std::string WordOf(const std::string& entry) { return entry.substr(kWordAt); }
bool IsFound(const std::string& entry) { return entry[kFoundAt] == '1'; }

void LayOutSquare(const TjsysGrille& reader, int size) {
  for (int c = 0; c < size; ++c)
    for (int r = 0; r < size; ++r) {
      const char ch = reader.cells[c][r];
      const int x = c + 1, y = r + 1, at = CellIndex(x, y);
      G.answerGridA[at] = static_cast<uint8_t>(ch);
      // A filler letter from A to Y, never Z.
      G.boardLetters[at] = ch == '*' ? static_cast<uint8_t>('A' + Random(25)) : static_cast<uint8_t>(ch);
      SetCellState(x, y, kCellOpen);
      G.boardPlayable[at] = 1;
      G.boardPickable[at] = 1;
    }
}

// The crossword's words, each once, in the reader's order, as unfound entries.
void ListDistinctWords(const TjsysGrille& reader) {
  std::vector<std::string> words;
  reader.CollectWords(words);
  G.wordList.clear();
  for (const std::string& word : words) {
    bool repeated = false;
    for (const std::string& entry : G.wordList) repeated = repeated || WordOf(entry) == word;
    if (!repeated) G.wordList.push_back("    0" + word);
  }
}

// The last cell of a found word, from its first cell along the direction of
// the selection. Worked out from the word rather than from the pointer, which
// may have moved on since the release; a word that reads both across and down
// from its first cell is framed the way it was selected.
Point LastCellOf(Point first, const std::string& word, bool across) {
  const int run = static_cast<int>(word.size()) - 1;
  if (across) return {first.x + run, first.y};
  return {first.x, first.y + run};
}

// Marks the first unfound entry the closed selection spells, if any.
void MarkSelectedWord() {
  // The closed selection's direction is read once, then the held-letter
  // default comes back for whatever is picked up next.
  const bool across = G.heldHorizontal != 0;
  G.heldHorizontal = 1;
  if (G.heldText.empty()) return;
  for (std::string& entry : G.wordList) {
    if (!IsEntry(entry) || IsFound(entry) || WordOf(entry) != G.heldText) continue;
    const Point first = G.heldOriginCell, last = LastCellOf(first, G.heldText, across);
    G.heldText.clear();
    entry[0] = CellCode(first.x);
    entry[1] = CellCode(first.y);
    entry[2] = CellCode(last.x);
    entry[3] = CellCode(last.y);
    entry[kFoundAt] = '1';
    PlaySound(kSoundDrop);
    return;
  }
}

// On a player's list the square is made from the list's words; the cells
// around them are filler letters, gone from the solution shown.
bool BuildListSquareOnce(int size) {
  if (G.boardReady) return true;
  G.gameSize = size;
  char cells[20][20];
  bool used[20][20];
  std::vector<std::string> words;
  if (!MakeListSquare(size, cells, used, words)) {
    AbandonGame("Pas assez de mots de 3 à " + std::to_string(size) + " lettres dans cette liste.");
    return false;
  }
  for (int c = 0; c < size; ++c)
    for (int r = 0; r < size; ++r) {
      const int x = c + 1, y = r + 1, at = CellIndex(x, y);
      G.answerGridA[at] = static_cast<uint8_t>(used[c][r] ? cells[c][r] : '*');
      G.boardLetters[at] = static_cast<uint8_t>(cells[c][r]);
      SetCellState(x, y, kCellOpen);
      G.boardPlayable[at] = 1;
      G.boardPickable[at] = 1;
    }
  G.wordList.clear();
  for (const std::string& word : words) G.wordList.push_back("    0" + word);
  G.boardReady = 1;
  PlaySound(kSoundBoardReady);
  return true;
}

}  // namespace

void DrawFoundWordFrame(const std::string& entry) {
  const Point p1 = PointOfCell({CellNumber(entry[0]), CellNumber(entry[1])});
  const Point p2 = PointOfCell({CellNumber(entry[2]), CellNumber(entry[3])});
  const bool down = entry[0] == entry[2], across = entry[1] == entry[3];
  Canvas canvas(ThePage());
  canvas.SetBrushClear();
  canvas.SetPen(down ? Scheme().downFrame : Scheme().acrossFrame, 2);
  // A found word's frame is doubled, the selection's band is single: the
  // two never tell themselves apart by colour alone.
  for (int inset : {0, -3}) {
    if (down) canvas.RoundRect(p1.x + 3 + inset, p1.y + 7 + inset, p2.x + 24 - inset, p2.y + 29 - inset, 10, 10);
    if (across) canvas.RoundRect(p1.x + 3 + inset, p1.y + 8 + inset, p2.x + 20 - inset, p2.y + 29 - inset, 10, 10);
    canvas.SetPen(down ? Scheme().downFrame : Scheme().acrossFrame, 1);
  }
  canvas.Release();
}

void PlayHiddenWords(int size, const std::string& gridFile) {
  const bool built = loadedWordList == kPlayerWords ? BuildListSquareOnce(size)
                                                    : BuildGridGameOnce(size, gridFile, [size](const TjsysGrille& reader) {
                                                        LayOutSquare(reader, size);
                                                        ListDistinctWords(reader);
                                                        return true;
                                                      });
  if (!built) return;
  DrawBoard();
  MarkSelectedWord();
  int found = 0, entries = 0;
  for (size_t i = 0; i < G.wordList.size(); ++i) {
    const std::string& entry = G.wordList[i];
    if (!IsEntry(entry)) continue;
    ++entries;
    // Once the game is over, neither the list nor the frames are drawn.
    if (G.gameLost || G.gameWon) continue;
    const Point at = WordListPoint(static_cast<int>(i));
    if (IsFound(entry)) {
      DrawFoundWordFrame(entry);
      ++found;
    }
    // A list's words are shown as the player typed them, accents and all.
    DrawSmallText(at.x, at.y, IsFound(entry) ? kHighlight : kWhite, ShownFormOf(WordOf(entry)));
  }
  // The filler letters vanish: a black square's '*' is not drawn on an open cell.
  if (G.gameLost) ShowSolution(size, 1, SolutionPlane::kA, false);
  if (!G.gameLost && found == entries) G.gameWon = 1;
}

// The hidden words decide for themselves when the last word is found.
bool HiddenWordsSolved() { return false; }

// A hint finds the first word of the list not found yet: framed and lit as
// if selected, where it first reads across, else down.
bool HiddenWordsHint() {
  for (std::string& entry : G.wordList) {
    if (!IsEntry(entry) || IsFound(entry)) continue;
    const std::string word = WordOf(entry);
    const int length = static_cast<int>(word.size());
    for (int across = 1; across >= 0; --across)
      for (int y = 1; y <= G.gameSize; ++y)
        for (int x = 1; x <= G.gameSize; ++x) {
          const bool fits = across ? x + length - 1 <= G.gameSize : y + length - 1 <= G.gameSize;
          if (!fits || ReadBoardRun(x, y, length, across ? 1 : 2) != word) continue;
          const Point last = LastCellOf({x, y}, word, across != 0);
          entry[0] = CellCode(x);
          entry[1] = CellCode(y);
          entry[2] = CellCode(last.x);
          entry[3] = CellCode(last.y);
          entry[kFoundAt] = '1';
          PlaySound(kSoundDrop);
          return true;
        }
  }
  return false;
}
