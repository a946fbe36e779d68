// SPDX-License-Identifier: GPL-3.0-or-later
// The help pages as shipped: one for every name the catalogue gives, each
// fitting the help page (45 characters a line) and the game list's summary
// (its first six lines).
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "built_text.h"
#include "catalogue/catalogue.h"
#include "persistence/commentary.h"
#include "state/game_state.h"

namespace {

// The general help and the distinct help files of the variant table.
const std::set<std::string> kHelpFiles = {
    "aide.txt",
    "ANAGRAMMES.txt",
    "BOURSE AUX CONSONNES.txt",
    "DE LUN A LAUTRE.txt",
    "EFFACEES.txt",
    "ENGLISHCROSS.txt",
    "GRILLE DECONSTITUEE.txt",
    "GRILLE EN VRAC.txt",
    "GRILLES ANGLAISES.txt",
    "HIDDENWORDS.txt",
    "LA BOURSE AUX VOYELLES.txt",
    "LA LETTRE EN PLUS.txt",
    "LE MOT DE PASSE.txt",
    "LE MOT LE PLUS LONG.txt",
    "LE PENDU.txt",
    "LES MOTS COUPES.txt",
    "LES MOTS EN CROIX.txt",
    "MAXIMOTS.txt",
    "MIXWORD.txt",
    "MOTS CACHES.txt",
    "MOTS CASES.txt",
    "MOTS CODES.txt",
    "MOTS COMM.txt",
    "MOTS EMPILES.txt",
    "PROVERBES.txt",
    "PROVERBESEFF.txt",
    "SOMMES.txt",
    "THEMES.txt",
    "TROISIEME MOT.txt",
    "VOYAGE.txt",
    "WORDCODES.txt",
    "WORDTOPUT.txt",
    "ZERUZE.txt",
};

constexpr size_t kLineWidth = 45;   // list 6: 500 px wide, 11 px a character
constexpr size_t kVisibleLines = 11;
constexpr size_t kMaxLines = 599;

struct HelpFile {
  bool found = false;
  int bareBreaks = 0;
  std::vector<std::string> lines;
};

HelpFile ReadHelp(const std::string& name) {
  HelpFile file;
  file.lines = SplitCrLf(ReadBuiltFile("aide/" + name, file.found), file.bareBreaks);
  return file;
}

}  // namespace

TEST(HelpPages, TheCatalogueNamesExactlyTheseFiles) {
  ClearGameState();
  FillCatalogue();
  std::set<std::string> named;
  for (const std::string& name : G.helpFileName)
    if (!name.empty()) named.insert(name);
  EXPECT_EQ(named, kHelpFiles);
}

TEST(HelpPages, EveryNamedFileIsShippedAndNothingElse) {
  std::set<std::string> shipped;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(GAME_DIR) + "/aide"))
    shipped.insert(entry.path().filename().string());
  EXPECT_EQ(shipped, kHelpFiles);
}

TEST(HelpPages, LinesFitTheHelpPageAndTheGameListSummary) {
  for (const std::string& name : kHelpFiles) {
    SCOPED_TRACE(name);
    const HelpFile file = ReadHelp(name);
    ASSERT_TRUE(file.found);
    EXPECT_EQ(file.bareBreaks, 0) << "every line ends with CR LF";
    // The game list shows lines 1 to 6 while the pointer is on the family.
    ASSERT_GE(file.lines.size(), 6u);
    for (size_t k = 0; k < 6; ++k) EXPECT_FALSE(file.lines[k].empty()) << "summary line " << k + 1;
    EXPECT_LE(file.lines.size(), kMaxLines);
    for (size_t k = 0; k < file.lines.size(); ++k) {
      EXPECT_LE(file.lines[k].size(), kLineWidth) << "line " << k + 1 << ": " << file.lines[k];
      EXPECT_EQ(UndrawableCharacters(file.lines[k]), 0) << "line " << k + 1;
    }
  }
}

// The page opens on line 2 and shows 11 lines; the loader leaves the items
// after a file's last line as an earlier file left them, and scrolling stops
// one line short of the last. So every file has at least 13 lines and ends
// with an empty one.
TEST(HelpPages, NoPageShowsLinesOfAnotherOrHidesItsOwnText) {
  for (const std::string& name : kHelpFiles) {
    SCOPED_TRACE(name);
    const HelpFile file = ReadHelp(name);
    ASSERT_TRUE(file.found);
    EXPECT_GE(file.lines.size(), kVisibleLines + 2);
    ASSERT_FALSE(file.lines.empty());
    EXPECT_EQ(file.lines.back(), "");
  }
}

TEST(HelpPages, LoadThroughTheProgramsLoader) {
  ClearGameState();
  FillCatalogue();
  G.programDir = std::string(GAME_DIR) + "/";
  for (int n : {0, 1, 22, 92, 105, 145}) {
    SCOPED_TRACE(G.helpFileName[n]);
    const HelpFile file = ReadHelp(G.helpFileName[n]);
    ChargeAide(static_cast<uint8_t>(n));
    const ListBox& help = G.listBoxes[listHelp];
    EXPECT_EQ(help.itemCount, static_cast<int>(file.lines.size()) - 1);
    EXPECT_EQ(help.top, 1);
    for (size_t k = 0; k < file.lines.size(); ++k) EXPECT_EQ(help.items[k + 1], file.lines[k]) << k + 1;
  }
}
