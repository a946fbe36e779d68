// SPDX-License-Identifier: GPL-3.0-or-later
// The commentary file as shipped: its keys run without a gap far enough for
// every entry the program reads, and the texts fit where they are drawn.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>

#include "built_text.h"
#include "persistence/commentary.h"
#include "platform/ini_file.h"
#include "state/game_state.h"

namespace {

// Every entry number the program reads, with where it is used.
const std::map<int, const char*> kUsedEntries = {
    {26, "travel tip: before the entry cost"},
    {28, "travel map: purse"},
    {29, "travel tip: before the stage game"},
    {30, "travel map: reward of the hovered square"},
    {31, "travel: start of a journey"},
    {32, "travel: entry cost paid"},
    {33, "scores: nothing selected to delete"},
    {34, "small text shown for AAAVOYAGE"},
    {35, "travel: journey text of a stage"},
    {36, "win message, before the time"},
    {38, "win message, after the score"},
    {51, "player-data folder prefix"},
    {53, "head imported"},
    {54, "imported picture not saved"},
    {55, "background imported"},
    {56, "head picture unreadable"},
    {57, "head deleted"},
    {58, "saved game deleted"},
    {60, "travel status line and save names"},
    {61, "game saved"},
    {62, "game loaded"},
    {63, "saving failed"},
    {64, "the dearest country of the travel map"},
    {65, "default player name and head picture"},
    {66, "first folder of the import dialog"},
    {70, "options page title"},
    {71, "options page: background list caption"},
    {73, "options page: sound label"},
    {74, "options page: music label"},
    {76, "scores page title"},
    {77, "help page title, before the game title"},
    {78, "player page title"},
    {79, "player page: head caption"},
    {80, "player page: name caption"},
    {81, "player page: import a head"},
    {82, "player page: import a background"},
    {83, "saved-games page title"},
    {84, "quit question"},
    {85, "base name of an imported background"},
    {86, "base name of an imported head"},
    {87, "status tip: picture unreadable"},
    {92, "travel: neighbour too dear"},
    {93, "saved game damaged, not loaded"},
    {94, "damaged quick save set aside"},
    {95, "save-and-quit failed, the game goes on"},
    {96, "settings not written"},
    {97, "dictionary missing at start"},
};

// Room, in characters of the small font (10 px each), where an entry is drawn
// on the 800 px screen with what the program puts around it.
const std::map<int, size_t> kRoom = {
    {28, 22},   // at x 20 with " 999$", before the reward at x 300
    {30, 45},   // at x 300 with "999$"
    {31, 76},   // at x 20
    {32, 70},   // at x 20 with " 999$"
    {33, 74},   // timed message at x 42
    {34, 50},
    {36, 40},   // with the time, the score and entry 38 at x 42
    {38, 20},
    {53, 74}, {54, 74}, {55, 74}, {56, 74}, {57, 74}, {58, 74}, {61, 74}, {62, 74}, {63, 74},
    {60, 40},   // status line at x 40
    {70, 33},   // page titles at panel x + 200
    {76, 33},
    {77, 12},   // with a space and a game title of up to 30 characters at x + 150
    {78, 38}, {83, 38},
    {79, 40}, {80, 40}, {81, 37}, {82, 37},  // beside the panel's close button
    {84, 40},
    {85, 10},   // list of backgrounds: 13 characters with " 20"
    {86, 15},   // list of heads: 18 characters with " 20"
    {87, 76},
    {92, 70},   // timed message at x 60
    {93, 74}, {94, 74}, {95, 74}, {96, 74}, {97, 74},
};

struct CommentaryFile {
  bool found = false;
  int bareBreaks = 0;
  std::vector<std::string> lines;
};

CommentaryFile ReadCommentaryFile() {
  CommentaryFile file;
  file.lines = SplitCrLf(ReadBuiltFile("txt/Commentaires.dta", file.found), file.bareBreaks);
  return file;
}

// The number of a line "Tx<digits>=...", or -1 for any other line.
int KeyNumber(const std::string& line) {
  if (line.rfind("Tx", 0) != 0) return -1;
  size_t end = 2;
  while (end < line.size() && std::isdigit(static_cast<unsigned char>(line[end]))) ++end;
  if (end == 2 || end - 2 > 6 || end >= line.size() || line[end] != '=') return -1;
  return std::stoi(line.substr(2, end - 2));
}

// Last key of an unbroken run Tx1, Tx2, ... in the file's order of lines.
int LastKeyOfTheRun(const std::vector<std::string>& lines) {
  int last = 0;
  for (const std::string& line : lines) {
    const int key = KeyNumber(line);
    if (key < 0) continue;
    if (key != last + 1) return -last;
    last = key;
  }
  return last;
}

int HighestUsedEntry() { return kUsedEntries.rbegin()->first; }

std::string Entry(const IniFile& ini, int n) { return ini.ReadString("COMMENTAIRES", "Tx" + std::to_string(n), "Rien"); }

}  // namespace

