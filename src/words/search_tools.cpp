// SPDX-License-Identifier: GPL-3.0-or-later
#include "words/search_tools.h"

#include <algorithm>
#include <string>
#include <vector>

#include "display/play_clock.h"
#include "state/game_state.h"
#include "words/word_routines.h"

namespace {

// More answers than this do not fit the list (it holds 600 items).
constexpr size_t mostAnswersShown = 598;

void ShowAnswers(const std::vector<std::string>& answers) {
  ListBox& box = G.listBoxes[listAnagram];
  box.top = 0;
  for (int i = 0; i <= 599; ++i) box.items[i].clear();
  const bool nothingFound = answers.size() == 1 && answers[0].size() > 1 && answers[0][0] == '?';
  if (nothingFound || answers.size() > mostAnswersShown) {
    box.items[1] = nothingFound ? "Pas de réponses" : "Plus de 600 réponses";
    // One line: the count of an earlier search would leave empty lines to
    // scroll through under the message.
    box.itemCount = 1;
    return;
  }
  // A one-letter marker ("?") or the empty marker of an empty query is shown
  // as it is, as a line of its own.
  for (size_t i = 0; i < answers.size(); ++i) box.items[i + 1] = answers[i];
  box.itemCount = static_cast<int32_t>(answers.size());
}

}  // namespace

void FindAnagramsTool() {
  std::vector<std::string> answers;
  FindAnagrams(answers, G.typedText);
  ShowAnswers(answers);
  // A search during a game is a help, paid for on its clock.
  if (!G.typedText.empty()) ChargeHelp(HelpKind::Search);
}

void FindIncompleteTool() {
  std::string pattern = G.typedText;
  std::replace(pattern.begin(), pattern.end(), '*', '?');
  std::vector<std::string> answers;
  MatchPattern(answers, pattern);
  ShowAnswers(answers);
  if (!pattern.empty()) ChargeHelp(HelpKind::Search);
}
