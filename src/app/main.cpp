// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/command_line.h"
#include "display/log.h"
#include "platform/quit_signals.h"
#include "state/forms.h"

int main(int argc, char** argv) {
  gCommandLine = ParseCommandLine(argc, argv);
  std::string out, err;
  if (const int status = AnswerCommandLine(gCommandLine, out, err); status >= 0) {
    std::fputs(out.c_str(), stdout);
    std::fputs(err.c_str(), stderr);
    return status;
  }
  EchoLog(WholeLogAsked(gCommandLine, std::getenv("LETTRARIUM_LOG")) ? LogEcho::Everything : LogEcho::Problems);
  CatchQuitSignals();
  return RunProgram(Backend::Sdl);
}
