// SPDX-License-Identifier: GPL-3.0-or-later
// JPEG pictures, decoded as backgrounds and imports are.
#include "fuzz_support.h"
#include "platform/picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  WriteFuzzFile("FONDS/input.jpg", data, size);
  Picture picture;
  if (LoadPicture(FuzzProgramFolder() + "FONDS/input.jpg", picture)) StretchedCopy(picture, 800, 600);
  return 0;
}
