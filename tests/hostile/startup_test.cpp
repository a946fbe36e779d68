// SPDX-License-Identifier: GPL-3.0-or-later
// Starting without what the program expects: no player-data prefix, no HOME,
// no dictionary, a settings file that cannot be written.
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "harness/harness.h"
#include "largest_allocation.h"
#include "persistence/saved_games.h"
#include "persistence/settings.h"
#include "platform/paths.h"
#include "state/forms.h"
#include "state/game_state.h"

namespace fs = std::filesystem;

namespace {

// Sets (or, with nullopt, removes) HOME for one test.
struct HomeVariable {
  std::optional<std::string> saved;
  explicit HomeVariable(const std::optional<std::string>& value) {
    if (const char* home = std::getenv("HOME")) saved = home;
    if (value) setenv("HOME", value->c_str(), 1);
    else unsetenv("HOME");
  }
  ~HomeVariable() {
    if (saved) setenv("HOME", saved->c_str(), 1);
    else unsetenv("HOME");
  }
};

}  // namespace

TEST(HostileStart, AnEmptyEntry51PutsThePlayersFoldersUnderTheHomeFolder) {
  Harness h;
  const std::string home = MakeTempFolder("home");
  HomeVariable variable(home);
  for (const char* entry51 : {"Tx51=\r\n", ""}) {  // empty, then missing
    fs::remove_all(home + ".lettrarium");
    h.WriteProgramFile("txt/Commentaires.dta", std::string("[COMMENTAIRES]\r\nTx1=Un\r\n") + entry51);
    ClearGameState();
    G.programDir = h.programDir;
    Form2.FormCreate();
    EXPECT_EQ(DataFolderPrefix(), "~/.lettrarium/");
    EXPECT_TRUE(G.dataFoldersReady);
    for (const char* folder : {"FONDS", "CFG", "TETE", "SAVE"})
      EXPECT_TRUE(fs::is_directory(home + ".lettrarium/" + folder)) << folder;
    EXPECT_FALSE(fs::exists(h.programDir + "FONDS"));
    EXPECT_FALSE(fs::exists("FONDS")) << "a folder was made where the program was started";
  }
  G.dataFoldersReady = 0;  // the close at the end writes nothing into the real home
}

TEST(HostileStart, WithoutHomeTheAccountsHomeFolderIsUsed) {
  const passwd* account = getpwuid(getuid());
  ASSERT_NE(account, nullptr);
  HomeVariable variable(std::nullopt);
  const std::string resolved = ResolvePath("~/.lettrarium/CFG/favoris.vlk");
  EXPECT_EQ(resolved.rfind(std::string(account->pw_dir), 0), 0u) << resolved;
  EXPECT_NE(resolved.rfind("/.lettrarium/", 0), 0u) << "~ became the root folder";
  HomeVariable empty(std::string(""));
  EXPECT_EQ(ResolvePath("~/x").rfind(std::string(account->pw_dir), 0), 0u);
}

TEST(HostileStart, AMissingDictionaryIsToldOnceTheSplashIsGone) {
  Harness h;  // an empty program folder: no bin folder at all
  h.SetComment(97, "Dictionnaire introuvable");
  ASSERT_TRUE(h.Start());
  h.Run(3000);
  EXPECT_NE(G.messageText, "Dictionnaire introuvable") << "shown behind the splash";
  h.Run(1200);
  EXPECT_EQ(G.messageText, "Dictionnaire introuvable");
  EXPECT_TRUE(G.messageShowing);
}

TEST(HostileStart, AFailedSettingsWriteIsToldOnce) {
  Harness h;
  ASSERT_TRUE(h.Start());
  h.Run(4100);
  // A folder where the settings file should be: it cannot be replaced.
  fs::create_directories(h.dataPrefix + "CFG/favoris.vlk/x");
  EXPECT_FALSE(SauveFavoris());
  EXPECT_TRUE(G.settingsFailureTold);
  EXPECT_TRUE(h.LogHas("Impossible d'écrire"));
  // The close writes again and fails again, without telling twice (the
  // headless screen shows no box; the flag is what is checked).
  h.CloseWindow();
  EXPECT_TRUE(Form1.closed);
  EXPECT_TRUE(G.settingsFailureTold);
}

TEST(HostileStart, FourGigabyteFilesInEveryPlaceAreNotReadAndTheStartGoesOn) {
  Harness h;
  for (const std::string& file :
       {h.dataPrefix + "CFG/favoris.vlk", h.dataPrefix + "SAVE/Boss.sa1", h.dataPrefix + "SAVE/Gros.sa1",
        h.dataPrefix + "TETE/Gros.bmp", h.programDir + "bin/DicoFrancais.txt", h.programDir + "txt/voyage.dta"}) {
    WriteFileBytes(file, "");
    fs::resize_file(file, 4ull << 30);  // sparse: no disk is used
  }
  StartWatchingAllocations();
  ASSERT_TRUE(h.Start());
  LoadGame("Gros");
  ChargeFavoris();  // the log keeps its last lines: the start's are read again
  EXPECT_LT(LargestAllocation(), 16u << 20);
  EXPECT_TRUE(h.LogHas("fichier trop gros, non lu : " + h.dataPrefix + "CFG/favoris.vlk (4294967296 octets)"));
  EXPECT_TRUE(h.LogHas("Gros.sa1 (taille 4294967296)"));
}
