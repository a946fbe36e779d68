// SPDX-License-Identifier: GPL-3.0-or-later
// A class's vocabulary: a list added, read with its report, played in a
// hangman and a word search from the menus, saved, loaded, and loaded again
// once the list has gone.
#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/booklet.h"
#include "catalogue/catalogue.h"
#include "catalogue/list_import.h"
#include "catalogue/screen_actions.h"
#include "catalogue/screens_fixture.h"
#include "games/list_square.h"
#include "harness/board_play.h"
#include "harness/preview_frame.h"
#include "persistence/saved_games.h"
#include "state/variants.h"
#include "words/player_lists.h"
#include "words/word_store.h"

namespace {

// Thirty fruits as a teacher types them, and four lines to set aside.
// (UTF-8 bytes: the sources' texts are compiled to Latin-1.)
const char* const kFruits =
    "# Les fruits\nabricot\nananas\nbanane\ncerise\nch\xC3\xA2taigne\ncitron\ncl\xC3\xA9mentine\ncoing\ndatte\n"
    "figue\nfraise\nframboise\ngrenade\ngroseille\nkiwi\nmandarine\nmangue\nmelon\nm\xC3\xBBre\nmyrtille\n\n"
    "noisette\npamplemousse\np\xC3\xAA" "che\npoire\npomme\nPomme\nprune\nraisin\nrhubarbe\n1 2 3\n"
    "c\xC5\x93ur de b\xC5\x93uf\nbrugnon\nos\n";

// How many times a word reads across or down in the square of side n.
int Readings(const std::string& word, int n) {
  const int L = static_cast<int>(word.size());
  int count = 0;
  for (int x = 1; x <= n; ++x)
    for (int y = 1; y <= n; ++y) count += (x + L <= n + 1 && RowAt(x, y, L) == word) + (y + L <= n + 1 && ColumnAt(x, y, L) == word);
  return count;
}

void ClickAt(Harness& h, Point p) {
  h.MoveTo(p.x, p.y);
  h.Tick();
  h.Click(p.x, p.y);
}
void ClickMenuRow(Harness& h, int row) {
  ClickAt(h, {400, 81 + 20 * row + 12});
  h.Tick(2);
}

}  // namespace

