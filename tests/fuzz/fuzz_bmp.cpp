// SPDX-License-Identifier: GPL-3.0-or-later
// Windows bitmaps, decoded as the player's own pictures are.
#include "fuzz_support.h"
#include "platform/picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  WriteFuzzFile("TETE/input.bmp", data, size);
  Picture picture;
  if (LoadPicture(FuzzProgramFolder() + "TETE/input.bmp", picture)) StretchedCopy(picture, 80, 90);
  return 0;
}
