// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/play_clock.h"

#include <string>

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
