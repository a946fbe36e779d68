// SPDX-License-Identifier: GPL-3.0-or-later
// At rest the message loop lets its 10 ms ticks lapse, and the game cannot
// tell: sessions recorded at the 10 ms pace are played again with rest
// allowed, and leave the same saved records and the same page after every
// input event and at the end.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/program.h"
#include "catalogue/catalogue.h"
#include "display/drawing.h"
#include "harness/harness.h"
#include "platform/clock.h"
#include "platform/keys.h"
#include "platform/page.h"
#include "platform/screen.h"
#include "state/forms.h"
#include "state/game_state.h"
#include "travel/map_squares.h"

namespace {

bool DataBuilt() { return std::filesystem::exists(std::string(GAME_DIR) + "/bitmaps"); }

HarnessOptions RealData() {
  HarnessOptions options;
  options.realData = true;
  return options;
}

// One step of a session: time passing, an input event, or the music piece
// ending (the sound thread's event that wakes the loop).
struct Step {
  enum Kind { Wait, Input, MusicEnds } kind;
  uint32_t ms = 0;
  InputEvent event{InputEvent::MouseMove};
};

// What the game shows and keeps at one moment.
struct Moment {
  uint32_t tick;
  std::string records;
  std::vector<uint16_t> page;
  // The saves page lists each save with the desktop's date and time, which
  // differ from one run to the next.
  bool showsDate = false;
};

Moment Snapshot() {
  Moment m{Now(), {}, ThePage().pixels, G.currentScreen == 7};
  auto add = [&m](const void* record, size_t size) { m.records.append(static_cast<const char*>(record), size); };
  add(&static_cast<const MainRecord&>(G), sizeof(MainRecord));
  add(&static_cast<const BoardRecord&>(G), sizeof(BoardRecord));
  add(&static_cast<const TravelRecord&>(G), sizeof(TravelRecord));
  add(&static_cast<const ClockRecord&>(G), sizeof(ClockRecord));
  // Entry 51 names each program's own temporary player folder.
  std::fill_n(m.records.begin() + 0x01D2 + 50 * 101, 101, '\0');
  return m;
}

// Time passes as the message loop lets it: from one wake-up to the next (the
// next timer due, or the end of the wait). Returns the wake-ups.
int WaitAtRest(uint32_t ms) {
  int wakeUps = 0;
  uint32_t left = ms;
  for (;;) {
    const uint32_t next = static_cast<uint32_t>(MsUntilNextTimer());
    if (next == 0) {
      RunDueTimers();
      continue;
    }
    if (left == 0) return wakeUps;
    const uint32_t step = std::min(next, left);
    AdvanceFakeClock(step);
    left -= step;
    ++wakeUps;
    ProcessEvents();
    RunDueTimers();
  }
}

// A session played on a fresh program: recorded at the pace by a scenario
// that may look at the game to choose its next input, or replayed from the
// steps with rest allowed. The moments after each input and at the end are
// kept.
class Session : public Harness {
 public:
  explicit Session(const std::vector<Step>* replay = nullptr) : Harness(RealData()), replay_(replay) {
    EXPECT_TRUE(Start());
    AllowRest(replay != nullptr);
  }

  void Wait(uint32_t ms) { Play({Step::Wait, ms}); }
  void Move(int x, int y) { Input(InputEvent::MouseMove, x, y); }
  void Click(int x, int y) {
    Move(x, y);
    Wait(10);
    Input(InputEvent::MouseDown, x, y, 1);
    Wait(10);
    Input(InputEvent::MouseUp, x, y, 1);
  }
  void Drag(Point from, Point to) {
    Move(from.x, from.y);
    Wait(20);
    Input(InputEvent::MouseDown, from.x, from.y, 1);
    Wait(20);
    Move(to.x, to.y);
    Wait(20);
    Input(InputEvent::MouseUp, to.x, to.y, 1);
  }
  void Key(int key) {
    InputEvent e{InputEvent::KeyDown};
    e.key = key;
    Play({Step::Input, 0, e});
  }
  void MusicEnds() { Play({Step::MusicEnds}); }

