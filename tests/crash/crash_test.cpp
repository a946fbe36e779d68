// SPDX-License-Identifier: GPL-3.0-or-later
// kill -9 at random moments while a program saves, quick-saves, resumes,
// wins and writes its settings over one player folder. After each kill the
// next start must find every file loadable, each the old or the new version,
// every score and save earned before the last completed write, and no file
// left over. The suite runs a short form; LETTRARIUM_CRASH_ROUNDS=1000 runs
// the long one by hand.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
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
#include "state/forms.h"
#include "state/game_state.h"

namespace fs = std::filesystem;

namespace {

void Say(int journal, const std::string& line) {
  const std::string text = line + "\n";
  if (write(journal, text.data(), text.size()) < 0) _exit(4);
}

// One program run over the shared folder, playing at random until killed.
[[noreturn]] void PlayUntilKilled(const std::string& prefix, int journal, int round, unsigned seed) {
  Harness h;
  h.dataPrefix = prefix;
  if (!h.Start()) _exit(3);
  h.Run(4100);
  Say(journal, "R " + G.gameTitle.str());
  std::mt19937 random(seed);
  for (int k = 0;; ++k) {
    const std::string id = std::to_string(round) + "-" + std::to_string(k);
    if (G.gameTitle.empty() || G.gameWon || G.gameLost) {
      ResetGame();
      G.gameTitle = "PENDU " + id;
      G.currentVariant = 0;
      G.currentScreen = 0;
      h.Tick();
    }
    const std::string title = G.gameTitle.str();
    switch (random() % 5) {
      case 0:
        Say(journal, "+S " + title);
        if (SaveGame(false)) Say(journal, "S " + title);
        break;
      case 1:
        Say(journal, "+Q " + title);
        if (!SaveGame(true)) _exit(5);
        Say(journal, "Q " + title);
        if (random() % 2) _exit(0);  // save and quit
        break;
      case 2:
        G.playerName = "J" + id;
        Say(journal, "+W J" + id);
        G.gameWon = 1;
        h.Tick(2);
        Say(journal, "W J" + id);
        h.Click(400, 300);
        break;
      case 3:
        Say(journal, "+L");
        h.Key(kVkEscape);
        h.Tick(2);
        Say(journal, "L");
        break;
      default:
        G.playerName = "P" + id;
        h.Tick(2);
        break;
    }
  }
}

struct Model {
  std::string pendingQuick;  // the quick save's game, if one waits
  std::string winInFlight;   // a win the kill caught: kept or not, either is right
  std::vector<std::string> wins;
  std::vector<std::string> saves;  // this round's named saves
};

// What the round's journal says was done; returns the quick-save games a
// start may find (more than one when a kill caught a write).
std::vector<std::string> Replay(Model& model, const std::string& journal) {
  std::istringstream lines(journal);
  std::string line, inFlight;
  bool resumed = false;
  while (std::getline(lines, line)) {
    const char what = line[0];
    const std::string rest = line.size() > 2 ? line.substr(2) : "";
    if (what == '+') {
      inFlight = line.substr(1);
      continue;
    }
    inFlight.clear();
    if (what == 'R') resumed = !rest.empty();
    if (what == 'Q') model.pendingQuick = rest;
    if (what == 'S') model.saves.push_back(rest);
    if (what == 'W') model.wins.push_back(rest);
    if ((what == 'S' || what == 'W' || what == 'L') && resumed) {
      model.pendingQuick.clear();
      resumed = false;
    }
  }
  model.winInFlight = !inFlight.empty() && inFlight[0] == 'W' ? inFlight.substr(2) : "";
  std::vector<std::string> allowed{model.pendingQuick};
  if (!inFlight.empty() && inFlight[0] == 'Q') allowed.push_back(inFlight.substr(2));
  if (!inFlight.empty() && inFlight[0] != 'Q' && resumed) allowed.push_back("");
  return allowed;
}

std::string Leftovers(const std::string& folder) {
  std::string found;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    for (const char* mark : {".nouveau", ".tmp-", ".old-", ".endommage-"})
      if (name.find(mark) != std::string::npos) found += name + " ";
  }
  return found;
}

