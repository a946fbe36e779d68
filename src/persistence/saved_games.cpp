// SPDX-License-Identifier: GPL-3.0-or-later
// Saved games: the byte images of the four saved records, and the games'
// word list as text lines. The quick save "Boss" is resumed once at start.
#include "persistence/saved_games.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "display/assets.h"
#include "display/drawing.h"
#include "display/log.h"
#include "persistence/commentary.h"
#include "display/list_entries.h"
#include "persistence/saved_record_check.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "state/game_state.h"
#include "display/resets.h"

namespace {

template <typename Record>
void Append(std::string& bytes, const Record& record) {
  bytes.append(reinterpret_cast<const char*>(&record), sizeof(Record));
}

// A damaged quick save is kept aside under a name the saved-games list does
// not show, so that nothing of it is lost and it is not resumed again.
void SetAside(const std::string& path) {
  const std::time_t now = std::time(nullptr);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&now));
  for (const char* ending : {"1", "2"}) {
    const std::string real = ResolvePath(path + ending);
    if (FileExists(path + ending)) std::rename(real.c_str(), (real + ".endommage-" + stamp).c_str());
  }
}

// The day and the time, short enough for the saved-games list to show the
// game's title after them.
std::string DateAndTime() {
  const std::time_t now = std::time(nullptr);
  char text[32];
  std::strftime(text, sizeof text, "%d/%m %H:%M:%S", std::localtime(&now));
  return text;
}

// The player (cut to ten characters), the time and the game, as the list
// shows them (its line holds 43 characters).
std::string SaveName() {
  std::string name = G.playerName.str().substr(0, 10) + " " + DateAndTime() + " ";
  if (G.travelMapShowing || G.travelModeActive) name += Comment(60) + " ";
  name += ShortTitle(G.gameTitle.str());
  // The name becomes a file name: no separator or control character may
  // stay in it.
  return FileNameFrom(name);
}

// A save holds the input that was pending in the frame that wrote it: the
// click on save-and-quit itself, a held scroll button, a click on the map.
// Played again, the first frame of the next start would save and quit at
// once, at every start. Input belongs to the player at the keyboard now.
void ForgetPendingInput() {
  G.clickPending = 0;
  G.listScrollHeld = 0;
  G.travelMapClicked = 0;
  G.hoverHot = 0;
  G.cursorShape = 0;
  G.typedText.clear();
}

}  // namespace

std::string ShortTitle(const std::string& title) {
  std::vector<std::string> words;
  size_t at = 0;
  while (at < title.size()) {
    const size_t end = std::min(title.find(' ', at), title.size());
    if (end > at) words.push_back(title.substr(at, end - at));
    at = end + 1;
  }
  std::string out;
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& w = words[i];
    const bool afterCount = i > 0 && std::isdigit(static_cast<unsigned char>(words[i - 1].back()));
    const std::string upper = UpperCaseAscii(w);
    const bool unit = upper == "LETTRES" || upper == "MOTS" || upper == "MOT";
    if (w == "/" || (afterCount && unit)) continue;
    out += (out.empty() ? "" : " ") + w;
  }
  return out;
}

bool SaveGame(bool quick) {
  if (G.letterFlying) return false;
  const std::string name = SaveName();
  const std::string base = quick ? "Boss" : name;
  const std::string path = DataFolderPrefix() + "SAVE\\" + base + ".sa";
  std::string bytes;
  Append(bytes, static_cast<const BoardRecord&>(G));
  Append(bytes, static_cast<const MainRecord&>(G));
  Append(bytes, static_cast<const TravelRecord&>(G));
  Append(bytes, static_cast<const ClockRecord&>(G));
  // The word list is renamed into place first and the record last: a record
  // on disk always has its own word list beside it.
  const bool saved = IsSafeFileName(base + ".sa1") &&
                     WriteFilesTogether({{path + "2", LinesText(G.wordList)}, {path + "1", bytes}});
  if (!saved) {
    LogProblem("sauvegarde impossible : " + path);
    // The quick save is followed by leaving: the player must know the game stays.
    ShowTimedMessage(2, 520, Comment(quick ? 95 : 63));
    return false;
  }
  AddEntry(listSaves, name);
  ShowTimedMessage(2, 520, Comment(61));
  return true;
}

void LoadGame(const std::string& name) {
  if (G.letterFlying) return;
  const std::string path = DataFolderPrefix() + "SAVE\\" + name + ".sa";
  if (!IsSafeFileName(name + ".sa1") || !FileExists(path + "1")) {
    ResetGame();
    ResetBoard();
    return;
  }
  Log("chargement de sauvegarde : " + path);
  // Everything is checked before anything changes: a damaged save leaves the
  // game in progress as it was.
  std::string bytes, why = "lecture impossible";
  std::unique_ptr<SavedImage> image;
  if (ReadBinary(path + "1", bytes)) image = CheckedSavedImage(bytes, why);
  if (!image) {
    LogProblem("sauvegarde illisible : " + path + "1 (" + why + ")");
    const bool quick = SameTextNoCase(name, "Boss");
    if (quick) SetAside(path);
    ShowTimedMessageAfterSplash(2, 520, Comment(quick ? 94 : 93));
    return;
  }
  std::vector<std::string> lines;
  const bool haveLines = FileExists(path + "2") && ReadLines(path + "2", lines);
  ResetGame();
  ResetBoard();
  // The texts of the save come back, but the player's folder stays where the
  // save was found: a save made under another prefix would move it.
  // So does the player's name: the save keeps who played it, the settings
  // keep who plays now.
  const ShortString<100> prefix = G.commentaryText[50];
  const ShortString<100> player = G.playerName;
  static_cast<BoardRecord&>(G) = image->board;
  static_cast<MainRecord&>(G) = image->main;
  G.commentaryText[50] = prefix;
  G.playerName = player;
  ForgetPendingInput();
  static_cast<TravelRecord&>(G) = image->travel;
  static_cast<ClockRecord&>(G) = image->clock;
  if (haveLines) G.wordList = lines;
  ShowTimedMessage(2, 520, Comment(62));
  if (G.currentVariant >= 1 && G.currentVariant <= 150) ChargeAide(static_cast<uint8_t>(G.currentVariant));
  if (G.travelMapShowing) LoadBackground(51);
}
