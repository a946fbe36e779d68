// SPDX-License-Identifier: GPL-3.0-or-later
// A frame that repeats the last one is skipped, and the page is always what
// drawing every call at once would give.
#include <gtest/gtest.h>

#include "platform/canvas.h"
#include "platform/frame_log.h"
#include "platform/page.h"
#include "platform/picture.h"
#include "temp_folder.h"

namespace {

Picture Filled(int w, int h, uint16_t first) {
  Picture p;
  p.width = w;
  p.height = h;
  for (int i = 0; i < w * h; ++i) p.pixels.push_back(static_cast<uint16_t>(first + i % 97));
  return p;
}

struct Scene {
  Picture background = Filled(kPageWidth, kPageHeight, 1000);
  Picture sprite = Filled(40, 30, 7);
  std::string text = "Bonjour";
  int spriteX = 100;

  // One frame of a tick; `page` is ThePage() inside a frame, or another page
  // drawn at once for comparison.
  void Draw(Page& page) const {
    DrawPicture(page, background, 0, 0);
    DrawPicture(page, sprite, spriteX, 50);
    Canvas canvas(page);
    canvas.SetFont(0xFFFFFF, 12, true);
    canvas.TextOut(200, 300, text);
    canvas.SetPen(0x0000FF, 2);
    canvas.SetBrushClear();
    canvas.RoundRect(10, 400, 300, 500, 12, 12);
  }
  void Frame() const {
    FrameBegin();
    Draw(ThePage());
    FrameEnd();
  }
  // The page the same drawing gives when every call is drawn at once.
  Page AtOnce() const {
    Page page;
    Draw(page);
    return page;
  }
};

}  // namespace

TEST(FrameLog, ARepeatedFrameIsSkippedAndAChangeAnywhereIsDrawnExactly) {
  Scene scene;
  scene.Frame();
  scene.Frame();
  const int skipped = FramesSkipped();
  scene.Frame();
  scene.Frame();
  EXPECT_EQ(FramesSkipped(), skipped + 2);
  EXPECT_EQ(ThePage().pixels, scene.AtOnce().pixels);

  // The last drawing differs: the noted ones are drawn first, in order.
  scene.text = "Bonsoir";
  scene.Frame();
  EXPECT_EQ(FramesSkipped(), skipped + 2);
  EXPECT_EQ(ThePage().pixels, scene.AtOnce().pixels);
  // The first blit after the background differs.
  scene.spriteX = 101;
  scene.Frame();
  EXPECT_EQ(ThePage().pixels, scene.AtOnce().pixels);
  scene.Frame();
  EXPECT_EQ(FramesSkipped(), skipped + 3);

  // A frame with one drawing fewer is drawn.
  FrameBegin();
  DrawPicture(ThePage(), scene.background, 0, 0);
  DrawPicture(ThePage(), scene.sprite, scene.spriteX, 50);
  EXPECT_FALSE(FrameEnd());
  Page fewer;
  DrawPicture(fewer, scene.background, 0, 0);
  DrawPicture(fewer, scene.sprite, scene.spriteX, 50);
  EXPECT_EQ(ThePage().pixels, fewer.pixels);
}

TEST(FrameLog, OnlyAFrameThatCoversThePageFirstAndWasNotDrawnOverIsSkipped) {
  Scene scene;
  const Picture dot = Filled(3, 3, 500);
  // Without a background the frames pile up on what was there: never skipped.
  ClearPage(ThePage(), 0);
  const int skipped = FramesSkipped();
  for (int i = 0; i < 3; ++i) {
    FrameBegin();
    DrawPicture(ThePage(), dot, 5, 5);
    EXPECT_FALSE(FrameEnd());
  }
  EXPECT_EQ(FramesSkipped(), skipped);

  // Drawing outside a frame makes the next frame draw in full.
  scene.Frame();
  scene.Frame();
  DrawPicture(ThePage(), dot, 600, 500);
  FrameBegin();
  scene.Draw(ThePage());
  EXPECT_FALSE(FrameEnd());
  EXPECT_EQ(ThePage().pixels, scene.AtOnce().pixels);

  // A frame never flipped is drawn when the next begins, and that one is
  // drawn in full.
  scene.Frame();
  FrameBegin();
  scene.Draw(ThePage());
  FrameBegin();
  scene.Draw(ThePage());
  EXPECT_FALSE(FrameEnd());
  EXPECT_EQ(ThePage().pixels, scene.AtOnce().pixels);
}

TEST(FrameLog, APictureChangedUnderANotedDrawingIsShownAsItWasDrawn) {
  TempFolder folder;
  Scene scene;
  ASSERT_TRUE(SavePictureBmp(folder.path + "a.bmp", Filled(40, 30, 3000)));
  ASSERT_TRUE(SavePictureBmp(folder.path + "b.bmp", Filled(40, 30, 9000)));
  ASSERT_TRUE(LoadPicture(folder.path + "a.bmp", scene.sprite));
  const Picture before = scene.sprite;
  scene.Frame();
  scene.Frame();

  // Drawn, then reloaded within the frame: the page keeps the old pixels, as
  // it would had the blit been done at once.
  FrameBegin();
  scene.Draw(ThePage());
  ASSERT_TRUE(LoadPicture(folder.path + "b.bmp", scene.sprite));
  EXPECT_FALSE(FrameEnd());
  Scene old = scene;
  old.sprite = before;
  EXPECT_EQ(ThePage().pixels, old.AtOnce().pixels);

  // Between frames, a picture of the same size copied over the sprite.
  scene.Frame();
  scene.sprite = before;
  scene.Frame();
  EXPECT_EQ(ThePage().pixels, old.AtOnce().pixels);
}
