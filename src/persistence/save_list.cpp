// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/save_list.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "display/list_entries.h"
#include "persistence/saved_record_check.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "state/game_state.h"

namespace {

const std::string kUnreadable = "illisible : ";
const std::string kEarlier = "précédentes : ";
const std::string kLater = "suivantes : ";

// Why a save cannot be loaded, from what the folder tells without reading
// it; empty when it looks sound (loading still checks it whole).
std::string WhyUnreadable(const std::string& folder, const std::string& name) {
  if (!IsSafeFileName(name + ".sa1")) return "nom inutilisable";
  const long long size = FileSize(folder + name + ".sa1");
  if (size < 0) return "fichier illisible";
  if (size != static_cast<long long>(sizeof(SavedImage))) return "taille " + std::to_string(size) + " octets";
  return "";
}

std::string Range(int from, int to) { return std::to_string(from + 1) + " à " + std::to_string(to); }

}  // namespace

void ListSaves(int first) {
  ListBox& list = G.listBoxes[listSaves];
  list.visibleLines = 8;
  list.widthPx = 480;
  for (auto& item : list.items) item.clear();
  list.itemCount = 0;
  list.top = 0;
  list.selected = -1;
  const std::string folder = DataFolderPrefix() + "SAVE\\";
  if (!FolderExists(folder)) return;
  std::vector<std::string> names;
  for (const std::string& file : ListFolder(folder, "*.sa1"))
    if (file.size() > 4) names.push_back(file.substr(0, file.size() - 4));
  const int count = static_cast<int>(names.size());
  first = std::clamp(first / kSavesPerPage * kSavesPerPage, 0, std::max(count - 1, 0) / kSavesPerPage * kSavesPerPage);
  const int end = std::min(first + kSavesPerPage, count);
  if (first > 0) AddEntry(listSaves, kEarlier + Range(first - kSavesPerPage, first));
  for (int i = first; i < end; ++i) {
    const std::string why = WhyUnreadable(folder, names[i]);
    AddEntry(listSaves, why.empty() ? names[i] : kUnreadable + why + " : " + names[i]);
  }
  if (end < count) AddEntry(listSaves, kLater + Range(end, std::min(end + kSavesPerPage, count)));
}

std::string SaveNameOfEntry(const std::string& entry) {
  if (entry.rfind(kUnreadable, 0) != 0) return entry;
  const size_t name = entry.find(" : ", kUnreadable.size());
  return name == std::string::npos ? entry : entry.substr(name + 3);
}

int SavesPageOfEntry(const std::string& entry) {
  for (const std::string* word : {&kEarlier, &kLater})
    if (entry.rfind(*word, 0) == 0) return std::max(std::atoi(entry.c_str() + word->size()) - 1, 0);
  return -1;
}
