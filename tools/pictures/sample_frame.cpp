// A review frame composed the way the game draws: tiles with their shadows
// and glyphs at the board's offsets, markers, a menu line and a list line.
#include "fonts.h"
#include "makers.h"

namespace {

void Put(Image& target, const Image& picture, int x, int y) {
  for (int yy = 0; yy < picture.height; ++yy)
    for (int xx = 0; xx < picture.width; ++xx) {
      int tx = x + xx, ty = y + yy;
      uint32_t p = picture.at(xx, yy);
      if (p == kKeyBlue || tx < 0 || ty < 0 || tx >= target.width || ty >= target.height) continue;
      target.at(tx, ty) = p;
    }
}

void TileWord(Output& out, Image& frame, int x, int y, const std::string& text, int style, int litFrom = 99) {
  for (size_t i = 0; i < text.size(); ++i) {
    int tx = x + 31 * int(i);
    Put(frame, out.made["Slots/6.bmp"], tx - 6, y + 7);
    Put(frame, out.made["Slots/" + std::to_string(style + 1) + ".bmp"], tx - 3, y + 4);
    const Image& sheet = out.made[int(i) >= litFrom ? "Slots/0.bmp" : "Slots/1.bmp"];
    BlitText(frame, sheet, kBigFont, tx, y, text.substr(i, 1), 0, true);
  }
}

}  // namespace

void MakeSampleFrame(Output& out) {
  const Image& back = out.made["background/Bocage.jpg"];
  Image frame(640, 330);
  for (int y = 0; y < frame.height; ++y)
    for (int x = 0; x < frame.width; ++x) frame.at(x, y) = back.at(x + 80, y + 200);
  TileWord(out, frame, 20, 10, "LETTRE", 1);
  TileWord(out, frame, 20, 41, "PALETTE", 2, 3);
  TileWord(out, frame, 20, 72, "   ", 3);
  TileWord(out, frame, 113, 72, "OUVERT", 4);
  TileWord(out, frame, 20, 103, "MOT", 1);
  Put(frame, out.made["Slots/10.bmp"], 20 + 93 - 3, 103);
  TileWord(out, frame, 20 + 124, 103, "S", 2);
  Put(frame, out.made["Slots/9.bmp"], 20 + 155 - 3, 103);
  TileWord(out, frame, 20 + 186, 103, "MOTS", 4);
  Put(frame, out.made["Slots/8.bmp"], 420, 10);
  Put(frame, out.made["Slots/7.bmp"], 482, 10);
  TileWord(out, frame, 451, 10, "A", 4);
  BlitText(frame, out.made["Slots/1.bmp"], kBigFont, 240, 10, "TITRE", 18, true);
  BlitText(frame, out.made["Slots/12.bmp"], kMediumFont, 10, 150, "MOTS CODES", 15, true);
  BlitText(frame, out.made["Slots/11.bmp"], kMediumFont, 10, 170, "MOTS CACHES", 15, true);
  BlitText(frame, out.made["Slots/12.bmp"], kMediumFont, 10, 190, "Retour \xE0 la liste...", 15, true);
  const Image& small = out.made["Interface/26.bmp"];
  const char* lines[] = {"Aurore", "Bocage", "Calanques", "Desert"};
  for (int i = 0; i < 4; ++i) {
    int ly = 210 + 20 * (i + 1);
    BlitText(frame, small, kSmallFont, 40, ly, lines[i], 10, i != 1);
    Put(frame, out.made["Interface/60.bmp"], 20, ly);  // list x = 30
  }
  Put(frame, out.made["Interface/61.bmp"], 20, 236);
  Put(frame, out.made["Interface/46.bmp"], 220, 240);
  BlitText(frame, small, kSmallFont, 232, 244, "Sons", 10, true);
  Put(frame, out.made["Interface/45.bmp"], 220, 270);
  BlitText(frame, small, kSmallFont, 232, 274, "Musique", 10, true);
  Put(frame, out.made["Interface/3.bmp"], 330, 240);
  Put(frame, out.made["Interface/4.bmp"], 390, 240);
  out.Show("sample", "sample frame", frame);
}
