// SPDX-License-Identifier: GPL-3.0-or-later
// Entries of the ten list boxes, shared by every list.
#pragma once
#include <string>

void AddEntry(int list, const std::string& text);
void RemoveEntry(int list, int n);
int CountEntries(int list);
void ClearEntries(int list);
