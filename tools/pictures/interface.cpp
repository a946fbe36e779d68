// SPDX-License-Identifier: GPL-3.0-or-later
// Interface pictures 0-63 (except the small font, 26): the image buttons in
// pairs n (idle) / n + 1 (lit), the check boxes, banners, panels, list bullet,
// scroll thumb and the travel pawn.
#include <algorithm>
#include <cmath>
#include <string>

#include "icons.h"
#include "makers.h"

namespace {

const double kPi = 3.14159265358979;

struct ButtonKind {
  uint32_t idle, lit;  // face colours
};
const ButtonKind kTool = {0x2C5C8C, 0x3E86CC};
const ButtonKind kGo = {0x2A7A3A, 0x38A850};
const ButtonKind kStop = {0x8C2828, 0xC83A3A};
const ButtonKind kWarm = {0x8A5A1C, 0xC48424};
const ButtonKind kCalm = {0x4A4A6A, 0x6A6A9A};
const ButtonKind kPlum = {0x5E3478, 0x8A4CAE};

// A round glossy button; the lit one is brighter with a gold rim, so the
// button under the pointer stands out.
Image Button(const ButtonKind& kind, IconRoutine icon, bool lit) {
  Canvas canvas(48, 48);
  cairo_t* cr = canvas.cr;
  cairo_translate(cr, 24, 24);
  cairo_arc(cr, 0, 0, 23.5, 0, 2 * kPi);
  SetRgb(cr, 0x0C0C14);
  cairo_fill(cr);
  cairo_pattern_t* rim = cairo_pattern_create_linear(-20, -20, 20, 20);
  uint32_t rimLight = lit ? 0xFFF0A0 : 0xE0E4EC, rimDark = lit ? 0xB07810 : 0x60646C;
  cairo_pattern_add_color_stop_rgb(rim, 0, ((rimLight >> 16) & 255) / 255.0, ((rimLight >> 8) & 255) / 255.0, (rimLight & 255) / 255.0);
  cairo_pattern_add_color_stop_rgb(rim, 1, ((rimDark >> 16) & 255) / 255.0, ((rimDark >> 8) & 255) / 255.0, (rimDark & 255) / 255.0);
  cairo_arc(cr, 0, 0, 22, 0, 2 * kPi);
  cairo_set_source(cr, rim);
  cairo_fill(cr);
  cairo_pattern_destroy(rim);
  uint32_t face = lit ? kind.lit : kind.idle;
  cairo_pattern_t* body = cairo_pattern_create_radial(-6, -8, 2, 0, 0, 20);
  uint32_t hi = Mix(face, 0xFFFFFF, 0.45), lo = Mix(face, 0x000000, 0.35);
  cairo_pattern_add_color_stop_rgb(body, 0, ((hi >> 16) & 255) / 255.0, ((hi >> 8) & 255) / 255.0, (hi & 255) / 255.0);
  cairo_pattern_add_color_stop_rgb(body, 1, ((lo >> 16) & 255) / 255.0, ((lo >> 8) & 255) / 255.0, (lo & 255) / 255.0);
  cairo_arc(cr, 0, 0, 19, 0, 2 * kPi);
  cairo_set_source(cr, body);
  cairo_fill(cr);
  cairo_pattern_destroy(body);
  // gloss
  cairo_save(cr);
  cairo_scale(cr, 1, 0.55);
  cairo_arc(cr, 0, -18, 14, 0, 2 * kPi);
  cairo_restore(cr);
  SetRgb(cr, 0xFFFFFF, lit ? 0.22 : 0.14);
  cairo_fill(cr);
  // icon with a soft drop shadow
  cairo_save(cr);
  cairo_translate(cr, 1.2, 1.6);
  SetRgb(cr, 0x000000, 0.55);
  icon(cr);
  cairo_restore(cr);
  SetRgb(cr, lit ? 0xFFFBE8 : 0xF2F4F8);
  icon(cr);
  return KeyedImage(canvas.surface);
}

Image CheckBox(bool checked) {
  Canvas canvas(20, 20);
  cairo_t* cr = canvas.cr;
  RoundedRect(cr, 0, 0, 20, 20, 4);
  SetRgb(cr, 0x101018);
  cairo_fill(cr);
  RoundedRect(cr, 2, 2, 16, 16, 2.5);
  cairo_pattern_t* g = VerticalGradient(2, 18, 0xF4F4F8, 0xB8BCC8);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  if (checked) {
    cairo_set_line_width(cr, 3.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(cr, 5, 10);
    cairo_line_to(cr, 8.5, 14);
    cairo_line_to(cr, 15, 5.5);
    SetRgb(cr, 0x1A8A30);
    cairo_stroke(cr);
  }
  return KeyedImage(canvas.surface);
}

void Star(cairo_t* cr, double cx, double cy, double r, double inner) {
  for (int i = 0; i < 10; ++i) {
    double a = -kPi / 2 + kPi * i / 5, rr = (i % 2 == 0) ? r : r * inner;
    if (i == 0)
      cairo_move_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
    else
      cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
  }
  cairo_close_path(cr);
}

struct PlaqueStyle {
  uint32_t top, bottom, border, textTop, textBottom;
};

// A rounded plaque with a double gold border and its words; the outside is
// the key colour, so the banner floats over the board.
void Plaque(cairo_t* cr, int w, int h, const PlaqueStyle& s) {
  RoundedRect(cr, 0.5, 0.5, w - 1, h - 1, 26);
  SetRgb(cr, 0x0C0808);
  cairo_fill(cr);
  RoundedRect(cr, 3, 3, w - 6, h - 6, 24);
  SetRgb(cr, s.border);
  cairo_fill(cr);
  RoundedRect(cr, 7, 7, w - 14, h - 14, 20);
  cairo_pattern_t* g = VerticalGradient(7, h - 7, s.top, s.bottom);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  RoundedRect(cr, 12, 12, w - 24, h - 24, 16);
  SetRgb(cr, s.border, 0.7);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

Image Banner(const char* line1, const char* line2, double size1, const PlaqueStyle& s, bool stars) {
  const int w = 320, h = 200;
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr;
  Plaque(cr, w, h, s);
  if (stars) {
    SetRgb(cr, 0xFFE680);
    for (int i = 0; i < 5; ++i) {
      Star(cr, 60 + 50 * i, 40 + (i % 2) * 6, i == 2 ? 13 : 9, 0.42);
      cairo_fill(cr);
    }
  }
  // the title shrinks to fit the plaque
  cairo_set_font_face(cr, DejaVu("DejaVuSerif-Bold.ttf"));
  cairo_set_font_size(cr, size1);
  cairo_text_extents_t e;
  cairo_text_extents(cr, line1, &e);
  if (e.width > w - 50) size1 *= (w - 50) / e.width;
  cairo_pattern_t* fill = VerticalGradient(70, 130, s.textTop, s.textBottom);
  OutlinedText(cr, line1, w / 2.0, line2 ? 122 : 130, size1, "DejaVuSerif-Bold.ttf", fill, 0x140A04, 2.5);
  cairo_pattern_destroy(fill);
  if (line2) {
    cairo_pattern_t* white = VerticalGradient(140, 165, 0xFFFFFF, 0xE0E0E8);
    double size2 = std::min(19.0, 270.0 / (0.62 * std::string(line2).size()));
    OutlinedText(cr, line2, w / 2.0, 162, size2, "DejaVuSans-Bold.ttf", white, 0x140A04, 1.5);
    cairo_pattern_destroy(white);
  }
  return KeyedImage(canvas.surface);
}

// The quit page, drawn at the panel's corner: the question (a commentary
// text) goes at (55, 80), the confirm and cancel buttons at (40, 140) and
// (200, 140); their captions are part of the picture.
Image QuitPage() {
  const int w = 500, h = 350;
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr;
  Plaque(cr, w, h, {0x2A3250, 0x10141E, 0xC8A048, 0, 0});
  cairo_pattern_t* gold = VerticalGradient(22, 50, 0xFFF0B0, 0xD09030);
  OutlinedText(cr, "LETTRARIUM", w / 2.0, 52, 30, "DejaVuSerif-Bold.ttf", gold, 0x140A04, 2);
  cairo_pattern_destroy(gold);
  SetRgb(cr, 0xC8A048, 0.8);
  cairo_rectangle(cr, 40, 64, w - 80, 1.5);
  cairo_fill(cr);
  cairo_set_font_face(cr, DejaVu("DejaVuSans-Bold.ttf"));
  cairo_set_font_size(cr, 14);
  SetRgb(cr, 0xF0F0F4);
  CentredText(cr, "Quitter", 64, 210);
  CentredText(cr, "Rester", 224, 210);
  return KeyedImage(canvas.surface);
}

Image Bullet() {
  Canvas canvas(10, 16);
  cairo_t* cr = canvas.cr;
  cairo_move_to(cr, 4.5, 3.5);
  cairo_line_to(cr, 9, 8.5);
  cairo_line_to(cr, 4.5, 13.5);
  cairo_line_to(cr, 0, 8.5);
  cairo_close_path(cr);
  SetRgb(cr, 0x201404);
  cairo_fill(cr);
  cairo_move_to(cr, 4.5, 5.3);
  cairo_line_to(cr, 7.3, 8.5);
  cairo_line_to(cr, 4.5, 11.7);
  cairo_line_to(cr, 1.7, 8.5);
  cairo_close_path(cr);
  SetRgb(cr, 0xF0C040);
  cairo_fill(cr);
  return KeyedImage(canvas.surface);
}

Image Thumb() {
  Canvas canvas(10, 20);
  cairo_t* cr = canvas.cr;
  RoundedRect(cr, 0, 0, 10, 20, 5);
  SetRgb(cr, 0x101018);
  cairo_fill(cr);
  RoundedRect(cr, 1.5, 1.5, 7, 17, 3.5);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 10, 0);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.95, 0.97, 1.0);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.45, 0.62, 0.85);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  return KeyedImage(canvas.surface);
}

