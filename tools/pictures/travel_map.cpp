// The travel map "background\0000.jpg": 14 x 8 squares of 50 px at
// (50 + 50 c, 100 + 50 r), each painted as a country of "txt\voyage.dta" with
// its name, read the way the game reads it (entries nom0 ... nom112 with x, y;
// a later entry overwrites an earlier one; an absent entry names (0, 0)
// "AUCUN"). The game draws its grid lines on the square edges.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

#include "makers.h"
#include "scenery.h"

namespace {

const double kPi = 3.14159265358979;

std::string Latin1ToUtf8(const std::string& s) {
  std::string out;
  for (unsigned char ch : s) {
    if (ch < 0x80) {
      out += char(ch);
    } else {
      out += char(0xC0 | (ch >> 6));
      out += char(0x80 | (ch & 0x3F));
    }
  }
  return out;
}

std::string Lower(std::string s) {
  for (char& ch : s) ch = char(std::tolower((unsigned char)ch));
  return s;
}

std::string Trim(const std::string& s) {
  size_t a = s.find_first_not_of(" \t\r\n"), b = s.find_last_not_of(" \t\r\n");
  return a == std::string::npos ? "" : s.substr(a, b - a + 1);
}

// Section "PAYS" of the country file, keys lower-cased. False when absent.
bool ReadCountries(const std::string& path, std::map<std::string, std::string>& keys) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string line, section;
  while (std::getline(in, line)) {
    line = Trim(line);
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      section = Lower(Trim(line.substr(1, line.find(']') - 1)));
      continue;
    }
    size_t eq = line.find('=');
    if (section != "pays" || eq == std::string::npos) continue;
    std::string key = Lower(Trim(line.substr(0, eq)));
    if (!keys.count(key)) keys[key] = Trim(line.substr(eq + 1));  // the first of a repeated key wins, as in INI readers
  }
  return true;
}

int Integer(const std::map<std::string, std::string>& keys, const std::string& key) {
  auto it = keys.find(key);
  if (it == keys.end()) return 0;
  try {
    return std::stoi(it->second);
  } catch (...) {
    return 0;
  }
}

// Splits the name into at most three lines that fit the square, shrinking
// the type when needed.
void Label(cairo_t* cr, const std::string& utf8, double cx, double cy) {
  cairo_set_font_face(cr, DejaVu("DejaVuSansCondensed-Bold.ttf"));
  // Pieces of the name: words, and the parts of a hyphenated word (the
  // hyphen stays at the end of its line).
  struct Piece {
    std::string text;
    bool afterSpace;
  };
  std::vector<Piece> pieces;
  std::istringstream split(utf8);
  for (std::string w; split >> w;) {
    bool first = true;
    for (size_t start = 0; start < w.size();) {
      size_t hyphen = w.find('-', start);
      size_t end = hyphen == std::string::npos ? w.size() : hyphen + 1;
      pieces.push_back({w.substr(start, end - start), first});
      first = false;
      start = end;
    }
  }
  const double maxWidth = 45;
  for (double size = 9.5; size >= 6; size -= 0.5) {
    cairo_set_font_size(cr, size);
    std::vector<std::string> lines;
    bool fits = true;
    for (const Piece& p : pieces) {
      std::string tried = lines.empty() ? p.text : lines.back() + (p.afterSpace ? " " : "") + p.text;
      cairo_text_extents_t e;
      cairo_text_extents(cr, tried.c_str(), &e);
      if (!lines.empty() && e.width <= maxWidth) {
        lines.back() = tried;
        continue;
      }
      cairo_text_extents(cr, p.text.c_str(), &e);
      if (e.width > maxWidth) fits = false;
      lines.push_back(p.text);
    }
    if ((!fits || lines.size() > 3) && size > 6) continue;
    double lineHeight = size + 1.5, top = cy - lineHeight * lines.size() / 2 + size * 0.8;
    for (size_t i = 0; i < lines.size(); ++i) {
      SetRgb(cr, 0xFFFFFF, 0.55);
      CentredText(cr, lines[i], cx + 0.6, top + lineHeight * i + 0.6);
      SetRgb(cr, 0x1A1208);
      CentredText(cr, lines[i], cx, top + lineHeight * i);
    }
    return;
  }
}

}  // namespace

