// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "harness/harness.h"
#include "persistence/commentary.h"
#include "state/game_state.h"

static std::string CommentaryFile(int last) {
  std::string text = "[COMMENTAIRES]\r\n";
  for (int n = 1; n <= last; ++n) text += "Tx" + std::to_string(n) + "=texte " + std::to_string(n) + "\r\n";
  return text;
}

TEST(Commentary, LoadingStopsAtTheFirstMissingKeyAndStoresRien) {
  Harness h;
  G.programDir = h.programDir;
  h.WriteProgramFile("txt/Commentaires.dta", CommentaryFile(10));
  ChargeCommentaires();
  EXPECT_EQ(Comment(10), "texte 10");
  EXPECT_EQ(Comment(11), "Rien");
  EXPECT_EQ(Comment(12), "");
  EXPECT_TRUE(h.LogHas("11 Commentaires chargés"));
}

TEST(Commentary, AFullFileStopsAfterEntry496AndLongValuesAreCut) {
  Harness h;
  G.programDir = h.programDir;
  std::string text = CommentaryFile(499);
  text += "[AUTRE]\r\n";
  h.WriteProgramFile("txt/Commentaires.dta", text);
  ChargeCommentaires();
  EXPECT_EQ(Comment(496), "texte 496");
  EXPECT_EQ(Comment(497), "");
  h.WriteProgramFile("txt/Commentaires.dta", "[COMMENTAIRES]\r\nTx1=" + std::string(150, 'x') + "\r\n");
  ChargeCommentaires();
  EXPECT_EQ(Comment(1).size(), 100u);
}

TEST(Commentary, AMissingFileGivesRienAsTheFirstEntry) {
  Harness h;
  G.programDir = h.programDir;
  ChargeCommentaires();
  EXPECT_EQ(Comment(1), "Rien");
  EXPECT_EQ(Comment(51), "");
  EXPECT_TRUE(h.LogHas("Comentaires INTROUVABLE"));
}

TEST(Help, ALongHelpFileFillsFiveHundredNinetyNineLines) {
  Harness h;
  G.programDir = h.programDir;
  std::string text;
  for (int i = 1; i <= 700; ++i) text += "ligne " + std::to_string(i) + "\r\n";
  h.WriteProgramFile("aide/LE PENDU.txt", text);
  G.helpFileName[8] = "LE PENDU.txt";
  ChargeAide(8);
  const ListBox& help = G.listBoxes[listHelp];
  EXPECT_EQ(help.items[1], "ligne 1");
  EXPECT_EQ(help.items[599], "ligne 599");
  EXPECT_EQ(help.items[600], "");
  EXPECT_EQ(help.itemCount, 699);
  EXPECT_EQ(help.top, 1);
}

TEST(Help, AMissingHelpFileKeepsTheLinesThere) {
  Harness h;
  G.programDir = h.programDir;
  G.listBoxes[listHelp].items[1] = "avant";
  G.helpFileName[3] = "ABSENT.txt";
  ChargeAide(3);
  EXPECT_EQ(G.listBoxes[listHelp].items[1], "avant");
  EXPECT_TRUE(h.LogHas("Fichier Aide Non trouvé"));
}
