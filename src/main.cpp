#include "display/log.h"
#include "shell/forms.h"

int main() {
  LogToStandardError(true);
  return RunProgram(Backend::Sdl);
}
