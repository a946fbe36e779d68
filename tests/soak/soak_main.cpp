// SPDX-License-Identifier: GPL-3.0-or-later
// The soak program: `soak --seed S --seconds N` plays for N seconds of real
// time from seed S (a new seed from the clock when none is given, printed
// first); `soak --replay FILE` plays a replay file again. It ends with the
// report's final line and exits 1 at the first fault, writing the replay file
// (the seed, the step and the last 50 inputs).
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include "soak/soak.h"

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_UNDEFINED__)
#include <sanitizer/common_interface_defs.h>
#define SOAK_SANITIZED 1
#endif

namespace {

Soak* running = nullptr;

// A crash or a sanitizer report ends the process: the replay file is written
// on the way out.
void WriteReplayOnDeath() {
  if (!running) return;
  Soak* soak = running;
  running = nullptr;
  soak->WriteReplay(soak->ReplayPath());
  std::fprintf(stderr, "soak: died at step %ld, seed %u; replay file %s\n", soak->steps + 1, soak->options.seed,
               soak->ReplayPath().c_str());
}

void OnSignal(int signal) {
  WriteReplayOnDeath();
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

int Usage() {
  std::fprintf(stderr, "usage: soak [--seed S] [--seconds N] [--tick-limit MS] | soak --replay FILE\n");
  return 2;
}

// A replay file names the seed and the step of its fault: the run is played
// again from that seed up to that step. A file of inputs alone is fed as it
// stands to a fresh program.
bool ReadReplay(const std::string& path, SoakOptions& options, std::vector<SoakInput>& inputs) {
  std::ifstream in(path);
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    if (line.rfind("seed ", 0) == 0) options.seed = static_cast<uint32_t>(std::strtoul(line.c_str() + 5, nullptr, 10));
    else if (line.rfind("step ", 0) == 0) options.maxSteps = std::strtol(line.c_str() + 5, nullptr, 10);
    else if (SoakInput input; SoakInput::Parse(line, input)) inputs.push_back(input);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  SoakOptions options;
  options.seed = static_cast<uint32_t>(std::time(nullptr));
#ifdef SOAK_SANITIZED
  options.tickLimitMs = 500;
#endif
  std::string replay;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--seed" && hasValue) options.seed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
    else if (arg == "--seconds" && hasValue) options.seconds = std::atof(argv[++i]);
    else if (arg == "--tick-limit" && hasValue) options.tickLimitMs = std::atof(argv[++i]);
    else if (arg == "--replay" && hasValue) replay = argv[++i];
    else return Usage();
  }
  std::vector<SoakInput> inputs;
  if (!replay.empty()) {
    options.seed = 0;
    if (!ReadReplay(replay, options, inputs)) return Usage();
    if (options.maxSteps >= 0) inputs.clear();
    options.seconds = 1e9;
  }
  std::printf("soak: seed %u, %.0f s, tick limit %.0f ms\n", options.seed, options.seconds, options.tickLimitMs);
  std::fflush(stdout);

  Soak soak(options);
  running = &soak;
#ifdef SOAK_SANITIZED
  __sanitizer_set_death_callback(WriteReplayOnDeath);
#endif
  for (int signal : {SIGSEGV, SIGABRT, SIGFPE, SIGILL, SIGBUS}) std::signal(signal, OnSignal);

  double nextProgress = 300;
  if (!inputs.empty()) {
    for (const SoakInput& input : inputs) {
      if (input.kind != SoakInput::Restart && soak.ProgramClosed()) break;
      soak.Do(input);
      if (!soak.CheckStep()) break;
    }
  } else {
    while (!soak.Faulted() && soak.ElapsedSeconds() < options.seconds) {
      if (options.maxSteps >= 0 && soak.steps >= options.maxSteps) break;
      PlayOneStep(soak);
      if (!soak.CheckStep()) break;
      if (soak.ElapsedSeconds() >= nextProgress) {
        nextProgress += 300;
        std::printf("soak: %.0f s, %ld steps, %zu variants, memory %.1f MB, largest tick %.1f ms\n",
                    soak.ElapsedSeconds(), soak.steps, soak.variantsStarted.size(), soak.memoryAtEnd / 1e6,
                    soak.largestTickMs);
        std::fflush(stdout);
      }
    }
  }
  running = nullptr;
  if (soak.Faulted()) {
    soak.WriteReplay(soak.ReplayPath());
    std::printf("soak: replay file %s\n", soak.ReplayPath().c_str());
  }
  soak.Report();
  return soak.Faulted() ? 1 : 0;
}