  // The recorded steps played again, with rest allowed.
  void Replay() {
    for (const Step& step : *replay_) Do(step);
    moments.push_back(Snapshot());
  }
  void End() { moments.push_back(Snapshot()); }

  std::vector<Step> steps;
  std::vector<Moment> moments;

 private:
  void Input(InputEvent::Kind kind, int x, int y, int button = 0) {
    InputEvent e{kind};
    e.x = x;
    e.y = y;
    e.button = button;
    Play({Step::Input, 0, e});
  }
  void Play(const Step& step) {
    steps.push_back(step);
    Do(step);
  }
  void Do(const Step& step) {
    // The page shown may be the saves page, up to a tick after it was left.
    const bool onSaves = G.currentScreen == 7 || wasOnSaves_;
    wasOnSaves_ = G.currentScreen == 7;
    switch (step.kind) {
      case Step::Wait:
        if (replay_) WaitAtRest(step.ms);
        else Run(step.ms);  // every 10 ms
        return;
      case Step::Input:
        ScreenQueueEvent(step.event);
        ProcessEvents();
        break;
      case Step::MusicEnds:
        Form1.musique.SimulateEnd();
        RunDueTimers();
        break;
    }
    moments.push_back(Snapshot());
    moments.back().showsDate |= onSaves;
  }
  const std::vector<Step>* replay_;
  bool wasOnSaves_ = false;
};

const char* RecordAt(size_t offset) {
  for (auto [name, size] : {std::pair{"main", sizeof(MainRecord)}, {"board", sizeof(BoardRecord)},
                            {"travel", sizeof(TravelRecord)}}) {
    if (offset < size) return name;
    offset -= size;
  }
  return "clock";
}

// Plays the scenario at the pace, then its steps again with rest allowed,
// and compares every moment.
void ExpectRestUnseen(const std::function<void(Session&)>& scenario) {
  std::vector<Step> steps;
  std::vector<Moment> paced;
  int pacedFrames = 0;
  {
    Session s;
    scenario(s);
    s.End();
    steps = s.steps;
    paced = s.moments;
    pacedFrames = TimersFired().frames;
  }
  Session s(&steps);
  s.Replay();
  const int restFrames = TimersFired().frames;
  ASSERT_EQ(s.moments.size(), paced.size());
  for (size_t i = 0; i < paced.size(); ++i) {
    const Moment &a = paced[i], &b = s.moments[i];
    ASSERT_EQ(a.tick, b.tick) << "moment " << i;
    const auto diff = std::mismatch(a.records.begin(), a.records.end(), b.records.begin());
    ASSERT_TRUE(diff.first == a.records.end())
        << "moment " << i << " of " << paced.size() << ", tick " << a.tick << ": the " << RecordAt(diff.first - a.records.begin())
        << " record differs at byte " << (diff.first - a.records.begin());
    const auto pixel = std::mismatch(a.page.begin(), a.page.end(), b.page.begin());
    const long at = pixel.first - a.page.begin();
    ASSERT_TRUE(pixel.first == a.page.end() || a.showsDate) << "moment " << i << " of " << paced.size() << ", tick " << a.tick
                                             << ": the page differs at (" << at % kPageWidth << ", "
                                             << at / kPageWidth << ")";
  }
  // Resting did happen: ticks lapsed.
  EXPECT_LT(restFrames, pacedFrames);
}

Point FamilyPoint(int f) {
  const int x = f <= 15 ? 55 : 420, y = f <= 15 ? 53 + 20 * f : 20 * f - 247;
  return {x + 5, y + 12};
}

// The family and the variant's line in its menu, clicked from the game list.
void OpenVariant(Session& s, int variant) {
  for (int family = 1; family <= 30; ++family) {
    const int row = variant - FamilyFirstVariant(family);
    if (row < 0 || row >= FamilyVariantCount(family)) continue;
    const Point f = FamilyPoint(family);
    s.Click(f.x, f.y);
    s.Wait(300);
    const int length = static_cast<int>(G.variantName[variant].size());
    s.Click(400 - (length / 2) * 14 + 10, 81 + 20 * row + 12);
    return;
  }
}

Point KeyOf(char letter) {
  const int k = letter - 'A';
  const Point p = PointOfCell({7 + k % 13, 2 + k / 13});
  return {p.x + 15, p.y + 15};
}

Point CellCentre(Point cell) {
  const Point p = PointOfCell(cell);
  return {p.x + 15, p.y + 15};
}

Point Button(int x, int y) { return {x + 24, y + 24}; }

}  // namespace

