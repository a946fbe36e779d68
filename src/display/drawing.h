// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing primitives every screen and game uses, once per tick, onto the
// off-screen page: three bitmap fonts, tiles, the board, list boxes, image
// buttons, check boxes, pictures, the timed message, flights and banners.
// Several of them also hit-test the pointer and ask for the hand cursor.
#pragma once
#include <cstdint>
#include <string>

#include "state/game_state.h"

constexpr int32_t kWhite = 0xffff;     // normal text
constexpr int32_t kHighlight = 255;    // hovered, selected or solution text
constexpr int32_t kWrongLetter = 254;  // a cell's letter was wrong: drawn lit and struck through

// Big font. Style < 1: plain letters at x + 18 i; style >= 1: each letter on a
// tile at x + 31 (i - 1). True when the pointer is over the tiled word.
bool DrawTileText(int x, int y, int32_t colour, const std::string& text, int style);
void DrawBigGlyph(int x, int y, int glyph, bool highlight);
void DrawMediumText(int x, int y, int32_t colour, const std::string& text);
void DrawSmallText(int x, int y, int32_t colour, const std::string& text);
void DrawCentredTileText(int y, const std::string& text);
void DrawCentredMediumText(int y, const std::string& text);
void DrawBoard();
// A stroke across the tile drawn at the cell's point: its letter is wrong.
void DrawWrongLetterMark(Point cellPoint);
// A ring round the tile drawn at the cell's point: its letter is in place.
void DrawPlacedMark(Point cellPoint);
void DrawCodeNumbers();
void DrawSumNumbers();
void DrawListBox(int list);
int ListBoxLineAt(Point pointer, const ListBox& list);
void DrawImageButton(Point position, int image, bool lit);
bool ImageButtonHit(Point button, Point pointer);
void DrawCheckBox(int slot, const std::string& label);
bool CheckBoxHit(Point pointer, Point box);
void DrawCard(int x, int y, int picture);
void DrawBackground();
void DrawHead(Point position, int height);
void DrawWindowFrame(int x, int y);
void DrawPanel();
void DrawPawn(Point position);
void DrawEraser(int x, int y);
void DrawSlotMarker(int x, int y, int n);
void DrawTwoStateMarker(int x, int y, int state);
void ShowTimedMessage(int x, int y, const std::string& text);
// A message the player must be able to read at leisure (where a page was
// kept): it stays at least 6 s, and after that until the next press or key.
void ShowLastingMessage(int x, int y, const std::string& text);
// A mouse press or a key: a lasting message may go once its 6 s are up.
void NotePressForMessage();
void DrawTimedMessage(int draw);
// A timed message that must not pass unseen behind the title splash (start-up
// messages): while the splash shows it waits, then the frames show the
// waiting messages one after the other.
void ShowTimedMessageAfterSplash(int x, int y, const std::string& text);
// Called by each frame past the splash.
void ShowMessagesAfterSplash();
void StartFlight(Point from, Point to, int kind, const std::string& text);
Point FlightPosition(const Flight& flight);
void DrawBannerFast();
void DrawBannerSlow();
void DrawHeldLetters();
// The 14 x 8 squares of the travel map: sets the hovered neighbour, the tip
// line and the cursor, draws a showing timed message, and ends with the pawn
// on its square.
void DrawTravelMapGrid();
Point CellAtPoint(Point point);
Point PointOfCell(Point cell);
