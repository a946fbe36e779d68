// PENDING(menus): the screen state machine comes with the menus.
#include "catalogue/screens.h"

void RunScreen(int) {}
void ScreenAction(int) {}