TEST(Rest, TheGameListHoveredAndLeftASaveAndItsLoadPlayAsAtThePace) {
  if (!DataBuilt()) GTEST_SKIP() << "the data folder is not built";
  ExpectRestUnseen([](Session& s) {
    s.Wait(3000);
    s.Click(400, 300);  // ends the splash
    s.Wait(2000);
    for (int f : {1, 2, 3, 17}) {
      const Point p = FamilyPoint(f);
      s.Move(p.x, p.y);
      s.Wait(700);
    }
    s.Move(790, 300);
    s.Wait(3000);
    s.MusicEnds();
    s.Wait(1500);
    // A hangman saved (the saved message is timed), given up, loaded again.
    OpenVariant(s, 10);
    s.Wait(2000);
    const Point save = Button(440, 540);
    s.Click(save.x, save.y);
    s.Wait(2500);
    s.Key(kVkEscape);
    s.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
    s.Wait(11000);
    const Point saves = Button(120, 540);
    s.Click(saves.x, saves.y);
    s.Wait(1500);
    const ListBox& list = G.listBoxes[listSaves];
    s.Click(list.x + 20, list.y + 29);
    s.Wait(500);
    const Point load = Button(G.panelX + 410, 402);
    s.Click(load.x, load.y);
    s.Wait(3000);
    s.Move(790, 300);
    s.Wait(2500);
  });
}

TEST(Rest, AHangmanWithMissesAndAWinAndACodedGridPlayAsAtThePace) {
  if (!DataBuilt()) GTEST_SKIP() << "the data folder is not built";
  ExpectRestUnseen([](Session& s) {
    s.Wait(4100);
    OpenVariant(s, 10);
    s.Wait(1500);
    const std::string word = G.wordSlots[0].str();
    ASSERT_FALSE(word.empty());
    std::string guesses;
    for (char c : std::string("ZWXKJQ")) if (word.find(c) == std::string::npos && guesses.size() < 2) guesses += c;
    for (char c : word) if (guesses.find(c) == std::string::npos) guesses += c;
    for (char c : guesses) {
      const Point key = KeyOf(c);
      s.Click(key.x, key.y);
      s.Move(700, 20);
      s.Wait(3000);
    }
    EXPECT_EQ(G.gameWon, 1);
    s.Click(400, 450);  // scores the win
    s.Wait(1000);

    OpenVariant(s, 3);  // a coded grid of eight
    s.Wait(1500);
    ASSERT_EQ(G.boardReady, 1);
    int dropped = 0;
    for (int x = 1; x <= G.gameSize && dropped < 3; ++x)
      for (int y = 1; y <= G.gameSize && dropped < 3; ++y) {
        const char letter = static_cast<char>(G.answerGridB[CellIndex(x, y)]);
        if (letter == '*' || G.boardLetters[CellIndex(x, y)] == letter) continue;
        const int k = letter - 'A';
        const int paletteRow = (G.gameSize == 12 ? 13 : G.gameSize + 2) + k / 13;
        s.Drag(CellCentre({1 + k % 13, paletteRow}), CellCentre({x, y}));
        s.Move(790, 300);
        s.Wait(1500);
        ++dropped;
      }
    s.Key(kVkEscape);
    s.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
    s.Wait(12000);
  });
}

