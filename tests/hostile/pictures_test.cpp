// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures from the player's folders are checked from their header before
// anything is decoded: a crafted file cannot make the program allocate what
// it declares.
#include <gtest/gtest.h>

#include <string>

#include "display/assets.h"
#include "harness/harness.h"
#include "largest_allocation.h"
#include "platform/picture.h"
#include "state/forms.h"
#include "state/game_state.h"

namespace {

void Le(std::string& s, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) s += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A Windows bitmap header (V5, 124 bytes) of the given size and depth,
// followed by `body` (and nothing more).
std::string BmpHeader(int32_t width, int32_t height, int depth, const std::string& body = "") {
  std::string s = "BM";
  Le(s, 14 + 124 + body.size(), 4);
  Le(s, 0, 4);
  Le(s, 14 + 124, 4);
  Le(s, 124, 4);
  Le(s, static_cast<uint32_t>(width), 4);
  Le(s, static_cast<uint32_t>(height), 4);
  Le(s, 1, 2);
  Le(s, depth, 2);
  Le(s, 0, 4);  // no compression
  while (s.size() < 14 + 124) s += '\0';
  return s + body;
}

// A baseline JPEG of 8 x 8 grey pixels whose frame header is rewritten to
// declare another size.
std::string JpegDeclaring(int width, int height, const std::string& real) {
  std::string bytes = real;
  const size_t frame = bytes.find("\xFF\xC0");
  if (frame == std::string::npos) return "";
  bytes[frame + 5] = static_cast<char>(height >> 8);
  bytes[frame + 6] = static_cast<char>(height & 0xFF);
  bytes[frame + 7] = static_cast<char>(width >> 8);
  bytes[frame + 8] = static_cast<char>(width & 0xFF);
  return bytes;
}

}  // namespace

TEST(HostilePictures, ABmpDeclaring30000By30000IsRefusedWithoutAllocatingIt) {
  const std::string folder = MakeTempFolder("hostile");
  // 138 bytes: a header and no pixels.
  const std::string crafted = BmpHeader(30000, 30000, 24);
  ASSERT_EQ(crafted.size(), 138u);
  WriteFileBytes(folder + "huge.bmp", crafted);
  Picture picture;
  std::string why;
  StartWatchingAllocations();
  EXPECT_FALSE(LoadPicture(folder + "huge.bmp", picture, &why));
  EXPECT_LT(LargestAllocation(), 1u << 20) << "the declared size was allocated";
  EXPECT_NE(why.find("30000 x 30000"), std::string::npos) << why;
  EXPECT_TRUE(picture.empty());

  // Upside-down rows (a negative height) are no way round the cap.
  WriteFileBytes(folder + "huge_down.bmp", BmpHeader(30000, -30000, 8));
  StartWatchingAllocations();
  EXPECT_FALSE(LoadPicture(folder + "huge_down.bmp", picture, &why));
  EXPECT_LT(LargestAllocation(), 1u << 20);
}

TEST(HostilePictures, ABmpShorterThanItsHeaderSaysIsRefusedBeforeDecoding) {
  const std::string folder = MakeTempFolder("hostile");
  // 2000 x 2000 is within the cap, but the body holds one row only.
  WriteFileBytes(folder + "short.bmp", BmpHeader(2000, 2000, 24, std::string(6000, '\x7f')));
  Picture picture;
  std::string why;
  StartWatchingAllocations();
  EXPECT_FALSE(LoadPicture(folder + "short.bmp", picture, &why));
  EXPECT_LT(LargestAllocation(), 1u << 20);
  EXPECT_NE(why.find("tronquée"), std::string::npos) << why;

  // The same header over a whole body loads.
  WriteFileBytes(folder + "whole.bmp", BmpHeader(4, 2, 24, std::string(2 * 12, '\x7f')));
  ASSERT_TRUE(LoadPicture(folder + "whole.bmp", picture, &why)) << why;
  EXPECT_EQ(picture.width, 4);
  EXPECT_EQ(picture.height, 2);
  // An unknown depth or compression is no picture of ours.
  WriteFileBytes(folder + "depth.bmp", BmpHeader(4, 2, 7, std::string(64, '\0')));
  EXPECT_FALSE(LoadPicture(folder + "depth.bmp", picture, &why));
}

TEST(HostilePictures, AJpegDeclaringAHugeSizeIsRefusedBeforeDecoding) {
  const std::string small = ReadFileBytes(std::string(SOURCE_DIR) + "/tests/fuzz/corpus/jpeg/grey.jpg");
  ASSERT_FALSE(small.empty());
  const std::string folder = MakeTempFolder("hostile");
  WriteFileBytes(folder + "small.jpg", small);
  Picture picture;
  std::string why;
  ASSERT_TRUE(LoadPicture(folder + "small.jpg", picture, &why)) << why;
  WriteFileBytes(folder + "huge.jpg", JpegDeclaring(60000, 60000, small));
  StartWatchingAllocations();
  EXPECT_FALSE(LoadPicture(folder + "huge.jpg", picture, &why));
  EXPECT_LT(LargestAllocation(), 1u << 20);
  EXPECT_NE(why.find("60000 x 60000"), std::string::npos) << why;
}

TEST(HostilePictures, ACraftedHeadInThePlayersFolderIsLoggedAndSkipped) {
  Harness h;
  h.SetComment(56, "Image incompatible");
  ASSERT_TRUE(h.Start());
  WriteFileBytes(h.dataPrefix + "TETE/piege.bmp", BmpHeader(30000, 30000, 24));
  const Picture before = Form1.DXImageList2[1];
  StartWatchingAllocations();
  LoadHead("piege");
  EXPECT_LT(LargestAllocation(), 16u << 20);
  EXPECT_TRUE(h.LogHas("bitmap non compatible"));
  EXPECT_TRUE(h.LogHas("image trop grande 30000 x 30000"));
  EXPECT_EQ(Form1.DXImageList2[1].width, before.width);
  EXPECT_EQ(G.messageText, "Image incompatible");
}
