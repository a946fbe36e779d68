// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture the game loads is there, decodes, and has its size and format.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "picture_files.h"

namespace {

void ExpectSize(const std::string& relative, int w, int h) {
  Picture p = Load(relative);
  ASSERT_FALSE(p.empty()) << relative << " missing or not decodable";
  EXPECT_EQ(p.width, w) << relative;
  EXPECT_EQ(p.height, h) << relative;
}

// The game's bitmaps are 24-bit Windows bitmaps without compression.
void ExpectBmp24(const std::string& relative) {
  std::ifstream in(BitmapsPath(relative), std::ios::binary);
  ASSERT_TRUE(in) << relative;
  unsigned char header[54] = {};
  in.read(reinterpret_cast<char*>(header), 54);
  EXPECT_EQ(header[0], 'B');
  EXPECT_EQ(header[1], 'M');
  EXPECT_EQ(header[28] | header[29] << 8, 24) << relative;
  EXPECT_EQ(header[30], 0) << relative;
}

std::vector<std::string> Names(const std::string& folder, const std::string& ending) {
  std::vector<std::string> names;
  for (auto& entry : std::filesystem::directory_iterator(BitmapsPath(folder))) {
    std::string name = entry.path().filename().string();
    if (name.size() > ending.size() && name.compare(name.size() - ending.size(), ending.size(), ending) == 0)
      names.push_back(name.substr(0, name.size() - ending.size()));
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

TEST(PictureFiles, SlotsHaveTheirSizes) {
  ExpectSize("Slots/0.bmp", 624, 346);
  ExpectSize("Slots/1.bmp", 624, 346);
  ExpectSize("Slots/11.bmp", 480, 264);
  ExpectSize("Slots/12.bmp", 480, 264);
  for (int n : {2, 3, 4, 5, 6, 13}) ExpectSize("Slots/" + std::to_string(n) + ".bmp", 28, 28);
  ExpectSize("Slots/7.bmp", 31, 34);
  ExpectSize("Slots/8.bmp", 31, 34);
  ExpectSize("Slots/9.bmp", 28, 36);
  ExpectSize("Slots/10.bmp", 28, 36);
  for (int n = 0; n <= 13; ++n) ExpectBmp24("Slots/" + std::to_string(n) + ".bmp");
}

TEST(PictureFiles, InterfacePicturesHaveTheirSizes) {
  const int buttons[] = {3, 5, 7, 9, 11, 13, 15, 17, 19, 23, 27, 31, 33, 35, 37, 39, 43, 47, 52, 54, 57, 62};
  for (int n : buttons) {
    ExpectSize("Interface/" + std::to_string(n) + ".bmp", 48, 48);
    ExpectSize("Interface/" + std::to_string(n + 1) + ".bmp", 48, 48);
  }
  ExpectSize("Interface/26.bmp", 312, 173);
  ExpectSize("Interface/41.bmp", 500, 350);
  ExpectSize("Interface/42.bmp", 50, 50);
  ExpectSize("Interface/45.bmp", 20, 20);
  ExpectSize("Interface/46.bmp", 20, 20);
  for (int n : {49, 50, 51, 59}) ExpectSize("Interface/" + std::to_string(n) + ".bmp", 320, 200);
  ExpectSize("Interface/60.bmp", 10, 16);
  ExpectSize("Interface/61.bmp", 10, 20);
  for (int n = 0; n <= 63; ++n) {
    EXPECT_FALSE(Load("Interface/" + std::to_string(n) + ".bmp").empty()) << n;
    ExpectBmp24("Interface/" + std::to_string(n) + ".bmp");
  }
}

TEST(PictureFiles, HangmanStagesAllPresent) {
  for (int n = 0; n <= 53; ++n) ExpectSize("pendu/" + std::to_string(n) + ".bmp", 200, 200);
  // each of the eleven misses adds to the picture
  for (int m = 1; m <= 11; ++m) {
    Picture before = Load("pendu/" + std::to_string(m - 1) + ".bmp"), after = Load("pendu/" + std::to_string(m) + ".bmp");
    ASSERT_FALSE(before.empty());
    ASSERT_FALSE(after.empty());
    int drawnBefore = 0, drawnAfter = 0;
    for (uint16_t p : before.pixels) drawnBefore += p != kKey565;
    for (uint16_t p : after.pixels) drawnAfter += p != kKey565;
    EXPECT_GT(drawnAfter, drawnBefore) << "stage " << m;
  }
}

TEST(PictureFiles, BackgroundsTitlesAndFrame) {
  for (const char* title : {"00000", "0000", "000000", "0000000"})
    ExpectSize(std::string("background/") + title + ".jpg", 800, 600);
  std::vector<std::string> names = Names("background", ".jpg");
  ASSERT_GE(names.size(), 12u);
  // The list drops its four first entries, which must be the title pictures.
  EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 4),
            (std::vector<std::string>{"0000", "00000", "000000", "0000000"}));
  for (size_t i = 4; i < names.size(); ++i) {
    ExpectSize("background/" + names[i] + ".jpg", 800, 600);
    // the names are shown in the list as typed: plain letters only
    for (char c : names[i]) EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(c))) << names[i];
  }
  ExpectSize("Fenetres/fenetre.jpg", 584, 424);
}

TEST(PictureFiles, HeadsAndCardBacks) {
  std::vector<std::string> heads = Names("tete", ".bmp");
  EXPECT_GE(heads.size(), 6u);
  EXPECT_NE(std::find(heads.begin(), heads.end(), "Joueur"), heads.end());
  for (const std::string& h : heads) {
    ExpectSize("tete/" + h + ".bmp", 80, 90);
    ExpectBmp24("tete/" + h + ".bmp");
  }
  std::vector<std::string> backs = Names("back", ".bmp");
  EXPECT_GE(backs.size(), 3u);
  for (const std::string& b : backs) ExpectSize("back/" + b + ".bmp", 71, 96);
}
