// SPDX-License-Identifier: GPL-3.0-or-later
// The saved records hold texts as short strings: a length byte followed by a
// fixed room of Latin-1 characters (ShortString<100> takes 101 bytes).
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#pragma pack(push, 1)
template <int N>
struct ShortString {
  uint8_t length;
  char chars[N];

  std::string str() const { return std::string(chars, std::min<int>(length, N)); }
  operator std::string() const { return str(); }
  bool empty() const { return length == 0; }
  ShortString& operator=(const std::string& text) {
    length = static_cast<uint8_t>(std::min<size_t>(text.size(), N));
    std::memcpy(chars, text.data(), length);
    return *this;
  }
  void clear() { length = 0; }
};
#pragma pack(pop)
static_assert(sizeof(ShortString<100>) == 101);
