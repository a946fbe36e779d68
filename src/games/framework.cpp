// PENDING(framework): the dispatcher and the board handlers come with the game framework.
#include "games/framework.h"

void RunCurrentGame() {}
void CheckGameComplete() {}
void BoardMouseDown(int) {}
void BoardMouseUp(int) {}
