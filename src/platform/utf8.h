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
