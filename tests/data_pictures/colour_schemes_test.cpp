// SPDX-License-Identifier: GPL-3.0-or-later
// The three colour schemes on the real pictures: the sample frames of each
// (preview/frames/scheme_*), every pair of states a player must tell apart
// measured as seen with each colour-vision deficiency, and the contrast of
// the texts against their backings.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

#include "catalogue/catalogue.h"
#include "colour_vision.h"
#include "display/assets.h"
#include "display/colour_scheme.h"
#include "games_grids/grid_fixture.h"
#include "harness/board_play.h"
#include "harness/preview_frame.h"
#include "platform/keys.h"

namespace {

using Pixels = std::vector<uint32_t>;
Pixels Grab(int x0, int y0, int w, int h) {
  Pixels out;
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) out.push_back(FromRgb565(ThePage().pixel(x, y)));
  return out;
}
Pixels Tile(Point cell) { return Grab(PointOfCell(cell).x - 3, PointOfCell(cell).y + 4, 30, 30); }

// Two renderings of one place: the mean colour, in each, of the pixels that differ.
double PairDeltaE(const Pixels& a, const Pixels& b, int deficiency) {
  Rgb sa{}, sb{};
  int n = 0;
  for (size_t i = 0; i < a.size(); ++i, n += a[i - 1] != b[i - 1])
    for (int k = 0; k < 3 && a[i] != b[i]; ++k) sa[k] += SeenAs(a[i], deficiency)[k], sb[k] += SeenAs(b[i], deficiency)[k];
  for (int k = 0; k < 3; ++k) sa[k] /= std::max(n, 1), sb[k] /= std::max(n, 1);
  return DeltaE2000(Lab(sa), Lab(sb));
}

// The text's commonest colour among the pixels it changed, against the mean
// luminance of the backing under them.
double TextContrast(const Pixels& text, const Pixels& backing) {
  std::map<uint32_t, int> ink;
  double back = 0;
  int n = 0;
  for (size_t i = 0; i < text.size(); ++i)
    if (text[i] != backing[i]) ++ink[text[i]], ++n, back += Luminance(SeenAs(backing[i], 0));
  auto most = std::max_element(ink.begin(), ink.end(), [](auto& a, auto& b) { return a.second < b.second; });
  return n ? ContrastRatio(Luminance(SeenAs(most->first, 0)), back / n) : 0;
}

void EndGame(Harness& h) {
  h.Key(kVkEscape);
  h.Run(10100);
}

}  // namespace

