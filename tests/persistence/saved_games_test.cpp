// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "harness/harness.h"
#include "persistence/saved_games.h"
#include "state/forms.h"
#include "state/game_state.h"

namespace fs = std::filesystem;

namespace {
struct Saves : Harness {
  Saves() {
    SetComment(60, "Voyage");
    SetComment(61, "Partie sauvegardée");
    SetComment(62, "Partie chargée");
    SetComment(63, "Sauvegarde impossible");
    EXPECT_TRUE(Start());
    Run(4100);
  }
  std::string SaveFolder() const { return dataPrefix + "SAVE/"; }
};
}  // namespace

TEST(SavedGames, ASaveComesBackWithTheBoardTheClockAndTheWordList) {
  Saves s;
  G.playerName = "Zoé";
  G.gameTitle = "PENDU  8 lettres";
  G.currentVariant = 10;
  G.currentScreen = 0;
  G.boardLetters[CellIndex(7, 10)] = 'Q';
  G.elapsedMinutes = 4;
  G.elapsedTimeText = "04mn 00s";
  G.wordList = {"UN", "DEUX"};
  SaveGame(false);
  EXPECT_EQ(G.messageText, "Partie sauvegardée");
  const std::string name = G.listBoxes[listSaves].items[G.listBoxes[listSaves].itemCount];
  EXPECT_EQ(name.find('/'), std::string::npos);
  EXPECT_EQ(name.find(':'), std::string::npos);
  EXPECT_EQ(fs::file_size(s.SaveFolder() + name + ".sa1"), 70823u);

  G.commentaryText[61] = "changé depuis";
  G.gameTitle.clear();
  G.boardLetters[CellIndex(7, 10)] = '*';
  G.wordList.clear();
  LoadGame(name);
  EXPECT_EQ(G.gameTitle.str(), "PENDU  8 lettres");
  EXPECT_EQ(G.currentVariant, 10u);
  EXPECT_EQ(G.boardLetters[CellIndex(7, 10)], 'Q');
  EXPECT_EQ(G.elapsedTimeText.str(), "04mn 00s");
  EXPECT_EQ(G.wordList, (std::vector<std::string>{"UN", "DEUX"}));
  EXPECT_EQ(Comment(62), "Partie chargée");  // the texts of the save come back
  EXPECT_EQ(G.messageText, "Partie chargée");
}

TEST(SavedGames, ANameWithSlashesOrColonsGivesDashes) {
  Saves s;
  G.playerName = "a/b:c\\d";
  G.gameTitle = "JEU";
  SaveGame(false);
  const std::string name = G.listBoxes[listSaves].items[G.listBoxes[listSaves].itemCount];
  EXPECT_EQ(name.substr(0, 8), "a-b-c-d ");
  EXPECT_TRUE(fs::exists(s.SaveFolder() + name + ".sa1"));
}

TEST(SavedGames, AJourneysSaveNamesTheJourney) {
  Saves s;
  G.playerName = "Zoé";
  G.gameTitle = "ETAPE";
  G.travelModeActive = 1;
  SaveGame(false);
  const std::string name = G.listBoxes[listSaves].items[G.listBoxes[listSaves].itemCount];
  EXPECT_NE(name.find(" Voyage ETAPE"), std::string::npos) << name;
}

TEST(SavedGames, AMissingOrForeignSaveOnlyResetsTheGame) {
  Saves s;
  G.gameTitle = "JEU";
  G.currentVariant = 9;
  LoadGame("absente");
  EXPECT_EQ(G.currentVariant, 0u);
  WriteFileBytes(s.SaveFolder() + "court.sa1", "trop court");
  G.gameTitle = "JEU";
  LoadGame("court");
  EXPECT_EQ(G.gameTitle.str(), "JEU");
  EXPECT_TRUE(s.LogHas("sauvegarde illisible"));
  LoadGame("../../etc/passwd");
  EXPECT_EQ(G.gameTitle.str(), "JEU");
}

TEST(SavedGames, TheQuickSaveIsResumedOnceAtTheNextStart) {
  std::string prefix;
  {
    Saves s;
    G.gameTitle = "PENDU  8 lettres";
    G.currentVariant = 10;
    G.currentScreen = 0;
    G.boardReady = 1;
    G.splashShowing = 0;
    SaveGame(true);
    EXPECT_TRUE(fs::exists(s.SaveFolder() + "Boss.sa1"));
    // Start again on the same player folder.
    const std::string save = ReadFileBytes(s.SaveFolder() + "Boss.sa1");
    Harness again;
    WriteFileBytes(again.dataPrefix + "SAVE/Boss.sa1", save);
    WriteFileBytes(again.dataPrefix + "SAVE/Boss.sa2", "");
    ASSERT_TRUE(again.Start());
    EXPECT_EQ(G.gameTitle.str(), "PENDU  8 lettres");
    EXPECT_EQ(G.splashShowing, 0);
    EXPECT_TRUE(fs::exists(again.dataPrefix + "SAVE/Boss.sa1"));  // until the resumed game ends
    EXPECT_TRUE(fs::exists(again.dataPrefix + "SAVE/Boss.sa2"));
  }
}

TEST(SavedGames, ASaveNameFitsTheListAndKeepsTheGamesTheme) {
  Saves s;
  G.playerName = "Marie-Hélène Dupont";
  for (const auto& [title, shown] : {std::pair<std::string, std::string>{"PENDU  8 Lettres / ARBRES", "PENDU 8 ARBRES"},
                                     {"MOTS COUPES 10 mots / FLEURS", "MOTS COUPES 10 FLEURS"},
                                     {"LETTRES TRES EFFACEES 10x10", "LETTRES TRES EFFACEES 10x10"},
                                     {"BOURSE AUX CONSONNES 1 mot", "BOURSE AUX CONSONNES 1"}}) {
    G.gameTitle = title;
    SaveGame(false);
    const std::string name = G.listBoxes[listSaves].items[G.listBoxes[listSaves].itemCount];
    EXPECT_EQ(name.substr(0, 11), "Marie-Hélè ");
    EXPECT_EQ(name.substr(name.size() - shown.size()), shown) << name;
    EXPECT_TRUE(fs::exists(s.SaveFolder() + name + ".sa1"));
  }
  G.gameTitle = "PENDU  8 Lettres / ARBRES";
  SaveGame(false);
  const std::string name = G.listBoxes[listSaves].items[G.listBoxes[listSaves].itemCount];
  EXPECT_LE(name.size(), static_cast<size_t>(G.listBoxes[listSaves].widthPx / 11)) << name;
}
