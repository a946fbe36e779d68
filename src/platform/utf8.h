// SPDX-License-Identifier: GPL-3.0-or-later
// SDL and cairo take UTF-8; the program's texts are Latin-1 bytes.
#pragma once
#include <string>

inline std::string Latin1ToUtf8(const std::string& latin1) {
  std::string out;
  out.reserve(latin1.size() * 2);
  for (unsigned char c : latin1) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

// Text typed or chosen on the desktop back to the program's Latin-1;
// characters beyond Latin-1 and broken sequences are dropped.
inline std::string Utf8ToLatin1(const std::string& utf8) {
  std::string out;
  for (size_t i = 0; i < utf8.size();) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    int extra = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
    if (extra < 0 || (extra > 0 && i + extra >= utf8.size())) {
      ++i;
      continue;
    }
    unsigned long code = extra == 0 ? c : c & (0x3F >> extra);
    bool ok = true;
    for (int k = 1; k <= extra; ++k) {
      const unsigned char next = static_cast<unsigned char>(utf8[i + k]);
      if ((next & 0xC0) != 0x80) {
        ok = false;
        break;
      }
      code = (code << 6) | (next & 0x3F);
    }
    if (!ok) {
      ++i;
      continue;
    }
    i += extra + 1;
    if (code <= 0xFF) out += static_cast<char>(code);
  }
  return out;
}