TEST(Rest, ATravelStagePlaysAsAtThePace) {
  if (!DataBuilt()) GTEST_SKIP() << "the data folder is not built";
  ExpectRestUnseen([](Session& s) {
    s.Wait(4100);
    const Point journey = Button(60, 540);
    s.Click(journey.x, journey.y);
    s.Wait(3000);  // the map with its timed message, then at rest but for the blinking squares
    ASSERT_EQ(G.travelMapShowing, 1);
    Point target{-1, -1};
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy) {
        const int x = G.pawnX + dx, y = G.pawnY + dy;
        if (target.x < 0 && OnMap(x, y) && AreNeighbours(x, y, G.pawnX, G.pawnY) &&
            G.travelSquares[x][y].entryCost <= G.travelMoney)
          target = {x, y};
      }
    ASSERT_GE(target.x, 0);
    const Point square{50 + 50 * target.x + 25, 100 + 50 * target.y + 25};
    s.Move(square.x, square.y);
    s.Wait(500);
    s.Click(square.x, square.y);
    s.Wait(4000);  // the pawn's flight, then the stage's game
    EXPECT_FALSE(G.gameTitle.empty());
    s.Move(790, 300);
    s.Wait(2000);
    s.Key(kVkEscape);  // the stage given up: the journey goes on ten seconds later
    s.Key(kVkReturn);  // "Abandonner la partie ?" answered yes
    s.Wait(12000);
    EXPECT_EQ(G.travelMapShowing, 1);
  });
}

// At rest the loop wakes a few times a second at most, and a click is
// handled by the next tick, within 10 ms.
TEST(Rest, AtRestTheLoopWakesSeldomAndAClickIsSeenByTheNextTick) {
  if (!DataBuilt()) GTEST_SKIP() << "the data folder is not built";
  Harness h(RealData());
  ASSERT_TRUE(h.Start());
  AllowRest(true);
  WaitAtRest(5000);
  ASSERT_EQ(G.currentScreen, 1);
  EXPECT_TRUE(Resting());
  EXPECT_LE(WaitAtRest(10000), 10 * 2);

  // A music piece that ends (the sound thread's event wakes the loop) ends the
  // rest: the next tick starts another piece, then the loop rests again.
  ASSERT_FALSE(Form1.musique.fileName.empty());
  Form1.musique.SimulateEnd();
  RunDueTimers();
  EXPECT_FALSE(Resting());
  WaitAtRest(10);
  EXPECT_LT(Form1.musique.Position(), Form1.musique.Length());
  WaitAtRest(100);
  EXPECT_TRUE(Resting());

  AdvanceFakeClock(3);  // a moment between two ticks
  const Point family = FamilyPoint(2);
  InputEvent press{InputEvent::MouseDown};
  press.x = family.x;
  press.y = family.y;
  press.button = 1;
  ScreenQueueEvent(press);
  ProcessEvents();
  EXPECT_FALSE(Resting());
  const int wait = MsUntilNextTimer();
  EXPECT_LE(wait, 10);
  AdvanceFakeClock(static_cast<uint32_t>(wait));
  RunDueTimers();
  EXPECT_EQ(G.currentScreen, 2);
  h.Release(family.x, family.y);

  // A hangman with its clock going: the clock's second and a tick or two
  // after it to draw it.
  StartVariant(10);
  WaitAtRest(1500);
  ASSERT_EQ(G.boardReady, 1);
  h.MoveTo(790, 300);
  WaitAtRest(1000);
  const int seconds = TimersFired().seconds;
  EXPECT_LE(WaitAtRest(10000), 10 * 4);
  EXPECT_EQ(TimersFired().seconds, seconds + 10);
}
