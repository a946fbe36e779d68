// SPDX-License-Identifier: GPL-3.0-or-later
// The travel map "background\0000.jpg": 14 x 8 squares of 50 px at
// (50 + 50 c, 100 + 50 r), each the real land and sea around its country of
// "txt\voyage.dta", at a scale that shows the country whole, with its name,
// read the way the game reads it (entries nom0 ... nom112 with x, y; a later
// entry overwrites an earlier one; an absent entry names (0, 0) "AUCUN"). The
// game draws its grid lines on the square edges, the pawn in a square's
// top-left corner: names keep to the rest of the square.
//
// Land and sea come from data/map/land.rle, derived once from the GSHHG
// coastlines by tools/map/derive_land.py (see data/map/README.md).
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

// Lays the name out in at most three lines inside the square, below the
// pawn's corner: capitals 9 px tall, lines narrowed (not shrunk) to fit, dark
// letters in a light halo so they read on land and sea alike.
void Label(cairo_t* cr, const std::string& utf8, double left, double top) {
  cairo_set_font_face(cr, DejaVu("DejaVuSansCondensed-Bold.ttf"));
  const double size = 9 / 0.729, lineHeight = 11, maxWidth = 41, narrowest = 0.45;
  cairo_set_font_size(cr, size);
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
  // The ink's width, and where it starts from the pen position.
  auto width = [cr](const std::string& text, double* bearing = nullptr) {
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    if (bearing) *bearing = e.x_bearing;
    return e.width;
  };
  std::vector<std::string> lines;
  for (const Piece& p : pieces) {
    std::string joined = lines.empty() ? p.text : lines.back() + (p.afterSpace ? " " : "") + p.text;
    if (!lines.empty() && width(joined) <= maxWidth) {
      lines.back() = joined;
      continue;
    }
    lines.push_back(p.text);
  }
  if (lines.size() > 3) {  // never with the shipped names; the rest shares line 3
    for (size_t k = 3; k < lines.size(); ++k) lines[2] += " " + lines[k];
    lines.resize(3);
  }
  // The block sits in the square's lower part, clear of the pawn's corner
  // (x 0-14, y 0-18), centred as low as its lines allow.
  const double block = lineHeight * lines.size();
  const double firstBaseline = top + std::max(17.0, 33 - block / 2) + 9;
  for (size_t i = 0; i < lines.size(); ++i) {
    double bearing = 0;
    const double w = width(lines[i], &bearing), squeeze = std::max(narrowest, std::min(1.0, maxWidth / w));
    cairo_save(cr);
    cairo_translate(cr, left + 25 - (w / 2 + bearing) * squeeze, firstBaseline + lineHeight * i);
    cairo_scale(cr, squeeze, 1);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 0);
    cairo_text_path(cr, lines[i].c_str());
    cairo_restore(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 2.6);
    SetRgb(cr, 0xFFF8E8, 0.9);
    cairo_stroke_preserve(cr);
    SetRgb(cr, 0x1A1208);
    cairo_fill(cr);
  }
}

