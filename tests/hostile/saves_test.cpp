// SPDX-License-Identifier: GPL-3.0-or-later
// Saves that never lose a game: the pair of files is replaced as one, a
// failed quick save keeps the program running, and a damaged save changes
// nothing.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "harness/harness.h"
#include "persistence/saved_games.h"
#include "platform/files.h"
#include "state/forms.h"
#include "state/game_state.h"

namespace fs = std::filesystem;

namespace {

struct Saves : Harness {
  Saves() {
    SetComment(61, "Partie sauvegardée");
    SetComment(62, "Partie chargée");
    SetComment(63, "Sauvegarde impossible");
    SetComment(93, "Sauvegarde endommagée");
    SetComment(94, "Partie rapide mise de côté");
    SetComment(95, "Sauvegarde impossible : la partie continue");
    EXPECT_TRUE(Start());
    Run(4100);
  }
  ~Saves() { FailRenamesAfter(-1); }
  std::string SaveFolder() const { return dataPrefix + "SAVE/"; }
  // Names in the save folder other than the given ones.
  std::vector<std::string> OtherFiles(std::initializer_list<std::string> known) const {
    std::vector<std::string> others;
    for (const auto& entry : fs::directory_iterator(SaveFolder())) {
      const std::string name = entry.path().filename().string();
      if (std::find(known.begin(), known.end(), name) == known.end()) others.push_back(name);
    }
    return others;
  }
  void StartGame(const char* title, std::vector<std::string> words) {
    G.gameTitle = title;
    G.currentVariant = 10;
    G.currentScreen = 0;
    G.boardReady = 1;
    G.wordList = std::move(words);
  }
};

}  // namespace

TEST(HostileSaves, ASaveFailingBetweenItsRenamesLeavesTheOldPairWhole) {
  Saves s;
  s.StartGame("ANCIENNE", {"VIEUX", "MOTS"});
  ASSERT_TRUE(SaveGame(true));
  const std::string oldRecord = ReadFileBytes(s.SaveFolder() + "Boss.sa1");
  const std::string oldWords = ReadFileBytes(s.SaveFolder() + "Boss.sa2");

  s.StartGame("NOUVELLE", {"NEUF"});
  FailRenamesAfter(1);  // the word list is renamed, the record is not
  EXPECT_FALSE(SaveGame(true));
  EXPECT_EQ(ReadFileBytes(s.SaveFolder() + "Boss.sa1"), oldRecord);
  EXPECT_EQ(ReadFileBytes(s.SaveFolder() + "Boss.sa2"), oldWords);
  EXPECT_TRUE(s.OtherFiles({"Boss.sa1", "Boss.sa2", "Boss.sa3", "Boss.sac"}).empty()) << "a temporary file stayed";

  FailRenamesAfter(-1);
  EXPECT_TRUE(SaveGame(true));
  EXPECT_NE(ReadFileBytes(s.SaveFolder() + "Boss.sa1"), oldRecord);
  EXPECT_EQ(ReadFileBytes(s.SaveFolder() + "Boss.sa2"), "NEUF\r\n");
  EXPECT_TRUE(s.OtherFiles({"Boss.sa1", "Boss.sa2", "Boss.sa3", "Boss.sac"}).empty());
}

TEST(HostileSaves, AFirstSaveFailingBetweenItsRenamesLeavesNoHalfPair) {
  Saves s;
  s.StartGame("JEU", {"UN"});
  FailRenamesAfter(1);
  EXPECT_FALSE(SaveGame(false));
  EXPECT_EQ(G.messageText, "Sauvegarde impossible");
  EXPECT_TRUE(s.OtherFiles({}).empty()) << s.OtherFiles({}).front();
}

TEST(HostileSaves, SaveAndQuitOnAnUnwritableFolderKeepsTheGameRunning) {
  Saves s;
  s.StartGame("PENDU  8 lettres", {"MOT"});
  // A plain file where the folder should be: no write can succeed there,
  // whoever runs the test.
  fs::remove_all(s.SaveFolder());
  WriteFileBytes(s.dataPrefix + "SAVE", "pas un dossier");
  s.Run(200);
  s.Click(754, 39);  // the save-and-quit button
  s.Run(100);
  EXPECT_FALSE(Form1.closed);
  EXPECT_EQ(G.gameTitle.str(), "PENDU  8 lettres");
  EXPECT_EQ(G.messageText, "Sauvegarde impossible : la partie continue");
  EXPECT_TRUE(G.messageShowing);

  // Once the folder can be written again, the same button saves and leaves.
  fs::remove(s.dataPrefix + "SAVE");
  fs::create_directory(s.SaveFolder());
  s.Run(2000);
  s.Click(754, 39);
  s.Run(100);
  EXPECT_TRUE(Form1.closed);
  EXPECT_TRUE(fs::exists(s.SaveFolder() + "Boss.sa1"));
}

