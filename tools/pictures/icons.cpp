// SPDX-License-Identifier: GPL-3.0-or-later
#include "icons.h"

#include <cmath>
#include <string>

#include "makers.h"

namespace {

const double kPi = 3.14159265358979;

void Line(cairo_t* cr, double x0, double y0, double x1, double y1, double width) {
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  cairo_stroke(cr);
}

void Text(cairo_t* cr, const char* utf8, double cx, double baseline, double size, const char* face = "DejaVuSans-Bold.ttf") {
  cairo_set_font_face(cr, DejaVu(face));
  cairo_set_font_size(cr, size);
  CentredText(cr, utf8, cx, baseline);
}

void Magnifier(cairo_t* cr) {
  cairo_set_line_width(cr, 2.5);
  cairo_arc(cr, -3, -3, 9, 0, 2 * kPi);
  cairo_stroke(cr);
  Line(cr, 4, 4, 11, 11, 4.5);
}

void Arrowhead(cairo_t* cr, double x, double y, double angle, double size) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_move_to(cr, size, 0);
  cairo_line_to(cr, -size * 0.6, -size * 0.8);
  cairo_line_to(cr, -size * 0.6, size * 0.8);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_restore(cr);
}

void Floppy(cairo_t* cr) {
  cairo_move_to(cr, -11, -11);
  cairo_line_to(cr, 7, -11);
  cairo_line_to(cr, 11, -7);
  cairo_line_to(cr, 11, 11);
  cairo_line_to(cr, -11, 11);
  cairo_close_path(cr);
  // shutter and label are holes
  cairo_rectangle(cr, -6, -11, 11, 7);
  cairo_rectangle(cr, -7, 2, 14, 7);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_fill(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_rectangle(cr, 0, -10, 3, 5);
  cairo_fill(cr);
}

}  // namespace

void IconAnagram(cairo_t* cr) {
  Text(cr, "AB", 0, 1, 13);
  Text(cr, "\u21C4", 0, 14, 14, "DejaVuSans-Bold.ttf");
}

void IconIncomplete(cairo_t* cr) {
  Magnifier(cr);
  Text(cr, "A*", -3, 1, 9);
}

void IconClose(cairo_t* cr) {
  Line(cr, -8, -8, 8, 8, 5);
  Line(cr, -8, 8, 8, -8, 5);
}

