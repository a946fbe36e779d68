// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/page_widgets.h"

#include "display/drawing.h"
#include "platform/clock.h"
#include "state/game_state.h"

namespace {

// Set when the pointer is over a check box in this frame.
bool checkBoxHovered = false;
// True from a press's first scroll step until its release.
bool scrollStepped = false;

}  // namespace

bool PageButton(int x, int y, int image) {
  const bool hit = ImageButtonHit({x, y}, G.mousePos);
  DrawImageButton({x, y}, image, hit);
  return hit && G.clickPending == 1;
}

void MarkCheckBoxHovered() { checkBoxHovered = true; }
bool CheckBoxHovered() { return checkBoxHovered; }
void ForgetCheckBoxHovered() { checkBoxHovered = false; }

void ScrollList(ListBox& list, int direction) {
  G.listScrollHeld = 1;
  const uint32_t now = Now();
  // A click steps one line at once: the first step used to wait 50 ms, past
  // the release of a quick click, so a click did nothing at all.
  const bool firstStep = !scrollStepped;
  scrollStepped = true;
  if (!firstStep && static_cast<int64_t>(now) <= static_cast<int64_t>(G.clickTick) + 50) return;
  G.clickTick = now;
  if (direction < 0 && list.top > 0) list.top -= 1;
  if (direction > 0 && list.top + list.visibleLines < list.itemCount) list.top += 1;
}

void EndScrollPressWhenReleased() {
  if (G.clickPending != 1) scrollStepped = false;
}

bool Hovered(int x, int y, int length) {
  const int px = G.mousePos.x, py = G.mousePos.y;
  return x + 12 < px && px < x + 15 + 16 * length && y + 3 < py && py < y + 24;
}

// A word of the page that acts like a button: lit under the pointer, true
// when it is clicked.
bool TextButton(int x, int y, const std::string& text) {
  const bool hovered = Hovered(x, y, static_cast<int>(text.size()));
  DrawMediumText(x, y, hovered ? kHighlight : kWhite, text);
  if (!hovered) return false;
  G.hoverHot = 1;
  return G.clickPending == 1;
}
