// SPDX-License-Identifier: GPL-3.0-or-later
// The soak: the whole program, headless on the real data, fed seeded random
// input for minutes or hours, its invariants checked after every step.
#pragma once
#include <chrono>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>

#include "harness/harness.h"

// One input as the soak feeds it; a line of the replay file.
struct SoakInput {
  enum Kind { Move, Press, Release, Key, Text, Wait, Restart } kind = Wait;
  int x = 0, y = 0, button = 1;
  int key = 0;
  std::string text = {};  // Latin-1
  int ms = 0;
  std::string Line() const;
  static bool Parse(const std::string& line, SoakInput& out);
};

struct SoakOptions {
  uint32_t seed = 0;
  double seconds = 60;
  long maxSteps = -1;  // a replay stops after this step
  // A tick (with the events before it) may take this long in processor time
  // (and ten times as long in real time).
  // Sanitized builds run about ten times slower, so their limit is ten times
  // higher (see tests/soak/README.md).
  double tickLimitMs = 50;
};

class Soak {
 public:
  explicit Soak(const SoakOptions& options);
  ~Soak();

  // Feeds one input, ticks as it asks, and checks what must hold at every
  // tick. False once a fault is found or the program has closed.
  bool Do(const SoakInput& input);
  // The checks after each step; false at the first breach.
  bool CheckStep();
  bool Faulted() const { return !fault_.empty(); }
  bool ProgramClosed() const;
  void Fault(const std::string& what);

  // The report's figures.
  long steps = 0;
  int restarts = 0, won = 0, lost = 0, savesMade = 0, savesLoaded = 0;
  std::set<int> variantsStarted;
  std::set<int> screensOpened;
  bool travelled = false, quickSaved = false;
  double largestTickMs = 0, largestTickWallMs = 0;
  std::string largestTickWhere;
  double memoryAtStart = 0, memoryAfterWarmUp = 0, memoryAtEnd = 0, memoryHighest = 0;

  const SoakOptions options;
  std::mt19937 random;
  std::chrono::steady_clock::time_point begun;
  double ElapsedSeconds() const;
  void Report() const;
  void WriteReplay(const std::string& path) const;
  std::string ReplayPath() const;

 private:
  void Start();
  void Tick(const char* after);
  bool DoInput(const SoakInput& input);
  void CheckClosedByPlayer(const SoakInput& input);
  void AfterTick(const char* after, double cpuMs, double wallMs, bool countsAsPlay);
  void WatchLog(bool starting);
  void SaveWritten(const std::string& name, bool quick);
  void SaveLoaded(const std::string& name, bool atStart);
  void SampleMemory();
  std::string SaveFile(const std::string& name) const;

  std::unique_ptr<Harness> harness_;
  std::string playerFolder_;
  std::string fault_;
  std::deque<std::string> lastInputs_;  // the last 50
  std::deque<std::string> lastLog_;     // the program's last log lines
  // The saves written, by lower-case name: a hash of their record file (a
  // copy of each would weigh in the memory measured).
  std::map<std::string, size_t> savedHashes_;
  std::string quickSaveBytes_;
  int hourglassMs_ = 0;
  bool wasWon_ = false, wasLost_ = false;
  int lastVariant_ = 0;
  int secondsFiredBefore_ = 0;
  bool secondsFiredThisTick_ = false;
  std::map<int, double> memoryBaseline_;  // by loaded word count
  size_t variantsAtMark_ = 0;
  bool pressedSinceStart_ = false, quitPageOpen_ = false;
};

// Plays one step: a random input or a steered move towards what the run has
// not yet done (a variant, a page, travel, a save, a load, a quick save).
void PlayOneStep(Soak& soak);
