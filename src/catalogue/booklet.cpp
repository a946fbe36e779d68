// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/booklet.h"

#include "catalogue/catalogue.h"
#include "catalogue/puzzle_codes.h"
#include "display/play_clock.h"
#include "display/resets.h"
#include "games/framework.h"
#include "platform/files.h"
#include "state/forms.h"
#include "state/game_state.h"
#include "state/puzzle_code.h"
#include "state/variants.h"
#include "words/player_lists.h"

namespace {

// The calls a build may take: the anagrams and the extra letter draw once
// per call, up to 3000 times for each word.
constexpr int kMostBuildCalls = 40000;

uint32_t NextSeed(uint64_t& state) {
  uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return static_cast<uint32_t>(z ^ (z >> 31)) % kPuzzleSeedCount;
}

// No game is left running, and none counts as played.
void LeaveNoGame() {
  G.gameTitle.clear();
  if (Form2.Timer1Enabled) StopPlayClock();
  ResetGame();
  ResetBoard();
  G.wordList.clear();
}

}  // namespace

bool InBooklet(int variant) { return variant >= 1 && variant <= kVariantCount && BookletLayoutOf(variant) != BookletLayout::None; }

std::string WhyNotInBooklet(int variant) { return InBooklet(variant) ? "" : BookletFitOf(Variant(variant).game).whyNot; }

std::vector<std::string> BookletCodes(const std::vector<int>& variants, int count, uint32_t seedSource) {
  uint64_t state = seedSource;
  std::vector<std::string> codes;
  for (int variant : variants)
    for (int i = 0; i < count; ++i) codes.push_back(PuzzleCodeText({variant, NextSeed(state)}));
  return codes;
}

bool BuildPrintedPuzzle(const std::string& code, int number, PrintedPuzzle& puzzle) {
  PuzzleKey key;
  if (ReadPuzzleCode(code, key) != CodeFault::None || !InBooklet(key.variant)) return false;
  const int screen = G.currentScreen;
  StartPuzzleCode(code);
  // A booklet on a player's list: the list takes the variant's words.
  if (const PlayerList* list = BookletList()) {
    LoadPlayerListIntoStore(*list);
    G.gameTitle = TitleOnList(key.variant, list->title);
  }
  for (int call = 0; call < kMostBuildCalls && !G.boardReady && !G.gameTitle.empty() && !G.gameLost; ++call)
    RunCurrentGame();
  const bool built = G.boardReady && !G.gameTitle.empty();
  if (built) puzzle = PuzzleOnTheBoard(number, PuzzleCodeText(key));
  LeaveNoGame();
  G.currentScreen = screen;
  return built;
}

std::string WriteBookletFile(const std::string& file, const std::vector<std::string>& codes,
                             const BookletOptions& options) {
  std::vector<PrintedPuzzle> puzzles;
  for (const std::string& code : codes) {
    PrintedPuzzle puzzle;
    if (!BuildPrintedPuzzle(code, static_cast<int>(puzzles.size()) + 1, puzzle))
      return "la grille du code " + code + " n'a pas pu être faite";
    puzzles.push_back(puzzle);
  }
  const std::string pdf = BookletPdf(options, puzzles);
  if (pdf.empty()) return "le PDF n'a pas pu être dessiné";
  // Written beside its name and renamed: a failed run leaves no half file.
  if (!WriteBinary(file, pdf)) return "impossible d'écrire " + file;
  return "";
}
