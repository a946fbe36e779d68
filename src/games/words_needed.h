// SPDX-License-Identifier: GPL-3.0-or-later
// What a variant needs of its word list before it starts: some words of the
// lengths its routine draws. A list short of them would leave the routine
// drawing for ever (or from an empty length).
#pragma once
#include <string>

// Empty when the loaded word store holds what variant `v` needs; otherwise
// what is missing, for the log and the player ("aucun mot de 12 lettres").
std::string MissingWordsOf(int v);
