// SPDX-License-Identifier: GPL-3.0-or-later
// pictures <program folder> <preview folder> [<icon folder>]
// Draws every picture of the game into <program folder>/bitmaps and a review
// sheet of them into <preview folder>, and the desktop icon into
// <icon folder>/hicolor/<size>/apps.
#include <cstdio>

#include "makers.h"

void Output::Save(const std::string& relative, const Image& image) {
  std::string path = gameDir + "/bitmaps/" + relative;
  MakeFolders(path.substr(0, path.rfind('/')));
  bool jpeg = path.size() > 4 && path.compare(path.size() - 4, 4, ".jpg") == 0;
  made[relative] = image;
  bool ok = jpeg ? WriteJpeg(path, image, 90) : WriteBmp(path, image);
  if (!ok) {
    std::fprintf(stderr, "pictures: cannot write %s\n", path.c_str());
    ++failures;
  }
}

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: pictures <program folder> <preview folder> [<icon folder>]\n");
    return 2;
  }
  Output out;
  out.gameDir = argv[1];
  out.previewDir = argv[2];
  if (argc > 3) out.iconDir = argv[3];
  out.countryFile = out.gameDir + "/txt/voyage.dta";
  out.landMaskFile = LAND_MASK_FILE;
  MakeFonts(out);
  MakeTiles(out);
  MakeInterface(out);
  MakeHangman(out);
  MakeBackgrounds(out);
  MakeTravelMap(out);
  MakeWindowFrame(out);
  MakeHeads(out);
  MakeCardBacks(out);
  MakeSampleFrame(out);
  MakeSampleScreens(out);
  MakeAppIcon(out);
  WritePreview(out);
  return out.failures == 0 ? 0 : 1;
}