// The next start over the folder, checked against the model.
void CheckNextStart(Model& model, const std::vector<std::string>& allowedQuick, const std::string& prefix) {
  Harness h;
  h.dataPrefix = prefix;
  ASSERT_TRUE(h.Start());
  const std::string resumed = G.gameTitle.str();
  EXPECT_NE(std::find(allowedQuick.begin(), allowedQuick.end(), resumed), allowedQuick.end()) << resumed;
  model.pendingQuick = resumed;
  EXPECT_EQ(Leftovers(prefix + "SAVE"), "");
  EXPECT_EQ(Leftovers(prefix + "CFG"), "");
  // Every win but the newest fifteen may have scrolled off the kept fifteen.
  const ListBox& scores = G.listBoxes[listScores];
  if (!model.winInFlight.empty() && scores.items[1].rfind(model.winInFlight + ".", 0) == 0) model.wins.push_back(model.winInFlight);
  for (size_t i = model.wins.size() > 15 ? model.wins.size() - 15 : 0; i < model.wins.size(); ++i) {
    bool found = false;
    for (int n = 1; n <= 15; ++n) found = found || scores.items[n].rfind(model.wins[i] + ".", 0) == 0;
    EXPECT_TRUE(found) << "score lost: " << model.wins[i];
  }
  for (const std::string& title : model.saves) {
    bool found = false;
    for (const std::string& name : ListFolder(prefix + "SAVE", "*.sa1"))
      found = found || name.find(" " + title + ".sa1") != std::string::npos;
    EXPECT_TRUE(found) << "save lost: " << title;
  }
  model.saves.clear();
  for (const std::string& name : ListFolder(prefix + "SAVE", "*.sa1")) {
    const std::string base = prefix + "SAVE/" + name.substr(0, name.size() - 4);
    std::string record = ReadFileBytes(base + ".sa1"), why;
    EXPECT_NE(CheckedSavedImage(record, why), nullptr) << name << ": " << why;
    EXPECT_TRUE(SavePairMatchesNote(base, record, ReadFileBytes(base + ".sa2"), why)) << name << ": " << why;
    if (name != "Boss.sa1") RemoveSavePair(base);  // the folder stays small
  }
}

}  // namespace

TEST(Crash, KillsAtRandomMomentsLoseNoGameNoScoreAndLeaveNothingBehind) {
  const char* asked = std::getenv("LETTRARIUM_CRASH_ROUNDS");
  const int rounds = asked ? std::atoi(asked) : 25;
  const std::string root = MakeTempFolder("crash"), prefix = root + "player/";
  fs::create_directories(root + "tmp");
  std::mt19937 random(2024);
  Model model;
  int killed = 0, steps = 0;
  for (int round = 0; round < rounds && !HasFailure(); ++round) {
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    const unsigned seed = random();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(pipeEnds[0]);
      setenv("TMPDIR", (root + "tmp").c_str(), 1);
      PlayUntilKilled(prefix, pipeEnds[1], round, seed);
    }
    close(pipeEnds[1]);
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 250000));
    if (kill(child, SIGKILL) == 0) ++killed;
    int status = 0;
    waitpid(child, &status, 0);
    std::string journal;
    char buffer[4096];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) journal.append(buffer, n);
    close(pipeEnds[0]);
    ASSERT_FALSE(WIFEXITED(status) && WEXITSTATUS(status) != 0) << "round " << round << " ended " << status;
    steps += static_cast<int>(std::count(journal.begin(), journal.end(), '\n'));
    const std::vector<std::string> allowed = Replay(model, journal);
    CheckNextStart(model, allowed, prefix);
  }
  std::printf("%d rounds, %d killed, %d steps done, %zu wins kept\n", rounds, killed, steps, model.wins.size());
}
