// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/nine_letters.h"

#include <algorithm>
#include <string>
#include <vector>

#include "display/drawing.h"
#include "display/sound.h"
#include "games/board.h"
#include "games/framework.h"
#include "games/game_routines.h"
#include "platform/clock.h"
#include "state/game_state.h"
#include "words/word_routines.h"
#include "words/word_store.h"

namespace nine_letters {

namespace {

constexpr size_t kMostWords = 64;  // a list this long is drawn again
constexpr int kListTop = 60, kLineHeight = 15, kLinesPerColumn = 30;
constexpr size_t kFoundShown = 59;

bool IsFound(const std::string& entry) { return !entry.empty() && entry[0] == ' '; }

size_t FoundCount() {
  return static_cast<size_t>(std::count_if(G.wordList.begin(), G.wordList.end(), IsFound));
}

// One draw; true when its list fits the hunt and the board is laid out.
bool TryHunt(const WordHunt& hunt, int part) {
  const std::string letters = DrawLetters(false);
  const std::vector<std::string> words = HuntedWords(hunt, WordsSpeltWith(letters), letters[0]);
  if (!HuntFits(hunt, words.size())) return false;
  G.wordSlots[0] = letters;
  G.gameLength = static_cast<int32_t>(words[0].size());
  const int firstPlayable = hunt.startsWithFirstLetter ? kFirstColumn + 1 : kFirstColumn;
  LayOutLetters(letters, hunt.answerRow, G.gameLength, firstPlayable);
  if (hunt.startsWithFirstLetter) {
    // The first letter stands fixed at the start of the answer row.
    G.boardLetters[CellIndex(kFirstColumn, hunt.answerRow)] = static_cast<uint8_t>(letters[0]);
    G.boardCellColour[CellIndex(kFirstColumn, kLetterRow)] = kHighlight;
    G.boardCellColour[CellIndex(kFirstColumn, hunt.answerRow)] = kHighlight;
  }
  G.wordList = words;
  G.gamePhase = static_cast<int32_t>(words.size());
  G.gameSize = G.gamePhase / std::max(part, 1);
  G.boardReady = 1;
  PlaySound(kSoundBoardReady);
  return true;
}

// The words missed, from x = 555, thirty to a column.
void ListMissedWords() {
  int shown = 0;
  for (size_t i = 0; i < G.wordList.size() && i < kMostWords; ++i) {
    if (IsFound(G.wordList[i])) continue;
    // The second column takes every word after the thirtieth.
    const int x = shown < kLinesPerColumn ? 555 : 650;
    const int j = shown < kLinesPerColumn ? shown + 1 : shown - kLinesPerColumn + 1;
    DrawSmallText(x, kLineHeight * j + kListTop, kWhite, G.wordList[i]);
    ++shown;
  }
}

bool HasVowel(const std::string& word) {
  return std::any_of(word.begin(), word.end(), [](char c) { return IsVowel(static_cast<uint8_t>(c)); });
}

// A word the hunt counts: long enough, with a vowel (the dictionary holds
// abbreviations such as CG and KG), and beginning with the first letter
// where the hunt asks for it.
bool Counts(const WordHunt& hunt, const std::string& word, char firstLetter) {
  if (word.size() < hunt.shortestWord || !HasVowel(word)) return false;
  return !hunt.startsWithFirstLetter || word[0] == firstLetter;
}

// A dictionary word the hunt counts on the answer row marks every unfound
// entry equal to it. The list holds the known words only: another word of
// the dictionary is added to it, found, and counts as well.
void MarkFoundWord(const WordHunt& hunt) {
  const std::string answer = G.wordSlots[1].str();
  if (!Counts(hunt, answer, G.wordSlots[0].str()[0]) || !IsWord(answer)) return;
  const std::string found = " " + answer;
  if (std::find(G.wordList.begin(), G.wordList.end(), found) != G.wordList.end()) return;
  bool listed = false;
  for (std::string& entry : G.wordList)
    if (entry == answer) {
      entry = found;
      listed = true;
      PlaySound(kSoundRightGuess);
    }
  if (!listed) {
    G.wordList.push_back(found);
    PlaySound(kSoundRightGuess);
  }
}

void ListFoundWords(const WordHunt& hunt) {
  size_t shown = 0;
  for (const std::string& entry : G.wordList) {
    if (!IsFound(entry)) continue;
    if (shown == kFoundShown) break;
    const int x = shown < kLinesPerColumn ? 1 : hunt.secondColumnX;
    const int j = static_cast<int>(shown % kLinesPerColumn) + 1;
    DrawSmallText(x, kLineHeight * j + kListTop, kWhite, entry);
    ++shown;
  }
}

}  // namespace

std::string DrawLetters(bool wholeAlphabet) {
  std::string letters;
  while (letters.size() < static_cast<size_t>(kLetters)) {
    const char c = static_cast<char>(wholeAlphabet ? Random(26) + 'A' : Random(25) + 'B');
    const bool accepted = Random(100) < 31 || IsVowel(static_cast<uint8_t>(c));
    if (!accepted) continue;
    const bool mayRepeat = wholeAlphabet && (c == 'A' || c == 'E');
    if (mayRepeat || letters.find(c) == std::string::npos) letters += c;
  }
  return letters;
}

std::vector<std::string> WordsSpeltWith(const std::string& letters) {
  std::vector<std::string> words;
  WordsFromLetters(words, letters);
  if (words.size() == 1 && words[0] == NoResultMarker(letters.size())) words.clear();
  return words;
}

void LayOutLetters(const std::string& letters, int answerRow, int answerLength, int firstColumn) {
  PlaceAcross(kFirstColumn, kLetterRow, letters);
  PlaceAcross(kFirstColumn, answerRow, std::string(answerLength, ' '));
  auto open = [](int x, int y) {
    G.boardPlayable[CellIndex(x, y)] = 1;
    G.boardPickable[CellIndex(x, y)] = 1;
  };
  for (int x = firstColumn; x < kFirstColumn + kLetters; ++x) open(x, kLetterRow);
  for (int x = firstColumn; x < kFirstColumn + answerLength; ++x) open(x, answerRow);
}

std::vector<std::string> HuntedWords(const WordHunt& hunt, const std::vector<std::string>& spelt, char firstLetter) {
  std::vector<std::string> words;
  for (const std::string& word : spelt)
    if (Counts(hunt, word, firstLetter) && IsKnownWord(word)) words.push_back(word);
  return words;
}

bool HuntFits(const WordHunt& hunt, size_t words) { return words >= hunt.fewestWords && words < kMostWords; }

void PlayWordHunt(const WordHunt& hunt, int part) {
  if (!G.boardReady) {
    // Given up while drawing: there is nothing to show.
    if (G.gameLost) return;
    if (!TryHunt(hunt, part)) {
      // gamePhase counts the failed draws until the list is accepted.
      if (++G.gamePhase >= kMostDraws) AbandonGame("Aucun tirage de neuf lettres ne donne assez de mots dans cette liste.");
      return;
    }
  }
  DrawBoard();
  std::string answer = ReadBoardRun(kFirstColumn, hunt.answerRow, G.gameLength, 1);
  answer.erase(answer.find_last_not_of(' ') + 1);
  G.wordSlots[1] = answer;
  if (G.gameLost) {
    ListMissedWords();
  } else {
    DrawCentredMediumText(460, "TOTAL DES MOTS: " + std::to_string(G.gamePhase));
    MarkFoundWord(hunt);
  }
  ListFoundWords(hunt);
  const int remaining = std::max(0, G.gameSize - static_cast<int>(FoundCount()));
  DrawCentredMediumText(500, hunt.remainingCaption + std::to_string(remaining));
  CheckGameComplete();
}

}  // namespace nine_letters

// Solved when the list holds as many found words (marked by a leading space)
// as the hunt asks.
bool WordHuntSolved() {
  int found = 0;
  for (const auto& item : G.wordList)
    if (nine_letters::IsFound(item)) ++found;
  return found >= G.gameSize;
}
