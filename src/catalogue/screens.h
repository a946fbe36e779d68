// SPDX-License-Identifier: GPL-3.0-or-later
// The screen state machine: every menu, option page and tool page.
#pragma once

void RunScreen(int screen);
