// PENDING(assets): placeholder bodies until the picture loaders land.
#include "display/assets.h"

void LoadAllPictures() {}
void LoadBackground(int) {}
void LoadHead(const std::string&) {}
void LoadCardBack(int) {}
void FillFileList(const std::string&, const std::string&, bool, int, bool) {}
void FillBackgroundList() {}
void FillHeadList() {}
void FillSaveList() {}
