// SPDX-License-Identifier: GPL-3.0-or-later
// Sample frames drawn with the real pictures through the game's own drawing
// primitives; each is also written as a PNG under the build folder
// (preview/frames/) for review.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "display/assets.h"
#include "catalogue/catalogue.h"
#include "display/drawing.h"
#include "harness/harness.h"
#include "harness/preview_frame.h"
#include "games_grids/grid_fixture.h"
#include "picture_files.h"
#include "platform/colour.h"
#include "platform/keys.h"
#include "platform/page.h"
#include "state/forms.h"
#include "state/game_state.h"
#include "display/resets.h"
#include "travel/travel.h"

namespace {

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
  WritePreviewFrame("tiles");
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
  WritePreviewFrame("menu");
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
  WritePreviewFrame("list");
  // The frame's stepped corners let the background through: no key there.
  EXPECT_EQ(KeyPixels(190, 72, 190 + 584, 72 + 424) - KeyPixels(320, 232, 480, 252), 0);
  // The selected line is drawn opaque: its glyph boxes show the key blue
  // behind the letters, and only there.
  EXPECT_GT(KeyPixels(330, 232, 390, 248), 100);
}

namespace {

// The real program as a player sees it, after the title splash.
struct Playing : Harness {
  Playing() : Harness(HarnessOptions{.realData = true}) {
    EXPECT_TRUE(Start());
    Run(4100);
  }
};

bool PureBlueish(uint32_t w) {  // Windows colour 0x00BBGGRR
  return ((w >> 16) & 0xFF) > 0xC0 && (w & 0xFF) < 0x60 && ((w >> 8) & 0xFF) < 0x60;
}
bool PureReddish(uint32_t w) { return (w & 0xFF) > 0xC0 && ((w >> 16) & 0xFF) < 0x60 && ((w >> 8) & 0xFF) < 0x60; }

int CountPixels(int x0, int y0, int x1, int y1, bool (*test)(uint32_t)) {
  int n = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) n += test(FromRgb565(ThePage().pixel(x, y)));
  return n;
}

}  // namespace

static bool WhiteBacking(uint32_t w) { return (w & 0xFFFFFF) == 0xFFFFFF; }

TEST(SampleFrames, CodedGridNumbersAndLetterSumsOnTheirTiles) {
  Playing p;
  StartVariant(1);
  p.Tick(3);
  WritePreviewFrame("coded_grid_empty");
  // Half the cells filled, as in a game under way.
  for (int x = 1; x <= 12; ++x)
    for (int y = 1; y <= 12; ++y)
      if ((x + y) % 2 == 0 && G.answerGridB[CellIndex(x, y)] != '*')
        G.boardLetters[CellIndex(x, y)] = G.answerGridB[CellIndex(x, y)];
  p.Tick();
  WritePreviewFrame("coded_grid");
  // Every open cell's number stands in blue on its white box at the tile's
  // upper left, inside the tile; a letter in the cell is drawn beside it,
  // white ink in the lower right that the box does not cover.
  for (int x = 1; x <= 12; ++x)
    for (int y = 1; y <= 12; ++y) {
      if (CellState(x, y) != 4) continue;
      const Point c = PointOfCell({x, y});
      EXPECT_GT(CountPixels(c.x - 1, c.y + 6, c.x + 13, c.y + 16, PureBlueish), 12) << x << "," << y;
      EXPECT_GT(CountPixels(c.x - 2, c.y + 5, c.x + 13, c.y + 17, WhiteBacking), 40) << x << "," << y;
      const int letterInk = CountPixels(c.x + 13, c.y + 17, c.x + 24, c.y + 30, [](uint32_t w) {
        return (w & 0xFF) > 0xE0 && ((w >> 8) & 0xFF) > 0xE0 && ((w >> 16) & 0xFF) > 0xE0;
      });
      if (G.boardLetters[CellIndex(x, y)] != ' ') {
        EXPECT_GT(letterInk, 8) << x << "," << y;
      }
    }
  p.Key(kVkEscape);
  p.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
  p.Run(10100);
  StartVariant(60);
  p.Tick(3);
  WritePreviewFrame("letter_sums");
  // The palette values and the sums are red figures on white boxes.
  const Point a = PointOfCell({1, 14});
  EXPECT_GT(CountPixels(a.x - 2, a.y + 5, a.x + 13, a.y + 17, PureReddish), 8);
  EXPECT_GT(CountPixels(a.x - 2, a.y + 5, a.x + 13, a.y + 17, WhiteBacking), 20);
  const Point sum = PointOfCell({13, 1});
  EXPECT_GT(CountPixels(sum.x - 2, sum.y + 5, sum.x + 20, sum.y + 17, PureReddish), 20);
}

