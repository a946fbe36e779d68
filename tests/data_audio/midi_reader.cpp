// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi_reader.h"

#include <algorithm>
#include <map>

namespace {

struct Reader {
  const std::string& b;
  size_t at;
  size_t end;
  bool failed = false;

  int Byte() {
    if (at >= end) {
      failed = true;
      return 0;
    }
    return static_cast<uint8_t>(b[at++]);
  }
  uint32_t VarLen() {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
      int c = Byte();
      v = (v << 7) | (c & 0x7F);
      if (!(c & 0x80)) return v;
    }
    failed = true;  // more than four bytes
    return v;
  }
};

uint32_t BigEndian(const std::string& b, size_t at, int n) {
  uint32_t v = 0;
  for (int i = 0; i < n; ++i) v = (v << 8) | static_cast<uint8_t>(b[at + i]);
  return v;
}

// Reads one track body; false with `error` set when it is malformed.
bool ReadTrack(const std::string& b, size_t begin, size_t end, MidiInfo& m) {
  Reader r{b, begin, end};
  uint32_t tick = 0;
  int running = 0;
  std::map<std::pair<int, int>, int> sounding;  // (channel, key) -> count
  std::set<int> programmed;
  while (r.at < end) {
    tick += r.VarLen();
    int status = r.Byte();
    if (r.failed) break;
    if (status < 0x80) {
      // Running status: the byte read is the first data byte.
      if (!running) {
        m.error = "data byte without a running status";
        return false;
      }
      --r.at;
      status = running;
    }
    if (status == 0xFF) {
      running = 0;
      const int type = r.Byte();
      const uint32_t length = r.VarLen();
      if (r.failed || r.at + length > end) break;
      if (type == 0x51) {
        if (length != 3) {
          m.error = "bad tempo event";
          return false;
        }
        m.tempos.push_back({tick, BigEndian(b, r.at, 3)});
      }
      r.at += length;
      if (type == 0x2F) {
        if (r.at != end) {
          m.error = "events after end-of-track";
          return false;
        }
        if (!sounding.empty()) m.unmatchedNotes += static_cast<int>(sounding.size());
        m.lastTick = std::max(m.lastTick, tick);
        return true;
      }
      continue;
    }
    if (status == 0xF0 || status == 0xF7) {
      running = 0;
      const uint32_t length = r.VarLen();
      r.at += length;
      if (r.at > end) break;
      continue;
    }
    if (status >= 0xF0) {
      m.error = "system message inside a file";
      return false;
    }
    running = status;
    const int kind = status & 0xF0, channel = status & 0x0F;
    const int data1 = r.Byte();
    const int data2 = (kind == 0xC0 || kind == 0xD0) ? 0 : r.Byte();
    if (r.failed) break;
    if ((data1 | data2) & 0x80) {
      m.error = "data byte with the top bit set";
      return false;
    }
    if (kind == 0xC0 && channel != 9) {
      m.programs.insert(data1);
      programmed.insert(channel);
    }
    const bool on = kind == 0x90 && data2 > 0;
    const bool off = kind == 0x80 || (kind == 0x90 && data2 == 0);
    if (on) {
      ++m.noteCount;
      ++sounding[{channel, data1}];
      if (channel == 9) m.drumKeys.insert(data1);
      else if (!programmed.count(channel)) m.melodicChannelsWithoutProgram.insert(channel);
    } else if (off) {
      auto it = sounding.find({channel, data1});
      if (it != sounding.end() && --it->second == 0) sounding.erase(it);
    }
  }
  m.error = "track ends without end-of-track";
  return false;
}

}  // namespace

MidiInfo ReadMidi(const std::string& b) {
  MidiInfo m;
  if (b.size() < 14 || b.compare(0, 4, "MThd") != 0 || BigEndian(b, 4, 4) < 6) {
    m.error = "no MThd header";
    return m;
  }
  m.format = static_cast<int>(BigEndian(b, 8, 2));
  const int declaredTracks = static_cast<int>(BigEndian(b, 10, 2));
  m.division = static_cast<int>(BigEndian(b, 12, 2));
  if (m.format > 1) {
    m.error = "format " + std::to_string(m.format);
    return m;
  }
  if (m.division == 0 || (m.division & 0x8000)) {
    m.error = "division is not ticks per quarter";
    return m;
  }
  size_t at = 8 + BigEndian(b, 4, 4);
  while (at + 8 <= b.size()) {
    const uint32_t length = BigEndian(b, at + 4, 4);
    if (at + 8 + length > b.size()) {
      m.error = "chunk runs past the end";
      return m;
    }
    if (b.compare(at, 4, "MTrk") == 0) {
      if (!ReadTrack(b, at + 8, at + 8 + length, m)) return m;
      ++m.trackCount;
    }
    at += 8 + length;
  }
  if (at != b.size()) m.error = "trailing bytes";
  else if (m.trackCount != declaredTracks) m.error = "track count differs from the header";
  else if (m.format == 0 && m.trackCount != 1) m.error = "format 0 with several tracks";
  return m;
}

double MidiSeconds(const MidiInfo& m) {
  std::vector<std::pair<uint32_t, uint32_t>> tempos = m.tempos;
  std::stable_sort(tempos.begin(), tempos.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  double seconds = 0;
  uint32_t tick = 0, micro = 500000;
  for (const auto& [at, value] : tempos) {
    if (at > m.lastTick) break;
    seconds += double(at - tick) * micro / 1e6 / m.division;
    tick = at;
    micro = value;
  }
  return seconds + double(m.lastTick - tick) * micro / 1e6 / m.division;
}