TEST(CommentaryFile, IsOneSectionOfKeysTx1OnwardWithoutAGap) {
  const CommentaryFile file = ReadCommentaryFile();
  ASSERT_TRUE(file.found);
  EXPECT_EQ(file.bareBreaks, 0) << "every line ends with CR LF";
  int sections = 0;
  for (const std::string& line : file.lines) {
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      EXPECT_EQ(line, "[COMMENTAIRES]");
      ++sections;
      continue;
    }
    // Tx<n>=<text>: a number without leading zero, and some text.
    EXPECT_TRUE(KeyNumber(line) > 0 && line[2] != '0' && line.find('=') + 1 < line.size()) << line;
    EXPECT_EQ(sections, 1) << "a key before the section: " << line;
  }
  EXPECT_EQ(sections, 1);
  const int last = LastKeyOfTheRun(file.lines);
  EXPECT_GE(last, HighestUsedEntry()) << "the run of keys breaks after Tx" << -last;
  EXPECT_LE(last, 496);
}

TEST(CommentaryFile, EveryValueIsDrawableAndAtMost100Characters) {
  const CommentaryFile file = ReadCommentaryFile();
  const int last = LastKeyOfTheRun(file.lines);
  const IniFile built(std::string(GAME_DIR) + "/txt/Commentaires.dta");
  ASSERT_TRUE(built.exists());
  for (int n = 1; n <= last; ++n) {
    const std::string value = Entry(built, n);
    EXPECT_FALSE(value.empty()) << "Tx" << n;
    EXPECT_LE(value.size(), 100u) << "Tx" << n;
    // "Rien" is the loader's end mark: a value spelt so would end the table.
    EXPECT_NE(value, "Rien") << "Tx" << n;
    EXPECT_EQ(UndrawableCharacters(value), 0) << "Tx" << n;
  }
}

TEST(CommentaryFile, UsedEntriesFitWhereTheyAreDrawn) {
  const IniFile built(std::string(GAME_DIR) + "/txt/Commentaires.dta");
  for (const auto& [n, use] : kUsedEntries) {
    const std::string value = Entry(built, n);
    EXPECT_NE(value, "Rien") << "Tx" << n << " (" << use << ") is missing";
    const auto room = kRoom.find(n);
    if (room != kRoom.end()) {
      EXPECT_LE(value.size(), room->second) << "Tx" << n << " (" << use << "): " << value;
    }
  }
  // The travel tip: a country of up to 26 characters and a space, entry 26, a
  // cost of three figures and "$", two spaces, entry 29 and a game name of 26
  // characters, from x 20.
  EXPECT_LE(27 + Entry(built, 26).size() + 4 + 2 + Entry(built, 29).size() + 26, 77u);
}

TEST(CommentaryFile, LoadsThroughTheProgramsReader) {
  ClearGameState();
  G.programDir = std::string(GAME_DIR) + "/";
  ChargeCommentaires();
  const CommentaryFile file = ReadCommentaryFile();
  const int last = LastKeyOfTheRun(file.lines);
  EXPECT_EQ(Comment(last + 1), "Rien") << "the loader stops right after the last key";
  for (int n = 1; n <= last; ++n) EXPECT_NE(Comment(n), "Rien") << n;
  // A value that keeps its spaces is written between quotes.
  EXPECT_EQ(Comment(26).back(), ' ');
  EXPECT_EQ(Comment(29).back(), ' ');
}

TEST(CommentaryFile, PlayerDataPrefixIsAFolderUnderTheHomeFolder) {
  ClearGameState();
  G.programDir = std::string(GAME_DIR) + "/";
  ChargeCommentaires();
  const std::string prefix = DataFolderPrefix();
  ASSERT_FALSE(prefix.empty());
  EXPECT_TRUE(prefix.back() == '/' || prefix.back() == '\\') << prefix;
  EXPECT_EQ(prefix.rfind("~/", 0), 0u) << prefix;
  EXPECT_EQ(prefix.find(".."), std::string::npos) << prefix;
}

TEST(CommentaryFile, NamesAreUsableInFileNames) {
  ClearGameState();
  G.programDir = std::string(GAME_DIR) + "/";
  ChargeCommentaires();
  // Entry 60 goes into save names; 65, 85 and 86 into picture names.
  for (int n : {60, 65, 85, 86})
    EXPECT_EQ(Comment(n).find_first_of("/\\:*?\"<>|"), std::string::npos) << "Tx" << n << ": " << Comment(n);
  EXPECT_EQ(Comment(65), "Joueur");
}

TEST(CommentaryFile, TheDearCountryIsOneOfTheMap) {
  ClearGameState();
  G.programDir = std::string(GAME_DIR) + "/";
  ChargeCommentaires();
  const IniFile map(std::string(GAME_DIR) + "/txt/voyage.dta");
  ASSERT_TRUE(map.exists());
  std::set<std::string> countries;
  for (int n = 0; n <= 112; ++n) {
    const int x = map.ReadInteger("PAYS", "x" + std::to_string(n), -1);
    const int y = map.ReadInteger("PAYS", "y" + std::to_string(n), -1);
    if (x >= 0 && x < 14 && y >= 0 && y < 8) countries.insert(map.ReadString("PAYS", "nom" + std::to_string(n), "").substr(0, 26));
  }
  EXPECT_EQ(countries.count(Comment(64)), 1u) << "Tx64 = " << Comment(64);
}
