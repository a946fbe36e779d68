#include "shell/forms.h"

int main() { return RunProgram(Backend::Sdl); }
