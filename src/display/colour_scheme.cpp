// SPDX-License-Identifier: GPL-3.0-or-later
// The colours of each scheme. The colour-blind one is built from blue,
// orange and black, which stay apart under the three colour-vision
// deficiencies; high contrast uses black, white and amber on plain backings.
#include "display/colour_scheme.h"

#include "state/game_state.h"

namespace {

const SchemeColours kSchemes[kSchemeCount] = {
    // normal: the colours the game always had
    {"normal", "", 0x0000FF, 0xFF0000, 0x008000, 0xE0F0FF, 0x0000FF, 0x40C8FF, 0xC80000, 0x0000C8, 0xFFFFFF,
     0x008000, 0x0000FF, 0xC0C0C0, false, 0x000000, 0xFFFFFF},
    // blue #0072B2, orange #E69F00, black; the wrong stroke vermilion #D55E00;
    // the ring is black on the blue tiles, so it adds to their darkness
    {"adapt\xE9 au daltonisme", "daltonisme", 0x009FE6, 0xB27200, 0x000000, 0x000000, 0x005ED5, 0x009FE6,
     0xB27200, 0x005ED5, 0xFFFFFF, 0xB27200, 0x009FE6, 0xC0C0C0, false, 0x000000, 0xFFFFFF},
    // black, white and amber #FFB000 (a yellow would near white under tritanopia)
    {"contraste \xE9lev\xE9", "contraste", 0x00B0FF, 0x00B0FF, 0xFFFFFF, 0x00B0FF, 0xFFFFFF, 0x00B0FF, 0x000000,
     0x000000, 0xFFFFFF, 0xFFFFFF, 0x00B0FF, 0x808080, true, 0x000000, 0xFFFFFF},
};

}  // namespace

const SchemeColours& SchemeColoursOf(int scheme) {
  return kSchemes[scheme >= 0 && scheme < kSchemeCount ? scheme : kSchemeNormal];
}

const SchemeColours& Scheme() { return SchemeColoursOf(G.colourScheme); }

int NextScheme(int scheme) { return scheme + 1 < kSchemeCount && scheme >= 0 ? scheme + 1 : 0; }
