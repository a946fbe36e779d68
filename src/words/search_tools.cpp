// PENDING(words): placeholder bodies until the search tools land.
#include "words/search_tools.h"

void FindAnagramsTool() {}
void FindIncompleteTool() {}