TEST(ColourSchemes, StatesStayApartUnderEachDeficiencyAndHighContrastTextReads) {
  Harness h(HarnessOptions{.realData = true});
  ASSERT_TRUE(h.Start());
  h.Run(4100);
  // The options page's choice goes to the settings file.
  G.currentScreen = 3;
  h.Run(1500);
  h.MoveTo(G.panelX + 140, 72 + 285);
  h.Tick();
  h.Click(G.panelX + 140, 72 + 285);
  h.Tick(2);
  EXPECT_EQ(G.colourScheme, kSchemeColourBlind);
  EXPECT_NE(ReadFileBytes(h.dataPrefix + "CFG/favoris.vlk").find("Couleurs=1"), std::string::npos);
  const char* kSeen[4] = {"vision normale", "protanopie", "deuteranopie", "tritanopie"};
  for (int scheme = 0; scheme < kSchemeCount; ++scheme) {
    G.colourScheme = static_cast<uint8_t>(scheme);
    LoadSchemePictures();
    const std::string frame = std::string("scheme_") + (scheme ? SchemeColoursOf(scheme).pictureFolder : "normal");
    std::vector<std::pair<const char*, std::pair<Pixels, Pixels>>> pairs;
    G.currentScreen = 3;
    h.Tick();
    WritePreviewFrame(frame + "_options");
    G.gameTitle.clear();  // the last scheme's game left, as the game list is reached in play
    LoadBackground(52);
    G.currentScreen = 1;
    h.MoveTo(120, 140);  // the fourth family, lit
    h.Tick();
    WritePreviewFrame(frame + "_menu");
    const Pixels lit = Grab(55, 133, 320, 26);
    h.MoveTo(790, 590);
    h.Tick();
    pairs.push_back({"menu lit / plain", {lit, Grab(55, 133, 320, 26)}});

    StartVariant(53);
    h.Tick(3);
    for (int x = 7; x < 7 + 8; ++x) {
      G.boardLetters[CellIndex(x, 7)] = 'E';
      SetCellState(x, 7, x % 2 ? kCellPlain : kCellOpen);
    }
    G.gameLength = 2;
    h.Tick();
    WritePreviewFrame(frame + "_zeruze");
    pairs.push_back({"ZERUZE in place / not", {Tile({7, 7}), Tile({8, 7})}});
    EndGame(h);

    StartVariant(36);
    for (int ticks = 0; ticks < 100 && !G.boardReady; ++ticks) h.Tick();
    const GridWord *across = nullptr, *down = nullptr;
    const std::vector<GridWord> words = WordsOfSolution(6, 1);
    for (const GridWord& w : words) {
      if (!across && w.first.y == w.last.y && w.first.y != 6) across = &w;
      if (!down && w.first.x == w.last.x && w.first.x != 1 && (!across || w.first.x != across->first.x)) down = &w;
    }
    ASSERT_TRUE(across && down);
    DragCells(h, across->first, across->last);
    DragCells(h, down->first, down->last);
    PressAndMoveCells(h, {1, 6}, {4, 6});
    WritePreviewFrame(frame + "_hidden_words");
    const Point a = PointOfCell(across->first), d = PointOfCell(down->first), s = PointOfCell({1, 6});
    pairs.push_back({"found across / selection", {Grab(a.x + 3, a.y + 18, 1, 1), Grab(s.x + 4, s.y + 18, 1, 1)}});
    pairs.push_back({"found down / selection", {Grab(d.x + 3, d.y + 18, 1, 1), Grab(s.x + 4, s.y + 18, 1, 1)}});
    h.Release(790, 590);
    EndGame(h);

    // A coded grid given up with one right letter and one wrong, of one code.
    StartVariant(1);
    h.Tick(3);
    Point right{0, 0}, wrong{0, 0};
    for (int c = 1; c <= 144 && !wrong.x; ++c) {
      const Point cell{1 + (c - 1) % 12, 1 + (c - 1) / 12};
      if (CellState(cell.x, cell.y) != kCellOpen || LetterAt(cell.x, cell.y) != ' ') continue;
      if (!right.x) right = cell;
      else if (G.answerGridB[CellIndex(cell.x, cell.y)] == G.answerGridB[CellIndex(right.x, right.y)]) wrong = cell;
    }
    ASSERT_TRUE(wrong.x);
    const int solution = G.answerGridB[CellIndex(right.x, right.y)];
    G.boardLetters[CellIndex(right.x, right.y)] = static_cast<uint8_t>(solution);
    G.boardLetters[CellIndex(wrong.x, wrong.y)] = solution == 'Z' ? 'Y' : 'Z';
    h.Key(kVkEscape);
    h.Tick();
    WritePreviewFrame(frame + "_given_up");
    pairs.push_back({"right / wrong letter", {Tile(right), Tile(wrong)}});
    EndGame(h);

    for (auto& [what, pair] : pairs)
      for (int deficiency = 0; deficiency < 4; ++deficiency) {
        const double dE = PairDeltaE(pair.first, pair.second, deficiency);
        std::printf("DeltaE | %s | %s | %s | %.1f\n", SchemeColoursOf(scheme).name, what, kSeen[deficiency], dE);
        EXPECT_TRUE(scheme == kSchemeNormal || dE >= 20.0) << frame << " " << what << " " << kSeen[deficiency] << " " << dE;
      }

    // Texts of each font, plain and lit, on the page's backing and on tiles.
    double lowest = 99;
    auto measure = [&](int x, int y, int w, const std::function<void(bool)>& draw) {
      DrawBackground();
      draw(false);
      const Pixels backing = Grab(x, y, w, 34);
      draw(true);
      lowest = std::min(lowest, TextContrast(Grab(x, y, w, 34), backing));
    };
    for (int32_t colour : {kWhite, kHighlight}) {
      measure(55, 73, 200, [&](bool text) { DrawMediumText(55, 73, colour, text ? "MOTS CACHES" : ""); });
      measure(100, 300, 140, [&](bool text) { DrawSmallText(100, 300, colour, text ? "Sons ABC" : "        "); });
      for (int style : {1, 2, 4})
        measure(97, 404, 30, [&](bool text) { DrawTileText(100, 400, colour, text ? "E" : " ", style); });
    }
    std::printf("Contrast | %s | lowest %.1f\n", SchemeColoursOf(scheme).name, lowest);
    EXPECT_TRUE(scheme != kSchemeHighContrast || lowest >= 7.0) << lowest;
  }
}
