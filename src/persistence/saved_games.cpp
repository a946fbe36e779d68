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
#include "persistence/quick_save.h"
#include "persistence/save_pairs.h"
#include "persistence/saved_record_check.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "state/game_state.h"
#include "state/puzzle_code.h"
#include "state/variants.h"
#include "display/resets.h"
#include "words/player_lists.h"

namespace {

template <typename Record>
void Append(std::string& bytes, const Record& record) {
  bytes.append(reinterpret_cast<const char*>(&record), sizeof(Record));
}

// A word list longer than any game makes is refused before it is read.
constexpr long long kMostWordListBytes = 1 << 20;
constexpr size_t kMostWordListLines = 60000;

WordListCheck wordListCheck = nullptr;

// The word list beside a sound record, checked against the record's note and
// against what the record's game needs; false with `why` when it does not fit.
bool ReadWordList(const std::string& path, const std::string& record, const SavedImage& image, bool& present,
                  std::vector<std::string>& lines, std::string& why) {
  const std::string base = path.substr(0, path.size() - 3);
  present = FileExists(path + "2");
  const long long size = present ? FileSize(path + "2") : 0;
  std::string bytes;
  if (size > kMostWordListBytes) why = "liste de mots de " + std::to_string(size) + " octets";
  else if (present && (!ReadBinary(path + "2", bytes) || !ReadLines(path + "2", lines))) why = "liste de mots illisible";
  else if (lines.size() > kMostWordListLines) why = "liste de " + std::to_string(lines.size()) + " mots";
  else if (!SavePairMatchesNote(base, record, bytes, why)) return false;
  else if (wordListCheck && !wordListCheck(image, present, lines, why)) return false;
  else return true;
  return false;
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

// Beside the records, in a file of its own so that the records keep their
// layout and older saves (without it) still load: the puzzle's code, and the
// day of a puzzle of the day with 1 when this game holds the day's record.
// A game on a player's list adds a line naming the list's file, which
// readers that know no lists pass over. So is the line of the helps used
// ("aides" hints checks searches penalty seconds): a save without it loads
// with none.
constexpr const char* kListLine = "liste ";
constexpr const char* kHelpsLine = "aides ";

std::string PuzzleLines() {
  std::vector<std::string> lines = {PuzzleCode(), "defi " + std::to_string(G.dailyDay) + " " + (G.dailyRecording ? "1" : "0")};
  if (!LoadedPlayerListFile().empty()) lines.push_back(kListLine + LoadedPlayerListFile());
  const HelpTally& h = G.helps;
  if (!(h == HelpTally{}))
    lines.push_back(kHelpsLine + std::to_string(h.hints) + " " + std::to_string(h.checks) + " " +
                    std::to_string(h.searches) + " " + std::to_string(h.penaltySeconds));
  return LinesText(lines);
}

// The helps of the save's game; a damaged line counts as none.
HelpTally ReadHelpsLine(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    if (line.rfind(kHelpsLine, 0) != 0) continue;
    HelpTally h;
    const bool read =
        std::sscanf(line.c_str(), "aides %d %d %d %d", &h.hints, &h.checks, &h.searches, &h.penaltySeconds) == 4;
    if (read && h.hints >= 0 && h.checks >= 0 && h.searches >= 0 && h.penaltySeconds >= 0) return h;
    LogProblem("sauvegarde : ligne des aides abîmée, passée");
  }
  return HelpTally{};
}


// The code is taken back only for the board it was written for.
void ReadPuzzleLines(const std::string& path) {
  G.puzzleSeedKnown = false;
  std::vector<std::string> lines;
  if (!FileExists(path) || !ReadLines(path, lines) || lines.empty()) return;
  G.helps = ReadHelpsLine(lines);
  PuzzleKey key;
  if (ReadPuzzleCode(lines[0], key) != CodeFault::None || key.variant != static_cast<int>(G.currentVariant)) return;
  // A board saved half built goes on building from another draw: no longer
  // the code's board.
  if (!G.boardReady) return;
  G.puzzleSeed = key.seed;
  G.puzzleSeedKnown = true;
  int day = 0, recording = 0;
  if (lines.size() > 1 && std::sscanf(lines[1].c_str(), "defi %d %d", &day, &recording) == 2) {
    G.dailyDay = day;
    G.dailyRecording = recording == 1;
  }
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
  G.cursorShape = kCursorDefault;
  G.typedText.clear();
}

}  // namespace

std::string SavedListFile(const std::string& name) {
  std::vector<std::string> lines;
  const std::string path = DataFolderPrefix() + "SAVE\\" + name + ".sa3";
  if (!IsSafeFileName(name + ".sa3") || !FileExists(path) || !ReadLines(path, lines, 4096)) return "";
  for (const std::string& line : lines)
    if (line.rfind(kListLine, 0) == 0) return line.substr(std::string(kListLine).size());
  return "";
}

void SetWordListCheck(WordListCheck check) { wordListCheck = check; }

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
  const bool saved = IsSafeFileName(base + ".sa1") &&
                     WriteSavePair(DataFolderPrefix() + "SAVE\\" + base, bytes, LinesText(G.wordList), PuzzleLines());
  if (!saved) {
    LogProblem("sauvegarde impossible : " + path);
    // The quick save is followed by leaving: the player must know the game stays.
    ShowTimedMessage(2, 520, Comment(quick ? 95 : 63));
    return false;
  }
  AddEntry(listSaves, name);
  ShowTimedMessage(2, 520, Comment(61));
  if (!quick) EndResumedQuickSave();
  return true;
}

void LoadGame(const std::string& name) {
  if (G.letterFlying) return;
  const std::string path = DataFolderPrefix() + "SAVE\\" + name + ".sa";
  if (!IsSafeFileName(name + ".sa1")) {
    // A file the system let through with a separator or a control character
    // in its name: listed, but never opened; the player is told why.
    ShowTimedMessage(2, 520, "Sauvegarde au nom inutilisable : " + name);
    return;
  }
  if (!FileExists(path + "1")) {
    ResetGame();
    ResetBoard();
    return;
  }
  Log("chargement de sauvegarde : " + path);
  // Everything is checked before anything changes: a damaged save leaves the
  // game in progress as it was.
  std::string bytes, why = "lecture impossible";
  std::unique_ptr<SavedImage> image;
  std::vector<std::string> lines;
  bool haveLines = false;
  const long long size = FileSize(path + "1");
  if (size > static_cast<long long>(sizeof(SavedImage))) why = "taille " + std::to_string(size);
  else if (ReadBinary(path + "1", bytes)) image = CheckedSavedImage(bytes, why);
  if (image && !ReadWordList(path, bytes, *image, haveLines, lines, why)) image.reset();
  if (!image) {
    LogProblem("sauvegarde illisible : " + path + "1 (" + why + ")");
    const bool quick = SameTextNoCase(name, "Boss");
    if (quick) SetSavePairAside(path.substr(0, path.size() - 3));
    ShowTimedMessageAfterSplash(2, 520, Comment(quick ? 94 : 93));
    return;
  }
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
  ReadPuzzleLines(path + "3");
  LeaveResumedQuickSave();  // another game: the quick save stays for the next start
  ShowTimedMessage(2, 520, Comment(62));
  if (Variant(G.currentVariant).game != Game::None) ChargeAide(static_cast<uint8_t>(G.currentVariant));
  if (G.travelMapShowing) LoadBackground(51);
}