// Where each square looks: the longitude and latitude of its centre and the
// degrees of latitude it spans (longitude is widened by 1 / cos(latitude), so
// shapes keep their proportions).
struct Place {
  const char* name;
  double lon, lat, span;
};
const Place kPlaces[] = {
    {"Alaska", -152, 64, 16}, {"Nunavut", -95, 68, 18}, {"Groenland", -42, 72, 22}, {"Islande", -19, 65, 7},
    {"Irlande", -8, 53.3, 5}, {"Norvège", 11, 63, 14}, {"Suède", 16, 62, 13}, {"Finlande", 26, 64, 11},
    {"Russie", 40, 56, 18}, {"Sibérie", 90, 62, 22}, {"Iakoutie", 130, 64, 20}, {"Tchoukotka", 172, 66, 12},
    {"Kamtchatka", 160, 56, 11}, {"Îles Aléoutiennes", -176, 52.5, 7},
    {"Colombie-Britannique", -125, 54, 13}, {"Canada", -100, 56, 24}, {"Québec", -72, 52, 15},
    {"Terre-Neuve", -57, 49, 8}, {"Royaume-Uni", -3, 54.5, 10}, {"Pays-Bas", 5.5, 52.2, 3.5},
    {"Allemagne", 10.5, 51, 9}, {"Pologne", 19.5, 52, 7.5}, {"Ukraine", 31, 49, 10}, {"Kazakhstan", 67, 48, 18},
    {"Mongolie", 104, 47, 15}, {"Mandchourie", 127, 45, 13}, {"Sakhaline", 143, 50, 10},
    {"Îles Kouriles", 150, 46, 8},
    {"Californie", -120, 37, 11}, {"États-Unis", -98, 39, 28}, {"New York", -74, 41, 5},
    {"Bermudes", -64.8, 32.3, 2}, {"Espagne", -4, 40, 11}, {"France", 2.5, 46.5, 11}, {"Suisse", 8.2, 46.8, 3},
    {"Hongrie", 19.5, 47.2, 6}, {"Roumanie", 25, 45.9, 7}, {"Ouzbékistan", 64, 41.5, 11}, {"Tibet", 88, 31.5, 13},
    {"Chine", 105, 34, 28}, {"Japon", 138, 37, 16}, {"Hawaï", -157.5, 20.5, 5},
    {"Mexique", -102, 23, 20}, {"Cuba", -79, 21.5, 9}, {"Haïti", -72.5, 19, 4}, {"Guadeloupe", -61.5, 16.2, 1.5},
    {"Maroc", -7, 31.8, 11}, {"Algérie", 2.6, 28, 20}, {"Italie", 12.5, 42, 12}, {"Grèce", 22.5, 38.5, 8},
    {"Turquie", 35, 39, 14}, {"Iran", 53, 32.5, 18}, {"Pakistan", 69, 30, 16}, {"Népal", 84, 28.3, 6},
    {"Taïwan", 121, 23.7, 5}, {"Micronésie", 151, 7.4, 4},
    {"Panama", -80, 8.5, 6}, {"Colombie", -73, 4, 16}, {"Venezuela", -66, 7, 13}, {"Guyane", -53, 4, 6},
    {"Sénégal", -14.5, 14.5, 7}, {"Mali", -2, 17, 20}, {"Libye", 17, 27, 20}, {"Égypte", 30, 26.5, 15},
    {"Arabie saoudite", 45, 24, 20}, {"Oman", 57, 21, 11}, {"Inde", 79, 22, 28}, {"Birmanie", 96, 21, 15},
    {"Viêt Nam", 106, 16, 16}, {"Philippines", 122, 12, 15},
    {"Équateur", -78.5, -1.5, 7}, {"Pérou", -75, -9.5, 16}, {"Bolivie", -64.5, -16.5, 13}, {"Brésil", -52, -11, 34},
    {"Côte d'Ivoire", -5.5, 7.5, 7}, {"Nigeria", 8, 9.5, 13}, {"Tchad", 18.7, 15.5, 16}, {"Soudan", 30, 15.5, 16},
    {"Éthiopie", 39.5, 9, 13}, {"Yémen", 47.5, 15.5, 10}, {"Sri Lanka", 80.7, 7.8, 5}, {"Thaïlande", 101, 14, 15},
    {"Malaisie", 104, 3.5, 12}, {"Papouasie-Nouvelle-Guinée", 145, -6.5, 13},
    {"Chili", -71, -33, 16}, {"Argentine", -64, -35, 26}, {"Paraguay", -58, -23.4, 9}, {"Uruguay", -56, -32.8, 6},
    {"Gabon", 11.6, -0.8, 6}, {"Congo", 23.6, -2.9, 22}, {"Ouganda", 32.3, 1.4, 6}, {"Kenya", 37.9, 0.2, 11},
    {"Somalie", 46, 5, 16}, {"Seychelles", 55.5, -4.6, 2}, {"Maldives", 73.3, 3.2, 5}, {"Indonésie", 115, -3, 28},
    {"Australie", 134, -26, 40}, {"Nouvelle-Calédonie", 165.6, -21.3, 5},
    {"Île de Pâques", -109.4, -27.1, 1}, {"Patagonie", -69, -46, 16}, {"Terre de Feu", -68.5, -54, 6},
    {"Îles Malouines", -59.5, -51.7, 4}, {"Angola", 17.9, -12.3, 15}, {"Namibie", 18.5, -22.5, 15},
    {"Afrique du Sud", 24.5, -29, 17}, {"Mozambique", 35.5, -18, 18}, {"Madagascar", 46.9, -19, 16},
    {"Île Maurice", 57.6, -20.3, 1.5}, {"Îles Kerguelen", 69.5, -49.3, 4}, {"Australie-Occidentale", 122, -26, 24},
    {"Tasmanie", 146.5, -42, 5}, {"Nouvelle-Zélande", 172, -41.5, 17},
};

const Place* FindPlace(const std::string& utf8) {
  for (const Place& p : kPlaces)
    if (utf8 == p.name) return &p;
  return nullptr;
}

// The land mask: an equirectangular raster from 180 W and 90 N, written as
// runs of land per row. Empty when the file is missing.
struct LandMask {
  int width = 0, height = 0, perDegree = 0;
  std::vector<uint8_t> land;
  bool At(double lon, double lat) const {
    if (land.empty()) return false;
    int x = int(std::floor((lon + 180) * perDegree)) % width;
    if (x < 0) x += width;
    const int y = std::clamp(int(std::floor((90 - lat) * perDegree)), 0, height - 1);
    return land[size_t(y) * width + x] != 0;
  }
};

