// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/ini_file.h"
#include "temp_folder.h"

TEST(IniFile, LookupIgnoresCaseAndTheFirstMatchWins) {
  TempFolder t;
  t.Write("CFG/favoris.vlk",
          "[PARAMETRES]\r\n"
          "ImagedeFond = 7 \r\n"
          "imagedefond=9\r\n"
          "nom=  \"Jean Val\xe9ry\"  \r\n"
          "vide=\r\n"
          "quote=\"\r\n"
          "garbage line\r\n"
          "\r\n"
          "[Scores]\n"
          "N1=Pierre 120\n"
          "[parametres]\n"
          "musiques=1\n");
  IniFile ini(t.path + "cfg\\FAVORIS.VLK");
  ASSERT_TRUE(ini.exists());
  EXPECT_EQ(ini.ReadInteger("parametres", "IMAGEDEFOND", 1), 7);
  EXPECT_EQ(ini.ReadString(" Parametres ", "NOM", "x"), "Jean Val\xe9ry");
  EXPECT_EQ(ini.ReadString("PARAMETRES", "vide", "default"), "");
  EXPECT_EQ(ini.ReadString("PARAMETRES", "quote", "default"), "\"");
  EXPECT_EQ(ini.ReadString("PARAMETRES", "absent", "default"), "default");
  EXPECT_EQ(ini.ReadString("SCORES", "n1", "AUCUN"), "Pierre 120");
  EXPECT_EQ(ini.ReadString("SCORES", "N2", "AUCUN"), "AUCUN");
  EXPECT_EQ(ini.ReadString("NOWHERE", "N1", "AUCUN"), "AUCUN");
  // Only the first section of a name is read.
  EXPECT_FALSE(ini.ReadBool("PARAMETRES", "musiques", false));
  EXPECT_EQ(ini.SectionLines("scores"), std::vector<std::string>{"N1=Pierre 120"});
}

TEST(IniFile, IntegersAndBooleans) {
  TempFolder t;
  t.Write("a.ini", "[S]\nplain=42\nsigned=-17\nlead=12abc\nthreex=3x\nhex=$1F\nhexc=0x10\nword=abc\nempty=\nhuge=99999999999\nyes=5\nno=0\n");
  IniFile ini(t.path + "a.ini");
  EXPECT_EQ(ini.ReadInteger("S", "plain", 1), 42);
  EXPECT_EQ(ini.ReadInteger("S", "signed", 1), -17);
  // Only a value that is wholly a number counts.
  EXPECT_EQ(ini.ReadInteger("S", "lead", 1), 1);
  EXPECT_EQ(ini.ReadInteger("S", "threex", 5), 5);
  EXPECT_EQ(ini.ReadInteger("S", "hex", 1), 31);
  EXPECT_EQ(ini.ReadInteger("S", "hexc", 1), 16);
  EXPECT_EQ(ini.ReadInteger("S", "word", 3), 3);
  EXPECT_EQ(ini.ReadInteger("S", "empty", 3), 3);
  EXPECT_EQ(ini.ReadInteger("S", "huge", 3), 3);
  EXPECT_EQ(ini.ReadInteger("S", "missing", -8), -8);
  EXPECT_TRUE(ini.ReadBool("S", "yes", false));
  EXPECT_FALSE(ini.ReadBool("S", "no", true));
  EXPECT_TRUE(ini.ReadBool("S", "word", true));
  EXPECT_FALSE(ini.ReadBool("S", "missing", false));
}

TEST(IniFile, MissingFileReadsAsEmptyAndWritesBack) {
  TempFolder t;
  t.Write("CFG/.keep", "");
  IniFile ini(t.path + "CFG\\favoris.vlk");
  EXPECT_FALSE(ini.exists());
  EXPECT_EQ(ini.ReadInteger("PARAMETRES", "ImagedeFond", 1), 1);
  ini.WriteInteger("PARAMETRES", "ImagedeFond", 12);
  ini.WriteBool("PARAMETRES", "sons", true);
  ini.WriteBool("PARAMETRES", "musiques", false);
  ini.WriteString("SCORES", "N0", "");
  ini.WriteString("SCORES", "N1", "Marie \xe9t\xe9");
  ini.WriteString("PARAMETRES", "imagedefond", "13");  // replaces, no second key
  ini.WriteString("PARAMETRES", "nom", "two\r\nlines");  // cannot break the file
  EXPECT_EQ(ini.ReadInteger("PARAMETRES", "IMAGEDEFOND", 1), 13);
  ASSERT_TRUE(ini.Save());
  EXPECT_TRUE(ini.exists());
  EXPECT_FALSE(t.Has("CFG/favoris.vlk.tmp"));
  EXPECT_EQ(t.Read("CFG/favoris.vlk"),
            "[PARAMETRES]\r\nimagedefond=13\r\nsons=1\r\nmusiques=0\r\nnom=two  lines\r\n"
            "[SCORES]\r\nN0=\r\nN1=Marie \xe9t\xe9\r\n");

  IniFile again(t.path + "cfg\\favoris.vlk");
  EXPECT_TRUE(again.exists());
  EXPECT_TRUE(again.ReadBool("parametres", "SONS", false));
  EXPECT_FALSE(again.ReadBool("parametres", "MUSIQUES", true));
  EXPECT_EQ(again.ReadString("scores", "n1", "AUCUN"), "Marie \xe9t\xe9");
  EXPECT_EQ(again.ReadString("scores", "n0", "AUCUN"), "");

  IniFile nowhere(t.path + "NoFolder\\x.ini");
  nowhere.WriteString("A", "b", "c");
  EXPECT_FALSE(nowhere.Save());
}

TEST(IniFile, NewKeysGoAtTheEndOfTheirSection) {
  TempFolder t;
  t.Write("b.ini", "; note\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
  IniFile ini(t.path + "b.ini");
  ini.WriteString("a", "z", "3");
  ini.WriteString("B", "w", "4");
  ini.WriteString("C", "v", "5");
  ASSERT_TRUE(ini.Save());
  EXPECT_EQ(t.Read("b.ini"), "; note\r\n[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\nw=4\r\n[C]\r\nv=5\r\n");
  ini.EraseSection("b");
  EXPECT_EQ(ini.ReadString("B", "y", "gone"), "gone");
  EXPECT_EQ(ini.ReadString("C", "v", ""), "5");
  EXPECT_EQ(ini.SectionLines("A"), (std::vector<std::string>{"x=1", "z=3"}));
}
