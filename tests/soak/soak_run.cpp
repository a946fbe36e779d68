// SPDX-License-Identifier: GPL-3.0-or-later
// The soak's program under test and its invariants: the harness restarted
// on one player folder, every tick timed, the log watched for saves and
// loads, the page, the hourglass and the memory checked.
#include <malloc.h>
#include <time.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sstream>

#include "app/program.h"
#include "platform/page.h"
#include "state/forms.h"
#include "state/game_state.h"
#include "persistence/saved_record_check.h"
#include "platform/file_chooser.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "soak/soak.h"
#include "words/word_store.h"

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's count of the bytes the program holds (its header is not
// shipped with every compiler).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace fs = std::filesystem;

namespace {

// Bytes of heap in use: the sanitizer's own count under AddressSanitizer
// (which has no mallinfo), else the C library's.
double MemoryInUse() {
#if defined(__SANITIZE_ADDRESS__)
  return static_cast<double>(__sanitizer_get_current_allocated_bytes());
#else
  const struct mallinfo2 info = mallinfo2();
  return static_cast<double>(info.uordblks + info.hblkhd);
#endif
}

// A tick's cost: the processor time of this thread, which the other programs
// of a shared machine do not inflate, and the real time, which also counts
// what the tick waited for (a disk).
struct Stopwatch {
  timespec cpu0{};
  std::chrono::steady_clock::time_point wall0 = std::chrono::steady_clock::now();
  Stopwatch() { clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu0); }
  double CpuMs() const {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return (now.tv_sec - cpu0.tv_sec) * 1e3 + (now.tv_nsec - cpu0.tv_nsec) / 1e6;
  }
  double WallMs() const {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wall0).count();
  }
};

constexpr size_t kMain = sizeof(BoardRecord);
constexpr size_t kClock = sizeof(BoardRecord) + sizeof(MainRecord) + sizeof(TravelRecord);

struct Span {
  size_t at, size;
  const char* name;
};

// The fields a frame changes after a save or a load in the same tick: the
// pointer's hover, the cursor and the click the frame consumes; the player's
// folder and name, which a load keeps; the input a load forgets.
const Span kFrameFields[] = {
    {kMain + offsetof(MainRecord, playerName), 101, "playerName"},
    {kMain + offsetof(MainRecord, listScrollHeld), 1, "listScrollHeld"},
    {kMain + sizeof(MainRecord) + offsetof(TravelRecord, travelMapClicked), 1, "travelMapClicked"},
    {kMain + offsetof(MainRecord, hoverHot), 1, "hoverHot"},
    {kMain + offsetof(MainRecord, cursorShape), 2, "cursorShape"},
    {kMain + offsetof(MainRecord, clickPending), 4, "clickPending"},
    {kMain + offsetof(MainRecord, commentaryText) + 50 * 101, 101, "commentary 51"},
};

std::string WhereIn(size_t at) {
  std::ostringstream out;
  if (at < kMain) out << "board+" << at;
  else if (at < kMain + sizeof(MainRecord)) out << "main+" << (at - kMain);
  else if (at < kClock) out << "travel+" << (at - kMain - sizeof(MainRecord));
  else out << "clock+" << (at - kClock);
  return out.str();
}

// The first byte where the state differs from a save file, outside the
// frame's own fields (and the clock when it ticked in that frame); "" when
// none.
std::string Difference(const std::string& file, const std::string& state, bool skipClock) {
  if (file.size() != state.size()) return "size " + std::to_string(file.size());
  for (size_t i = 0; i < file.size(); ++i) {
    if (file[i] == state[i]) continue;
    bool masked = skipClock && i >= kClock;
    for (const Span& s : kFrameFields) masked = masked || (i >= s.at && i < s.at + s.size);
    if (!masked) return WhereIn(i);
  }
  return "";
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

std::string SoakInput::Line() const {
  switch (kind) {
    case Move: return "move " + std::to_string(x) + " " + std::to_string(y);
    case Press: return "press " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(button);
    case Release: return "release " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(button);
    case Key: return "key " + std::to_string(key);
    case Text: return "text " + text;
    case Wait: return "wait " + std::to_string(ms);
    case Restart: return "restart";
  }
  return "";
}

bool SoakInput::Parse(const std::string& line, SoakInput& out) {
  std::istringstream in(line);
  std::string word;
  in >> word;
  out = SoakInput{};
  if (word == "move") out.kind = Move, in >> out.x >> out.y;
  else if (word == "press") out.kind = Press, in >> out.x >> out.y >> out.button;
  else if (word == "release") out.kind = Release, in >> out.x >> out.y >> out.button;
  else if (word == "key") out.kind = Key, in >> out.key;
  else if (word == "text") out.kind = Text, out.text = line.size() > 5 ? line.substr(5) : "";
  else if (word == "wait") out.kind = Wait, in >> out.ms;
  else if (word == "restart") out.kind = Restart;
  else return false;
  return !in.fail() || out.kind == Text || out.kind == Restart;
}

Soak::Soak(const SoakOptions& o) : options(o), random(o.seed), begun(std::chrono::steady_clock::now()) {
  playerFolder_ = MakeTempFolder("soak-player", false);
  // The import buttons' file chooser: cancelled, a head, a background, or a
  // file that is no picture.
  SetFileChooserStandIn([this](const FileChoice&) -> std::string {
    const char* answers[] = {"", "", "/bitmaps/tete/Chat.bmp", "/bitmaps/background/0000.jpg", "/bin/pays.txt"};
    const std::string answer = answers[random() % 5];
    return answer.empty() ? answer : GAME_DIR + answer;
  });
  Start();
  memoryAtStart = memoryHighest = MemoryInUse();
}

Soak::~Soak() {
  harness_.reset();
  SetFileChooserStandIn(nullptr);
  std::error_code ignored;
  if (!Faulted()) fs::remove_all(playerFolder_, ignored);
}

double Soak::ElapsedSeconds() const {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - begun).count();
}

