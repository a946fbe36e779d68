// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/words_needed.h"

#include "state/variants.h"
#include "words/word_store.h"

namespace {

struct Need {
  int shortest = 0, longest = 0, count = 0;  // count 0: the variant draws no word from the store
};

// The grid games read their grid files, the proverbs their own lists: they
// draw nothing from the store and need nothing of it here.
Need NeedOf(const VariantEntry& v) {
  const int p = v.parameter;
  switch (v.game) {
    case Game::Hangman:
    case Game::Password:
    case Game::Anagram:
    case Game::WordRows: return {p, p, 1};  // one word of the variant's length
    case Game::CrossedPair: return {p, p, 2};
    case Game::CutWords:
    case Game::VowelExchange:
    case Game::ConsonantExchange:
    case Game::ExtraLetter:
    case Game::StackedWords: return {2, 20, 1};  // each game checks its own count
    case Game::LongestWord:
    case Game::CrossingWords:
    case Game::ThirdWord:
    case Game::MaxiWords:
    case Game::WordsStartingWith: return {2, 20, 1};
    case Game::None:
    case Game::CodedGrid:
    case Game::WordPlacement:
    case Game::HiddenWords:
    case Game::ScrambledGrid:
    case Game::DeconstructedGrid:
    case Game::LetterSums:
    case Game::ErasedLetters:
    case Game::ProverbHangman:
    case Game::MonthProverbs: return {};
  }
  return {};
}

}  // namespace

std::string MissingWordsOf(int v) {
  const Need need = NeedOf(Variant(static_cast<unsigned>(v)));
  if (need.count == 0 || need.shortest < 1 || need.longest > 20) return "";
  int held = 0;
  for (int length = need.shortest; length <= need.longest; ++length) held += wordCount[length];
  if (held >= need.count) return "";
  const std::string lengths = need.shortest == need.longest
                                  ? std::to_string(need.shortest) + " lettres"
                                  : std::to_string(need.shortest) + " à " + std::to_string(need.longest) + " lettres";
  return std::to_string(held) + " mot(s) de " + lengths + " pour " + std::to_string(need.count) + " demandé(s)";
}
