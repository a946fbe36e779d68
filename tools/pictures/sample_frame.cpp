// SPDX-License-Identifier: GPL-3.0-or-later
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

namespace {

// Game text calls put character i (from 1) at x + pitch i.
void GameText(Output& out, Image& frame, const char* sheet, const FontLayout& f, int pitch, int x, int y,
              const std::string& text, bool keyed = true) {
  BlitText(frame, out.made[sheet], f, x + pitch, y, text, pitch, keyed);
}

}  // namespace

void MakeSampleScreens(Output& out) {
  // The game list over its background.
  Image menu = out.made["background/000000.jpg"];
  const char* families[] = {"MOTS CODES", "MOTS FLECHES", "GRILLES A REMPLIR", "MOTS CACHES", "GRILLE MELANGEE",
                            "PENDU", "MOT DE PASSE", "ZERUZE", "ANAGRAMMES", "LETTRE EN PLUS",
                            "MOT DU MILIEU", "MOTS COUPES", "VOYELLES", "CONSONNES", "LE PLUS LONG"};
  for (int f = 1; f <= 30; ++f) {
    int x = f <= 15 ? 55 : 420, y = f <= 15 ? 53 + 20 * f : 20 * f - 247;
    bool lit = f == 4;
    GameText(out, menu, lit ? "Slots/11.bmp" : "Slots/12.bmp", kMediumFont, 15, x, y, families[(f - 1) % 15]);
  }
  for (int k = 1; k <= 6; ++k)
    GameText(out, menu, "Interface/26.bmp", kSmallFont, 10, 130, 363 + 20 * k,
             "Ligne d'aide num\xE9ro " + std::to_string(k) + " : trouvez les mots cach\xE9s dans la grille.");
  const int mainButtons[] = {54, 62, 31, 27, 37};
  for (int i = 0; i < 5; ++i) Put(menu, out.made["Interface/" + std::to_string(mainButtons[i] + (i == 2)) + ".bmp"], 60 * i, 540);
  out.Show("screens", "game list", menu);

  // The options page: frame, caption, list, check boxes, close button.
  Image page = out.made["background/Aurore.jpg"];
  const int L = 220, T = 72, R = L + 500, B = 422;
  Put(page, out.made["Fenetres/fenetre.jpg"], L - 30, T);  // keyed with blue 254 in the game
  for (int y = 0; y < 424; ++y)
    for (int x = 0; x < 584; ++x)
      if (out.made["Fenetres/fenetre.jpg"].at(x, y) == kFrameKeyBlue) page.at(L - 30 + x, T + y) = out.made["background/Aurore.jpg"].at(L - 30 + x, T + y);
  GameText(out, page, "Interface/26.bmp", kSmallFont, 10, L + 200, T + 60, "Options");
  GameText(out, page, "Interface/26.bmp", kSmallFont, 10, L + 100, T + 110, "Choisissez un fond d'\xE9" "cran :");
  const char* names[] = {"Aurore", "Bocage", "Calanques", "Desert", "Estuaire"};
  for (int i = 1; i <= 5; ++i) {
    GameText(out, page, "Interface/26.bmp", kSmallFont, 10, L + 100, T + 120 + 20 * i, names[i - 1], i != 2);
    Put(page, out.made["Interface/60.bmp"], L + 90, T + 120 + 20 * i);
  }
  Put(page, out.made["Interface/61.bmp"], L + 90, T + 146);
  Put(page, out.made["Interface/11.bmp"], L + 40, T + 100);
  Put(page, out.made["Interface/10.bmp"], L + 40, T + 200);
  Put(page, out.made["Interface/46.bmp"], L + 60, T + 360);
  GameText(out, page, "Interface/26.bmp", kSmallFont, 10, L + 72, T + 364, "Bruitages");
  Put(page, out.made["Interface/45.bmp"], L + 60, T + 335);
  GameText(out, page, "Interface/26.bmp", kSmallFont, 10, L + 72, T + 339, "Musique");
  Put(page, out.made["Interface/7.bmp"], R, B - 20);
  out.Show("screens", "options page", page);
}
