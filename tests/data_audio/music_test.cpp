// SPDX-License-Identifier: GPL-3.0-or-later
// The background music: at least four well-formed pieces of one to three
// minutes that only ask for instruments the freepats set can play.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "files.h"
#include "midi_reader.h"

namespace {

const std::string kMusic = std::string(GAME_DIR) + "/music/";
const char* const kFreepatsConfig = "/etc/timidity/freepats.cfg";

std::vector<std::string> Pieces() { return FilesEnding(kMusic, ".mid"); }

// The patch numbers a freepats configuration maps, for its "bank 0"
// (melodic programs) or its "drumset 0" (drum keys), with files present.
std::set<int> FreepatsNumbers(const std::string& section) {
  std::set<int> numbers;
  std::ifstream in(kFreepatsConfig);
  std::string line, dir, current;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string first, second;
    words >> first >> second;
    if (first == "dir") dir = second;
    else if (first == "bank" || first == "drumset") current = first + " " + second;
    else if (current == section && !first.empty() && std::isdigit(static_cast<unsigned char>(first[0])) &&
             std::filesystem::exists(dir + "/" + second))
      numbers.insert(std::stoi(first));
  }
  return numbers;
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}
std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

TEST(Music, AtLeastFourPiecesWithPlainAsciiNames) {
  const std::vector<std::string> names = Pieces();
  EXPECT_GE(names.size(), 5u) << "the last piece of the list never plays; four must remain";
  for (const std::string& name : names)
    for (char c : name) EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c)) || c == '.') << name;
}

// The game skips the last file of its case-insensitively sorted list. The
// names must give the same order whichever way the case is folded, so that
// the piece we chose to spare is the one skipped.
TEST(Music, SortOrderDoesNotDependOnHowCaseIsFolded) {
  std::vector<std::string> byLower = Pieces(), byUpper = Pieces();
  std::sort(byLower.begin(), byLower.end(), [](auto& a, auto& b) { return Lower(a) < Lower(b); });
  std::sort(byUpper.begin(), byUpper.end(), [](auto& a, auto& b) { return Upper(a) < Upper(b); });
  EXPECT_EQ(byLower, byUpper);
  ASSERT_FALSE(byLower.empty());
  EXPECT_EQ(byLower.back(), "OdeALaJoie.mid");
}

TEST(Music, EveryPieceIsAWellFormedFileOfOneToThreeMinutes) {
  for (const std::string& name : Pieces()) {
    SCOPED_TRACE(name);
    const MidiInfo m = ReadMidi(ReadBytes(kMusic + name));
    ASSERT_EQ(m.error, "");
    EXPECT_TRUE(m.format == 0 || m.format == 1);
    EXPECT_GE(m.trackCount, 1);
    EXPECT_GT(m.noteCount, 200);
    EXPECT_EQ(m.unmatchedNotes, 0) << "notes left sounding at the end";
    EXPECT_FALSE(m.tempos.empty());
    const double seconds = MidiSeconds(m);
    EXPECT_GE(seconds, 60.0);
    EXPECT_LE(seconds, 180.0);
  }
}

TEST(Music, OnlyInstrumentsThatFreepatsHas) {
  const std::set<int> melodic = FreepatsNumbers("bank 0");
  const std::set<int> drums = FreepatsNumbers("drumset 0");
  if (melodic.empty()) GTEST_SKIP() << kFreepatsConfig << " is not installed";
  for (const std::string& name : Pieces()) {
    SCOPED_TRACE(name);
    const MidiInfo m = ReadMidi(ReadBytes(kMusic + name));
    ASSERT_EQ(m.error, "");
    EXPECT_TRUE(m.melodicChannelsWithoutProgram.empty()) << "a channel plays before choosing its instrument";
    for (int program : m.programs) EXPECT_TRUE(melodic.count(program)) << "program " << program;
    for (int key : m.drumKeys) EXPECT_TRUE(drums.count(key)) << "drum key " << key;
  }
}

TEST(Music, TheToolWritesTheSameBytesAgain) {
  const std::string folder = MakeTempFolder("lettrarium_music");
  ASSERT_TRUE(RunTool(MAKE_MUSIC, folder));
  EXPECT_EQ(FilesEnding(folder, ".mid"), Pieces());
  for (const std::string& name : Pieces())
    EXPECT_EQ(ReadBytes(folder + "/" + name), ReadBytes(kMusic + name)) << name;
  std::filesystem::remove_all(folder);
}

// The reader itself, on small hand-made files: running status across note
// events, a tempo change, and the faults it must refuse.
TEST(MidiReader, FollowsRunningStatusAndTheTempoMap) {
  auto file = [](const std::string& track) {
    std::string b = std::string("MThd\0\0\0\6\0\0\0\1\0\x60", 14);  // format 0, 96 ticks
    b += "MTrk";
    b += std::string{0, 0, 0, static_cast<char>(track.size())};
    return b + track;
  };
  // Tempo 1 s per quarter; note on, then three more events under running
  // status; a quarter later, end of track.
  const std::string track = std::string(
      "\x00\xFF\x51\x03\x0F\x42\x40"
      "\x00\xC0\x00"
      "\x00\x90\x3C\x40"
      "\x00\x40\x40"
      "\x60\x3C\x00"
      "\x00\x40\x00"
      "\x60\xFF\x2F\x00", 27);
  const MidiInfo m = ReadMidi(file(track));
  ASSERT_EQ(m.error, "");
  EXPECT_EQ(m.noteCount, 2);
  EXPECT_EQ(m.unmatchedNotes, 0);
  EXPECT_EQ(m.lastTick, 192u);
  EXPECT_DOUBLE_EQ(MidiSeconds(m), 2.0);

  std::string noEnd = track.substr(0, track.size() - 4);
  EXPECT_NE(ReadMidi(file(noEnd)).error, "");
  // A data byte where no status has been seen.
  EXPECT_NE(ReadMidi(file(std::string("\x00\x3C\x40\x00\xFF\x2F\x00", 7))).error, "");
  // Meta events break running status.
  EXPECT_NE(ReadMidi(file(std::string("\x00\xFF\x01\x00\x00\x3C\x40\x00\xFF\x2F\x00", 11))).error, "");
}
