// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/utf8.h"

TEST(Utf8, TypedTextComesBackAsLatin1) {
  EXPECT_EQ(Utf8ToLatin1("H\xc3\xa9l\xc3\xa8ne"), "H\xe9l\xe8ne");
  EXPECT_EQ(Latin1ToUtf8(Utf8ToLatin1("\xc3\xbf\xc3\x80")), "\xc3\xbf\xc3\x80");
  // Beyond Latin-1 (euro sign, emoji) and broken sequences are dropped.
  EXPECT_EQ(Utf8ToLatin1("a\xe2\x82\xac" "b\xf0\x9f\x98\x80" "c"), "abc");
  EXPECT_EQ(Utf8ToLatin1("a\xc3" "b\x80" "c\xc3"), "abc");
}
