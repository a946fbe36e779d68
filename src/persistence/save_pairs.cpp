// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/save_pairs.h"

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "display/log.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace {

constexpr const char* kNoteHeader = "Lettrarium sauvegarde 1";
constexpr const char* kPending = ".nouveau";

std::string Checksum(const std::string& bytes) {
  uint64_t h = 1469598103934665603ull;  // FNV-1a
  for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ull;
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
  return text;
}

std::string NoteLine(const char* ending, const std::string& bytes) {
  return std::string(ending) + " " + std::to_string(bytes.size()) + " " + Checksum(bytes);
}

struct Note {
  bool present = false;
  std::string lines[3];  // the record's, the word list's and the puzzle code's (older notes lack it)
};

Note ReadNote(const std::string& base) {
  Note note;
  std::vector<std::string> lines;
  if (FileSize(base + ".sac") > 4096 || !ReadLines(base + ".sac", lines)) return note;
  if (lines.size() < 3 || lines[0] != kNoteHeader) {
    LogProblem("note de sauvegarde illisible : " + base + ".sac");
    return note;
  }
  note.present = true;
  note.lines[0] = lines[1];
  note.lines[1] = lines[2];
  if (lines.size() > 3) note.lines[2] = lines[3];
  return note;
}

// The file's content is the one the note line names.
bool FileMatches(const std::string& path, const char* ending, const std::string& noteLine) {
  const long long size = FileSize(path);
  std::string bytes;
  if (size < 0 || noteLine.find(" " + std::to_string(size) + " ") == std::string::npos) return false;
  return ReadBinary(path, bytes) && NoteLine(ending, bytes) == noteLine;
}

bool EndsWith(const std::string& s, const std::string& end) {
  return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

// Temporary names of the atomic writes (".tmp-XXXXXX", ".old-XXXXXX").
bool IsTemporaryName(const std::string& name) {
  for (const char* mark : {".tmp-", ".old-"}) {
    const size_t at = name.rfind(mark);
    if (at != std::string::npos && name.size() == at + 11) return true;
  }
  return false;
}

}  // namespace

bool WriteSavePair(const std::string& base, const std::string& record, const std::string& words,
                   const std::string& puzzle) {
  const std::string note = std::string(kNoteHeader) + "\r\n" + NoteLine("sa1", record) + "\r\n" +
                           NoteLine("sa2", words) + "\r\n" + NoteLine("sa3", puzzle) + "\r\n";
  // The folder is made again if it went while the program ran.
  ForceDirectories(base.substr(0, base.rfind('\\')));
  const bool written = WriteBinary(base + ".sa1" + kPending, record) &&
                       WriteBinary(base + ".sa2" + kPending, words) &&
                       WriteBinary(base + ".sa3" + kPending, puzzle) && WriteBinary(base + ".sac", note);
  if (!written) {
    for (const char* ending : {".sa1", ".sa2", ".sa3"}) RemoveFile(base + ending + kPending);
    return false;
  }
  // From here the new pair counts; a failed rename is finished at next start.
  return MoveFile(base + ".sa3" + kPending, base + ".sa3") && MoveFile(base + ".sa2" + kPending, base + ".sa2") &&
         MoveFile(base + ".sa1" + kPending, base + ".sa1");
}

bool SavePairMatchesNote(const std::string& base, const std::string& record, const std::string& words,
                         std::string& why) {
  const Note note = ReadNote(base);
  if (!note.present) return true;
  if (NoteLine("sa1", record) != note.lines[0]) why = "enregistrement différent de sa note";
  else if (NoteLine("sa2", words) != note.lines[1]) why = "liste de mots différente de sa note";
  else return true;
  return false;
}

std::string SavePairStamp(const std::string& base) {
  std::string record;
  if (FileSize(base + ".sa1") > (1 << 20) || !ReadBinary(base + ".sa1", record)) return "";
  return Checksum(record);
}

bool RemoveSavePair(const std::string& base) {
  if (!RemoveFile(base + ".sa1")) return false;
  RemoveFile(base + ".sa2");
  RemoveFile(base + ".sa3");  // the puzzle's code, absent from older saves
  RemoveFile(base + ".sac");
  return true;
}

void SetSavePairAside(const std::string& base) {
  const std::time_t now = std::time(nullptr);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&now));
  // The names as they are on disk ("Boss", asked as "boss").
  for (const char* ending : {".sa1", ".sa2", ".sa3", ".sac"})
    if (const std::string real = ResolvePath(base + ending); FileExists(real))
      MoveFile(real, real + ".endommage-" + stamp);
}

int FinishInterruptedWrites(const std::string& dataPrefix) {
  int mended = 0;
  const std::string saves = dataPrefix + "SAVE\\";
  for (const std::string& name : ListFolder(saves, "*" + std::string(kPending))) {
    const std::string pending = saves + name;
    const std::string target = pending.substr(0, pending.size() - std::string(kPending).size());
    const int member = EndsWith(target, ".sa1") ? 0 : EndsWith(target, ".sa2") ? 1 : EndsWith(target, ".sa3") ? 2 : -1;
    const Note note = ReadNote(target.substr(0, target.size() - 4));
    const char* const endings[] = {"sa1", "sa2", "sa3"};
    const bool complete = member >= 0 && note.present && FileMatches(pending, endings[member], note.lines[member]);
    if (complete) LogProblem("sauvegarde interrompue terminée : " + target);
    if (complete ? MoveFile(pending, target) : RemoveFile(pending)) ++mended;
  }
  // A note or word list left without its record (a removal interrupted).
  for (const char* ending : {"*.sac", "*.sa2", "*.sa3"})
    for (const std::string& name : ListFolder(saves, ending)) {
      const std::string base = saves + name.substr(0, name.size() - 4);
      if (!FileExists(base + ".sa1") && RemoveFile(saves + name)) ++mended;
    }
  for (const std::string& folder : {saves, dataPrefix + "CFG\\", dataPrefix + "TETE\\", dataPrefix + "FONDS\\"})
    for (const std::string& name : ListFolder(folder, "*"))
      if (IsTemporaryName(name) && RemoveFile(folder + name)) ++mended;
  if (mended > 0) Log("écritures interrompues réglées : " + std::to_string(mended));
  return mended;
}
