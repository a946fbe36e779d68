// The crossing-word build, shared by the game and its benchmark.
#pragma once

// One build for words of n letters: three random words on rows 7-9 from
// column 6, three vertical words through the middle columns matching them.
// False when a vertical word could not be found ('?' cells on the board).
bool TryCrossingWords(int n);
