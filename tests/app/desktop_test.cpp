// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a desktop program: a close request from the system keeps the
// game in progress for the next start, standard error stays quiet unless the
// whole log is asked for.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>

#include "catalogue/catalogue.h"
#include "display/log.h"
#include "harness/harness.h"
#include "platform/keys.h"
#include "platform/quit_signals.h"
#include "state/forms.h"
#include "state/game_state.h"

namespace fs = std::filesystem;

namespace {

constexpr uint8_t kHangman = 10;  // PENDU  8 lettres

bool HasRealData() { return fs::exists(std::string(GAME_DIR) + "/bin/DicoFrancais.txt"); }

struct Desktop : Harness {
  Desktop() : Harness(HarnessOptions{.realData = true}) {}
  void Open() {
    ASSERT_TRUE(Start());
    Run(4100);
    ASSERT_EQ(G.currentScreen, 1);
  }
  void PlayHangman() {
    StartVariant(kHangman);
    for (int i = 0; i < 100 && !G.boardReady; ++i) Tick();
    ASSERT_EQ(G.boardReady, 1);
    Tick();
  }
  bool QuickSaveThere() const { return fs::exists(dataPrefix + "SAVE/Boss.sa1"); }
  std::string QuickSave(const char* ending) const { return ReadFileBytes(dataPrefix + "SAVE/Boss.sa" + ending); }
  // The family's entry on the game list, a point well inside it.
  static Point Family(int f) { return {(f <= 15 ? 55 : 420) + 5, (f <= 15 ? 53 + 20 * f : 20 * f - 247) + 12}; }
};

int LogLinesWith(const std::string& fragment) {
  return static_cast<int>(std::count_if(G.debugLog.begin(), G.debugLog.end(), [&](const std::string& line) {
    return line.find(fragment) != std::string::npos;
  }));
}

}  // namespace

TEST(Desktop, ACloseRequestKeepsTheGameInProgressForTheNextStartAndNothingElse) {
  if (!HasRealData()) GTEST_SKIP() << "data not built";
  {
    // On the game list the window closes as it always did.
    Desktop list;
    list.Open();
    list.CloseWindow();
    EXPECT_TRUE(Form1.closed);
    EXPECT_FALSE(list.QuickSaveThere());
    EXPECT_TRUE(fs::exists(list.dataPrefix + "CFG/favoris.vlk"));
  }
  std::string sa1, sa2, title, hidden, shown;
  {
    // The window manager closes the window in the middle of a hangman.
    Desktop first;
    first.Open();
    first.PlayHangman();
    title = G.gameTitle.str();
    hidden = G.wordSlots[0].str();
    shown = G.wordSlots[1].str();
    first.CloseWindow();
    EXPECT_TRUE(Form1.closed);
    ASSERT_TRUE(first.QuickSaveThere());
    sa1 = first.QuickSave("1");
    sa2 = first.QuickSave("2");
    EXPECT_EQ(sa1.size(), 70823u);
  }
  {
    // The next start resumes it; then the session ends (SIGTERM) and it is
    // kept again.
    Desktop next;
    WriteFileBytes(next.dataPrefix + "SAVE/Boss.sa1", sa1);
    WriteFileBytes(next.dataPrefix + "SAVE/Boss.sa2", sa2);
    ASSERT_TRUE(next.Start());
    EXPECT_TRUE(next.QuickSaveThere()) << "kept until the resumed game ends";
    EXPECT_EQ(G.gameTitle.str(), title);
    EXPECT_EQ(G.wordSlots[0].str(), hidden);
    EXPECT_EQ(G.wordSlots[1].str(), shown);
    EXPECT_EQ(G.splashShowing, 0);
    next.Run(500);
    EXPECT_FALSE(Form1.closed);
    CatchQuitSignals();
    std::raise(SIGTERM);
    EXPECT_FALSE(Form1.closed) << "the handler only notes the signal";
    next.Tick();
    EXPECT_TRUE(Form1.closed);
    EXPECT_TRUE(next.QuickSaveThere());
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGHUP, SIG_DFL);
  }
  {
    // A game lost (given up) is not kept; a quick save that cannot be written
    // is logged, and the window closes all the same.
    Desktop lost;
    lost.Open();
    lost.PlayHangman();
    lost.Key(kVkEscape);
    lost.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
    lost.CloseWindow();
    EXPECT_TRUE(Form1.closed);
    EXPECT_FALSE(lost.QuickSaveThere());

    Desktop failed;
    failed.Open();
    failed.PlayHangman();
    fs::remove_all(failed.dataPrefix + "SAVE");
    WriteFileBytes(failed.dataPrefix + "SAVE", "not a folder");
    failed.CloseWindow();
    EXPECT_TRUE(Form1.closed);
    EXPECT_TRUE(failed.LogHas("sauvegarde impossible"));
    EXPECT_TRUE(failed.LogHas("partie en cours n'a pas pu"));
  }
}

TEST(Desktop, StandardErrorStaysQuietUnlessTheWholeLogIsAskedFor) {
  if (!HasRealData()) GTEST_SKIP() << "data not built";
  {
    // A start, every family of the game list hovered, a game played and
    // given up: nothing is wrong, nothing is said.
    Desktop h;
    testing::internal::CaptureStderr();
    EchoLog(LogEcho::Problems);
    h.Open();
    for (int f = 1; f <= 30; ++f) {
      h.MoveTo(Desktop::Family(f).x, Desktop::Family(f).y);
      h.Run(f == 4 ? 2000 : 50);
    }
    // Two seconds on the hangman family read its help page once.
    EXPECT_EQ(LogLinesWith("charge aide " + h.programDir + "aide\\LE PENDU.txt"), 1);
    h.MoveTo(780, 20);
    h.Tick();
    h.PlayHangman();
    h.Run(3000);
    h.Key(kVkEscape);
    h.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
    h.Run(11000);
    EXPECT_TRUE(G.gameTitle.empty());
    h.CloseWindow();
    EchoLog(LogEcho::None);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_TRUE(h.LogHas("initialisation des variable...")) << "the log is still kept in memory";
  }
  {
    // --verbose: every line of the log, as it is kept.
    Desktop h;
    testing::internal::CaptureStderr();
    EchoLog(LogEcho::Everything);
    h.Open();
    EchoLog(LogEcho::None);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said.find("lettrarium: initialisation des variable...\n"), 0u) << said.substr(0, 200);
    EXPECT_NE(said.find("lettrarium: charge aide "), std::string::npos);
    EXPECT_EQ(static_cast<size_t>(std::count(said.begin(), said.end(), '\n')), G.debugLog.size());
  }
}