bool Soak::ProgramClosed() const { return Form1.closed; }

// A save's record file, as the program names it (Latin-1, backslashes).
std::string Soak::SaveFile(const std::string& name) const { return playerFolder_ + "SAVE\\" + name + ".sa1"; }

// A program on the same player folder, as the player starts it again; a
// quick save left by the last one must be resumed (it stays on disk until
// the resumed game ends), set aside, or removed as already counted.
void Soak::Start() {
  const bool quickSaveLeft = FileExists(SaveFile("Boss"));
  harness_.reset();
  HarnessOptions ho{.realData = true, .startTick = 100000 + static_cast<uint32_t>(random() % 1000000),
                    .seed = static_cast<uint32_t>(random())};
  harness_ = std::make_unique<Harness>(ho);
  harness_->dataPrefix = playerFolder_;
  if (!harness_->Start()) {
    Fault("the program did not start");
    return;
  }
  secondsFiredBefore_ = TimersFired().seconds;
  wasWon_ = G.gameWon;
  wasLost_ = G.gameLost;
  lastVariant_ = G.gameTitle.empty() ? 0 : static_cast<int>(G.currentVariant);
  hourglassMs_ = 0;
  WatchLog(true);
  pressedSinceStart_ = false;
  if (Form1.closed) Fault("the program ended by itself as it started");
  if (quickSaveLeft && FileExists(SaveFile("Boss")) && !G.quickSaveResumed) Fault("the quick save was not resumed and is still there");
}

void Soak::Fault(const std::string& what) {
  if (fault_.empty()) fault_ = what;
}

void Soak::Tick(const char* after) {
  const Stopwatch watch;
  harness_->Tick();
  AfterTick(after, watch.CpuMs(), watch.WallMs(), true);
}

bool Soak::Do(const SoakInput& input) {
  lastInputs_.push_back(input.Line());
  if (lastInputs_.size() > 50) lastInputs_.pop_front();
  if (input.kind == SoakInput::Restart) {
    ++restarts;
    Start();
    return !Faulted();
  }
  if (Form1.closed) return false;
  if (input.kind == SoakInput::Press) pressedSinceStart_ = true;
  quitPageOpen_ = G.currentScreen == 100;
  const bool done = DoInput(input);
  if (Form1.closed) CheckClosedByPlayer(input);
  return done;
}

// The program may close only when the player asked: the quit page was open,
// or the pointer of a press since the start is on save-and-quit. Any other
// close (a start that replays the click that saved, a routine giving up)
// locks the player out.
void Soak::CheckClosedByPlayer(const SoakInput& input) {
  const bool onSaveAndQuit = pressedSinceStart_ && 730 < G.mousePos.x && G.mousePos.x < 778 && 15 < G.mousePos.y &&
                             G.mousePos.y < 63;
  if (!quitPageOpen_ && !onSaveAndQuit) Fault("the program ended by itself after " + input.Line());
}

