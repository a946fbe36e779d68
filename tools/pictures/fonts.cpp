// SPDX-License-Identifier: GPL-3.0-or-later
// The three bitmap fonts. Each sheet holds Latin-1 codes 32-255, 24 glyphs a
// row; the game copies one fixed source rectangle per glyph, so each glyph is
// drawn inside exactly that rectangle, centred on the pitch it is drawn at.
#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdio>
#include <map>

#include "fonts.h"

cairo_font_face_t* DejaVu(const std::string& file) {
  static FT_Library library = nullptr;
  static std::map<std::string, cairo_font_face_t*> faces;
  if (!library) FT_Init_FreeType(&library);
  auto found = faces.find(file);
  if (found != faces.end()) return found->second;
  FT_Face face = nullptr;
  std::string path = "/usr/share/fonts/truetype/dejavu/" + file;
  if (FT_New_Face(library, path.c_str(), 0, &face) != 0) {
    std::fprintf(stderr, "pictures: font %s missing\n", path.c_str());
    return faces[file] = cairo_toy_font_face_create("sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  }
  return faces[file] = cairo_ft_font_face_create_for_ft_face(face, 0);
}

void CentredText(cairo_t* cr, const std::string& utf8, double cx, double baseline) {
  cairo_text_extents_t e;
  cairo_text_extents(cr, utf8.c_str(), &e);
  cairo_move_to(cr, cx - e.x_bearing - e.width / 2, baseline);
  cairo_show_text(cr, utf8.c_str());
}

void OutlinedText(cairo_t* cr, const std::string& utf8, double cx, double baseline, double size,
                  const std::string& face, cairo_pattern_t* fill, uint32_t outline, double outlineWidth) {
  cairo_save(cr);
  cairo_set_font_face(cr, DejaVu(face));
  cairo_set_font_size(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, utf8.c_str(), &e);
  cairo_new_path(cr);
  cairo_move_to(cr, cx - e.x_bearing - e.width / 2, baseline);
  cairo_text_path(cr, utf8.c_str());
  SetRgb(cr, outline);
  cairo_set_line_width(cr, 2 * outlineWidth);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke_preserve(cr);
  cairo_set_source(cr, fill);
  cairo_fill(cr);
  cairo_restore(cr);
}

const FontLayout kBigFont = {"big", 26, 34, 2, 6, 24, 33, 0, 23, 11.0, 27, 26, "DejaVuSansMono-Bold.ttf", 1.5, 624, 346};
// Column 0's rectangle starts at x = -3: only its part inside the sheet can
// hold ink, so every medium glyph sits in the same right-hand 15 columns.
const FontLayout kMediumFont = {"medium", 20, 26, -3, 6, 18, 23, 3, 18, 10.5, 19, 22, "DejaVuSansMono-Bold.ttf", 1.2, 480, 264};
// The small font's rectangles overlap the next character by one column, so
// its ink keeps to the first ten. Its em makes the capitals exactly 10 px
// tall (cap height 0.729 em) on a whole-pixel baseline, so every capital
// fills the same rows.
const FontLayout kSmallFont = {"small", 13, 17, 2, 4, 11, 16, 0, 10, 5.0, 12, 10 / 0.729, "DejaVuSansMono-Bold.ttf", 0.9, 312, 173};

// What code 128-159 means in Windows texts; the program's own texts never hold
// them, but a stray byte then still shows something sensible.
static const uint16_t kWindowsExtras[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

uint32_t GlyphCodePoint(int code) {
  if (code == 32 || code == 127 || code == 160) return 0;  // blanks
  if (code == 173) return '-';                             // soft hyphen shows as a hyphen
  if (code >= 128 && code < 160) return kWindowsExtras[code - 128];
  return code;
}

static std::string Utf8(uint32_t cp) {
  std::string s;
  if (cp < 0x80) {
    s += char(cp);
  } else if (cp < 0x800) {
    s += char(0xC0 | (cp >> 6));
    s += char(0x80 | (cp & 0x3F));
  } else {
    s += char(0xE0 | (cp >> 12));
    s += char(0x80 | ((cp >> 6) & 0x3F));
    s += char(0x80 | (cp & 0x3F));
  }
  return s;
}

GlyphRect SourceRect(const FontLayout& f, int glyph) {
  int c = glyph % 24, r = glyph / 24;
  return {f.cellW * c + f.offX, f.cellH * r + f.offY, f.rectW, f.rectH};
}

struct GlyphColours {
  uint32_t top, bottom, outline;
};

static void DrawGlyph(cairo_t* cr, const FontLayout& f, int glyph, const GlyphColours& colours) {
  uint32_t cp = GlyphCodePoint(glyph + 32);
  if (cp == 0) return;
  std::string text = Utf8(cp);
  GlyphRect rect = SourceRect(f, glyph);
  double left = rect.x + f.inkLeft + 0.5, right = rect.x + f.inkRight - 0.5;
  double top = rect.y + 0.5, bottom = rect.y + rect.h - 0.5;
  double ax = rect.x + f.centreX, ay = rect.y + f.baseline;

  cairo_set_font_face(cr, DejaVu(f.face));
  cairo_set_font_size(cr, f.size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  double ox = ax - e.x_advance / 2;
  // Ink box with its outline, measured from the anchor (pitch centre, baseline).
  double inkL = ox + e.x_bearing - f.outline - ax, inkR = ox + e.x_bearing + e.width + f.outline - ax;
  double inkT = ay + e.y_bearing - f.outline - ay, inkB = ay + e.y_bearing + e.height + f.outline - ay;
  // A glyph too tall (accents over capitals, descenders) or too wide shrinks
  // about its anchor until it fits its rectangle.
  // Descenders first move up a little (up to 3 px), which keeps their size.
  double lift = std::clamp(inkB - (bottom - ay), 0.0, 3.0);
  ay -= lift;
  double scale = 1.0;
  if (inkT < top - ay) scale = std::min(scale, (top - ay) / inkT);
  if (inkB > bottom - ay) scale = std::min(scale, (bottom - ay) / inkB);
  const double capTop = -0.73 * f.size;
  // An accented capital too tall keeps the capital's size: only its accent,
  // above the cap line, is pressed down to fit. Shrunk whole, É read as a
  // small capital beside the E.
  const bool pressAccent = cp >= 0xC0 && cp <= 0xDD && cp != 0xD7 && inkT < top - ay && inkB <= bottom - ay;
  if (pressAccent) scale = 1.0;
  // A glyph too wide only narrows, so it keeps the height of the others.
  double scaleX = scale;
  if (scaleX * (inkR - inkL) > right - left) scaleX = (right - left) / (inkR - inkL);
  double shift = 0;
  if (ax + scaleX * inkL < left) shift = left - (ax + scaleX * inkL);
  if (ax + scaleX * inkR > right) shift = right - (ax + scaleX * inkR);

  // Draws the rows clipTop ... clipBottom of the glyph, its row `from` (glyph
  // units, from the baseline) put at device row originY, scaled by scaleY.
  auto paint = [&](double clipTop, double clipBottom, double originY, double from, double scaleY) {
    cairo_save(cr);
    cairo_rectangle(cr, rect.x + f.inkLeft, clipTop, f.inkRight - f.inkLeft, clipBottom - clipTop);
    cairo_clip(cr);
    auto place = [&] {
      cairo_translate(cr, ax + shift, originY);
      cairo_scale(cr, scaleX, scaleY);
      cairo_translate(cr, 0, -from);
    };
    place();
    cairo_new_path(cr);
    cairo_move_to(cr, ox - ax, 0);
    cairo_text_path(cr, text.c_str());
    // The edge is stroked unscaled, so a narrowed glyph keeps its weight.
    cairo_identity_matrix(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 2 * f.outline);
    SetRgb(cr, colours.outline);
    cairo_stroke_preserve(cr);
    place();
    cairo_pattern_t* fill = VerticalGradient(capTop, 0, colours.top, colours.bottom);
    cairo_set_source(cr, fill);
    cairo_fill(cr);
    cairo_pattern_destroy(fill);
    cairo_restore(cr);
  };
  if (pressAccent) {
    const double capLine = ay + capTop;
    paint(rect.y, capLine, capLine, capTop, (top - capLine) / (inkT + ay - capLine));
    paint(capLine, rect.y + rect.h, ay, 0, 1.0);
  } else {
    paint(rect.y, rect.y + rect.h, ay, 0, scale);
  }
}

// Normal text is white on a dark edge; highlighted text (hovered, wrong,
// solution) is a warm red-orange, far from the white at a glance. The
// colour-blind scheme lights text orange to vermilion, which stays apart
// from white under every colour-vision deficiency; high contrast draws flat
// white, edged in white so that it is bold even on the blue of a lit line,
// and amber on a black edge, each above 7:1 on black.
static const GlyphColours kSchemeGlyphs[3][2] = {
    {{0xFFFFFF, 0xD8E0EC, 0x181420}, {0xFFC850, 0xF03C28, 0x2A0808}},
    {{0xFFFFFF, 0xD8E0EC, 0x181420}, {0xFFB000, 0xD55E00, 0x200800}},
    {{0xFFFFFF, 0xFFFFFF, 0xFFFFFF}, {0xFFB000, 0xFFB000, 0x000000}},
};

Image GlyphSheet(const FontLayout& f, bool highlight, int scheme) {
  Canvas canvas(f.sheetW, f.sheetH);
  for (int g = 0; g < 224; ++g) DrawGlyph(canvas.cr, f, g, kSchemeGlyphs[scheme][highlight ? 1 : 0]);
  return KeyedImage(canvas.surface);
}

// The sheets a colour scheme draws again in its own folder.
static void MakeSchemeFonts(Output& out, int scheme) {
  const std::string folder = kSchemeFolders[scheme];
  out.Save(folder + "Slots/0.bmp", GlyphSheet(kBigFont, true, scheme));
  out.Save(folder + "Slots/11.bmp", GlyphSheet(kMediumFont, true, scheme));
  if (scheme != 2) return;
  out.Save(folder + "Slots/1.bmp", GlyphSheet(kBigFont, false, scheme));
  out.Save(folder + "Slots/12.bmp", GlyphSheet(kMediumFont, false, scheme));
  out.Save(folder + "Interface/26.bmp", GlyphSheet(kSmallFont, false, scheme));
}

// Text laid out the way the game copies glyphs: the rectangle of each
// character to (x + pitch * i, y), keyed or opaque.
void BlitText(Image& target, const Image& sheet, const FontLayout& f, int x, int y, const std::string& latin1,
              int pitch, bool keyed) {
  for (size_t i = 0; i < latin1.size(); ++i) {
    int g = (unsigned char)latin1[i] - 32;
    if (g < 0) continue;
    GlyphRect r = SourceRect(f, g);
    int dx = x + pitch * int(i);
    for (int yy = 0; yy < r.h; ++yy)
      for (int xx = 0; xx < r.w; ++xx) {
        int sx = r.x + xx, sy = r.y + yy, tx = dx + xx, ty = y + yy;
        if (sx < 0 || sy < 0 || sx >= sheet.width || sy >= sheet.height) continue;  // clipped, as a blit
        if (tx < 0 || ty < 0 || tx >= target.width || ty >= target.height) continue;
        uint32_t p = sheet.at(sx, sy);
        if (keyed && p == kKeyBlue) continue;
        target.at(tx, ty) = p;
      }
  }
}

void MakeFonts(Output& out) {
  MakeSchemeFonts(out, 1);
  MakeSchemeFonts(out, 2);
  Image bigNormal = GlyphSheet(kBigFont, false), bigLit = GlyphSheet(kBigFont, true);
  Image mediumNormal = GlyphSheet(kMediumFont, false), mediumLit = GlyphSheet(kMediumFont, true);
  Image small = GlyphSheet(kSmallFont, false);
  out.Save("Slots/1.bmp", bigNormal);
  out.Save("Slots/0.bmp", bigLit);
  out.Save("Slots/12.bmp", mediumNormal);
  out.Save("Slots/11.bmp", mediumLit);
  out.Save("Interface/26.bmp", small);
  out.Show("fonts", "Slots/1 big", bigNormal);
  out.Show("fonts", "Slots/0 big lit", bigLit);
  out.Show("fonts", "Slots/12 medium", mediumNormal);
  out.Show("fonts", "Slots/11 medium lit", mediumLit);
  out.Show("fonts", "Interface/26 small", small);

  // Sample lines at the game's pitches, over a mid-grey like a background.
  Image sample(800, 150, 0x506070);
  BlitText(sample, bigNormal, kBigFont, 0, 2, "LETTRARIUM \xC9T\xC9 l'\xE9t\xE9 gjpqy", 18, true);
  BlitText(sample, bigLit, kBigFont, 520, 2, "GAGN\xC9 !", 18, true);
  BlitText(sample, mediumNormal, kMediumFont, 0, 42, "MOTS CODES - Retour \xE0 la liste... \xC9\xC8\xC7", 15, true);
  BlitText(sample, mediumLit, kMediumFont, 0, 70, "MOTS CACH\xC9S (survol)", 15, true);
  BlitText(sample, small, kSmallFont, 0, 100, "Tapez votre mot puis pressez entr\xE9" "e. \xC0 bient\xF4t ! 0123456789 $", 10, true);
  BlitText(sample, small, kSmallFont, 0, 122, "Ligne choisie (opaque) : \xE9\xE8\xEA\xE0\xE7 WMW", 10, false);
  out.Show("fonts", "samples", sample);
}
