// SPDX-License-Identifier: GPL-3.0-or-later
// Converts an authored UTF-8 text file to the program's form: Latin-1 bytes
// with CR LF line ends. A character outside Latin-1 stops the build with the
// file, line and character, so that no text reaches the player mangled.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: latin1 SOURCE.utf8 DEST\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << argv[1] << ": cannot read\n";
    return 1;
  }
  std::stringstream buffer;
  buffer << in.rdbuf();
  const std::string text = buffer.str();
  std::string out;
  int line = 1;
  for (size_t i = 0; i < text.size();) {
    unsigned char c = text[i];
    unsigned code = 0;
    size_t extra = 0;
    if (c < 0x80) { code = c; }
    else if ((c & 0xE0) == 0xC0) { code = c & 0x1F; extra = 1; }
    else if ((c & 0xF0) == 0xE0) { code = c & 0x0F; extra = 2; }
    else if ((c & 0xF8) == 0xF0) { code = c & 0x07; extra = 3; }
    else {
      std::cerr << argv[1] << ":" << line << ": not UTF-8\n";
      return 1;
    }
    if (i + extra >= text.size() + (extra ? 0 : 1)) {
      std::cerr << argv[1] << ":" << line << ": truncated UTF-8\n";
      return 1;
    }
    for (size_t k = 1; k <= extra; ++k) code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    i += extra + 1;
    if (code == 0xFEFF && out.empty()) continue;  // byte-order mark
    if (code == '\r') continue;
    if (code == '\n') {
      out += "\r\n";
      ++line;
      continue;
    }
    if (code > 0xFF) {
      std::cerr << argv[1] << ":" << line << ": U+" << std::hex << code << " is not Latin-1\n";
      return 1;
    }
    out += static_cast<char>(code);
  }
  std::string tmp = std::string(argv[2]) + ".tmp";
  std::ofstream o(tmp, std::ios::binary);
  o.write(out.data(), static_cast<std::streamsize>(out.size()));
  o.close();
  if (!o || std::rename(tmp.c_str(), argv[2]) != 0) {
    std::cerr << argv[2] << ": cannot write\n";
    return 1;
  }
  return 0;
}