TEST(HostileSaves, ARecordOfRandomBytesIsRefusedAndNothingChanges) {
  Saves s;
  s.StartGame("EN COURS", {"GARDE"});
  G.boardLetters[CellIndex(3, 4)] = 'Z';
  std::mt19937 random(17);
  std::string bytes(70823, '\0');
  for (char& c : bytes) c = static_cast<char>(random());
  WriteFileBytes(s.SaveFolder() + "bruit.sa1", bytes);
  WriteFileBytes(s.SaveFolder() + "bruit.sa2", "AUTRE\r\n");
  LoadGame("bruit");
  EXPECT_EQ(G.gameTitle.str(), "EN COURS");
  EXPECT_EQ(G.currentVariant, 10u);
  EXPECT_EQ(G.boardLetters[CellIndex(3, 4)], 'Z');
  EXPECT_EQ(G.wordList, std::vector<std::string>{"GARDE"});
  EXPECT_EQ(G.messageText, "Sauvegarde endommagée");
  EXPECT_TRUE(s.LogHas("sauvegarde illisible"));
  EXPECT_TRUE(fs::exists(s.SaveFolder() + "bruit.sa1")) << "a named save is left where it is";
}

TEST(HostileSaves, ASoundRecordWithOneFieldOutOfRangeIsRefused) {
  Saves s;
  s.StartGame("JEU", {"UN"});
  ASSERT_TRUE(SaveGame(true));
  const std::string good = ReadFileBytes(s.SaveFolder() + "Boss.sa1");
  struct Damage {
    size_t at;
    uint8_t value;
  };
  // The variant (board record, offset 0), a text length (the player name,
  // main record offset 0) and the pawn's column (travel record + 0x18).
  const size_t main = sizeof(BoardRecord), travel = main + sizeof(MainRecord);
  for (const Damage damage : {Damage{0, 151}, Damage{main, 101}, Damage{travel + 0x18, 14}}) {
    std::string bytes = good;
    bytes[damage.at] = static_cast<char>(damage.value);
    WriteFileBytes(s.SaveFolder() + "abime.sa1", bytes);
    G.messageText.clear();
    LoadGame("abime");
    EXPECT_EQ(G.messageText, "Sauvegarde endommagée") << damage.at;
    EXPECT_EQ(G.gameTitle.str(), "JEU");
  }
  WriteFileBytes(s.SaveFolder() + "intacte.sa1", good);
  LoadGame("intacte");
  EXPECT_EQ(G.messageText, "Partie chargée");
}

TEST(HostileSaves, ATruncatedQuickSaveIsSetAsideAndThePlayerTold) {
  Harness h;
  h.SetComment(94, "Partie rapide mise de côté");
  h.SetComment(97, "Dictionnaire introuvable");
  WriteFileBytes(h.dataPrefix + "SAVE/Boss.sa1", std::string(5000, '\x01'));
  WriteFileBytes(h.dataPrefix + "SAVE/Boss.sa2", "MOT\r\n");
  ASSERT_TRUE(h.Start());
  EXPECT_TRUE(G.gameTitle.empty());
  EXPECT_TRUE(h.LogHas("sauvegarde illisible"));
  // Kept, under names that are neither resumed nor listed.
  EXPECT_FALSE(fs::exists(h.dataPrefix + "SAVE/Boss.sa1"));
  int kept = 0;
  for (const auto& entry : fs::directory_iterator(h.dataPrefix + "SAVE/")) {
    const std::string name = entry.path().filename().string();
    EXPECT_EQ(name.rfind("Boss.sa", 0), 0u) << name;
    EXPECT_NE(name.find(".endommage-"), std::string::npos) << name;
    ++kept;
  }
  EXPECT_EQ(kept, 2);
  // Told once the title splash is gone, after the start's other message (this
  // program folder has no dictionary either).
  h.Run(4100);
  EXPECT_EQ(G.messageText, "Dictionnaire introuvable");
  h.Run(1600);
  EXPECT_EQ(G.messageText, "Partie rapide mise de côté");
}

TEST(HostileSaves, ControlCharactersNeverReachASaveName) {
  Saves s;
  G.playerName = std::string("Zo\x01\x1b\x7f") + "\n";
  s.StartGame("JEU\t1", {});
  ASSERT_TRUE(SaveGame(false));
  const std::string name = G.listBoxes[listSaves].items[G.listBoxes[listSaves].itemCount];
  for (char c : name) EXPECT_FALSE(static_cast<unsigned char>(c) < 32 || c == 127) << name;
  EXPECT_TRUE(fs::exists(s.SaveFolder() + name + ".sa1"));
}

TEST(HostileSaves, ASecondProgramOnTheFolderSaysSoAndEndsWithStatusOne) {
  Saves s;
  const pid_t second = fork();
  if (second == 0) {
    Harness other;
    other.dataPrefix = s.dataPrefix;
    _exit(other.Start() ? 0 : 1);
  }
  int status = 0;
  waitpid(second, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
}
