// SPDX-License-Identifier: GPL-3.0-or-later
#include "score.h"

#include <cctype>
#include <sstream>
#include <stdexcept>

namespace {

const int kMajorScale[7] = {0, 2, 4, 5, 7, 9, 11};

int LetterPitchClass(char letter) {
  switch (std::toupper(static_cast<unsigned char>(letter))) {
    case 'C': return 0;
    case 'D': return 2;
    case 'E': return 4;
    case 'F': return 5;
    case 'G': return 7;
    case 'A': return 9;
    case 'B': return 11;
  }
  throw std::runtime_error(std::string("bad note letter ") + letter);
}

// Reads a letter and an optional accidental from `token` at `pos`.
int ReadPitchClass(const std::string& token, size_t& pos) {
  int pc = LetterPitchClass(token.at(pos++));
  if (pos < token.size() && token[pos] == '#') { ++pc; ++pos; }
  else if (pos < token.size() && token[pos] == 'b') { --pc; ++pos; }
  return (pc + 12) % 12;
}

int ReadLength(const std::string& token, size_t pos, int previous) {
  if (pos >= token.size()) return previous;
  if (token[pos] != ':') throw std::runtime_error("bad token " + token);
  return std::stoi(token.substr(pos + 1)) * kSixteenth;
}

std::vector<int> Intervals(const std::string& quality) {
  if (quality.empty()) return {0, 4, 7};
  if (quality == "m") return {0, 3, 7};
  if (quality == "7") return {0, 4, 7, 10};
  if (quality == "m7") return {0, 3, 7, 10};
  if (quality == "maj7") return {0, 4, 7, 11};
  if (quality == "dim") return {0, 3, 6};
  throw std::runtime_error("bad chord quality " + quality);
}

// The key of pitch class `pc` at or just above `low`.
int AtOrAbove(int pc, int low) {
  int key = low - ((low % 12) - pc + 12) % 12;
  return key < low ? key + 12 : key;
}

// Chord tones voiced upwards from `low`: each tone above the one before.
std::vector<int> Voicing(const Chord& c, int low) {
  std::vector<int> keys;
  int floor = low;
  for (int interval : c.intervals) {
    int key = AtOrAbove((c.root + interval) % 12, floor);
    keys.push_back(key);
    floor = key + 1;
  }
  return keys;
}

// Scale position of a key in the major key of `keyRoot`: degree count from
// C-based octaves, plus the chromatic remainder for notes outside the key.
void ToDegree(int key, int keyRoot, int& degree, int& chromatic) {
  int rel = key - keyRoot;
  int octave = (rel >= 0 ? rel : rel - 11) / 12;
  int within = rel - 12 * octave;
  int step = 6;
  while (kMajorScale[step] > within) --step;
  degree = octave * 7 + step;
  chromatic = within - kMajorScale[step];
}

int FromDegree(int degree, int chromatic, int keyRoot) {
  int octave = (degree >= 0 ? degree : degree - 6) / 7;
  int step = degree - 7 * octave;
  return keyRoot + 12 * octave + kMajorScale[step] + chromatic;
}

void AddNote(MidiVoice& v, int start, int length, int key, int velocity) {
  v.notes.push_back({start, length, key, velocity});
}

}  // namespace

Line ParseLine(const std::string& text, int barTicks, int velocity) {
  Line line;
  std::istringstream in(text);
  std::string token;
  int length = 4 * kSixteenth;
  while (in >> token) {
    if (token == "|") {
      if (barTicks && line.length % barTicks) throw std::runtime_error("bar line off the beat in: " + text);
      continue;
    }
    size_t pos = 0;
    if (token[0] == 'R') {
      length = ReadLength(token, 1, length);
      line.length += length;
      continue;
    }
    int key = LetterPitchClass(token[pos++]);
    if (token.at(pos) == '#') { ++key; ++pos; }
    else if (token.at(pos) == 'b') { --key; ++pos; }
    key += 12 * (token.at(pos++) - '0' + 1);
    length = ReadLength(token, pos, length);
    line.notes.push_back({line.length, length, key, velocity});
    line.length += length;
  }
  if (barTicks && line.length % barTicks) throw std::runtime_error("not a whole number of bars: " + text);
  return line;
}

ChordList ParseChords(const std::string& text, int barTicks) {
  ChordList list;
  std::istringstream in(text);
  std::string token;
  int length = 16 * kSixteenth;
  while (in >> token) {
    if (token == "|") {
      if (barTicks && list.length % barTicks) throw std::runtime_error("bar line off the beat in: " + text);
      continue;
    }
    size_t pos = 0;
    int root = ReadPitchClass(token, pos);
    size_t colon = token.find(':', pos);
    std::string quality = token.substr(pos, colon == std::string::npos ? std::string::npos : colon - pos);
    length = colon == std::string::npos ? length : ReadLength(token, colon, length);
    list.chords.push_back({list.length, length, root, Intervals(quality)});
    list.length += length;
  }
  if (barTicks && list.length % barTicks) throw std::runtime_error("not a whole number of bars: " + text);
  return list;
}

