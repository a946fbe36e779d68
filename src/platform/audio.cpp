// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <map>

#include "platform/files.h"
#include "platform/paths.h"

namespace {

Backend backend = Backend::Headless;
bool mixerOpen = false;
std::map<int, Mix_Chunk*> chunks;  // SDL: loaded waves by slot
std::map<int, bool> headlessWaves;  // headless: slots holding a good file
std::vector<int> played;

// SDL_mixer has a single music stream, so the one player's piece lives here.
Mix_Music* music = nullptr;
bool musicStarted = false;

bool StartsWith(const std::string& path, const std::string& magic, long long cap, size_t offset = 0) {
  std::string bytes;
  return ReadBinary(path, bytes, cap) && bytes.size() >= offset + magic.size() && bytes.compare(offset, magic.size(), magic) == 0;
}

void FreeMusic() {
  if (music) {
    Mix_HaltMusic();
    Mix_FreeMusic(music);
  }
  music = nullptr;
  musicStarted = false;
}

// A piece that was started, is not paused and no longer plays has ended.
bool MusicStopped(bool paused) { return music && musicStarted && !paused && !Mix_PlayingMusic(); }

// Called on the sound thread when a piece stops: an event wakes the message
// loop, which may be sleeping at rest, so that the next piece starts at once.
void WakeTheLoop() {
  SDL_Event wake{};
  wake.type = SDL_USEREVENT;
  SDL_PushEvent(&wake);
}

}  // namespace

bool AudioFileTooLarge(const std::string& path, long long cap) { return FileSize(path) > cap; }

bool AudioInit(Backend requested) {
  backend = requested;
  if (requested == Backend::Headless || mixerOpen) return true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  // The pieces play through one synthesiser, chosen here: Timidity with the
  // freepats patches they are arranged for, which loads only the few patches
  // a piece uses. FluidSynth, which SDL_mixer would try first, keeps a whole
  // General MIDI soundfont in memory (up to 150 MB). The hint is read when
  // the MIDI back ends are loaded, so it goes before Mix_Init.
  SDL_SetHintWithPriority("SDL_MIXER_DISABLE_FLUIDSYNTH", "1", SDL_HINT_OVERRIDE);
  Mix_SetTimidityCfg("/etc/timidity/freepats.cfg");
  Mix_Init(MIX_INIT_MID);  // without MIDI support the music just fails to open
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  mixerOpen = true;
  Mix_HookMusicFinished(WakeTheLoop);
  return true;
}

bool AudioReady() { return backend == Backend::Headless || mixerOpen; }

void AudioShutdown() {
  if (mixerOpen) {
    FreeMusic();
    Mix_HaltChannel(-1);
    for (auto& [slot, chunk] : chunks) Mix_FreeChunk(chunk);
    chunks.clear();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  mixerOpen = false;
  headlessWaves.clear();
}

bool WaveLoad(int slot, const std::string& path) {
  if (backend == Backend::Headless) {
    bool good = FileExists(path) && !AudioFileTooLarge(path, kMostWaveBytes) &&
                StartsWith(path, "RIFF", kMostWaveBytes) && StartsWith(path, "WAVE", kMostWaveBytes, 8);
    headlessWaves[slot] = good;
    return good;
  }
  if (!mixerOpen) return false;
  const std::string real = ResolvePath(path);
  if (real.empty() || !FileExists(path) || AudioFileTooLarge(path, kMostWaveBytes)) return false;
  Mix_Chunk* chunk = Mix_LoadWAV(real.c_str());
  if (!chunk) return false;
  auto old = chunks.find(slot);
  if (old != chunks.end()) {
    Mix_HaltChannel(-1);  // a channel may still be playing the old sound
    Mix_FreeChunk(old->second);
  }
  chunks[slot] = chunk;
  return true;
}

bool WavePlay(int slot) {
  if (backend == Backend::Headless) {
    // Every request is recorded, loaded or not, so tests see what the game
    // asked for without wave files of their own.
    played.push_back(slot);
    auto it = headlessWaves.find(slot);
    return it != headlessWaves.end() && it->second;
  }
  if (!mixerOpen) return false;
  auto it = chunks.find(slot);
  return it != chunks.end() && Mix_PlayChannel(-1, it->second, 0) >= 0;
}

const std::vector<int>& WavesPlayed() { return played; }

void ClearWavesPlayed() { played.clear(); }

bool MusicPlayer::Open(const std::string& path) {
  paused_ = false;
  ended_ = false;
  // Opening replaces the piece, also when the new one cannot be opened: an
  // ended piece left open would ask for a new one on every tick.
  fileName.clear();
  if (backend == Backend::Headless) {
    if (!FileExists(path) || AudioFileTooLarge(path, kMostMusicBytes) || !StartsWith(path, "MThd", kMostMusicBytes))
      return false;
    fileName = path;
    return true;
  }
  FreeMusic();
  if (!mixerOpen) return false;
  const std::string real = ResolvePath(path);
  if (real.empty() || !FileExists(path) || AudioFileTooLarge(path, kMostMusicBytes)) return false;
  music = Mix_LoadMUS(real.c_str());
  if (!music) return false;
  fileName = path;
  return true;
}

bool MusicPlayer::Rewind() {
  if (fileName.empty()) return false;
  ended_ = false;
  if (backend == Backend::Headless) return true;
  if (!music) return false;
  // A piece not yet started begins at its start anyway.
  if (musicStarted && Mix_PlayingMusic()) Mix_RewindMusic();
  else musicStarted = false;
  return true;
}

bool MusicPlayer::Play() {
  if (fileName.empty()) return false;
  if (backend == Backend::Headless) {
    paused_ = false;
    return true;
  }
  if (!music) return false;
  if (musicStarted && paused_ && Mix_PlayingMusic()) {
    Mix_ResumeMusic();
  } else if (!musicStarted || !Mix_PlayingMusic()) {
    if (Mix_PlayMusic(music, 1) != 0) return false;
    musicStarted = true;
  }
  paused_ = false;
  return true;
}

bool MusicPlayer::Pause() {
  if (fileName.empty()) return false;
  paused_ = true;
  if (backend == Backend::Headless) return true;
  if (!music) return false;
  Mix_PauseMusic();
  return true;
}

int64_t MusicPlayer::Length() const {
  if (backend == Backend::Headless || !music) return 1;
  double seconds = Mix_MusicDuration(music);
  // Timidity cannot always tell; then the end shows as Position() reaching 1.
  return seconds > 0 ? static_cast<int64_t>(seconds * 1000) : 1;
}

int64_t MusicPlayer::Position() const {
  if (backend == Backend::Headless) return ended_ ? Length() : 0;
  if (!music) return 0;
  if (ended_ || MusicStopped(paused_)) return Length();
  double seconds = Mix_GetMusicPosition(music);
  int64_t position = seconds > 0 ? static_cast<int64_t>(seconds * 1000) : 0;
  // Only a piece that stopped counts as ended: a position that reads a
  // moment past the length must not start the next piece twice.
  return std::min(position, Length() - 1);
}
