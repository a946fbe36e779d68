// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <jpeglib.h>

#include <cstdio>

#include "platform/picture.h"
#include "temp_folder.h"

namespace {

// A w x h JPEG, left half red and right half blue, at top quality.
std::string MakeJpeg(int w, int h) {
  jpeg_compress_struct info;
  jpeg_error_mgr error;
  info.err = jpeg_std_error(&error);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = w;
  info.image_height = h;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 100, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row(w * 3);
  for (int x = 0; x < w; ++x) {
    bool left = x < w / 2;
    row[3 * x] = left ? 255 : 0;
    row[3 * x + 1] = 0;
    row[3 * x + 2] = left ? 0 : 255;
  }
  while (info.next_scanline < info.image_height) {
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string bytes(reinterpret_cast<char*>(buffer), size);
  free(buffer);
  return bytes;
}

Picture Gradient(int w, int h) {
  Picture p;
  p.width = w;
  p.height = h;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.pixels.push_back(static_cast<uint16_t>(x * 2113 + y * 777));
  return p;
}

}  // namespace

TEST(Picture, BitmapRoundTripIsExact) {
  TempFolder t;
  Picture original = Gradient(5, 3);  // odd width: padded rows
  ASSERT_TRUE(SavePictureBmp(t.path + "TETE\\..bmp", original) == false);  // ".." refused
  ASSERT_TRUE(SavePictureBmp(t.path + "head.bmp", original));
  EXPECT_FALSE(t.Has("head.bmp.tmp"));
  std::string bytes = t.Read("head.bmp");
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(bytes.size(), 54u + 3 * 16);
  EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24);  // bits per pixel

  Picture loaded;
  loaded.transparent = true;
  loaded.transparentColour = 0xFE0000;
  ASSERT_TRUE(LoadPicture(t.path + "HEAD.BMP", loaded));
  EXPECT_EQ(loaded.width, 5);
  EXPECT_EQ(loaded.height, 3);
  EXPECT_EQ(loaded.pixels, original.pixels);
  EXPECT_TRUE(loaded.transparent);  // the settings made before loading stay
  EXPECT_EQ(loaded.transparentColour, 0xFE0000u);
}

TEST(Picture, JpegIsDecoded) {
  TempFolder t;
  t.Write("background/fond.JPG", MakeJpeg(16, 8));
  Picture p;
  ASSERT_TRUE(LoadPicture(t.path + "Background\\fond.jpg", p));
  EXPECT_EQ(p.width, 16);
  EXPECT_EQ(p.height, 8);
  uint32_t left = FromRgb565(p.pixels[8 * 16 / 2 - 16 + 2]);
  uint32_t right = FromRgb565(p.pixels[8 * 16 / 2 - 3]);
  EXPECT_GT(left & 0xFF, 0xE0u);  // red
  EXPECT_LT((left >> 16) & 0xFF, 0x20u);
  EXPECT_GT((right >> 16) & 0xFF, 0xE0u);  // blue
  EXPECT_LT(right & 0xFF, 0x20u);
  t.Write("copy.jpeg", MakeJpeg(3, 3));
  EXPECT_TRUE(LoadPicture(t.path + "copy.jpeg", p));
  EXPECT_EQ(p.width, 3);
}

TEST(Picture, BadFilesFailAndLeaveThePictureAlone) {
  TempFolder t;
  std::string jpeg = MakeJpeg(32, 32);
  t.Write("cut.jpg", jpeg.substr(0, 200));
  t.Write("noise.jpg", std::string(300, '\x5a'));
  t.Write("empty.jpg", "");
  t.Write("noise.bmp", "BM this is no bitmap");
  t.Write("jpeg.bmp", jpeg);
  t.Write("bitmap.gif", "GIF89a");
  Picture p = Gradient(2, 2);
  const Picture before = p;
  for (const char* name : {"cut.jpg", "noise.jpg", "empty.jpg", "noise.bmp", "jpeg.bmp", "bitmap.gif", "missing.jpg",
                           "missing.bmp"}) {
    EXPECT_FALSE(LoadPicture(t.path + name, p)) << name;
    EXPECT_EQ(p.pixels, before.pixels) << name;
    EXPECT_EQ(p.width, 2) << name;
  }
}

TEST(Picture, StretchedCopyByNearestPixel) {
  Picture p = Gradient(2, 2);
  p.transparent = true;
  Picture big = StretchedCopy(p, 4, 3);
  EXPECT_EQ(big.width, 4);
  EXPECT_EQ(big.height, 3);
  EXPECT_TRUE(big.transparent);
  EXPECT_EQ(big.pixels[0], p.pixels[0]);
  EXPECT_EQ(big.pixels[3], p.pixels[1]);
  EXPECT_EQ(big.pixels[2 * 4], p.pixels[2]);
  Picture small = StretchedCopy(p, 1, 1);
  EXPECT_EQ(small.pixels, std::vector<uint16_t>{p.pixels[0]});
  EXPECT_TRUE(StretchedCopy(p, 0, 5).empty());
  EXPECT_TRUE(StretchedCopy(Picture{}, 5, 5).empty());
}
