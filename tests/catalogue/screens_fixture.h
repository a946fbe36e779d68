// SPDX-License-Identifier: GPL-3.0-or-later
// A program past its splash on the game list, with a small dictionary and a
// few help pages, and the points a player aims at on the menus.
#pragma once
#include <algorithm>
#include <string>

#include "harness/harness.h"
#include "platform/audio.h"
#include "state/game_state.h"

struct MenuProgram : Harness {
  explicit MenuProgram(const std::string& dictionary = DefaultDictionary()) {
    WriteProgramFile("bin/DicoFrancais.txt", dictionary);
    WriteProgramFile("aide/MOTS CODES.txt", HelpPage("codes"));
    WriteProgramFile("aide/LE PENDU.txt", HelpPage("pendu"));
    WriteProgramFile("aide/LE MOT LE PLUS LONG.txt", HelpPage("long"));
    WriteProgramFile("aide/GRILLES ANGLAISES.txt", HelpPage("anglais"));
  }
  void Open() {
    ASSERT_TRUE(Start());
    Run(4100);
    ASSERT_EQ(G.currentScreen, 1);
  }

  static std::string DefaultDictionary() {
    return "CHIEN\r\nNICHE\r\nCHINE\r\nMAISON\r\nABRICOTS\r\nACCROCHAGE\r\nPAPILLONNAGE\r\nCHAT\r\nCOAT\r\nCRAT\r\n"
           "CHATS\r\nACAT\r\nLE\r\n";
  }
  static std::string HelpPage(const std::string& tag) {
    std::string page;
    for (int k = 1; k <= 8; ++k) page += tag + " ligne " + std::to_string(k) + "\r\n";
    return page;
  }

  // A point well inside family f's entry on the game list.
  static Point FamilyPoint(int f) {
    const int x = f <= 15 ? 55 : 420;
    const int y = f <= 15 ? 53 + 20 * f : 20 * f - 247;
    return {x + 5, y + 12};
  }
  // A point inside row i of the variant menu for a text of that length.
  static Point MenuRowPoint(int i, int length) {
    const int x = 400 - (length / 2) * 14;
    return {x + 10, 81 + 20 * i + 12};
  }
  // The middle of the 48 x 48 button whose corner is (x, y).
  static Point ButtonPoint(int x, int y) { return {x + 24, y + 24}; }
  // A panel button placed at (panelX + dx, 72 + dy).
  static Point PanelButton(int dx, int dy) { return ButtonPoint(G.panelX + dx, 72 + dy); }
  static Point PanelRightButton(int dx, int dy) { return ButtonPoint(G.panelX + 500 + dx, 72 + dy); }

  void ClickAt(Point p) { Click(p.x, p.y); }
  void HoverAt(Point p) {
    MoveTo(p.x, p.y);
    Tick();
  }
  // Lets the panel finish sliding in.
  void Settle() { Run(1000); }
  int Played(int wave) const {
    return static_cast<int>(std::count(WavesPlayed().begin(), WavesPlayed().end(), wave));
  }
};