void IconDown(cairo_t* cr) {
  cairo_move_to(cr, -10, -5);
  cairo_line_to(cr, 10, -5);
  cairo_line_to(cr, 0, 8);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void IconUp(cairo_t* cr) {
  cairo_move_to(cr, -10, 5);
  cairo_line_to(cr, 10, 5);
  cairo_line_to(cr, 0, -8);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void IconConfirm(cairo_t* cr) {
  cairo_set_line_width(cr, 5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_move_to(cr, -9, 0);
  cairo_line_to(cr, -3, 7);
  cairo_line_to(cr, 10, -8);
  cairo_stroke(cr);
}

void IconCancel(cairo_t* cr) {
  // back arrow: stay in the game
  cairo_set_line_width(cr, 4);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_arc(cr, 1, 2, 8, -kPi / 2, kPi / 2);
  cairo_line_to(cr, -6, 10);
  cairo_stroke(cr);
  cairo_move_to(cr, 1, -6);
  cairo_line_to(cr, -3, -6);
  cairo_stroke(cr);
  Arrowhead(cr, -7, -6, kPi, 6);
}

void IconHelp(cairo_t* cr) { Text(cr, "?", 0, 10, 28); }

void IconRestart(cairo_t* cr) {
  cairo_set_line_width(cr, 4);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_arc(cr, 0, 1, 9, -kPi * 0.35, kPi * 1.35);
  cairo_stroke(cr);
  double a = -kPi * 0.35;
  Arrowhead(cr, 9 * std::cos(a), 1 + 9 * std::sin(a), a + kPi / 2, 6);
}

void IconPrint(cairo_t* cr) {
  cairo_rectangle(cr, -6, -12, 12, 8);  // paper in
  cairo_fill(cr);
  RoundedRect(cr, -12, -5, 24, 12, 2);
  cairo_rectangle(cr, -7, 2, 14, 2);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_fill(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_rectangle(cr, -6, 5, 12, 8);  // paper out
  cairo_fill(cr);
}

void IconScores(cairo_t* cr) {
  cairo_move_to(cr, -9, -11);
  cairo_line_to(cr, 9, -11);
  cairo_curve_to(cr, 9, -1, 5, 3, 0, 3);
  cairo_curve_to(cr, -5, 3, -9, -1, -9, -11);
  cairo_fill(cr);
  cairo_set_line_width(cr, 2.5);
  cairo_arc(cr, -9, -6, 4, kPi / 2, 3 * kPi / 2);
  cairo_stroke(cr);
  cairo_arc_negative(cr, 9, -6, 4, kPi / 2, -kPi / 2);
  cairo_stroke(cr);
  cairo_rectangle(cr, -2, 2, 4, 6);
  cairo_rectangle(cr, -7, 8, 14, 4);
  cairo_fill(cr);
}

void IconFolder(cairo_t* cr) {
  cairo_move_to(cr, -12, -8);
  cairo_line_to(cr, -4, -8);
  cairo_line_to(cr, -1, -5);
  cairo_line_to(cr, 10, -5);
  cairo_line_to(cr, 10, 9);
  cairo_line_to(cr, -12, 9);
  cairo_close_path(cr);
  cairo_fill(cr);
  // open flap, set off by a gap in the button's own colour is not possible
  // with one source, so the flap is a lighter outline stroke
  cairo_set_line_width(cr, 1.5);
  cairo_move_to(cr, -12, 9);
  cairo_line_to(cr, -7, -1);
  cairo_line_to(cr, 13, -1);
  cairo_line_to(cr, 9, 9);
  cairo_stroke(cr);
}

void IconSave(cairo_t* cr) { Floppy(cr); }

void IconOptions(cairo_t* cr) {
  const int teeth = 8;
  for (int i = 0; i < 2 * teeth; ++i) {
    double a0 = kPi * i / teeth, a1 = kPi * (i + 1) / teeth;
    double r = (i % 2 == 0) ? 12.5 : 9;
    if (i == 0) cairo_move_to(cr, r * std::cos(a0), r * std::sin(a0));
    cairo_line_to(cr, r * std::cos(a0), r * std::sin(a0));
    cairo_line_to(cr, r * std::cos(a1), r * std::sin(a1));
  }
  cairo_close_path(cr);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 4.5, 0, 2 * kPi);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_fill(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void IconQuit(cairo_t* cr) {
  cairo_set_line_width(cr, 4);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_arc(cr, 0, 1, 10, -kPi * 0.3, kPi * 1.3);
  cairo_stroke(cr);
  Line(cr, 0, -12, 0, 0, 4);
}

void IconSaveQuit(cairo_t* cr) {
  cairo_save(cr);
  cairo_translate(cr, -4, -3);
  cairo_scale(cr, 0.72, 0.72);
  Floppy(cr);
  cairo_restore(cr);
  Line(cr, 3, 9, 9, 9, 3);
  Arrowhead(cr, 11, 9, 0, 5);
}

void IconDelete(cairo_t* cr) {
  cairo_rectangle(cr, -11, -10, 22, 3);
  cairo_rectangle(cr, -4, -13, 8, 3);
  cairo_fill(cr);
  cairo_move_to(cr, -8, -5);
  cairo_line_to(cr, 8, -5);
  cairo_line_to(cr, 6, 12);
  cairo_line_to(cr, -6, 12);
  cairo_close_path(cr);
  cairo_rectangle(cr, -4.5, -2, 2, 11);
  cairo_rectangle(cr, -1, -2, 2, 11);
  cairo_rectangle(cr, 2.5, -2, 2, 11);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_fill(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void IconClear(cairo_t* cr) {
  for (int i = 0; i < 3; ++i) Line(cr, -11, -8 + 7 * i, 3, -8 + 7 * i, 3);
  Line(cr, 4, 3, 11, 10, 3);
  Line(cr, 4, 10, 11, 3, 3);
}

void IconGiveUp(cairo_t* cr) {
  Line(cr, -8, -12, -8, 13, 3);
  cairo_move_to(cr, -7, -11);
  cairo_curve_to(cr, -1, -14, 4, -8, 11, -10);
  cairo_line_to(cr, 11, 1);
  cairo_curve_to(cr, 4, 3, -1, -3, -7, 0);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void IconPlayer(cairo_t* cr) {
  cairo_arc(cr, 0, -5, 6, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_move_to(cr, -11, 12);
  cairo_curve_to(cr, -11, 2, -6, 1, 0, 1);
  cairo_curve_to(cr, 6, 1, 11, 2, 11, 12);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void IconImport(cairo_t* cr) {
  cairo_rectangle(cr, -12, -3, 24, 16);
  cairo_rectangle(cr, -10, -1, 20, 12);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_fill(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_move_to(cr, -9, 10);
  cairo_line_to(cr, -3, 3);
  cairo_line_to(cr, 1, 7);
  cairo_line_to(cr, 5, 4);
  cairo_line_to(cr, 9, 10);
  cairo_close_path(cr);
  cairo_fill(cr);
  Line(cr, 6, -13, 6, -7, 3);
  Arrowhead(cr, 6, -5, kPi / 2, 4);
}

void IconTravel(cairo_t* cr) {
  cairo_set_line_width(cr, 2.2);
  cairo_arc(cr, 0, 0, 11, 0, 2 * kPi);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_scale(cr, 0.45, 1);
  cairo_arc(cr, 0, 0, 11, 0, 2 * kPi);
  cairo_restore(cr);
  cairo_stroke(cr);
  Line(cr, -11, 0, 11, 0, 2);
  Line(cr, -9, -6, 9, -6, 1.6);
  Line(cr, -9, 6, 9, 6, 1.6);
  Line(cr, 0, -11, 0, 11, 2);
}

void IconHint(cairo_t* cr) {
  // a light bulb: an idea, one letter given
  cairo_set_line_width(cr, 3);
  cairo_arc(cr, 0, -4, 8, kPi * 0.8, kPi * 2.2);
  cairo_line_to(cr, 4, 7);
  cairo_line_to(cr, -4, 7);
  cairo_close_path(cr);
  cairo_stroke(cr);
  Line(cr, -4, 11, 4, 11, 3);
  Line(cr, 0, -8, 0, 2, 2.5);
}

void IconCheck(cairo_t* cr) {
  // a tile with a tick: the letters looked over
  cairo_set_line_width(cr, 2.5);
  cairo_rectangle(cr, -11, -11, 16, 16);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 4.5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_move_to(cr, -6, 1);
  cairo_line_to(cr, 0, 8);
  cairo_line_to(cr, 12, -8);
  cairo_stroke(cr);
}

void IconUndo(cairo_t* cr) {
  // an arrow turning back to the left: the last move taken back
  cairo_set_line_width(cr, 4);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, -4, -5);
  cairo_line_to(cr, 3, -5);
  cairo_arc(cr, 3, 2, 7, -kPi / 2, kPi / 2);
  cairo_line_to(cr, -6, 9);
  cairo_stroke(cr);
  Arrowhead(cr, -7, -5, kPi, 7);
}