void CheckFits(const Line& line, const ChordList& chords) {
  if (line.length != chords.length)
    throw std::runtime_error("tune and chords differ in length: " + std::to_string(line.length) + " and " +
                             std::to_string(chords.length) + " ticks");
}

Line Join(const std::vector<Line>& parts) {
  Line out;
  for (const Line& p : parts) {
    for (MidiNote n : p.notes) {
      n.start += out.length;
      out.notes.push_back(n);
    }
    out.length += p.length;
  }
  return out;
}

ChordList JoinChords(const std::vector<ChordList>& parts) {
  ChordList out;
  for (const ChordList& p : parts) {
    for (Chord c : p.chords) {
      c.start += out.length;
      out.chords.push_back(c);
    }
    out.length += p.length;
  }
  return out;
}

Line Diatonic(const Line& line, int keyRoot, int steps) {
  Line out = line;
  for (MidiNote& n : out.notes) {
    int degree, chromatic;
    ToDegree(n.key, keyRoot, degree, chromatic);
    n.key = FromDegree(degree + steps, chromatic, keyRoot);
  }
  return out;
}

Line Decorate(const Line& line, int keyRoot) {
  const int eighth = 2 * kSixteenth;
  Line out;
  out.length = line.length;
  for (const MidiNote& n : line.notes) {
    if (n.length < 2 * eighth) {
      out.notes.push_back(n);
      continue;
    }
    int degree, chromatic;
    ToDegree(n.key, keyRoot, degree, chromatic);
    const int upper = FromDegree(degree + 1, 0, keyRoot);
    out.notes.push_back({n.start, eighth, n.key, n.velocity});
    out.notes.push_back({n.start + eighth, eighth, upper, n.velocity - 10});
    // The rest of a longer note is the note again, so the tune stays in view.
    if (n.length > 2 * eighth)
      out.notes.push_back({n.start + 2 * eighth, n.length - 2 * eighth, n.key, n.velocity - 4});
  }
  return out;
}

void Place(MidiVoice& voice, const Line& line, int at, int transpose, double loudness) {
  for (const MidiNote& n : line.notes)
    AddNote(voice, at + n.start, n.length, n.key + transpose, static_cast<int>(n.velocity * loudness));
}

void Bass(MidiVoice& voice, const ChordList& chords, int at, int low, int beat, int velocity) {
  for (const Chord& c : chords.chords) {
    const int root = AtOrAbove(c.root, low);
    const int beats = c.length / beat;
    if (beats >= 4) {
      const int half = (beats / 2) * beat;
      AddNote(voice, at + c.start, half, root, velocity);
      AddNote(voice, at + c.start + half, c.length - half, root + 7, velocity - 8);
    } else {
      AddNote(voice, at + c.start, c.length, root, velocity);
    }
  }
}

void Alberti(MidiVoice& voice, const ChordList& chords, int at, int low, int step, int velocity) {
  for (const Chord& c : chords.chords) {
    const std::vector<int> keys = Voicing(c, low);
    const int order[4] = {keys[0], keys[2], keys[1], keys[2]};
    for (int t = 0, i = 0; t < c.length; t += step, ++i)
      AddNote(voice, at + c.start + t, std::min(step, c.length - t), order[i % 4], velocity - (i % 2) * 8);
  }
}

void Arpeggio(MidiVoice& voice, const ChordList& chords, int at, int low, int step, int velocity) {
  for (const Chord& c : chords.chords) {
    std::vector<int> keys = Voicing(c, low);
    const int figure[6] = {keys[0], keys[1], keys[2], keys[0] + 12, keys[2], keys[1]};
    for (int t = 0, i = 0; t < c.length; t += step, ++i) {
      // Each note rings into the next, like a plucked string left to sound.
      AddNote(voice, at + c.start + t, std::min(2 * step, c.length - t), figure[i % 6], velocity - (i % 6 ? 10 : 0));
    }
  }
}

void AfterBeats(MidiVoice& voice, const ChordList& chords, int at, int low, int beat, int velocity) {
  for (const Chord& c : chords.chords) {
    std::vector<int> keys = Voicing(c, low);
    for (int t = beat; t < c.length; t += beat)
      for (size_t i = 1; i < keys.size(); ++i)
        AddNote(voice, at + c.start + t, std::min(beat, c.length - t) * 3 / 4, keys[i], velocity);
  }
}

void Sustain(MidiVoice& voice, const ChordList& chords, int at, int low, int velocity) {
  for (const Chord& c : chords.chords)
    for (int key : Voicing(c, low)) AddNote(voice, at + c.start, c.length, key, velocity);
}

void Downbeats(MidiVoice& voice, const ChordList& chords, int at, int low, int length, int velocity) {
  for (const Chord& c : chords.chords)
    AddNote(voice, at + c.start, std::min(length, c.length), AtOrAbove(c.root, low), velocity);
}
