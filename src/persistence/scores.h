// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

void RecordWin();
void RemoveSelected(int list);
