// Saved games and the quick save.
#pragma once
#include <string>

void SaveGame(const std::string& name);
void LoadGame(const std::string& name);
