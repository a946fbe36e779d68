// SPDX-License-Identifier: GPL-3.0-or-later
// kill -9 at random moments while a program saves, quick-saves, resumes, wins
// and writes its settings; the next start must find every file sound, every
// score and save told done, and nothing left over. 25 rounds in the suite;
// LETTRARIUM_CRASH_ROUNDS=1000 runs the long form by hand.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <sstream>
#include <thread>

#include "display/resets.h"
#include "harness/harness.h"
#include "persistence/save_pairs.h"
#include "persistence/saved_games.h"
#include "persistence/saved_record_check.h"
#include "platform/files.h"
#include "platform/keys.h"
#include "state/game_state.h"

namespace fs = std::filesystem;

// One program run over the folder, playing at random until killed; each step
// is told ("+" before it, its letter once done) on the journal pipe.
[[noreturn]] static void PlayUntilKilled(const std::string& prefix, int journal, int round, unsigned seed) {
  auto say = [journal](const std::string& line) { (void)!write(journal, (line + "\n").data(), line.size() + 1); };
  Harness h;
  h.dataPrefix = prefix;
  if (!h.Start()) _exit(3);
  h.Run(4100);
  say("R " + G.gameTitle.str());
  std::mt19937 random(seed);
  for (int k = 0;; ++k) {
    const std::string id = std::to_string(round) + "-" + std::to_string(k);
    if (G.gameTitle.empty() || G.gameWon || G.gameLost) {
      ResetGame();
      G.gameTitle = "PENDU " + id;
      G.currentScreen = 0;
    }
    const std::string title = G.gameTitle.str(), step = "SQWLN"[random() % 5] + std::string(" ");
    say("+" + step + (step[0] == 'W' ? "J" + id : title));
    if (step[0] == 'S' && !SaveGame(false)) continue;
    if (step[0] == 'Q' && !SaveGame(true)) _exit(5);
    if (step[0] == 'W' || step[0] == 'N') G.playerName = (step[0] == 'W' ? "J" : "P") + id;
    G.gameWon = step[0] == 'W';
    if (step[0] == 'L') h.Key(kVkEscape), h.Key(kVkReturn);  // given up, asked and answered
    h.Tick(2);
    say(step + (step[0] == 'W' ? "J" + id : title));
    if (step[0] == 'W') h.Click(400, 300);
    if (step[0] == 'Q' && random() % 2) _exit(0);  // save and quit
  }
}

struct Model {
  std::string quick;                     // the quick save's game, if one waits
  std::vector<std::string> wins, saves;  // the saves: this round's
};

// The round's journal into the model, then the next start checked against it.
static void CheckRound(Model& model, const std::string& journal, const std::string& prefix) {
  std::istringstream lines(journal);
  std::string line, inFlight;
  bool resumed = false;
  while (std::getline(lines, line)) {
    const char what = line[0];
    const std::string rest = line.substr(2);
    inFlight = what == '+' ? line.substr(1) : "";
    if (what == 'R') resumed = !rest.empty();
    if (what == 'Q') model.quick = rest;
    if (what == 'S') model.saves.push_back(rest);
    if (what == 'W') model.wins.push_back(rest);
    if ((what == 'S' || what == 'W' || what == 'L') && resumed) model.quick.clear(), resumed = false;
  }
  // The quick-save games the start may find: more than one when a kill caught a step.
  const std::string winInFlight = !inFlight.empty() && inFlight[0] == 'W' ? inFlight.substr(2) : "-";
  std::vector<std::string> allowed{model.quick};
  if (!inFlight.empty() && inFlight[0] == 'Q') allowed.push_back(inFlight.substr(2));
  if (!inFlight.empty() && inFlight[0] != 'Q' && inFlight[0] != 'N' && resumed) allowed.push_back("");
  Harness h;
  h.dataPrefix = prefix;
  ASSERT_TRUE(h.Start());
  model.quick = G.gameTitle.str();
  EXPECT_NE(std::find(allowed.begin(), allowed.end(), model.quick), allowed.end()) << model.quick;
  for (const char* folder : {"SAVE", "CFG"})
    for (const auto& entry : fs::directory_iterator(prefix + folder))
      for (const char* mark : {".nouveau", ".tmp-", ".old-", ".endommage-"})
        EXPECT_EQ(entry.path().filename().string().find(mark), std::string::npos) << entry.path();
  const ListBox& scores = G.listBoxes[listScores];
  if (scores.items[1].rfind(winInFlight + ".", 0) == 0) model.wins.push_back(winInFlight);
  // The newest fifteen wins are kept.
  for (size_t i = model.wins.size() > 15 ? model.wins.size() - 15 : 0; i < model.wins.size(); ++i) {
    int found = 0;
    for (int n = 1; n <= 15; ++n) found += scores.items[n].rfind(model.wins[i] + ".", 0) == 0;
    EXPECT_EQ(found, 1) << "score " << model.wins[i];
  }
  const std::vector<std::string> names = ListFolder(prefix + "SAVE", "*.sa1");
  for (const std::string& title : model.saves)
    EXPECT_TRUE(std::any_of(names.begin(), names.end(), [&](auto& n) { return n.find(" " + title + ".") != n.npos; }))
        << "save lost: " << title;
  model.saves.clear();
  for (const std::string& name : names) {
    const std::string base = prefix + "SAVE/" + name.substr(0, name.size() - 4);
    std::string record = ReadFileBytes(base + ".sa1"), why;
    EXPECT_NE(CheckedSavedImage(record, why), nullptr) << name << ": " << why;
    EXPECT_TRUE(SavePairMatchesNote(base, record, ReadFileBytes(base + ".sa2"), why)) << name << ": " << why;
    if (name != "Boss.sa1") RemoveSavePair(base);  // the folder stays small
  }
}

TEST(Crash, KillsAtRandomMomentsLoseNoGameNoScoreAndLeaveNothingBehind) {
  const int rounds = std::getenv("LETTRARIUM_CRASH_ROUNDS") ? std::atoi(std::getenv("LETTRARIUM_CRASH_ROUNDS")) : 25;
  const std::string root = MakeTempFolder("crash"), prefix = root + "player/";
  fs::create_directories(root + "tmp");
  std::mt19937 random(2024);
  Model model;
  int killed = 0;
  for (int round = 0; round < rounds && !HasFailure(); ++round) {
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    const unsigned seed = random();
    const pid_t child = fork();
    if (child == 0) {
      setenv("TMPDIR", (root + "tmp").c_str(), 1);  // the child's harness folders, removed with the root
      PlayUntilKilled(prefix, ends[1], round, seed);
    }
    close(ends[1]);
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 250000));
    killed += kill(child, SIGKILL) == 0;
    int status = 0;
    waitpid(child, &status, 0);
    std::string journal;
    char buffer[4096];
    for (ssize_t n; (n = read(ends[0], buffer, sizeof buffer)) > 0;) journal.append(buffer, n);
    close(ends[0]);
    ASSERT_FALSE(WIFEXITED(status) && WEXITSTATUS(status) != 0) << "round " << round << ": " << status;
    CheckRound(model, journal, prefix);
  }
  std::printf("%d rounds, %d killed, %zu wins kept\n", rounds, killed, model.wins.size());
}
