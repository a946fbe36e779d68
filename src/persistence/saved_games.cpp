// Saved games: the byte images of the four saved records, and the games'
// word list as text lines. The quick save "Boss" is resumed once at start.
#include "persistence/saved_games.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <string>
#include <vector>

#include "display/assets.h"
#include "display/drawing.h"
#include "display/log.h"
#include "persistence/commentary.h"
#include "persistence/list_entries.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "shell/game_state.h"
#include "shell/resets.h"

namespace {

constexpr size_t kSaveSize = sizeof(BoardRecord) + sizeof(MainRecord) + sizeof(TravelRecord) + sizeof(ClockRecord);
static_assert(kSaveSize == 70823);

template <typename Record>
void Append(std::string& bytes, const Record& record) {
  bytes.append(reinterpret_cast<const char*>(&record), sizeof(Record));
}

template <typename Record>
void Take(const std::string& bytes, size_t& at, Record& record) {
  bytes.copy(reinterpret_cast<char*>(&record), sizeof(Record), at);
  at += sizeof(Record);
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
  // The name becomes a file name: no separator may stay in it.
  for (char& c : name)
    if (c == '/' || c == ':' || c == '\\') c = '-';
  return name;
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

void SaveGame(bool quick) {
  if (G.letterFlying) return;
  const std::string name = SaveName();
  const std::string base = quick ? "Boss" : name;
  const std::string path = DataFolderPrefix() + "SAVE\\" + base + ".sa";
  std::string bytes;
  Append(bytes, static_cast<const BoardRecord&>(G));
  Append(bytes, static_cast<const MainRecord&>(G));
  Append(bytes, static_cast<const TravelRecord&>(G));
  Append(bytes, static_cast<const ClockRecord&>(G));
  const bool saved = IsSafeFileName(base + ".sa1") && WriteBinary(path + "1", bytes) && WriteLines(path + "2", G.wordList);
  if (!saved) {
    ShowTimedMessage(2, 520, Comment(63));
    return;
  }
  AddEntry(listSaves, name);
  ShowTimedMessage(2, 520, Comment(61));
}

void LoadGame(const std::string& name) {
  if (G.letterFlying) return;
  ResetGame();
  ResetBoard();
  const std::string path = DataFolderPrefix() + "SAVE\\" + name + ".sa";
  if (!IsSafeFileName(name + ".sa1") || !FileExists(path + "1")) return;
  Log("chargement de sauvegarde : " + path);
  std::string bytes;
  // A file of another size is not one of our saves: reading it would mix its
  // bytes into the state.
  if (!ReadBinary(path + "1", bytes) || bytes.size() != kSaveSize) {
    Log("sauvegarde illisible : " + path + "1");
    return;
  }
  // The texts of the save come back, but the player's folder stays where the
  // save was found: a save made under another prefix would move it.
  const ShortString<100> prefix = G.commentaryText[50];
  size_t at = 0;
  Take(bytes, at, static_cast<BoardRecord&>(G));
  Take(bytes, at, static_cast<MainRecord&>(G));
  G.commentaryText[50] = prefix;
  Take(bytes, at, static_cast<TravelRecord&>(G));
  Take(bytes, at, static_cast<ClockRecord&>(G));
  if (FileExists(path + "2")) {
    std::vector<std::string> lines;
    if (ReadLines(path + "2", lines)) G.wordList = lines;
  }
  ShowTimedMessage(2, 520, Comment(62));
  if (G.currentVariant >= 1 && G.currentVariant <= 150) ChargeAide(static_cast<uint8_t>(G.currentVariant));
  if (G.travelMapShowing) LoadBackground(51);
}
