// Sample frames drawn with the real pictures through the game's own drawing
// primitives; each is also written as a PNG under the build folder
// (preview/frames/) for review.
#include <cairo.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "display/assets.h"
#include "display/drawing.h"
#include "harness/harness.h"
#include "picture_files.h"
#include "platform/colour.h"
#include "platform/page.h"
#include "shell/forms.h"
#include "shell/game_state.h"
#include "shell/resets.h"

namespace {

void WriteFrame(const std::string& name) {
  const std::string folder = std::string(GAME_DIR) + "/../preview/frames";
  std::filesystem::create_directories(folder);
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kPageWidth, kPageHeight);
  unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < kPageHeight; ++y)
    for (int x = 0; x < kPageWidth; ++x) {
      uint32_t w = FromRgb565(ThePage().pixel(x, y));  // 0x00BBGGRR
      uint32_t rgb = ((w & 0xFF) << 16) | (w & 0xFF00) | ((w >> 16) & 0xFF);
      reinterpret_cast<uint32_t*>(data + size_t(y) * stride)[x] = rgb;
    }
  cairo_surface_mark_dirty(s);
  cairo_surface_write_to_png(s, (folder + "/" + name + ".png").c_str());
  cairo_surface_destroy(s);
}

int KeyPixels(int x0, int y0, int x1, int y1) {
  int n = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) n += ThePage().pixel(x, y) == kKey565;
  return n;
}

struct Frames : Harness {
  Frames() : Harness(HarnessOptions{true}) {
    EXPECT_TRUE(Start());
    ResetBoard();
    G.mousePos = {0, 0};
  }
};

}  // namespace

TEST(SampleFrames, TileWordsOnTheBoard) {
  Frames f;
  LoadBackground(1);
  DrawBackground();
  DrawCentredTileText(5, "LETTRARIUM");
  for (int style = 1; style <= 4; ++style) DrawTileText(100, 60 + 40 * style, kWhite, "MOTS", style);
  // a hovered word over pickable cells turns red from the hovered letter on
  G.boardPickable[CellIndex(8, 8)] = 1;
  G.mousePos = PointOfCell({8, 8});
  G.mousePos.x += 10;
  G.mousePos.y += 10;
  DrawTileText(PointOfCell({7, 8}).x, PointOfCell({7, 8}).y, kWhite, "PALETTE", 2);
  DrawSlotMarker(300, 100, 10);
  DrawSlotMarker(362, 100, 9);
  DrawTwoStateMarker(420, 140, 1);
  DrawTwoStateMarker(482, 140, 2);
  DrawEraser(540, 140);
  DrawCard(20, 330, 11);
  WriteFrame("tiles");
  // Keyed pictures leave no key colour on the page.
  EXPECT_EQ(KeyPixels(0, 0, kPageWidth, kPageHeight), 0);
  // The glyph sits on its tile: the face colour shows at the tile's corner
  // area, the letter's white at the middle of an "M" stem.
  uint16_t corner = ThePage().pixel(100 - 3 + 2, 100 + 4 + 2), stem = ThePage().pixel(100 + 4, 100 + 18);
  EXPECT_NE(corner, stem);
  uint32_t white = FromRgb565(stem);
  EXPECT_GT(white & 0xFF, 0xC0u);
  EXPECT_GT((white >> 16) & 0xFF, 0xC0u);
}

TEST(SampleFrames, MenuLinesOverTheMenuBackground) {
  Frames f;
  LoadBackground(52);
  DrawBackground();
  const char* names[] = {"MOTS CODES", "MOTS CACHES", "GRILLE MELANGEE", "PENDU", "ANAGRAMMES"};
  for (int i = 0; i < 5; ++i) DrawMediumText(55, 73 + 20 * i, i == 1 ? kHighlight : kWhite, names[i]);
  for (int i = 0; i < 5; ++i) DrawMediumText(420, 73 + 20 * i, kWhite, names[4 - i]);
  for (int k = 1; k <= 3; ++k)
    DrawSmallText(130, 363 + 20 * k, kWhite, "Retrouvez les mots cach\xE9s dans la grille, ligne " + std::to_string(k));
  DrawImageButton({0, 540}, 54, false);
  DrawImageButton({60, 540}, 62, true);
  WriteFrame("menu");
  EXPECT_EQ(KeyPixels(0, 0, kPageWidth, kPageHeight), 0);
}

TEST(SampleFrames, ListBoxInTheWindowFrame) {
  Frames f;
  LoadBackground(3);
  DrawBackground();
  DrawWindowFrame(220, 72);
  ListBox& list = G.listBoxes[4];
  list.x = 320;
  list.y = 192;
  list.visibleLines = 5;
  list.widthPx = 150;
  list.top = 0;
  list.items[1] = "Aurore";
  list.items[2] = "Bocage";
  list.items[3] = "Calanques";
  list.items[4] = "Desert";
  list.items[5] = "Estuaire";
  list.items[6] = "Glacier";
  list.itemCount = 6;
  list.selected = 2;
  DrawListBox(4);
  G.checkBoxes[1] = {280, 432, 1};
  G.checkBoxes[2] = {280, 407, 0};
  DrawCheckBox(1, "Bruitages");
  DrawCheckBox(2, "Musique");
  DrawImageButton({720, 402}, 7, false);
  DrawSmallText(420, 132, kWhite, "Options");
  WriteFrame("list");
  // The frame's stepped corners let the background through: no key there.
  EXPECT_EQ(KeyPixels(190, 72, 190 + 584, 72 + 424) - KeyPixels(320, 232, 480, 252), 0);
  // The selected line is drawn opaque: its glyph boxes show the key blue
  // behind the letters, and only there.
  EXPECT_GT(KeyPixels(330, 232, 390, 248), 100);
}