TEST(PlayerLists, AListIsReadPlayedInAHangmanAndAWordSearchSavedAndLoadedAfterItHasGone) {
  Harness h(HarnessOptions{.realData = true});
  ASSERT_TRUE(h.Start());
  h.Run(4100);
  const std::string chosen = MakeTempFolder("chosen") + "Les fruits.txt";
  WriteFileBytes(chosen, kFruits);
  AddPlayerListFile(chosen);
  const std::string kept = h.dataPrefix + "LISTES/Les fruits.txt";
  EXPECT_EQ(ReadFileBytes(kept), kFruits);
  ASSERT_TRUE(ListReportShowing());
  const std::vector<std::string> report = {"Liste : LES FRUITS", "30 mots pris sur 35 lignes.", "4 lignes mises de c\xF4t\xE9 :",
                                           "ligne 22 : vide", "ligne 28 : doublon de la ligne 27",
                                           "ligne 32 : caract\xE8re sans lettre (1 2 3)", "ligne 35 : trop court (OS)"};
  for (size_t k = 0; k < report.size(); ++k) EXPECT_EQ(G.listBoxes[listHelp].items[k + 2], report[k]);
  const PlayerList& list = PlayerLists().at(0);
  EXPECT_EQ(list.words[28], "COEUR DE BOEUF");
  EXPECT_EQ(list.shown[4], "CH\xC2TAIGNE");
  // The same list saved as Latin-1 gives the same words.
  std::string latin1 = "abricot\nch\xE2taigne\nm\xFBre\n";
  EXPECT_EQ(ReadPlayerList(latin1, "l.txt").shown, (std::vector<std::string>{"ABRICOT", "CH\xC2TAIGNE", "M\xDBRE"}));
  // A hundred thousand lines, one in twenty bad, are told on one page.
  std::string big;
  for (int i = 0; i < 100000; ++i) big += i % 20 ? "mot" + std::string(1, 'a' + i % 26) + std::to_string(i) + "\n" : "!!\n";
  EXPECT_LE(ReadPlayerList(big, "big.txt").report.size(), size_t(kMostReportLines));
  WriteFileBytes(h.dataPrefix + "LISTES/vide.txt", "\n!!\n");  // put in the folder by hand, no word
  ScreenAction(6);  // the player page's "VOIR"
  h.Run(1500);
  WritePreviewFrame("player_page_with_its_lists");
  ClickAt(h, {G.panelX + 395 + 30, 72 + 222 + 12});
  EXPECT_EQ(G.listBoxes[listHelp].items[4], report[0]);
  EXPECT_EQ(G.listBoxes[listHelp].items[13], "vide.txt : aucun mot pris");

  // A booklet's word search on the list.
  SetBookletList(FindPlayerListNamed("les fruits"));
  PrintedPuzzle printed;
  ASSERT_TRUE(BuildPrintedPuzzle(BookletCodes({35}, 1, 7)[0], 1, printed));
  for (const std::string& e : printed.wordList)  // printed as typed: MÛRE, PÊCHE
    EXPECT_NE(std::find(list.shown.begin(), list.shown.end(), e.substr(5)), list.shown.end()) << e;
  ASSERT_TRUE(BuildPrintedPuzzle(BookletCodes({10}, 1, 7)[0], 1, printed));
  EXPECT_EQ(InstructionOf(printed), "Trouvez le mot de 8 lettres (liste : LES FRUITS).");
  SetBookletList(nullptr);

  // The hangman's menu offers the list where it has words of the length.
  G.currentScreen = kScreenGameList;
  ClickAt(h, MenuProgram::FamilyPoint(4));
  h.Tick();
  ClickMenuRow(h, 6);  // "MA LISTE : LES FRUITS"
  WritePreviewFrame("variant_menu_on_a_list");
  EXPECT_EQ(ListMisfit(list, Variant(8)), "moins de 3 mots de 12 lettres");
  ClickMenuRow(h, 0);
  EXPECT_EQ(G.currentScreen, kScreenVariantMenu);
  ClickMenuRow(h, 2);
  EXPECT_EQ(G.gameTitle.str(), "PENDU  8 lettres / LES FRUITS");
  for (int game = 0; game < 20; ++game) {
    if (game) StartVariantOnList(10, "Les fruits.txt");
    h.Tick(3);
    const std::string word = G.wordSlots[0].str();
    EXPECT_TRUE(word == "MYRTILLE" || word == "NOISETTE" || word == "RHUBARBE") << word;
  }

  // Word searches on the list: every listed word reads exactly once.
  for (int square = 0; square < 40; ++square) {
    const int n = 6 + 2 * (square % 4);
    char cells[20][20];
    bool used[20][20];
    std::vector<std::string> words;
    ASSERT_TRUE(MakeListSquare(n, cells, used, words));
    for (int x = 0; x < n; ++x)
      for (int y = 0; y < n; ++y) G.boardLetters[CellIndex(x + 1, y + 1)] = static_cast<uint8_t>(cells[x][y]);
    for (const std::string& w : words) EXPECT_EQ(Readings(w, n), 1) << w;
  }
  G.currentScreen = kScreenGameList;
  ClickAt(h, MenuProgram::FamilyPoint(13));
  h.Tick();
  ClickMenuRow(h, 7);
  ClickMenuRow(h, 3);  // "MOTS CACHES 6x6 / LES FRUITS"
  for (int ticks = 0; ticks < 50 && !G.boardReady; ++ticks) h.Tick();
  ASSERT_GE(G.wordList.size(), 4u);
  const std::string first = G.wordList[0].substr(5);
  EXPECT_NE(std::find(list.words.begin(), list.words.end(), first), list.words.end());
  for (const std::string& e : G.wordList) EXPECT_EQ(Readings(e.substr(5), 6), 1) << e;
  const int L = static_cast<int>(first.size());
  for (int x = 1; x <= 6; ++x)
    for (int y = 1; y <= 6; ++y)
      if (x + L <= 7 && RowAt(x, y, L) == first) DragCells(h, {x, y}, {x + L - 1, y});
      else if (y + L <= 7 && ColumnAt(x, y, L) == first) DragCells(h, {x, y}, {x, y + L - 1});
  EXPECT_EQ(G.wordList[0][4], '1');
  WritePreviewFrame("hidden_words_on_a_list");

  // Saved with the list's name, loaded with it, then loaded without it.
  ASSERT_TRUE(SaveGame(false));
  std::string save;
  for (const auto& f : std::filesystem::directory_iterator(h.dataPrefix + "SAVE"))
    if (f.path().extension() == ".sa3") save = f.path().stem().string();
  EXPECT_EQ(SavedListFile(save), "Les fruits.txt");
  const std::vector<std::string> played = G.wordList;
  LoadWordList(kFrenchWords);
  ResumeSavedGame(save);
  EXPECT_EQ(LoadedPlayerListFile(), "Les fruits.txt");
  EXPECT_EQ(G.wordList, played);
  std::filesystem::remove(kept);
  ResumeSavedGame(save);
  EXPECT_EQ(G.wordList, played);
  EXPECT_NE(G.messageText.find("n'existe plus"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(h.dataPrefix + "SAVE/" + save + ".sa1"));
}
