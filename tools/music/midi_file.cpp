// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi_file.h"

#include <algorithm>
#include <cmath>

namespace {

struct Event {
  int tick;
  int order;  // at the same tick: controls first, then note-offs, then note-ons
  std::string bytes;
};

void PutVarLen(std::string& b, uint32_t v) {
  char buf[5];
  int n = 0;
  buf[n++] = static_cast<char>(v & 0x7F);
  while (v >>= 7) buf[n++] = static_cast<char>(0x80 | (v & 0x7F));
  while (n) b += buf[--n];
}

void PutBigEndian(std::string& b, uint32_t v, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) b += static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::string Meta(int type, const std::string& data) {
  std::string b = {static_cast<char>(0xFF), static_cast<char>(type)};
  PutVarLen(b, static_cast<uint32_t>(data.size()));
  return b + data;
}

std::string Channel(int status, int a, int b) {
  return {static_cast<char>(status), static_cast<char>(a & 0x7F), static_cast<char>(b & 0x7F)};
}

// Writes the events in time order with delta times. A channel message with
// the same status byte as the one before it drops the status (running
// status); a meta event breaks the run.
std::string TrackChunk(std::vector<Event> events, int endTick) {
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  std::string body;
  int now = 0;
  int running = 0;
  for (const Event& e : events) {
    PutVarLen(body, static_cast<uint32_t>(e.tick - now));
    now = e.tick;
    const int status = static_cast<unsigned char>(e.bytes[0]);
    if (status == 0xFF) {
      running = 0;
      body += e.bytes;
    } else if (status == running) {
      body += e.bytes.substr(1);
    } else {
      running = status;
      body += e.bytes;
    }
  }
  PutVarLen(body, static_cast<uint32_t>(std::max(0, endTick - now)));
  body += Meta(0x2F, "");
  std::string chunk = "MTrk";
  PutBigEndian(chunk, static_cast<uint32_t>(body.size()), 4);
  return chunk + body;
}

std::string TempoTrack(const MidiSong& song) {
  std::vector<Event> events;
  events.push_back({0, 0, Meta(0x03, song.title)});
  std::string signature;
  signature += static_cast<char>(song.beatsPerBar);
  signature += static_cast<char>(2);  // quarter-note beats
  signature += static_cast<char>(24);
  signature += static_cast<char>(8);
  events.push_back({0, 0, Meta(0x58, signature)});
  for (const TempoChange& t : song.tempos) {
    std::string micro;
    PutBigEndian(micro, static_cast<uint32_t>(std::lround(60000000.0 / t.bpm)), 3);
    events.push_back({t.tick, 0, Meta(0x51, micro)});
  }
  return TrackChunk(events, song.endTick);
}

std::string VoiceTrack(const MidiVoice& v, int endTick) {
  const int c = v.channel & 0x0F;
  std::vector<Event> events;
  events.push_back({0, 0, Meta(0x03, v.name)});
  events.push_back({0, 0, std::string{static_cast<char>(0xC0 | c), static_cast<char>(v.program)}});
  events.push_back({0, 0, Channel(0xB0 | c, 7, v.volume)});
  events.push_back({0, 0, Channel(0xB0 | c, 10, v.pan)});
  events.push_back({0, 0, Channel(0xB0 | c, 91, v.reverb)});
  for (const MidiNote& n : v.notes) {
    // A note of no length would be switched off before it starts.
    if (n.length <= 0) continue;
    events.push_back({n.start, 2, Channel(0x90 | c, n.key, std::clamp(n.velocity, 1, 127))});
    events.push_back({n.start + n.length, 1, Channel(0x90 | c, n.key, 0)});
  }
  return TrackChunk(events, endTick);
}

}  // namespace

std::string EncodeMidi(const MidiSong& song) {
  std::string file = "MThd";
  PutBigEndian(file, 6, 4);
  PutBigEndian(file, 1, 2);
  PutBigEndian(file, static_cast<uint32_t>(song.voices.size() + 1), 2);
  PutBigEndian(file, kTicksPerQuarter, 2);
  file += TempoTrack(song);
  for (const MidiVoice& v : song.voices) file += VoiceTrack(v, song.endTick);
  return file;
}

double SongSeconds(const MidiSong& song) {
  double seconds = 0;
  int tick = 0;
  double bpm = song.tempos.empty() ? 120 : song.tempos.front().bpm;
  for (const TempoChange& t : song.tempos) {
    seconds += (t.tick - tick) * 60.0 / (bpm * kTicksPerQuarter);
    tick = t.tick;
    bpm = t.bpm;
  }
  return seconds + (song.endTick - tick) * 60.0 / (bpm * kTicksPerQuarter);
}