bool Soak::DoInput(const SoakInput& input) {
  Harness& h = *harness_;
  const std::string titleBefore = G.gameTitle.str();
  const bool builtBefore = G.boardReady || G.gameTitle.empty();
  const Stopwatch watch;
  switch (input.kind) {
    case SoakInput::Move: h.MoveTo(input.x, input.y); break;
    case SoakInput::Press: h.Press(input.x, input.y, input.button); break;
    case SoakInput::Release: h.Release(input.x, input.y, input.button); break;
    case SoakInput::Key: h.Key(input.key); break;
    case SoakInput::Text: h.TypeText(input.text); break;
    case SoakInput::Wait:
    case SoakInput::Restart: break;
  }
  if (input.kind == SoakInput::Wait) {
    for (int t = 0; t < input.ms && !Form1.closed && !Faulted(); t += 10) Tick("wait");
    return !Faulted() && !Form1.closed;
  }
  // The event and the frame after it, timed together: a handler's work
  // stalls the loop as a tick's does.
  if (!Form1.closed) harness_->Tick();
  // A variant started, or a board still being built, is no play yet.
  const bool play = builtBefore && titleBefore == G.gameTitle.str() && (G.boardReady || G.gameTitle.empty());
  AfterTick(input.Line().c_str(), watch.CpuMs(), watch.WallMs(), play);
  return !Faulted() && !Form1.closed;
}

void Soak::AfterTick(const char* after, double cpuMs, double wallMs, bool countsAsPlay) {
  const int fired = TimersFired().seconds;
  secondsFiredThisTick_ = fired != secondsFiredBefore_;
  secondsFiredBefore_ = fired;
  const bool building = !G.boardReady && !G.gameTitle.empty();
  if (countsAsPlay && !building && !Form1.closed) {
    const std::string where = std::string(after) + " (" +
                              (G.gameTitle.empty() ? "screen " + std::to_string(G.currentScreen) : G.gameTitle.str()) +
                              ")";
    if (cpuMs > largestTickMs) largestTickMs = cpuMs, largestTickWhere = where;
    if (wallMs > largestTickWallMs) largestTickWallMs = wallMs;
    if (cpuMs > options.tickLimitMs) Fault("a tick took " + std::to_string(cpuMs) + " ms after " + where);
    // Real time also counts the waits (a disk), but a busy machine stretches
    // it too: only ten times the limit is a fault.
    if (wallMs > 10 * options.tickLimitMs)
      Fault("a tick took " + std::to_string(wallMs) + " ms of real time after " + where);
  }
  WatchLog(false);
  if (Form1.closed) return;
  hourglassMs_ = G.cursorShape == -11 ? hourglassMs_ + 10 : 0;
  if (hourglassMs_ > 10000) Fault("the hourglass has shown for more than 10 s in " + G.gameTitle.str());
  if (G.gameWon && !wasWon_) ++won;
  if (G.gameLost && !wasLost_) ++lost;
  wasWon_ = G.gameWon;
  wasLost_ = G.gameLost;
  const int variant = G.gameTitle.empty() ? 0 : static_cast<int>(G.currentVariant);
  if (variant != lastVariant_ && variant >= 1 && variant <= 150) variantsStarted.insert(variant);
  lastVariant_ = variant;
  if (G.currentScreen >= 3) screensOpened.insert(static_cast<int>(G.currentScreen));
  if (G.travelMapShowing) travelled = true;
}

// The log tells what the frame did: a save listed ("Ajout de <name> à index
// n"), a save loaded ("chargement de sauvegarde : <path>.sa"). The lines are
// taken out, so none is missed when the log is full. At start the saved-games
// list is filled with the same "Ajout" lines: they are no saves.
void Soak::WatchLog(bool starting) {
  std::deque<std::string> lines;
  lines.swap(G.debugLog);
  for (const std::string& line : lines) {
    lastLog_.push_back(line);
    if (lastLog_.size() > 20) lastLog_.pop_front();
    const std::string body = line.substr(std::min<size_t>(line.size(), 12));  // after "DeBuG Info:>"
    const size_t index = body.rfind(" index ");
    if (!starting && body.rfind("Ajout de ", 0) == 0 && index != std::string::npos && index >= 11) {
      const std::string name = body.substr(9, index - 2 - 9);
      // The quick save lists the name of a named save (which may exist from
      // the same second) but writes "Boss", and the program closes.
      if (Form1.closed && FileExists(SaveFile("Boss"))) SaveWritten("Boss", true);
      else if (FileExists(SaveFile(name))) SaveWritten(name, false);
    }
    const std::string loading = "chargement de sauvegarde : ";
    if (body.rfind(loading, 0) == 0) {
      const size_t from = body.rfind('\\');
      const std::string name = body.substr(from + 1, body.size() - from - 1 - 3);  // without ".sa"
      SaveLoaded(name, starting);
    }
  }
}

// A save just written: the loader must take it, and it must hold the state
// of the frame that wrote it.
void Soak::SaveWritten(const std::string& name, bool quick) {
  ++savesMade;
  if (quick) quickSaved = true;
  std::string bytes;
  ReadBinary(SaveFile(name), bytes);
  std::string why;
  if (!CheckedSavedImage(bytes, why)) Fault("the loader refuses the save just written (" + why + "): " + name);
  const std::string diff = Difference(bytes, SavedRecords(), secondsFiredThisTick_);
  if (!diff.empty()) Fault("the save " + name + " differs from the state at " + diff);
  savedHashes_[Lower(name)] = std::hash<std::string>{}(bytes);
  if (quick) quickSaveBytes_ = bytes;
}

