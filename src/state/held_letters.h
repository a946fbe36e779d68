#pragma once

// Ends a hold: nothing carried, a carried word laid out horizontally again.
void DropHeldLetters();
