// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/command_line.h"
#include "app/program.h"
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
  if (gCommandLine.booklet) {
    // Made without a window, for a script or a server: the problems only go
    // to the terminal, and the program ends once the file is written.
    EchoLog(WholeLogAsked(gCommandLine, std::getenv("LETTRARIUM_LOG")) ? LogEcho::Everything : LogEcho::Problems);
    BookletRequest request;
    ReadBookletRequest(gCommandLine, request);
    if (!StartWithoutWindow()) return 1;
    const int status = MakeBookletOfCommandLine(request, out, err);
    std::fputs(out.c_str(), stdout);
    std::fputs(err.c_str(), stderr);
    return status;
  }
  EchoLog(WholeLogAsked(gCommandLine, std::getenv("LETTRARIUM_LOG")) ? LogEcho::Everything : LogEcho::Problems);
  CatchQuitSignals();
  return RunProgram(Backend::Sdl);
}
