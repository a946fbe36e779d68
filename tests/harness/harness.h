// SPDX-License-Identifier: GPL-3.0-or-later
// The headless harness: the whole program on the headless back end, with a
// fake clock and a seeded generator, in a temporary program folder with a
// temporary player-data prefix. Tests feed mouse and key events, run ticks,
// then read the shared state and the page's pixels.
#pragma once
#include <cstdint>
#include <string>

struct HarnessOptions {
  // Link the built data folders (bitmaps, bin, aide, music, Sons, txt) into
  // the program folder; otherwise the folder starts empty but for a small
  // commentary file.
  bool realData = false;
  uint32_t startTick = 100000;
  uint32_t seed = 12345;
};

class Harness {
 public:
  explicit Harness(HarnessOptions options = {});
  ~Harness();
  Harness(const Harness&) = delete;
  Harness& operator=(const Harness&) = delete;

  std::string programDir;  // real folder, with a trailing '/'
  std::string dataPrefix;  // real folder, with a trailing '/'

  // Writes a file (bytes as given) under the program folder; folders made.
  void WriteProgramFile(const std::string& relativePath, const std::string& bytes);
  // Commentary entries written to txt/Commentaires.dta before Start (the
  // small file the harness writes when not using the real data).
  void SetComment(int n, const std::string& text);

  // Program entry, initialisation sequence and first activation.
  bool Start();
  // Advances the clock by `ms` in 10 ms steps, handling queued events and
  // firing the due timers at each step.
  void Run(uint32_t ms);
  // One frame: 10 ms later, events handled, timers fired.
  void Tick(int frames = 1);
  void MoveTo(int x, int y);
  void Press(int x, int y, int button = 1);
  void Release(int x, int y, int button = 1);
  // Press and release with a tick in between, as a player's click.
  void Click(int x, int y, int button = 1);
  void Key(int virtualKey);
  void Type(const std::string& keys);  // letters, digits, space
  // Text as the desktop types it (UTF-8, any layout), in one text event.
  void TypeText(const std::string& utf8);
  // Queues a window close request.
  void CloseWindow();

  uint32_t Pixel(int x, int y) const;  // as a Windows colour value
  uint16_t Pixel565(int x, int y) const;
  bool LogHas(const std::string& fragment) const;

 private:
  std::string root_;
  std::string comments_[500];
  bool commentsSet_[500] = {};
  HarnessOptions options_;
};

// The four saved records of the state, one after the other, as a save
// writes them.
std::string SavedRecords();

// A fresh temporary folder with a trailing '/', removed when the test
// program ends unless `removeAtExit` is false.
std::string MakeTempFolder(const std::string& tag, bool removeAtExit = true);
void WriteFileBytes(const std::string& realPath, const std::string& bytes);
std::string ReadFileBytes(const std::string& realPath);

// How many boards a builder's self-test makes of each variant: a hundred, and
// fewer in the sanitizer build, where a build is five to ten times slower
// and what is sought is a memory fault, not a rare board.
#ifndef LETTRARIUM_SELF_TEST_BUILDS
#define LETTRARIUM_SELF_TEST_BUILDS 100
#endif
constexpr int kSelfTestBuilds = LETTRARIUM_SELF_TEST_BUILDS;