void MakeTravelMap(Output& out) {
  std::string names[14][8];
  std::map<std::string, std::string> keys;
  if (ReadCountries(out.countryFile, keys)) {
    for (int n = 0; n <= 112; ++n) {
      std::string k = std::to_string(n);
      auto name = keys.find("nom" + k);
      std::string text = name == keys.end() ? "AUCUN" : name->second;
      int x = Integer(keys, "x" + k), y = Integer(keys, "y" + k);
      if (x >= 0 && x < 14 && y >= 0 && y < 8) names[x][y] = text.substr(0, 26);
    }
  } else {
    std::fprintf(stderr, "pictures: %s absent, the travel map is drawn without countries\n", out.countryFile.c_str());
  }

  Canvas c(800, 600);
  cairo_t* cr = c.cr;
  Dice d(51);
  PaintSky(cr, 0x0A1E3A, 0x123A5A, 0x0A2440, 600);
  // sea swell lines
  for (int i = 0; i < 60; ++i) {
    double y = d.Between(0, 600);
    cairo_move_to(cr, 0, y);
    for (int x = 0; x <= 800; x += 10) cairo_line_to(cr, x, y + 3 * std::sin(x / 40.0 + i));
    SetRgb(cr, 0x8AC0E0, 0.06);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  // top band for the money and tip lines, bottom band for the toolbar
  cairo_rectangle(cr, 0, 0, 800, 62);
  SetRgb(cr, 0x000000, 0.5);
  cairo_fill(cr);
  cairo_rectangle(cr, 0, 520, 800, 80);
  SetRgb(cr, 0x000000, 0.4);
  cairo_fill(cr);
  cairo_set_font_face(cr, DejaVu("DejaVuSerif-Bold.ttf"));
  cairo_set_font_size(cr, 20);
  SetRgb(cr, 0xE8C060);
  CentredText(cr, "Carte du voyage", 400, 88);

  // Country colours: soft political-map tints, never the same as the
  // neighbour to the left or above.
  const uint32_t tints[] = {0xE8D8A0, 0xC8DCA0, 0xE8B8A0, 0xD0C0E0, 0xA8D0C8, 0xF0C8C8, 0xD8E0B0, 0xC8C0A0};
  int tint[14][8];
  for (int x = 0; x < 14; ++x)
    for (int y = 0; y < 8; ++y) {
      uint32_t h = 2166136261u;
      for (unsigned char ch : names[x][y]) h = (h ^ ch) * 16777619u;
      int t = int(h % 8);
      while ((x > 0 && tint[x - 1][y] == t) || (y > 0 && tint[x][y - 1] == t)) t = (t + 1) % 8;
      tint[x][y] = t;
    }
  for (int x = 0; x < 14; ++x)
    for (int y = 0; y < 8; ++y) {
      double left = 50 + 50 * x, top = 100 + 50 * y;
      if (names[x][y].empty()) continue;  // open sea
      RoundedRect(cr, left + 2, top + 2, 46, 46, 6);
      cairo_pattern_t* g = VerticalGradient(top, top + 50, Mix(tints[tint[x][y]], 0xFFFFFF, 0.15),
                                            Mix(tints[tint[x][y]], 0x000000, 0.18));
      cairo_set_source(cr, g);
      cairo_fill_preserve(cr);
      cairo_pattern_destroy(g);
      SetRgb(cr, 0x3A2A18, 0.8);
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
      Label(cr, Latin1ToUtf8(names[x][y]), left + 25, top + 25);
    }
  // a compass rose in the corner
  cairo_save(cr);
  cairo_translate(cr, 770, 470);
  for (int i = 0; i < 4; ++i) {
    cairo_rotate(cr, kPi / 2);
    cairo_move_to(cr, 0, -20);
    cairo_line_to(cr, 5, 0);
    cairo_line_to(cr, -5, 0);
    cairo_close_path(cr);
    SetRgb(cr, i == 3 ? 0xE8C060 : 0xC8D0E0, 0.85);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  Image image = OpaqueImage(c.surface);
  out.Save("background/0000.jpg", image);
  out.Show("backgrounds", "0000 map", image);
}
