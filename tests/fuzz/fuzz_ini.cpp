// SPDX-License-Identifier: GPL-3.0-or-later
// The INI reader, through the settings file: every key the program reads, the
// section lines, and a write back.
#include <string>

#include "fuzz_support.h"
#include "persistence/settings.h"
#include "platform/ini_file.h"
#include "state/game_state.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ResetFuzzState();
  G.commentaryText[50] = FuzzProgramFolder();
  WriteFuzzFile("CFG/favoris.vlk", data, size);
  ChargeFavoris();
  IniFile ini(FuzzProgramFolder() + "CFG/favoris.vlk");
  ini.ReadInteger("PAYS", "x1", 0);
  ini.ReadBool("PARAMETRES", "sons", true);
  for (const std::string& line : ini.SectionLines("FAVORIS")) ini.WriteString("SCORES", line, line);
  ini.WriteInteger("PARAMETRES", "ImagedeFond", -1);
  ini.Save();
  return 0;
}
