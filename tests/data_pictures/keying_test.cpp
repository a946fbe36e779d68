// SPDX-License-Identifier: GPL-3.0-or-later
// Transparency: keyed pictures carry the key, and their edges are hard (no
// pixel mixing the key blue with a drawn colour); the JPEG window frame's
// transparent parts survive compression as the key.
#include <gtest/gtest.h>

#include <vector>

#include "picture_files.h"

namespace {

std::vector<std::string> KeyedPictures() {
  std::vector<std::string> all;
  for (int n = 0; n <= 13; ++n) all.push_back("Slots/" + std::to_string(n) + ".bmp");
  for (int n = 0; n <= 63; ++n) all.push_back("Interface/" + std::to_string(n) + ".bmp");
  for (int n = 1; n <= 11; ++n) all.push_back("pendu/" + std::to_string(n) + ".bmp");
  for (const char* b : {"Classique", "Damier", "Etoiles"}) all.push_back(std::string("back/") + b + ".bmp");
  return all;
}

// Drawn pixels touching the key that look like a mix with it.
int FringePixels(const Picture& p) {
  int found = 0;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      uint16_t c = At(p, x, y);
      if (c == kKey565) continue;
      bool edge = (x > 0 && At(p, x - 1, y) == kKey565) || (x + 1 < p.width && At(p, x + 1, y) == kKey565) ||
                  (y > 0 && At(p, x, y - 1) == kKey565) || (y + 1 < p.height && At(p, x, y + 1) == kKey565);
      if (edge && Bluish(c)) ++found;
    }
  return found;
}

}  // namespace

TEST(PictureKeying, KeyedPicturesCarryTheKeyAndNoFringe) {
  for (const std::string& name : KeyedPictures()) {
    Picture p = Load(name);
    ASSERT_FALSE(p.empty()) << name;
    int keyed = 0;
    for (uint16_t c : p.pixels) keyed += c == kKey565;
    EXPECT_GT(keyed, 0) << name << " has no transparent pixel";
    EXPECT_LT(keyed, int(p.pixels.size())) << name << " is all transparent";
    EXPECT_EQ(FringePixels(p), 0) << name;
  }
}

TEST(PictureKeying, TileFacesAreSolidInside) {
  // a tile face shows no background through it; only its rounded corners key
  for (int n : {2, 3, 4, 5, 6}) {
    Picture p = Load("Slots/" + std::to_string(n) + ".bmp");
    ASSERT_FALSE(p.empty());
    for (int y = 2; y < p.height - 2; ++y)
      for (int x = 2; x < p.width - 2; ++x) ASSERT_NE(At(p, x, y), kKey565) << n << " at " << x << "," << y;
    EXPECT_EQ(At(p, 0, 0), kKey565) << n;
  }
}

TEST(PictureKeying, WindowFrameKeysOnlyItsCornerBlocks) {
  Picture frame = Load("Fenetres/fenetre.jpg");
  ASSERT_EQ(frame.width, 584);
  ASSERT_EQ(frame.height, 424);
  const int bw = frame.width / 8, bh = frame.height / 8;
  int fringe = 0;
  for (int y = 0; y < frame.height; ++y)
    for (int x = 0; x < frame.width; ++x) {
      int bx = x / 8, by = y / 8;
      bool corner = std::min(bx, bw - 1 - bx) + std::min(by, bh - 1 - by) <= 1;
      uint16_t c = At(frame, x, y);
      if (corner)
        ASSERT_EQ(c, kKey565) << "corner pixel " << x << "," << y << " does not key";
      else
        ASSERT_NE(c, kKey565) << "frame pixel " << x << "," << y << " would vanish";
      if (!corner && Bluish(c)) ++fringe;
    }
  EXPECT_EQ(fringe, 0);
}

TEST(PictureKeying, TravelMapSquaresShowCountries) {
  // Every square of the map shows its country's land (warm tints, or an
  // island mark) beside the blue sea, and its name in dark letters below the
  // pawn's corner (the game draws the grid lines on the square edges).
  Picture map = Load("background/0000.jpg");
  ASSERT_FALSE(map.empty());
  auto brightness = [&](int x, int y) {
    uint16_t c = At(map, x, y);
    return (((c >> 11) & 31) << 3) + (((c >> 5) & 63) << 2) + ((c & 31) << 3);
  };
  int withSea = 0;
  for (int c = 0; c < 14; ++c)
    for (int r = 0; r < 8; ++r) {
      int land = 0, sea = 0;
      for (int y = 2; y < 49; ++y)
        for (int x = 2; x < 49; ++x) {
          const uint16_t p = At(map, 50 + 50 * c + x, 100 + 50 * r + y);
          const int red = ((p >> 11) & 31) << 3, blue = (p & 31) << 3;
          land += red > blue + 20 && red > 150;
          sea += blue > red + 40;
        }
      EXPECT_GT(land, 20) << c << "," << r;
      withSea += sea > 20;
      int ink = 0;
      for (int y = 17; y < 49; ++y)
        for (int x = 3; x < 47; ++x) ink += brightness(50 + 50 * c + x, 100 + 50 * r + y) < 150;
      EXPECT_GT(ink, 40) << c << "," << r;
    }
  EXPECT_GT(withSea, 60);  // a map, not a table of tiles: most squares have coasts
}
