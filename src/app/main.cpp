#include <cstdio>
#include <string>

#include "app/command_line.h"
#include "display/log.h"
#include "state/forms.h"

int main(int argc, char** argv) {
  gCommandLine = ParseCommandLine(argc, argv);
  std::string out, err;
  if (const int status = AnswerCommandLine(gCommandLine, out, err); status >= 0) {
    std::fputs(out.c_str(), stdout);
    std::fputs(err.c_str(), stderr);
    return status;
  }
  LogToStandardError(true);
  return RunProgram(Backend::Sdl);
}