TEST(SampleFrames, ZeruzeRowsScoresPageAndTheLongestMenu) {
  Playing p;
  StartVariant(53);
  p.Tick(3);
  // A first row played: its well-placed letters are plain tiles, the rest
  // open cells; the rows still to play are dark.
  const std::string word = G.wordSlots[0].str();
  for (size_t j = 0; j < word.size(); ++j) {
    G.boardLetters[CellIndex(7 + int(j), 7)] = j % 2 ? 'E' : word[j];
    SetCellState(7 + int(j), 7, word[j] == (j % 2 ? 'E' : word[j]) ? 1 : 4);
  }
  G.gameLength = 2;
  G.boardLetters[CellIndex(7, 8)] = word[0];
  p.Tick();
  WritePreviewFrame("zeruze");
  const Point well = PointOfCell({7, 7}), empty = PointOfCell({8, 10});
  EXPECT_NE(ThePage().pixel(well.x + 20, well.y + 26), ThePage().pixel(empty.x + 20, empty.y + 26));
  p.Key(kVkEscape);
  p.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
  p.Run(10100);

  G.currentScreen = 2;
  G.menuFamily = 92;  // thirteen variants
  p.MoveTo(0, 0);
  p.Tick(2);
  WritePreviewFrame("menu13");

  ListBox& scores = G.listBoxes[listScores];
  const char* names[] = {"Camille", "Joueur", "Joueuse", "Dominique"};
  for (int i = 1; i <= 12; ++i)
    scores.items[i] = std::string(names[i % 4]) + " ......... MOTS CODES 12x12 .. 0" + std::to_string(8000 + 97 * i);
  G.currentScreen = 4;
  p.Tick(2);
  WritePreviewFrame("scores");
}

TEST(SampleFrames, TravelMapWithAJourney) {
  Playing p;
  StartJourney();
  p.Tick(3);
  // The pawn two squares along its way.
  G.pawnX = std::min(13, G.journeyStartX + 1);
  p.Run(500);
  WritePreviewFrame("travel_map");
  SUCCEED();
}

namespace {

// A variant started on the real data, past its build, the pointer resting
// off the board.
struct GameFrame : Playing {
  explicit GameFrame(uint8_t variant) {
    StartVariant(variant);
    MoveTo(790, 300);
    for (int ticks = 0; ticks < 100 && !G.boardReady && !G.gameTitle.empty(); ++ticks) Tick();
    Run(200);
  }
};

}  // namespace

class GameFrames : public ::testing::TestWithParam<int> {};

TEST_P(GameFrames, BuiltBoardAndGivenUpBoard) {
  const int variant = GetParam();
  GameFrame f(static_cast<uint8_t>(variant));
  ASSERT_EQ(G.boardReady, 1);
  WritePreviewFrame("game_" + std::to_string(variant));
  // Nothing lit yet: no glyph box shows the key colour.
  EXPECT_EQ(KeyPixels(0, 0, kPageWidth, kPageHeight), 0);
  f.Key(kVkEscape);
  f.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
  f.Run(200);
  WritePreviewFrame("game_" + std::to_string(variant) + "_given_up");
}

INSTANTIATE_TEST_SUITE_P(NewGames, GameFrames, ::testing::Values(29, 98, 33, 102, 37, 103, 43, 22, 25, 26, 135, 145, 14, 39),
                         [](const ::testing::TestParamInfo<int>& info) { return "Variant" + std::to_string(info.param); });

// Hidden words in play: one word found across, one down, and a selection
// held open over a third.
TEST(GameFrames, HiddenWordsFramesAndTheSelectionBand) {
  GameFrame f(36);
  ASSERT_EQ(G.boardReady, 1);
  const std::vector<GridWord> words = WordsOfSolution(6, 1);
  const GridWord* across = nullptr;
  const GridWord* down = nullptr;
  for (const GridWord& w : words)
    if (!across && w.first.y == w.last.y) across = &w;
  // A down word starting elsewhere, so each frame's corner shows its colour.
  for (const GridWord& w : words)
    if (!down && w.first.x == w.last.x && across && (w.first.x != across->first.x || w.first.y != across->first.y))
      down = &w;
  ASSERT_TRUE(across && down);
  DragCells(f, across->first, across->last);
  DragCells(f, down->first, down->last);
  PressAndMoveCells(f, {1, 6}, {4, 6});
  WritePreviewFrame("game_36_in_play");
  // The across frame is red, the down frame blue (Windows colour values).
  const Point a = PointOfCell(across->first), d = PointOfCell(down->first);
  EXPECT_EQ(f.Pixel(a.x + 3, a.y + 18), 0x0000FFu);
  EXPECT_EQ(f.Pixel(d.x + 3, d.y + 18), 0xFF0000u);
}

// Word placement with one word written from the palette (its label lit), and
// the deconstructed grid with a black tile carried from the stock.
TEST(GameFrames, APlacedWordAndACarriedBlackTile) {
  {
    GameFrame f(32);
    ASSERT_EQ(G.boardReady, 1);
    const GridWord w = WordsOfSolution(6, 1).front();
    for (size_t i = 0; i < w.word.size(); ++i) {
      const int k = w.word[i] - 'A';
      const bool down = w.first.x == w.last.x;
      const int n = static_cast<int>(i);
      DragCells(f, {1 + k % 13, 8 + k / 13}, down ? Point{w.first.x, w.first.y + n} : Point{w.first.x + n, w.first.y});
    }
    f.MoveTo(790, 300);
    f.Tick();
    WritePreviewFrame("game_32_in_play");
  }
  GameFrame f(45);
  ASSERT_EQ(G.boardReady, 1);
  PressAndMoveCells(f, {1, 10}, {3, 3});
  WritePreviewFrame("game_45_carrying");
}

// The picture of the AppStream metadata (data/desktop/): the game list as a
// player first sees it, the pointer on a family so that its help shows.
TEST(SampleFrames, TheGameListForTheDesktopScreenshot) {
  Playing p;
  p.MoveTo(120, 140);  // LE PENDU
  p.Tick();
  ASSERT_EQ(G.currentScreen, 1);
  WritePreviewFrame("screenshot");
  EXPECT_EQ(KeyPixels(0, 0, kPageWidth, kPageHeight), 0);
  EXPECT_FALSE(G.listBoxes[listHelp].items[1].empty());
}