// A save loaded: the state is the saved one (at start, before any frame).
// The file on disk is the one checked when written, unless another hand
// changed it; the quick save, deleted once resumed, is kept in memory.
void Soak::SaveLoaded(const std::string& name, bool atStart) {
  ++savesLoaded;
  std::string bytes;
  if (SameTextNoCase(name, "Boss")) bytes = quickSaveBytes_;
  else ReadBinary(SaveFile(name), bytes);
  const auto known = savedHashes_.find(Lower(name));
  if (known == savedHashes_.end() || known->second != std::hash<std::string>{}(bytes)) return;
  const std::string diff = Difference(bytes, SavedRecords(), !atStart && secondsFiredThisTick_);
  if (!diff.empty()) Fault("the save " + name + " loaded back differs at " + diff);
}

bool Soak::CheckStep() {
  ++steps;
  if (Faulted()) return false;
  if (Form1.closed) return true;
  const Page& page = ThePage();
  if (kPageWidth != 800 || kPageHeight != 600 || page.pixels.size() != 800u * 600u) Fault("the page is not 800 x 600");
  if (!G.splashShowing && TimersFired().frames > 0) {
    bool oneColour = true;
    for (uint16_t p : page.pixels) oneColour = oneColour && p == page.pixels[0];
    if (oneColour) Fault("the page is all one colour");
  }
  SampleMemory();
  return !Faulted();
}

// Memory is compared between like moments: the game list, no game, the same
// word list loaded, no variant started for the first time since (a first
// start loads pictures, grids and help that stay). The first such moment
// after the warm-up (a sixth of the run) sets the mark; any later one must
// stay within 10 % of it.
void Soak::SampleMemory() {
  const double now = MemoryInUse();
  memoryAtEnd = now;
  if (now > memoryHighest) memoryHighest = now;
  const bool quiet = G.currentScreen == 1 && G.gameTitle.empty() && !G.travelMapShowing && !G.travelModeActive;
  if (!quiet || ElapsedSeconds() < options.seconds / 6) return;
  if (memoryAfterWarmUp == 0) memoryAfterWarmUp = now;
  if (variantsStarted.size() != variantsAtMark_) memoryBaseline_.clear();
  variantsAtMark_ = variantsStarted.size();
  auto [mark, first] = memoryBaseline_.emplace(wordLinesRead, now);
  if (!first && now > mark->second * 1.10)
    Fault("memory in use grew from " + std::to_string(mark->second / 1e6) + " MB to " + std::to_string(now / 1e6) +
          " MB");
}

std::string Soak::ReplayPath() const { return "soak-replay-" + std::to_string(options.seed) + ".txt"; }

void Soak::WriteReplay(const std::string& path) const {
  FILE* f = std::fopen(path.c_str(), "w");
  if (!f) return;
  std::fprintf(f, "# soak fault: %s\n# player folder kept: %s\nseed %u\nstep %ld\n# the last inputs:\n",
               fault_.empty() ? "(crash)" : fault_.c_str(), playerFolder_.c_str(), options.seed,
               Faulted() ? steps : steps + 1);
  for (const std::string& line : lastInputs_) std::fprintf(f, "%s\n", line.c_str());
  std::fprintf(f, "# the program's last log lines:\n");
  for (const std::string& line : lastLog_) std::fprintf(f, "# %s\n", line.c_str());
  std::fclose(f);
}

void Soak::Report() const {
  std::printf("soak: largest tick %.1f ms of processor time (%s), %.1f ms of real time\n", largestTickMs,
              largestTickWhere.c_str(), largestTickWallMs);
  std::printf("soak: memory in use %.1f MB at start, %.1f MB after warm-up, %.1f MB at the end, %.1f MB at most\n",
              memoryAtStart / 1e6, memoryAfterWarmUp / 1e6, memoryAtEnd / 1e6, memoryHighest / 1e6);
  std::printf("soak: pages opened %zu of 8, travelled %s, quick save %s\n", screensOpened.size(),
              travelled ? "yes" : "no", quickSaved ? "yes" : "no");
  std::printf(
      "soak: seed %u, %ld steps, %zu variants started, %d games won, %d lost, %d saves made, %d loaded, "
      "%d restarts, %d faults\n",
      options.seed, steps, variantsStarted.size(), won, lost, savesMade, savesLoaded, restarts, Faulted() ? 1 : 0);
  if (Faulted()) std::printf("soak: FAULT at step %ld: %s\n", steps, fault_.c_str());
  std::fflush(stdout);
}
