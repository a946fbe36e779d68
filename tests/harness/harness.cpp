// SPDX-License-Identifier: GPL-3.0-or-later
#include "harness/harness.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/colour.h"
#include "platform/page.h"
#include "platform/screen.h"
#include "platform/utf8.h"
#include "state/forms.h"
#include "state/game_state.h"
#include "app/program.h"

namespace fs = std::filesystem;

namespace {
// The folders to remove when the test program ends, so that runs of the
// suite leave nothing behind in /tmp.
struct FoldersToRemove {
  std::vector<std::string> paths;
  ~FoldersToRemove() {
    std::error_code ignored;
    for (const std::string& path : paths) fs::remove_all(path, ignored);
  }
};
FoldersToRemove foldersToRemove;
}  // namespace

std::string MakeTempFolder(const std::string& tag, bool removeAtExit) {
  std::string pattern = (fs::temp_directory_path() / ("lettrarium-" + tag + "-XXXXXX")).string();
  char* made = mkdtemp(pattern.data());
  if (made && removeAtExit) foldersToRemove.paths.push_back(made);
  return std::string(made ? made : pattern.c_str()) + "/";
}

void WriteFileBytes(const std::string& realPath, const std::string& bytes) {
  fs::create_directories(fs::path(realPath).parent_path());
  std::ofstream out(realPath, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadFileBytes(const std::string& realPath) {
  std::ifstream in(realPath, std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

std::string SavedRecords() {
  std::string bytes;
  auto add = [&bytes](const void* record, size_t size) { bytes.append(static_cast<const char*>(record), size); };
  add(&static_cast<const BoardRecord&>(G), sizeof(BoardRecord));
  add(&static_cast<const MainRecord&>(G), sizeof(MainRecord));
  add(&static_cast<const TravelRecord&>(G), sizeof(TravelRecord));
  add(&static_cast<const ClockRecord&>(G), sizeof(ClockRecord));
  return bytes;
}

Harness::Harness(HarnessOptions options) : options_(options) {
  root_ = MakeTempFolder("harness", false);  // the destructor removes it
  programDir = root_ + "game/";
  dataPrefix = root_ + "player/";
  fs::create_directories(programDir + "txt");

  ClearGameState();
  Form1 = TForm1{};
  Form2 = TForm2{};
  FormCreateur = TFormCreateur{};
  ResetTimers();
  ClearWavesPlayed();
  UseFakeClock(options.startTick);
  SetRandSeed(options.seed);
  InputEvent drop{};
  while (ScreenPollEvent(drop)) {
  }
  if (options.realData) {
    const fs::path game = GAME_DIR;
    for (const char* folder : {"bitmaps", "bin", "aide", "music", "Sons"}) {
      if (fs::exists(game / folder)) fs::create_directory_symlink(game / folder, programDir + folder);
    }
    if (fs::exists(game / "txt"))
      for (const auto& entry : fs::directory_iterator(game / "txt"))
        fs::copy_file(entry.path(), programDir + "txt/" + entry.path().filename().string());
  }
}

Harness::~Harness() {
  if (!Form1.closed) Form1.Close();
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

void Harness::WriteProgramFile(const std::string& relativePath, const std::string& bytes) {
  WriteFileBytes(programDir + relativePath, bytes);
}

void Harness::SetComment(int n, const std::string& text) {
  comments_[n] = text;
  commentsSet_[n] = true;
}

// The commentary file: the real one (or none) with entry 51 pointing into
// the test's own player folder, and any entries the test set.
static std::string CommentaryWith(const std::string& original, const std::string comments[], const bool set[]) {
  std::stringstream in(original);
  std::string out, line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto eq = line.find('=');
    if (eq != std::string::npos && line.size() > 2 && (line[0] == 'T' || line[0] == 't')) {
      const int n = std::atoi(line.substr(2, eq - 2).c_str());
      if (n > 0 && n < 500 && set[n]) line = line.substr(0, eq + 1) + comments[n];
    }
    out += line + "\r\n";
  }
  return out;
}

bool Harness::Start() {
  SetComment(51, dataPrefix);
  const std::string path = programDir + "txt/Commentaires.dta";
  std::string original = ReadFileBytes(path);
  if (original.empty()) {
    original = "[COMMENTAIRES]\r\n";
    int last = 0;
    for (int n = 1; n < 500; ++n)
      if (commentsSet_[n]) last = n;
    for (int n = 1; n <= last; ++n) original += "Tx" + std::to_string(n) + "=Texte " + std::to_string(n) + "\r\n";
  }
  WriteFileBytes(path, CommentaryWith(original, comments_, commentsSet_));
  return StartProgram(Backend::Headless, programDir);
}

void Harness::Run(uint32_t ms) {
  for (uint32_t t = 0; t < ms; t += 10) Tick();
}

void Harness::Tick(int frames) {
  for (int i = 0; i < frames; ++i) {
    AdvanceFakeClock(10);
    ProcessEvents();
    RunDueTimers();
  }
}

void Harness::MoveTo(int x, int y) {
  InputEvent e{InputEvent::MouseMove};
  e.x = x;
  e.y = y;
  ScreenQueueEvent(e);
  ProcessEvents();
}

void Harness::Press(int x, int y, int button) {
  InputEvent e{InputEvent::MouseDown};
  e.x = x;
  e.y = y;
  e.button = button;
  ScreenQueueEvent(e);
  ProcessEvents();
}

void Harness::Release(int x, int y, int button) {
  InputEvent e{InputEvent::MouseUp};
  e.x = x;
  e.y = y;
  e.button = button;
  ScreenQueueEvent(e);
  ProcessEvents();
}

void Harness::Click(int x, int y, int button) {
  MoveTo(x, y);
  Tick();  // the hover is drawn, so hot buttons know the pointer is on them
  Press(x, y, button);
  Tick();
  Release(x, y, button);
}

void Harness::Key(int virtualKey) {
  InputEvent e{InputEvent::KeyDown};
  e.key = virtualKey;
  ScreenQueueEvent(e);
  ProcessEvents();
}

void Harness::Type(const std::string& keys) {
  for (char c : keys) Key(static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 32 : c));
}

void Harness::TypeText(const std::string& utf8) {
  InputEvent e{InputEvent::Text};
  e.text = Utf8ToLatin1(utf8);
  ScreenQueueEvent(e);
  ProcessEvents();
}

void Harness::CloseWindow() {
  ScreenQueueEvent(InputEvent{InputEvent::Quit});
  ProcessEvents();
}

uint16_t Harness::Pixel565(int x, int y) const { return ThePage().pixel(x, y); }
uint32_t Harness::Pixel(int x, int y) const { return FromRgb565(Pixel565(x, y)); }

bool Harness::LogHas(const std::string& fragment) const {
  for (const auto& line : G.debugLog)
    if (line.find(fragment) != std::string::npos) return true;
  return false;
}
