// SPDX-License-Identifier: GPL-3.0-or-later
// The picture makers, one per family of pictures, and what they share: the
// program folder they write into and the review sheet they add to.
#pragma once
#include <cairo.h>

#include <map>
#include <string>
#include <vector>

#include "picture_io.h"

struct Output {
  std::string gameDir;        // program folder; pictures go under bitmaps/
  std::string previewDir;     // review sheets
  std::string countryFile;    // the converted txt/voyage.dta
  std::string landMaskFile;   // data/map/land.rle, the travel map's land and sea
  std::string iconDir;        // desktop icons (icons/hicolor/...); none when empty
  int failures = 0;
  // Writes bitmaps/<relative> as .bmp or .jpg by its ending.
  void Save(const std::string& relative, const Image& image);
  std::map<std::string, Image> made;  // every picture written, by its relative name
  // Pictures shown on the review sheet, by group.
  struct Shown {
    std::string group;
    std::string label;
    Image image;
  };
  std::vector<Shown> shown;
  void Show(const std::string& group, const std::string& label, const Image& image) {
    shown.push_back({group, label, image});
  }
};

// DejaVu faces loaded from their files ("DejaVuSans-Bold.ttf" ...).
cairo_font_face_t* DejaVu(const std::string& file);
// Text helpers for pictures with words in them (UTF-8).
void CentredText(cairo_t* cr, const std::string& utf8, double cx, double baseline);
// Fills the text with the current source after a dark outline of the given width.
void OutlinedText(cairo_t* cr, const std::string& utf8, double cx, double baseline, double size,
                  const std::string& face, cairo_pattern_t* fill, uint32_t outline, double outlineWidth);

// The colour schemes' own picture folders under bitmaps/, as the game's
// loader names them (src/display/colour_scheme.cpp): normal, colour-blind,
// high contrast. A picture a scheme does not remake is the normal one.
constexpr const char* kSchemeFolders[3] = {"", "daltonisme/", "contraste/"};

void MakeFonts(Output& out);
void MakeTiles(Output& out);
void MakeInterface(Output& out);
void MakeHangman(Output& out);
void MakeBackgrounds(Output& out);
void MakeTravelMap(Output& out);
void MakeWindowFrame(Output& out);
void MakeHeads(Output& out);
void MakeCardBacks(Output& out);
void MakeSampleFrame(Output& out);
void MakeSampleScreens(Output& out);
void MakeAppIcon(Output& out);
void WritePreview(const Output& out);
