// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/picture_import.h"

#include <string>

#include "display/assets.h"
#include "display/drawing.h"
#include "display/list_entries.h"
#include "display/log.h"
#include "platform/file_chooser.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/picture.h"
#include "state/forms.h"
#include "state/game_state.h"

// The picture chosen in the import dialog; the import works on it.
static Picture importedPicture;

// The import buttons: the desktop's file chooser, on BMP and JPEG pictures.
// A chosen file is imported; a cancelled choice changes nothing.
void OpenImportDialog(uint8_t kind) {
  G.importKind = kind;
  FileChoice choice;
  choice.title = "Import:";
  choice.filters = {{"Images (BMP, JPG)", {"*.bmp", "*.jpg"}},
                    {"Image Bitmap (*.bmp)", {"*.bmp"}},
                    {"Image JPEG (*.jpg)", {"*.jpg"}}};
  choice.fallbackFolder = Comment(66);
  const std::string chosen = ChooseFile(choice);
  if (chosen.empty()) {
    G.importKind = 0;
    return;
  }
  ImportPicture(chosen);
}

// A file name from a commentary text, without the spaces a settings value
// would lose.
static std::string TrimmedName(const std::string& text) {
  std::string name = FileNameFrom(text);
  while (!name.empty() && name.back() == ' ') name.pop_back();
  while (!name.empty() && name.front() == ' ') name.erase(0, 1);
  return name.empty() ? "Image" : name;
}

// First free name among base, "base 1", "base 2" ...: an import never writes
// over a picture ("" when ten thousand are taken). The name carries no
// trailing space: the settings file trims its values, so "Mon portrait .bmp"
// was never found again.
static std::string FreePictureName(const std::string& folder, const std::string& base, std::string& name) {
  for (int i = 0; i < 10000; ++i) {
    name = i == 0 ? base : base + " " + std::to_string(i);
    const std::string path = folder + name + ".bmp";
    if (!FileExists(path)) return path;
  }
  return "";
}

void ImportPicture(const std::string& chosenPath) {
  if (!G.dataFoldersReady) return;
  const int kind = G.importKind;
  const std::string ending = UpperCaseAscii(chosenPath.size() >= 4 ? chosenPath.substr(chosenPath.size() - 4) : chosenPath);
  // Any other ending keeps the picture chosen before, as the dialog's holder did.
  if (ending == ".BMP" || ending == ".JPG") {
    if (std::string why; !LoadPicture(chosenPath, importedPicture, &why)) {
      G.statusTip = Comment(87);
      LogProblem("Import de " + chosenPath + " impossible (" + why + ")");
      // A refused picture is refused: the one chosen before is not saved again.
      ShowTimedMessage(2, 520, Comment(87) + " (" + why + ")");
      G.importKind = 0;
      return;
    }
  }
  if (kind == 1) {
    const std::string base = TrimmedName(Comment(86));
    Picture resized = StretchedCopy(importedPicture, 80, 90);
    std::string name;
    const std::string path = FreePictureName(DataFolderPrefix() + "TETE\\", base, name);
    if (path.empty() || !SavePictureBmp(path, resized)) {
      // A head that could not be saved is neither listed nor worn.
      ShowTimedMessage(2, 520, Comment(54));
    } else {
      AddEntry(listHeads, name);
      ShowTimedMessage(2, 520, Comment(53));
      LoadHead(name);
      G.listBoxes[listHeads].selected = G.listBoxes[listHeads].itemCount;
    }
  } else if (kind == 2) {
    const std::string base = TrimmedName(Comment(85));
    Picture resized = StretchedCopy(importedPicture, 800, 600);
    std::string name;
    const std::string path = FreePictureName(DataFolderPrefix() + "FONDS\\", base, name);
    if (path.empty() || !SavePictureBmp(path, resized)) {
      ShowTimedMessage(2, 520, Comment(54));
    } else {
      ShowTimedMessage(2, 520, Comment(55));
    }
    FillBackgroundList();
  }
  G.importKind = 0;
}
