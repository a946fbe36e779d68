// SPDX-License-Identifier: GPL-3.0-or-later
// The three colour schemes the player chooses on the options page: one small
// table of the colours the drawing primitives choose at run time, and the
// folder of the pictures made for the scheme. Colours are Windows values
// (0x00BBGGRR: 0xFF0000 is blue).
#pragma once
#include <cstdint>
#include <string>

enum ColourScheme : uint8_t { kSchemeNormal = 0, kSchemeColourBlind = 1, kSchemeHighContrast = 2 };
constexpr int kSchemeCount = 3;

struct SchemeColours {
  const char* name;           // as the options page shows it
  const char* pictureFolder;  // under bitmaps\, the scheme's own pictures ("" for none)
  uint32_t acrossFrame, downFrame;   // found hidden words
  uint32_t selectionBand;            // the hidden-word selection being made
  uint32_t placedRing;               // a ZERUZE letter in its place
  uint32_t wrongStroke;              // a wrong letter
  uint32_t litUnderline;             // highlighted text and tiles
  uint32_t codeInk, sumInk, figureBacking;
  uint32_t travelNear, travelHovered, travelFar;
  bool plainBacking;                 // no photograph behind the pages and games
  uint32_t backing, panelEdge;       // the plain backing and the panel's border
};

const SchemeColours& SchemeColoursOf(int scheme);
// The scheme in use (G.colourScheme, an unknown value read as normal).
const SchemeColours& Scheme();
// The next scheme in the options page's order, after the last the first.
int NextScheme(int scheme);
