// SPDX-License-Identifier: GPL-3.0-or-later
// The player page's picture import: a head or a background from the desktop's file chooser.
#pragma once
#include <cstdint>
#include <string>

void OpenImportDialog(uint8_t kind);
// The import dialog closed on a chosen file (a program path).
void ImportPicture(const std::string& chosenPath);
