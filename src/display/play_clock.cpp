// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/play_clock.h"

#include <string>

#include "display/drawing.h"
#include "platform/screen.h"
#include "state/forms.h"
#include "state/game_state.h"

void StartPlayClock() { Form2.Timer1Enabled = true; }
void StopPlayClock() { Form2.Timer1Enabled = false; }

bool PlayClockWaits() {
  const bool pageOverGame = G.currentScreen >= kScreenVariantMenu && !G.gameTitle.empty();
  return pageOverGame || ScreenPlayerAway();
}

static std::string TwoDigits(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

void TForm2::Timer1Timer() {
  if (++G.elapsedSeconds >= 60) {
    G.elapsedSeconds = 0;
    if (++G.elapsedMinutes >= 60) {
      G.elapsedMinutes = 0;
      if (++G.elapsedHours > 23) {
        G.elapsedHours = 0;
        ++G.elapsedDays;
      }
    }
  }
  const std::string s = TwoDigits(G.elapsedSeconds), m = TwoDigits(G.elapsedMinutes), h = TwoDigits(G.elapsedHours);
  std::string text;
  if (G.elapsedHours == 0 && G.elapsedDays == 0) {
    text = m + "mn " + s + "s";
  } else {
    text = h + "H " + m + "mn " + s + "s";
    if (G.elapsedDays != 0) text = std::to_string(G.elapsedDays) + "J " + text;
  }
  G.elapsedTimeText = text.substr(0, 26);
}

namespace {

std::string Counted(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string PenaltyText(int seconds) {
  const int m = seconds / 60, s = seconds % 60;
  return "+" + (m > 0 ? std::to_string(m) + "mn " + TwoDigits(s) + "s" : std::to_string(s) + "s");
}

}  // namespace

void ChargeHelp(HelpKind kind) {
  // A help that wins the game at once (a hangman's last letter) is paid
  // too: the score is taken from the clock on the next frame.
  if (G.gameTitle.empty() || !G.boardReady || G.gameLost || G.winRecorded || G.winHandled) return;
  int seconds = kHintPenaltySeconds;
  std::string what = "indice";
  switch (kind) {
    case HelpKind::Hint: ++G.helps.hints; break;
    case HelpKind::Check:
      ++G.helps.checks;
      seconds = kCheckPenaltySeconds;
      what = "vérification";
      break;
    case HelpKind::Search:
      ++G.helps.searches;
      seconds = kSearchPenaltySeconds;
      what = "recherche";
      break;
  }
  G.helps.penaltySeconds += seconds;
  // The clock runs on from the penalty: the score is made on this time.
  for (int i = 0; i < seconds; ++i) Form2.Timer1Timer();
  ShowTimedMessage(2, 520, PenaltyText(seconds) + " au chrono (" + what + ")");
}

std::string HelpsUsedText() {
  const HelpTally& h = G.helps;
  std::string text;
  const auto add = [&text](int n, const char* one, const char* many) {
    if (n > 0) text += (text.empty() ? "" : ", ") + Counted(n, one, many);
  };
  add(h.hints, "indice", "indices");
  add(h.checks, "vérification", "vérifications");
  add(h.searches, "recherche", "recherches");
  if (text.empty()) return text;
  return text + " : " + PenaltyText(h.penaltySeconds);
}
