// SPDX-License-Identifier: GPL-3.0-or-later
// The player's own word lists: plain text files in the player's folder
// "LISTES\", one word or expression a line, read into the word store in
// place of a themed list. The program reads these files and never writes
// them; a list added from the player page is copied there first.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "state/variants.h"

// Words a list keeps at most; the lines past them are set aside and said so.
constexpr int kMostListWords = 2000;
// Files larger than this are refused whole (a list of 2 000 words is a few
// kilobytes; 100 000 lines of words fit well under it).
constexpr long long kMostListBytes = 16LL << 20;

struct PlayerList {
  std::string file;   // name in "LISTES\", with its ending
  std::string title;  // the "# titre" line, else the file's name; Latin-1 capitals, accents kept
  // The words as the games take them (capitals, accents folded, Œ to OE,
  // spaces, hyphens and apostrophes kept) and as the player typed them
  // (capitals with their accents), in the file's order.
  std::vector<std::string> words, shown;
  int linesRead = 0, setAside = 0;
  // What the reading took and set aside, one short line each, at most one
  // page (kMostReportLines).
  std::vector<std::string> report;
};
constexpr int kMostReportLines = 16;

// Reads the bytes of a list file (UTF-8, or Latin-1 when they are no UTF-8).
// Never fails: every line is taken or set aside with its reason.
PlayerList ReadPlayerList(const std::string& bytes, const std::string& file);

// The lists of the player's folder "LISTES\" (*.txt), read again.
void ReloadPlayerLists();
// The lists read by the last ReloadPlayerLists, in the folder's order.
const std::vector<PlayerList>& PlayerLists();
// The files of the folder the last ReloadPlayerLists left out, each with
// why ("vide.txt : aucun mot pris").
const std::vector<std::string>& RefusedPlayerListFiles();
// The list of that file name among them, nullptr when it is gone.
const PlayerList* FindPlayerList(const std::string& file);

// The list of that name: its file's name, with or without ".txt", or its
// title, in capitals or not; nullptr when none is.
const PlayerList* FindPlayerListNamed(const std::string& name);
// The list a booklet's puzzles play on (nullptr: the variants' own words).
void SetBookletList(const PlayerList* list);
const PlayerList* BookletList();

// True when the variant's game can play on a player's list (the hangmen,
// the cut words, the ZERUZE rows and the hidden words of the French grids).
bool GameTakesLists(const VariantEntry& variant);
// Why the list cannot be played in the variant ("" when it can): a list too
// small for the variant's size, "moins de 3 mots de 8 lettres".
std::string ListMisfit(const PlayerList& list, const VariantEntry& variant);

// Puts the list's words in the word store in place of lengths 1-20 (as a
// themed list is loaded); loadedWordList becomes kPlayerWords.
void LoadPlayerListIntoStore(const PlayerList& list);
// The file of the list the store holds, "" when it holds a shipped list.
const std::string& LoadedPlayerListFile();
// The word as the player typed it, for a folded word of the list the store
// holds (spaces and hyphens may be left out of `folded`); the word itself
// otherwise.
std::string ShownFormOf(const std::string& folded);
// The letters A-Z of a folded word, without its spaces, hyphens and apostrophes.
std::string LettersOf(const std::string& folded);
