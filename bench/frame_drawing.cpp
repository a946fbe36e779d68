// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing of one busy frame through the primitives alone: the background,
// a 12 x 12 board of tiles, a list box of score lines, the status line with
// the head picture and a timed message. The pictures are made here, of the
// sizes the program's own have, so the figure does not depend on the data.
#include <benchmark/benchmark.h>

#include "display/drawing.h"
#include "platform/clock.h"
#include "platform/page.h"
#include "state/forms.h"
#include "state/game_state.h"

namespace {

// A picture with a blue key in one pixel of four, as glyph sheets and tiles
// have a keyed border around their ink.
Picture Made(int w, int h, bool transparent) {
  Picture p;
  p.width = w;
  p.height = h;
  p.pixels.resize(w * h);
  for (int i = 0; i < w * h; ++i) p.pixels[i] = i % 4 == 0 ? 0x001F : static_cast<uint16_t>(0x8000 + i % 977);
  p.transparent = transparent;
  return p;
}

void MakePictures() {
  Form1.DXImageList2[0] = Made(800, 600, false);
  Form1.DXImageList2[1] = Made(90, 100, true);
  Form1.DXImageList3[0] = Made(624, 340, true);
  Form1.DXImageList3[1] = Made(624, 340, true);
  Form1.DXImageList3[11] = Made(480, 260, true);
  Form1.DXImageList3[12] = Made(480, 260, true);
  for (int n = 2; n <= 10; ++n) Form1.DXImageList3[n] = Made(31, 31, true);
  Form1.DXImageList4[26] = Made(312, 170, true);
  Form1.DXImageList4[60] = Made(8, 8, true);
  Form1.DXImageList4[61] = Made(8, 16, true);
}

void SetUpBoard() {
  ClearGameState();
  UseFakeClock(100000);
  MakePictures();
  G.boardOriginX = 70;
  G.boardOriginY = 50;
  for (int x = 0; x <= 20; ++x)
    for (int y = 0; y <= 20; ++y) {
      G.boardLetters[CellIndex(x, y)] = '*';
      G.boardCellColour[CellIndex(x, y)] = kWhite;
    }
  for (int x = 1; x <= 12; ++x)
    for (int y = 1; y <= 12; ++y) {
      G.boardLetters[CellIndex(x, y)] = static_cast<uint8_t>('A' + (x + y) % 26);
      G.boardPickable[CellIndex(x, y)] = 1;
      SetCellState(x, y, 2);
    }
  ListBox& scores = G.listBoxes[listScores];
  scores.x = 150;
  scores.y = 80;
  scores.visibleLines = 11;
  scores.widthPx = 500;
  scores.selected = 3;
  for (int i = 1; i <= 30; ++i) scores.items[i] = "Joueur.......MOTS CODES 12x1201mn 05s9160";
  scores.itemCount = 30;
  G.currentScreen = 4;
  G.gameTitle = std::string("MOTS  CODES 12x12");
  G.elapsedTimeText = std::string("03mn 12s");
  G.mousePos = {200, 200};  // over a tile and a list line
}

void BM_BusyFrame(benchmark::State& state) {
  SetUpBoard();
  for (auto _ : state) {
    if (!G.messageShowing) ShowTimedMessage(2, 520, "Partie sauvegardée");
    DrawBackground();
    DrawBoard();
    DrawListBox(listScores);
    DrawCentredTileText(5, G.gameTitle.str());
    DrawSmallText(40, 580, kWhite, G.elapsedTimeText.str());
    DrawHead({5, 555}, 40);
    DrawTimedMessage(16);
    AdvanceFakeClock(10);
    benchmark::DoNotOptimize(ThePage().pixels.data());
  }
}
BENCHMARK(BM_BusyFrame)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The coded grids add their numbers through the text canvas every frame.
void BM_CodeNumbers(benchmark::State& state) {
  SetUpBoard();
  for (int x = 1; x <= 12; ++x)
    for (int y = 1; y <= 12; ++y) {
      SetCellState(x, y, 4);
      G.answerGridA[CellIndex(x, y)] = (x * 7 + y) % 26 + 1;
    }
  for (auto _ : state) {
    DrawCodeNumbers();
    benchmark::DoNotOptimize(ThePage().pixels.data());
  }
}
BENCHMARK(BM_CodeNumbers)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
BENCHMARK_MAIN();