// The pawn stands in a 50 px map square, drawn at the square's corner.
// The pawn is drawn at its square's top-left corner: a small pawn in that
// corner and a ring just inside the square's edge, so the square's name stays
// readable and the square is still found at a glance.
Image Pawn() {
  Canvas canvas(50, 50);
  cairo_t* cr = canvas.cr;
  RoundedRect(cr, 2, 2, 46, 46, 5);
  SetRgb(cr, 0x100404);
  cairo_set_line_width(cr, 3);
  cairo_stroke_preserve(cr);
  SetRgb(cr, 0xE02018);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_translate(cr, -3.5, -1.5);
  cairo_scale(cr, 0.42, 0.42);
  auto shape = [cr]() {
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, 25, 42);
    cairo_scale(cr, 1, 0.35);
    cairo_arc(cr, 0, 0, 13, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_new_sub_path(cr);
    cairo_move_to(cr, 14, 42);
    cairo_curve_to(cr, 18, 34, 21, 26, 21, 19);
    cairo_line_to(cr, 29, 19);
    cairo_curve_to(cr, 29, 26, 32, 34, 36, 42);
    cairo_close_path(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 25, 14, 8, 0, 2 * kPi);
  };
  shape();
  SetRgb(cr, 0x100404);
  cairo_set_line_width(cr, 5);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  shape();
  cairo_pattern_t* g = cairo_pattern_create_radial(21, 12, 1, 25, 28, 28);
  cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.75, 0.65);
  cairo_pattern_add_color_stop_rgb(g, 0.4, 0.85, 0.12, 0.10);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.40, 0.02, 0.02);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  return KeyedImage(canvas.surface);
}

