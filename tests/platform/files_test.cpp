// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/files.h"
#include "platform/paths.h"
#include "temp_folder.h"

using Lines = std::vector<std::string>;

TEST(ResolvePath, BackslashesAndCaseInsensitiveComponents) {
  TempFolder t;
  t.Write("bitmaps/Slots/3.bmp", "x");
  t.Write("SAVE/Boss.sa1", "y");
  EXPECT_EQ(ResolvePath(t.path + "Bitmaps\\slots\\3.BMP"), t.path + "bitmaps/Slots/3.bmp");
  EXPECT_EQ(ResolvePath(t.path + "save\\boss.sa1"), t.path + "SAVE/Boss.sa1");
  // Empty components collapse and a trailing separator stays.
  EXPECT_EQ(ResolvePath(t.path + "\\\\BITMAPS\\\\SLOTS\\"), t.path + "bitmaps/Slots/");
  // Missing components are kept as written, under the matched part.
  EXPECT_EQ(ResolvePath(t.path + "save\\New\\Game.sa1"), t.path + "SAVE/New/Game.sa1");
  EXPECT_TRUE(FileExists(t.path + "SAVE\\BOSS.SA1"));
  EXPECT_TRUE(FolderExists(t.path + "Bitmaps"));
  EXPECT_FALSE(FolderExists(t.path + "SAVE\\Boss.sa1"));
  EXPECT_FALSE(FileExists(t.path + "bitmaps"));
}

TEST(ResolvePath, HomeAndRefusedParent) {
  const char* home = std::getenv("HOME");
  ASSERT_NE(home, nullptr);
  EXPECT_EQ(ResolvePath("~"), ResolvePath(std::string(home)));
  EXPECT_EQ(ResolvePath("~\\zz_no_such_file"), ResolvePath(std::string(home) + "/zz_no_such_file"));
  // "~name" is a file name, not a home folder.
  EXPECT_EQ(ResolvePath("~abc"), "~abc");

  TempFolder t;
  t.Write("a/b.txt", "secret");
  EXPECT_EQ(ResolvePath(t.path + "a\\..\\a\\b.txt"), "");
  EXPECT_EQ(ResolvePath(".."), "");
  std::string bytes;
  EXPECT_FALSE(ReadBinary(t.path + "a\\..\\a\\b.txt", bytes));
  EXPECT_FALSE(WriteBinary(t.path + "a\\..\\c.txt", "x"));
  EXPECT_FALSE(t.Has("c.txt"));
  EXPECT_FALSE(ForceDirectories(t.path + "..\\x"));
  EXPECT_FALSE(RemoveFile(t.path + "a\\..\\a\\b.txt"));
  EXPECT_TRUE(t.Has("a/b.txt"));
}

TEST(FileNames, SafeNamesAndNoCaseCompare) {
  EXPECT_TRUE(IsSafeFileName("Partie 1"));
  EXPECT_FALSE(IsSafeFileName(""));
  EXPECT_FALSE(IsSafeFileName("."));
  EXPECT_FALSE(IsSafeFileName(".."));
  EXPECT_FALSE(IsSafeFileName("a/b"));
  EXPECT_FALSE(IsSafeFileName("a\\b"));
  EXPECT_TRUE(SameTextNoCase("ImagedeFond", "IMAGEDEFOND"));
  // Only ASCII letters fold: Latin-1 accents are compared as bytes.
  EXPECT_FALSE(SameTextNoCase("\xe9", "\xc9"));
  EXPECT_EQ(UpperCaseAscii("abc\xe9z"), "ABC\xe9Z");
  std::string exe = ExecutableFolder();
  ASSERT_FALSE(exe.empty());
  EXPECT_EQ(exe.back(), '/');
  EXPECT_TRUE(FolderExists(exe));
}

TEST(Files, ReadLinesAcceptsEveryLineEnd) {
  TempFolder t;
  t.Write("mixed.txt", "one\r\ntwo\nthree\rfour\r\n");
  Lines lines;
  ASSERT_TRUE(ReadLines(t.path + "mixed.txt", lines));
  EXPECT_EQ(lines, (Lines{"one", "two", "three", "four"}));
  t.Write("open.txt", "a\n\nb");
  ASSERT_TRUE(ReadLines(t.path + "open.txt", lines));
  EXPECT_EQ(lines, (Lines{"a", "", "b"}));
  t.Write("blank.txt", "\r\n");
  ASSERT_TRUE(ReadLines(t.path + "blank.txt", lines));
  EXPECT_EQ(lines, (Lines{""}));
  t.Write("empty.txt", "");
  ASSERT_TRUE(ReadLines(t.path + "empty.txt", lines));
  EXPECT_TRUE(lines.empty());
  lines = {"kept"};
  EXPECT_FALSE(ReadLines(t.path + "missing.txt", lines));
  EXPECT_EQ(lines, (Lines{"kept"}));
}

TEST(Files, WritesGoThroughATemporaryName) {
  TempFolder t;
  ASSERT_TRUE(WriteLines(t.path + "out.txt", {"\xe9t\xe9", "", "fin"}));
  EXPECT_EQ(t.Read("out.txt"), "\xe9t\xe9\r\n\r\nfin\r\n");
  EXPECT_FALSE(t.Has("out.txt.tmp"));
  ASSERT_TRUE(WriteBinary(t.path + "OUT.TXT", std::string("a\0b", 3)));  // replaces out.txt
  EXPECT_EQ(t.Read("out.txt"), std::string("a\0b", 3));
  std::string bytes;
  ASSERT_TRUE(ReadBinary(t.path + "Out.txt", bytes));
  EXPECT_EQ(bytes, std::string("a\0b", 3));
  // A folder that does not exist: the write fails and leaves nothing behind.
  EXPECT_FALSE(WriteBinary(t.path + "nofolder\\x.txt", "x"));
  EXPECT_FALSE(t.Has("nofolder"));
  EXPECT_TRUE(RemoveFile(t.path + "OUT.txt"));
  EXPECT_FALSE(t.Has("out.txt"));
  EXPECT_FALSE(RemoveFile(t.path + "out.txt"));
}

TEST(Files, ForceDirectoriesMakesParents) {
  TempFolder t;
  EXPECT_TRUE(ForceDirectories(t.path + "CFG\\deep\\er\\"));
  EXPECT_TRUE(t.Has("CFG/deep/er"));
  EXPECT_TRUE(ForceDirectories(t.path + "cfg\\DEEP"));  // already there, other case
  t.Write("plain", "x");
  EXPECT_FALSE(ForceDirectories(t.path + "plain\\sub"));
}

TEST(ListFolder, MaskAndWindowsOrder) {
  TempFolder t;
  for (const char* name : {"b.mid", "A.MID", "c.Mid", "a.mid", "_x.mid", "Zed.mid", "notes.txt", "mid", "x.midi"})
    t.Write(std::string("Music/") + name, "");
  t.Write("Music/sub.mid/inner.mid", "");  // a folder is not listed
  Lines names = ListFolder(t.path + "music\\", "*.mid");
  EXPECT_EQ(names, (Lines{"A.MID", "a.mid", "b.mid", "c.Mid", "Zed.mid", "_x.mid"}));
  EXPECT_EQ(ListFolder(t.path + "music", "?.MID"), (Lines{"A.MID", "a.mid", "b.mid", "c.Mid"}));
  EXPECT_EQ(ListFolder(t.path + "music", "*.*").size(), 9u);
  EXPECT_TRUE(ListFolder(t.path + "nothing", "*.mid").empty());
}
