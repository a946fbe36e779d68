// The game framework: the dispatcher over the 150 variants, the completion
// check and the board's pointer handling.
#pragma once

void RunCurrentGame();
void CheckGameComplete();
void BoardMouseDown(int button);
void BoardMouseUp(int button);
