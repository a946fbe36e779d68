// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "app/command_line.h"

namespace {
int Answer(std::initializer_list<const char*> args, std::string& out, std::string& err) {
  std::vector<const char*> argv{"lettrarium"};
  argv.insert(argv.end(), args);
  return AnswerCommandLine(ParseCommandLine(static_cast<int>(argv.size()), argv.data()), out, err);
}
}  // namespace

TEST(CommandLine, AnswersHelpVersionAndUnknownOptionsAndKeepsTheRest) {
  std::string out, err;
  EXPECT_EQ(Answer({"--version"}, out, err), 0);
  EXPECT_EQ(out, "lettrarium 1.1.0\n");
  EXPECT_TRUE(err.empty());

  out.clear();
  EXPECT_EQ(Answer({"--help"}, out, err), 0);
  for (const char* option : {"--fullscreen", "--windowed", "--verbose", "--version", "--help"})
    EXPECT_NE(out.find(option), std::string::npos) << option;
  EXPECT_NE(out.find("plein \xC3\xA9""cran"), std::string::npos) << "the usage is UTF-8 French";

  out.clear();
  EXPECT_EQ(Answer({"--windowed", "--frobnicate"}, out, err), 2);
  EXPECT_TRUE(out.empty());
  EXPECT_NE(err.find("--frobnicate"), std::string::npos);
  EXPECT_NE(err.find("Usage"), std::string::npos);

  err.clear();
  EXPECT_EQ(Answer({"--windowed", "--verbose"}, out, err), -1) << "the game starts";
  const char* argv[] = {"lettrarium", "--fullscreen", "--windowed", "--verbose"};
  const CommandLine line = ParseCommandLine(4, argv);
  EXPECT_EQ(line.windowMode, CommandLine::WindowMode::Windowed) << "the last choice wins";
  EXPECT_TRUE(line.verbose);
  EXPECT_EQ(ParseCommandLine(1, argv).windowMode, CommandLine::WindowMode::AsSaved);

  // The whole log on standard error: --verbose, or LETTRARIUM_LOG=1.
  EXPECT_TRUE(WholeLogAsked(line, nullptr));
  const CommandLine plain = ParseCommandLine(1, argv);
  EXPECT_FALSE(WholeLogAsked(plain, nullptr));
  EXPECT_FALSE(WholeLogAsked(plain, "0"));
  EXPECT_TRUE(WholeLogAsked(plain, "1"));
}
