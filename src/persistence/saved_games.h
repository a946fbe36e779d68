// Saved games and the quick save.
#pragma once
#include <string>

void SaveGame(bool quick);
void LoadGame(const std::string& name);
