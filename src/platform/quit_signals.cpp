// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/quit_signals.h"

#include <SDL.h>
#include <signal.h>

#include <csignal>
#include <initializer_list>

namespace {

volatile std::sig_atomic_t quitSignalled = 0;

extern "C" void OnQuitSignal(int) { quitSignalled = 1; }

}  // namespace

void CatchQuitSignals() {
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  struct sigaction action {};
  action.sa_handler = OnQuitSignal;
  sigemptyset(&action.sa_mask);
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

bool QuitSignalWaiting() { return quitSignalled != 0; }

bool TakeQuitSignal() {
  if (!quitSignalled) return false;
  quitSignalled = 0;
  return true;
}
