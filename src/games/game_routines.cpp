// SPDX-License-Identifier: GPL-3.0-or-later
// The routines of each game: what the dispatcher runs for a variant's row and
// the rule the completion check asks. Adding a game is one case here.
#include "games/game_routines.h"

#include <string>

namespace {

const std::string& GridFileName(GridLanguage grid) {
  static const std::string french = "grilles.txt", english = "grillesEnglish.txt";
  return grid == GridLanguage::English ? english : french;
}

bool NeverSolved() { return false; }

}  // namespace

GameRoutines RoutinesOf(Game game) {
  using V = const VariantEntry&;
  // No default: a game without its routines fails the build (-Werror=switch).
  switch (game) {
    case Game::None: return {[](V) {}, NeverSolved};
    case Game::CodedGrid: return {[](V v) { PlayCodedGrid(v.parameter, GridFileName(v.grid)); }, CodedGridSolved, CodedGridAnswer};
    case Game::LongestWord: return {[](V) { PlayLongestWord(); }, LongestWordSolved};
    case Game::CrossingWords: return {[](V v) { PlayCrossingWords(v.parameter); }, CrossingWordsSolved};
    case Game::Hangman: return {[](V v) { PlayHangman(v.parameter); }, HangmanSolved, nullptr, HangmanHint};
    case Game::Password: return {[](V v) { PlayPassword(v.parameter); }, PasswordSolved};
    case Game::VowelExchange: return {[](V v) { PlayVowelExchange(v.parameter); }, ExchangeSolved};
    case Game::Anagram: return {[](V v) { PlayAnagram(v.parameter); }, AnagramSolved, AnagramAnswer};
    case Game::ExtraLetter: return {[](V v) { PlayExtraLetter(v.parameter); }, ExtraLetterSolved};
    case Game::CrossedPair: return {[](V v) { PlayCrossedPair(v.parameter); }, CrossedPairSolved};
    case Game::ThirdWord: return {[](V) { PlayThirdWord(); }, ThirdWordSolved, ThirdWordAnswer};
    case Game::CutWords: return {[](V v) { PlayCutWords(v.parameter); }, CutWordsSolved};
    case Game::WordPlacement:
      return {[](V v) { PlayWordPlacement(v.parameter, GridFileName(v.grid)); }, WordPlacementSolved, CrosswordAnswer};
    case Game::HiddenWords: return {[](V v) { PlayHiddenWords(v.parameter, GridFileName(v.grid)); }, HiddenWordsSolved, nullptr, HiddenWordsHint};
    case Game::ScrambledGrid:
      return {[](V v) { PlayScrambledGrid(v.parameter, GridFileName(v.grid)); }, ScrambledGridSolved, ScrambledGridAnswer};
    case Game::ConsonantExchange: return {[](V v) { PlayConsonantExchange(v.parameter); }, ExchangeSolved};
    case Game::DeconstructedGrid: return {[](V v) { PlayDeconstructedGrid(v.parameter, GridFileName(v.grid)); }, DeconstructedGridSolved, CrosswordAnswer};
    case Game::MaxiWords: return {[](V v) { PlayMaxiWords(v.parameter); }, WordHuntSolved};
    case Game::WordsStartingWith: return {[](V v) { PlayWordsStartingWith(v.parameter); }, WordHuntSolved};
    case Game::WordRows: return {[](V v) { PlayWordRows(v.parameter); }, WordRowsSolved, WordRowsAnswer};
    case Game::LetterSums: return {[](V v) { PlayLetterSums(v.parameter, GridFileName(v.grid)); }, LetterSumsSolved, ShiftedGridAnswer};
    case Game::ErasedLetters:
      return {[](V v) { PlayErasedLetters(v.parameter, GridFileName(v.grid)); }, ErasedLettersSolved, ShiftedGridAnswer};
    case Game::ProverbHangman: return {[](V v) { PlayProverbHangman(v.parameter); }, HangmanSolved, nullptr, HangmanHint};
    case Game::MonthProverbs: return {[](V v) { PlayMonthProverbs(v.parameter); }, HangmanSolved, MonthProverbAnswer};
    case Game::StackedWords: return {[](V v) { PlayStackedWords(v.parameter); }, StackedWordsSolved};
  }
  return {[](V) {}, NeverSolved};
}
