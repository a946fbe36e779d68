// The play clock of the companion window and the picture import.
#pragma once
#include <cstdint>
#include <string>

void StartPlayClock();
void StopPlayClock();
void OpenImportDialog(uint8_t kind);
// The import dialog closed on a chosen file (a program path).
void ImportPicture(const std::string& chosenPath);