// Numbers nothing draws get a small neutral dot.
Image Spare() {
  Canvas canvas(16, 16);
  cairo_arc(canvas.cr, 8, 8, 6, 0, 2 * kPi);
  SetRgb(canvas.cr, 0x202028);
  cairo_fill_preserve(canvas.cr);
  SetRgb(canvas.cr, 0x909098);
  cairo_arc(canvas.cr, 8, 8, 4, 0, 2 * kPi);
  cairo_fill(canvas.cr);
  return KeyedImage(canvas.surface);
}

}  // namespace

void MakeInterface(Output& out) {
  struct Pair {
    int first;
    const char* action;
    ButtonKind kind;
    IconRoutine icon;
  } pairs[] = {
      {3, "anagram search", kTool, IconAnagram},     {5, "incomplete word", kTool, IconIncomplete},
      {7, "close", kStop, IconClose},                {9, "scroll down", kCalm, IconDown},
      {11, "scroll up", kCalm, IconUp},              {13, "confirm quit", kGo, IconConfirm},
      {15, "cancel quit", kTool, IconCancel},        {17, "help", kTool, IconHelp},
      {19, "restart", kWarm, IconRestart},           {23, "print", kCalm, IconPrint},
      {27, "scores", kWarm, IconScores},             {31, "saved games", kTool, IconFolder},
      {33, "save", kTool, IconSave},                 {35, "options", kPlum, IconOptions},
      {37, "quit", kStop, IconQuit},                 {39, "save and quit", kStop, IconSaveQuit},
      {43, "delete", kStop, IconDelete},             {47, "clear list", kWarm, IconClear},
      {52, "give up", kCalm, IconGiveUp},            {54, "player", kTool, IconPlayer},
      {57, "import picture", kGo, IconImport},       {62, "travel", kGo, IconTravel},
      {21, "hint", kWarm, IconHint},                 {29, "check", kGo, IconCheck},
      {0, "undo", kCalm, IconUndo},
  };
  std::vector<bool> made(64, false);
  made[26] = true;  // the small font, made with the fonts
  auto save = [&](int n, const Image& image, const std::string& what) {
    out.Save("Interface/" + std::to_string(n) + ".bmp", image);
    made[n] = true;
    out.Show(image.width <= 64 ? "buttons" : "interface", std::to_string(n) + " " + what, image);
  };
  for (const Pair& p : pairs) {
    save(p.first, Button(p.kind, p.icon, false), p.action);
    save(p.first + 1, Button(p.kind, p.icon, true), std::string(p.action) + " lit");
  }
  save(45, CheckBox(false), "check off");
  save(46, CheckBox(true), "check on");
  save(60, Bullet(), "bullet");
  save(61, Thumb(), "thumb");
  save(42, Pawn(), "pawn");
  save(49, Banner("GAGNÉ !", "Bravo !", 54, {0x2E8A3E, 0x0E3A18, 0xE8C050, 0xFFF8C0, 0xF0B020}, true), "won");
  save(50, Banner("PERDU", "Ce sera pour la prochaine fois", 58, {0x7A1E1E, 0x2A0808, 0xB8B8C0, 0xFFFFFF, 0xC8C8D0}, false),
       "lost");
  save(51, Banner("VOYAGE RÉUSSI", "Vous êtes arrivé à destination !", 30, {0x1E4A8A, 0x0A1A40, 0xE8C050, 0xFFF8C0, 0xF0B020}, true),
       "journey complete");
  save(59, Banner("VOYAGE ÉCHOUÉ", "Plus assez d'argent pour avancer", 30, {0x4A4A5A, 0x16161E, 0xB08040, 0xFFC890, 0xE05030}, false),
       "journey failed");
  save(41, QuitPage(), "quit page");
  for (int n = 0; n < 64; ++n)
    if (!made[n]) save(n, Spare(), "unused");
}
