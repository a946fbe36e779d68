#include "display/log.h"
#include "state/forms.h"

int main() {
  LogToStandardError(true);
  return RunProgram(Backend::Sdl);
}