LandMask ReadLandMask(const std::string& path) {
  LandMask mask;
  std::ifstream in(path);
  std::string line;
  if (!in || !std::getline(in, line) ||
      std::sscanf(line.c_str(), "# land mask %d x %d, %d", &mask.width, &mask.height, &mask.perDegree) != 3 ||
      mask.width <= 0 || mask.height <= 0 || mask.perDegree <= 0) {
    std::fprintf(stderr, "pictures: %s missing or unreadable, the travel map is drawn as open sea\n", path.c_str());
    return LandMask{};
  }
  mask.land.assign(size_t(mask.width) * mask.height, 0);
  for (int y = 0; y < mask.height && std::getline(in, line); ++y) {
    std::istringstream runs(line);
    for (int start, length; runs >> start >> length;)
      for (int x = std::max(0, start); x < std::min(mask.width, start + length); ++x) mask.land[size_t(y) * mask.width + x] = 1;
  }
  return mask;
}

constexpr uint32_t kSea = 0x3A78B0, kDeepSea = 0x1E4E80, kCoast = 0x3A2A14;

// Paints one square, (1, 1) to (49, 49) of it: the grid lines go on its edges.
void PaintSquare(cairo_surface_t* surface, const LandMask& mask, const Place& place, uint32_t landColour, int left,
                 int top) {
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const double lonScale = 1 / std::max(0.25, std::cos(place.lat * kPi / 180));
  double landShare = 0;
  for (int py = 1; py < 50; ++py)
    for (int px = 1; px < 50; ++px) {
      int covered = 0;
      for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) {
          const double u = (px + (sx + 0.5) / 4 - 25) / 50, v = (py + (sy + 0.5) / 4 - 25) / 50;
          covered += mask.At(place.lon + u * place.span * lonScale, place.lat - v * place.span);
        }
      const double cov = covered / 16.0;
      landShare += cov;
      // The sea darkens away from the square's middle, a hint of depth.
      const double r = std::hypot(px - 25, py - 25) / 35;
      uint32_t colour = Mix(Mix(kSea, kDeepSea, std::min(1.0, r * 0.6)), landColour, cov);
      colour = Mix(colour, kCoast, 0.85 * 4 * cov * (1 - cov));
      reinterpret_cast<uint32_t*>(data + size_t(top + py) * stride)[left + px] = 0xFF000000u | colour;
    }
  cairo_surface_mark_dirty(surface);
  // Islands too small for the coastline data are marked by a dot.
  if (landShare < 25 && place.name[0] != '\0') {
    cairo_t* cr = cairo_create(surface);
    cairo_arc(cr, left + 25, top + 12, 3.5, 0, 2 * kPi);
    SetRgb(cr, landColour);
    cairo_fill_preserve(cr);
    SetRgb(cr, kCoast);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_destroy(cr);
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

  // Country colours: political-map tints, never the same as the neighbour
  // to the left or above.
  const uint32_t tints[] = {0xE8D490, 0xB8D890, 0xE8B090, 0xD0B8E0, 0xE8C8A8, 0xF0B8B8, 0xD0DCA0, 0xC8B890};
  int tint[14][8];
  for (int x = 0; x < 14; ++x)
    for (int y = 0; y < 8; ++y) {
      uint32_t h = 2166136261u;
      for (unsigned char ch : names[x][y]) h = (h ^ ch) * 16777619u;
      int t = int(h % 8);
      while ((x > 0 && tint[x - 1][y] == t) || (y > 0 && tint[x][y - 1] == t)) t = (t + 1) % 8;
      tint[x][y] = t;
    }
  const LandMask mask = ReadLandMask(out.landMaskFile);
  cairo_surface_flush(c.surface);
  for (int x = 0; x < 14; ++x)
    for (int y = 0; y < 8; ++y) {
      const int left = 50 + 50 * x, top = 100 + 50 * y;
      const std::string name = Latin1ToUtf8(names[x][y]);
      const Place* place = FindPlace(name);
      const Place sea = {"", 0, 0, 10};
      PaintSquare(c.surface, place ? mask : LandMask{}, place ? *place : sea, tints[tint[x][y]], left, top);
    }
  // The names last, so no square paints over its neighbour's name.
  for (int x = 0; x < 14; ++x)
    for (int y = 0; y < 8; ++y)
      if (!names[x][y].empty()) Label(cr, Latin1ToUtf8(names[x][y]), 50 + 50 * x, 100 + 50 * y);
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
