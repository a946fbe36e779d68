// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing primitives: bitmap fonts, tiles and the board, list boxes,
// buttons and check boxes, pictures, the timed message, flights and banners.
// Several of them hit-test the pointer and ask for the hand cursor.
#include "display/drawing.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "display/colour_scheme.h"
#include "display/log.h"
#include "display/play_clock.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/figures.h"
#include "platform/page.h"
#include "state/forms.h"
#include "state/variants.h"

namespace {

constexpr uint32_t kPureBlue = 0xFF0000;

Picture& Slot(int n) { return Form1.DXImageList3[n]; }
Picture& Interface(int n) { return Form1.DXImageList4[n]; }

void Draw(const Picture& picture, int x, int y) { DrawPicture(ThePage(), picture, x, y); }

int GlyphOf(char c) { return static_cast<unsigned char>(c) - 32; }

bool CellPickable(Point cell) {
  if (cell.x < 0 || cell.x > 20 || cell.y < 0 || cell.y > 20) return false;
  return G.boardPickable[CellIndex(cell.x, cell.y)] == 1;
}

// The big and medium fonts are always keyed on pure blue.
void KeyTheBigSheets() {
  for (int n : {0, 1}) {
    Slot(n).transparent = true;
    Slot(n).transparentColour = kPureBlue;
  }
}

// A bar under highlighted text, so that it never tells itself from plain
// text by its colour alone.
void Underline(int x1, int x2, int y) {
  Canvas canvas(ThePage());
  canvas.SetPen(Scheme().litUnderline, 1);
  canvas.SetBrushColour(Scheme().litUnderline);
  canvas.Rectangle(x1, y, x2, y + 2);
  canvas.Release();
}

// Real-number positions (the list thumb, the head's width) are rounded to the
// nearest integer, halves to even.
int RoundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace

void DrawBigGlyph(int x, int y, int glyph, bool highlight) {
  const int c = glyph % 24, r = glyph / 24;
  const Picture& sheet = Slot(highlight ? 0 : 1);
  DrawPictureRect(ThePage(), sheet, {26 * c + 2, 34 * r + 6, 26 * c + 26, 34 * r + 39}, x, y, sheet.transparent);
}

bool DrawTileText(int x, int y, int32_t colour, const std::string& text, int style) {
  KeyTheBigSheets();
  const int length = static_cast<int>(text.size());
  const int px = G.mousePos.x, py = G.mousePos.y;
  bool hovered = false;
  for (int i = 1; i <= length; ++i) {
    const int glyph = GlyphOf(text[i - 1]);
    if (style < 1) {
      DrawBigGlyph(x + 18 * i, y, glyph, colour != kWhite);
      if (colour != kWhite && glyph > 0) Underline(x + 18 * i + 2, x + 18 * i + 21, y + 30);
      continue;
    }
    const int tx = x + 31 * (i - 1);
    Draw(Slot(6), tx - 6, y + 7);
    if (style + 1 < 16) Draw(Slot(style + 1), tx - 3, y + 4);
    hovered = x - 3 < px && px < x + 31 * length - 5 && y + 3 < py && py < y + 31;
    if (hovered) {
      const bool pickable = CellPickable(CellAtPoint(G.mousePos));
      if (pickable && text != " " && !G.lettersHeld) {
        colour = kHighlight;  // this letter and the ones after it
        G.cursorShape = kCursorHand;
      }
      if (pickable && CurrentGame() == Game::DeconstructedGrid) G.cursorShape = kCursorHand;
    }
    DrawBigGlyph(tx, y, glyph, colour != kWhite);
    if (colour != kWhite && glyph > 0) Underline(tx + 2, tx + 21, y + 28);
  }
  return hovered;
}

void DrawMediumText(int x, int y, int32_t colour, const std::string& text) {
  KeyTheBigSheets();
  const Picture& sheet = Slot(colour == kWhite ? 12 : 11);
  for (size_t i = 1; i <= text.size(); ++i) {
    const int g = GlyphOf(text[i - 1]), c = g % 24, r = g / 24;
    DrawPictureRect(ThePage(), sheet, {20 * c - 3, 26 * r + 6, 20 * c + 15, 26 * r + 29},
                    x + 15 * static_cast<int>(i), y, sheet.transparent);
  }
  if (colour != kWhite && !text.empty()) Underline(x + 16, x + 15 * static_cast<int>(text.size()) + 16, y + 22);
}

// Draws `length` characters of the small font; the list boxes cut their lines
// this way without copying them.
static void DrawSmallChars(int x, int y, int32_t colour, const char* chars, size_t length) {
  const Picture& sheet = Interface(26);
  // The highlight draws the sheet opaque, so each glyph's cell shows as a box.
  const bool keyed = colour == kWhite && sheet.transparent;
  for (size_t i = 1; i <= length; ++i) {
    const int g = GlyphOf(chars[i - 1]), c = g % 24, r = g / 24;
    DrawPictureRect(ThePage(), sheet, {13 * c + 2, 17 * r + 4, 13 * c + 13, 17 * r + 20},
                    x + 10 * static_cast<int>(i), y, keyed);
  }
}

void DrawSmallText(int x, int y, int32_t colour, const std::string& text) {
  // A failed journey leaves this marker in the journey text; it reads as the
  // commentary's own words.
  if (text == "AAAVOYAGE") {
    const std::string shown = Comment(34);
    DrawSmallChars(x, y, colour, shown.data(), shown.size());
    return;
  }
  DrawSmallChars(x, y, colour, text.data(), text.size());
}

void DrawCentredTileText(int y, const std::string& text) {
  DrawTileText(400 - static_cast<int>(text.size() / 2) * 18, y, kWhite, text, 0);
}

void DrawCentredMediumText(int y, const std::string& text) {
  DrawMediumText(400 - static_cast<int>(text.size() / 2) * 16, y, kWhite, text);
}

void DrawBoard() {
  for (int y = 0; y <= 16; ++y)
    for (int x = 0; x <= 20; ++x) {
      const uint8_t letter = G.boardLetters[CellIndex(x, y)];
      const Point p = PointOfCell({x, y});
      const int32_t colour = G.boardCellColour[CellIndex(x, y)];
      if (letter != '*') DrawTileText(p.x, p.y, colour, std::string(1, static_cast<char>(letter)), CellState(x, y));
      if (letter != '*' && colour == kWrongLetter) DrawWrongLetterMark(p);
      if (letter == '*' && CellState(x, y) == kCellBlack) DrawTileText(p.x, p.y, colour, " ", 3);
    }
}

void DrawWrongLetterMark(Point p) {
  // A dark edge under the stroke keeps it apart from any tile or letter.
  Canvas canvas(ThePage());
  canvas.SetPen(0x000000, 5);
  canvas.Line(p.x - 1, p.y + 30, p.x + 23, p.y + 6);
  canvas.SetPen(Scheme().wrongStroke, 3);
  canvas.Line(p.x - 1, p.y + 30, p.x + 23, p.y + 6);
  canvas.Release();
}

void DrawPlacedMark(Point p) {
  Canvas canvas(ThePage());
  canvas.SetBrushClear();
  canvas.SetPen(Scheme().placedRing, 2);
  canvas.Ellipse(p.x - 2, p.y + 5, p.x + 26, p.y + 33);
  canvas.Release();
}

// A letter in a cell that shows a figure is drawn small, in the lower right
// of its tile, so the figure's box in the upper left never covers it.
static void DrawLetterBesideFigure(int x, int y) {
  const uint8_t letter = G.boardLetters[CellIndex(x, y)];
  const int style = CellState(x, y);
  if (letter == ' ' || letter == '*' || style < 1 || style + 1 >= 16) return;
  const Point p = PointOfCell({x, y});
  Draw(Slot(style + 1), p.x - 3, p.y + 4);  // the tile again, over the big letter
  const char c = static_cast<char>(letter);
  DrawSmallChars(p.x + 3, p.y + 15, kWhite, &c, 1);
  if (G.boardCellColour[CellIndex(x, y)] == kWrongLetter) DrawWrongLetterMark(p);
}

// The figures of a cell, in a box at the upper left of its tile.
static void DrawCellFigures(int x, int y, uint32_t ink) {
  const Point p = PointOfCell({x, y});
  DrawFigures(ThePage(), p.x - 2, p.y + 5, G.answerGridA[CellIndex(x, y)], ink, Scheme().figureBacking);
}

void DrawCodeNumbers() {
  for (int y = 1; y <= 16; ++y)
    for (int x = 1; x <= 20; ++x)
      if (CellState(x, y) == kCellOpen && G.boardLetters[CellIndex(x, y)] != '*') {
        DrawLetterBesideFigure(x, y);
        DrawCellFigures(x, y, Scheme().codeInk);
      }
}

void DrawSumNumbers() {
  for (int y = 1; y <= 16; ++y)
    for (int x = 1; x <= 20; ++x)
      if (G.answerGridA[CellIndex(x, y)] != 0) {
        // The sums stand on the background picture, the values on the
        // palette tiles: the box reads on both.
        DrawLetterBesideFigure(x, y);
        DrawCellFigures(x, y, Scheme().sumInk);
      }
}

int ListBoxLineAt(Point pointer, const ListBox& list) {
  if (G.currentScreen == kScreenHelp || G.currentScreen == kScreenAnagramSearch || G.currentScreen == kScreenIncompleteSearch) return 0;
  for (int i = 1; i <= list.visibleLines && i <= 600; ++i) {
    const bool over = list.x < pointer.x && pointer.x < list.x + list.widthPx && list.y + 20 * i + 2 < pointer.y &&
                      pointer.y < list.y + 20 * i + 16;
    if (!over) continue;
    // The line's own item, not shifted by the scroll position, decides.
    if (!list.items[i].empty()) {
      G.cursorShape = kCursorHand;
      return i;
    }
  }
  return 0;
}

void DrawListBox(int k) {
  if (k < 0 || k >= 10) {
    Log("ListBox perso hors limite");
    return;
  }
  const ListBox& list = G.listBoxes[k];
  const int hoveredLine = ListBoxLineAt(G.mousePos, list);
  for (int i = 1; i <= list.visibleLines; ++i) {
    const int item = list.top + i;
    static const std::string kNoItem;
    const std::string& text = item >= 0 && item <= 600 ? list.items[item] : kNoItem;
    int32_t colour = hoveredLine == i ? kHighlight : kWhite;
    if (item == list.selected && text != " ") colour = kHighlight;
    if (k == 3 || k == 6) colour = kWhite;  // search results and help are never lit
    const size_t shown = std::min(text.size(), static_cast<size_t>(std::max(list.widthPx / 11, 0)));
    if (text.compare(0, shown, "AAAVOYAGE") == 0) DrawSmallText(list.x, list.y + 20 * i, colour, "AAAVOYAGE");
    else DrawSmallChars(list.x, list.y + 20 * i, colour, text.data(), shown);
    Draw(Interface(60), list.x - 10, list.y + 20 * i);
  }
  // An empty list (or a count run below zero by removals) has the thumb of a
  // one-item list.
  const int n = list.itemCount <= 0 ? 1 : list.itemCount;
  const int e = list.visibleLines < n ? list.visibleLines : 1;
  int ty = RoundHalfEven(list.y + (list.top + e) * 20.0 * (list.visibleLines * 20.0) / (n * 20.0));
  if (e != 1) ty += 6;
  Draw(Interface(61), list.x - 10, ty);
}

void DrawImageButton(Point position, int image, bool lit) {
  if (image < 0 || image >= 64) {
    Log("Demande Affichage Boutton hors limite");
    return;
  }
  Draw(Interface(lit ? image + 1 : image), position.x, position.y);
}

bool ImageButtonHit(Point button, Point pointer) {
  const bool hit = !G.lettersHeld && button.x < pointer.x && pointer.x < button.x + 48 && button.y < pointer.y &&
                   pointer.y < button.y + 48;
  if (hit) G.hoverHot = 1;
  return hit;
}

void DrawCheckBox(int slot, const std::string& label) {
  if (slot < 0 || slot > 4) return;
  const CheckBox& box = G.checkBoxes[slot];
  Draw(Interface(box.checked ? 46 : 45), box.x, box.y);
  DrawSmallText(box.x + 12, box.y + 4, kWhite, label);
}

bool CheckBoxHit(Point pointer, Point box) {
  return box.x < pointer.x && pointer.x < box.x + 20 && box.y < pointer.y && pointer.y < box.y + 20;
}

void DrawCard(int x, int y, int picture) {
  if (picture < 0 || picture > 53) {
    Log("DEMANDE AFFICHAGE CARTE: " + std::to_string(picture) + " HORS LIMITE");
    return;
  }
  Draw(Form2.DXImageList2[picture], x, y);
}

// High contrast shows no photograph: the games and pages stand on black.
void DrawBackground() {
  if (Scheme().plainBacking) ClearPage(ThePage(), Scheme().backing);
  else Draw(Form1.DXImageList2[0], 0, 0);
}

void DrawHead(Point position, int height) {
  Picture& head = Form1.DXImageList2[1];
  head.transparentColour = kNoColour;
  StretchPicture(ThePage(), head,
                 {position.x, position.y, position.x + RoundHalfEven(height * 8.0 / 9.0), position.y + height});
}

void DrawWindowFrame(int x, int y) {
  if (!Scheme().plainBacking) {
    Draw(Form1.DXImageList2[2], x - 30, y);
    return;
  }
  // The picture frame's place, a plain panel inside a border.
  Canvas canvas(ThePage());
  canvas.SetPen(Scheme().panelEdge, 3);
  canvas.SetBrushColour(Scheme().backing);
  canvas.Rectangle(x - 20, y + 5, x + 552, y + 418);
  canvas.Release();
}
void DrawPanel() { Draw(Interface(59), 240, 200); }
void DrawPawn(Point position) { Draw(Interface(42), position.x, position.y); }
void DrawEraser(int x, int y) { Draw(Slot(4), x, y); }

void DrawSlotMarker(int x, int y, int n) {
  if (n >= 1 && n <= 10) Draw(Slot(n), x, y);
}

void DrawTwoStateMarker(int x, int y, int state) { Draw(Slot(state == 1 ? 8 : 7), x, y); }

void ShowTimedMessage(int x, int y, const std::string& text) {
  G.messageShowing = 1;
  G.messageX = x + 40;
  G.messageY = y;
  G.messageText = text;
  G.messageTick = Now();
  G.messageSeen = false;
  G.messageLeastMs = 1500;
  G.messageAwaitsPress = false;
}

void ShowLastingMessage(int x, int y, const std::string& text) {
  ShowTimedMessage(x, y, text);
  G.messageLeastMs = 6000;
  G.messageAwaitsPress = true;
}

void NotePressForMessage() { G.messageAwaitsPress = false; }

// A message too long for the page is broken into lines at spaces where it
// can be; the lines go upwards, so the last one stays where a one-line
// message is and none covers the toolbar below.
static void DrawWrappedText(int x, int y, const std::string& text) {
  const size_t width = static_cast<size_t>(std::max((kPageWidth - x) / 10 - 1, 1));
  std::vector<std::string> lines;
  size_t at = 0;
  while (text.size() - at > width) {
    size_t end = text.rfind(' ', at + width);
    if (end == std::string::npos || end <= at) end = at + width;
    lines.push_back(text.substr(at, end - at));
    at = text[end] == ' ' ? end + 1 : end;
  }
  lines.push_back(text.substr(at));
  y -= 20 * static_cast<int>(lines.size() - 1);
  for (const std::string& line : lines) {
    DrawSmallText(x, y, kWhite, line);
    y += 20;
  }
}

void ShowTimedMessageAfterSplash(int x, int y, const std::string& text) {
  if (G.splashShowing) G.messagesAfterSplash.push_back({x, y, text});
  else ShowTimedMessage(x, y, text);
}

void ShowMessagesAfterSplash() {
  if (G.splashShowing || G.messageShowing || G.messagesAfterSplash.empty()) return;
  const PendingMessage next = G.messagesAfterSplash.front();
  G.messagesAfterSplash.pop_front();
  ShowTimedMessage(next.x, next.y, next.text);
}

void DrawTimedMessage(int draw) {
  if (draw) DrawWrappedText(G.messageX, G.messageY, G.messageText);
  const uint32_t age = Now() - G.messageTick;
  if (age > 250) G.messageSeen = true;
  if (age > G.messageLeastMs && !G.messageAwaitsPress) {
    G.messageShowing = 0;
    G.statusTip.clear();
  }
}

void StartFlight(Point from, Point to, int kind, const std::string& text) {
  if (kind == 1) {
    from = {from.x - 30, from.y - 17};
    to = {to.x - 13, to.y - 4};
  }
  G.flight.fromX = from.x;
  G.flight.fromY = from.y;
  G.flight.toX = to.x;
  G.flight.toY = to.y;
  G.flight.startTick = Now();
  G.flight.duration = G.travelMapShowing ? 2000 : 500;
  G.flight.kind = static_cast<uint8_t>(kind);
  G.flight.text = text;
  G.letterFlying = 1;
}

static int32_t FlightAxis(int32_t from, int32_t to, uint32_t elapsed, int32_t duration) {
  if (static_cast<int64_t>(elapsed) > duration || duration <= 0) return to;
  return from + static_cast<int32_t>(static_cast<int64_t>(to - from) * elapsed / duration);
}

Point FlightPosition(const Flight& flight) {
  const uint32_t elapsed = Now() - flight.startTick;
  return {FlightAxis(flight.fromX, flight.toX, elapsed, flight.duration),
          FlightAxis(flight.fromY, flight.toY, elapsed, flight.duration)};
}

static void BounceBanner() {
  if (G.bannerX < 250 || G.bannerX > 650) G.bannerDX = -G.bannerDX;
  if (G.bannerY < 150 || G.bannerY > 450) G.bannerDY = -G.bannerDY;
}

void DrawBannerFast() {
  G.bannerX += 2 * G.bannerDX;
  G.bannerY += 2 * G.bannerDY;
  BounceBanner();
  Draw(Interface(G.travelStageWon ? 51 : 49), G.bannerX - 160, G.bannerY - 100);
  // The helps the win cost, just under the banner, on a dark band that
  // keeps them readable over the board.
  const std::string helps = HelpsUsedText();
  if (helps.empty()) return;
  const int width = 10 * static_cast<int>(helps.size());
  const int x = std::clamp(G.bannerX - width / 2 - 10, -10, 785 - width), y = G.bannerY + 98;
  Canvas canvas(ThePage());
  canvas.SetPen(0, 1);
  canvas.SetBrushColour(0);
  canvas.RoundRect(x + 4, y - 2, x + width + 16, y + 19, 8, 8);
  canvas.Release();
  DrawSmallText(x, y, kWhite, helps);
}

void DrawBannerSlow() {
  G.bannerX += 2 * G.bannerDX;
  G.bannerY += G.bannerDY;
  BounceBanner();
  if (G.travelFailed) DrawPanel();
  else Draw(Interface(50), G.bannerX - 160, G.bannerY - 100);
}

void DrawHeldLetters() {
  const int px = G.mousePos.x, py = G.mousePos.y;
  const VariantEntry& variant = Variant(G.currentVariant);
  if (variant.game == Game::HiddenWords) {
    const int sx = G.heldOriginPixel.x, sy = G.heldOriginPixel.y;
    const Point cell = CellAtPoint(G.mousePos);
    const bool playable = cell.x >= 0 && cell.x <= 20 && cell.y >= 0 && cell.y <= 20 &&
                          G.boardPlayable[CellIndex(cell.x, cell.y)] != 0;
    // A selection that leaves the grid or goes left of its start is closed.
    if (!playable || px < sx + 4) {
      G.lettersHeld = 0;
      return;
    }
    Canvas canvas(ThePage());
    canvas.SetPen(Scheme().selectionBand, 2);
    canvas.SetBrushClear();
    if (py < sy + 33 || px + 25 < sx + 4) canvas.RoundRect(sx + 4, sy + 8, px, sy + 29, 10, 10);
    else canvas.RoundRect(sx + 4, sy + 8, sx + 25, py, 10, 10);
    canvas.Release();
    return;
  }
  if (variant.heldStarIsEraser && G.heldText == "*") {
    DrawEraser(px - 25, py - 20);
    return;
  }
  for (size_t i = 0; i < G.heldText.size(); ++i) {
    const int k = static_cast<int>(i);
    const std::string letter(1, G.heldText[i]);
    if (G.heldHorizontal) DrawTileText(px + 20 * k - 35, py - 20, kWhite, letter, 0);
    else DrawTileText(px - 25, py + 25 * k - 20, kWhite, letter, 0);
  }
}

Point CellAtPoint(Point p) { return {(p.x - G.boardOriginX) / 31, (p.y - G.boardOriginY) / 31}; }
Point PointOfCell(Point c) { return {G.boardOriginX + 31 * c.x, G.boardOriginY + 31 * c.y}; }
