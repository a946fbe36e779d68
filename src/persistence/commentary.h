// SPDX-License-Identifier: GPL-3.0-or-later
// The commentary table (captions and messages by number) and the help pages.
#pragma once
#include <cstdint>

void ChargeCommentaires();
void ChargeAide(uint8_t index);
void Imprimegrille();
