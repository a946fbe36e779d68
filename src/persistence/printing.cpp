// PENDING(printing): printing the board comes with its own issue.
#include "persistence/commentary.h"

void Imprimegrille() {}
