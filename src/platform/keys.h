// SPDX-License-Identifier: GPL-3.0-or-later
// Virtual-key codes the key handlers use.
#pragma once

constexpr int kVkBack = 8;
constexpr int kVkReturn = 13;
constexpr int kVkEscape = 27;
constexpr int kVkSpace = 32;
constexpr int kVkLeft = 37;
constexpr int kVkUp = 38;
constexpr int kVkRight = 39;
constexpr int kVkDown = 40;
constexpr int kVkMultiply = 106;
constexpr int kVkOem5 = 220;  // the key that types '*' on a French keyboard
constexpr int kVkF11 = 122;
// Ctrl+Backspace: no virtual key of its own, so a code above them all.
constexpr int kVkClearRow = 0x108;
// Ctrl+I, Ctrl+E and Ctrl+Z: the helps of the board games (hint, check,
// undo), codes above the virtual keys too.
constexpr int kVkHint = 0x109;
constexpr int kVkCheck = 0x10A;
constexpr int kVkUndo = 0x10B;
