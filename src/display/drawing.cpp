// PENDING(drawing): placeholder bodies until the drawing primitives land.
#include "display/drawing.h"

bool DrawTileText(int, int, int32_t, const std::string&, int) { return false; }
void DrawBigGlyph(int, int, int, bool) {}
void DrawMediumText(int, int, int32_t, const std::string&) {}
void DrawSmallText(int, int, int32_t, const std::string&) {}
void DrawCentredTileText(int, const std::string&) {}
void DrawCentredMediumText(int, const std::string&) {}
void DrawBoard() {}
void DrawCodeNumbers() {}
void DrawSumNumbers() {}
void DrawListBox(int) {}
int ListBoxLineAt(Point, const ListBox&) { return 0; }
void DrawImageButton(Point, int, bool) {}
bool ImageButtonHit(Point, Point) { return false; }
void DrawCheckBox(int, const std::string&) {}
bool CheckBoxHit(Point, Point) { return false; }
void DrawCard(int, int, int) {}
void DrawBackground() {}
void DrawHead(Point, int) {}
void DrawWindowFrame(int, int) {}
void DrawPanel() {}
void DrawPawn(Point) {}
void DrawEraser(int, int) {}
void DrawSlotMarker(int, int, int) {}
void DrawTwoStateMarker(int, int, int) {}
void ShowTimedMessage(int, int, const std::string&) {}
void DrawTimedMessage(int) {}
void StartFlight(Point, Point, int, const std::string&) {}
Point FlightPosition(const Flight& f) { return {f.toX, f.toY}; }
void DrawBannerFast() {}
void DrawBannerSlow() {}
void DrawHeldLetters() {}
void DrawTravelMapGrid() {}
Point CellAtPoint(Point p) { return {(p.x - G.boardOriginX) / 31, (p.y - G.boardOriginY) / 31}; }
Point PointOfCell(Point c) { return {G.boardOriginX + 31 * c.x, G.boardOriginY + 31 * c.y}; }
