// SPDX-License-Identifier: GPL-3.0-or-later
#include "wave_reader.h"

namespace {

uint32_t U32(const std::string& b, size_t at) {
  return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8 |
         static_cast<uint8_t>(b[at + 2]) << 16 | static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24;
}
uint16_t U16(const std::string& b, size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8);
}

}  // namespace

WaveInfo ReadWave(const std::string& b) {
  WaveInfo w;
  if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) {
    w.error = "not RIFF/WAVE";
    return w;
  }
  if (U32(b, 4) + 8 != b.size()) {
    w.error = "RIFF size does not match the file";
    return w;
  }
  bool haveFormat = false, haveData = false;
  size_t at = 12;
  while (at + 8 <= b.size()) {
    const std::string id = b.substr(at, 4);
    const uint32_t size = U32(b, at + 4);
    const size_t body = at + 8;
    if (body + size > b.size()) {
      w.error = "chunk " + id + " runs past the end";
      return w;
    }
    if (id == "fmt ") {
      if (size < 16) {
        w.error = "short fmt chunk";
        return w;
      }
      w.format = U16(b, body);
      w.channels = U16(b, body + 2);
      w.sampleRate = static_cast<int>(U32(b, body + 4));
      const uint32_t byteRate = U32(b, body + 8);
      const int blockAlign = U16(b, body + 12);
      w.bitsPerSample = U16(b, body + 14);
      if (blockAlign != w.channels * w.bitsPerSample / 8 ||
          byteRate != static_cast<uint32_t>(w.sampleRate) * blockAlign) {
        w.error = "byte rate or block align inconsistent";
        return w;
      }
      haveFormat = true;
    } else if (id == "data") {
      if (!haveFormat) {
        w.error = "data before fmt";
        return w;
      }
      if (w.format != 1 || w.channels != 1 || w.bitsPerSample != 16) {
        w.error = "not 16-bit mono PCM";
        return w;
      }
      if (size % 2) {
        w.error = "odd data size";
        return w;
      }
      for (size_t i = 0; i < size; i += 2) w.samples.push_back(static_cast<int16_t>(U16(b, body + i)));
      haveData = true;
    }
    at = body + size + (size & 1);
  }
  if (!haveFormat || !haveData) w.error = "missing fmt or data chunk";
  return w;
}
