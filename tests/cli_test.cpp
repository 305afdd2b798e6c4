#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "cli/command_tail.h"
#include "cli/tool_main.h"
#include "fake_platform.h"

namespace tarnwick {
namespace {

using namespace std::string_literals;

TEST(CommandTailTest, SkipsTheProgramNameAndTheSpacesAfterIt) {
  const std::pair<std::string, std::string> kCases[] = {
      {"", ""},
      {"prog", ""},
      {"prog   ", ""},
      {R"(prog \\srv\share)", R"(\\srv\share)"},
      {R"(prog    \\srv\my share\x  )", R"(\\srv\my share\x  )"},  // not split into words
      {"prog\t\\\\srv", "\t\\\\srv"},                              // a tab is part of the tail
      {"prog\x01x", "\x01x"},                                      // so is any control byte
      {"p\xe9g\xff \\\\a", "\\\\a"},                               // high bytes belong to the name
      {R"("C:\Program Files\prog.exe" \\a)", "\\\\a"},
      {"\"prog\"x", "x"},                 // nothing but the quote ends a quoted name
      {R"("prog"   "\\a")", R"("\\a")"},  // quotes in the tail stay
      {R"("prog \\a)", ""},               // an unclosed quote leaves no tail
      {R"(""\\a)", "\\\\a"},              // an empty quoted name
      {"   \\\\a b", "\\\\a b"},          // leading spaces: the name is empty
      {"\tprog \\\\a", "\\\\a"},          // a first byte below 0x20 still belongs to the name
      {"prog \\\\a\0junk"s, "\\\\a"},     // the line ends at its NUL
  };
  for (const auto& [line, tail] : kCases) {
    SCOPED_TRACE(line);
    EXPECT_EQ(CommandTail(line), tail);
  }
}

TEST(CommandTailTest, CutsWideLinesAtTheSamePlace) {
  EXPECT_EQ(CommandTailStart(L"\"C:\\\x141\xf3\\p.exe\" \\\\a"), 14u);
  EXPECT_EQ(CommandTailStart(L"p\x3000 \\\\a"), 3u);  // a wide space is no separator
  EXPECT_EQ(CommandTailStart(L"p\t\\\\a"), 1u);
}

TEST(AcceptanceRulesTest, AcceptOnlyWhatLooksLikeAUncPath) {
  const std::pair<std::string, bool> kCases[] = {
      {"", false},
      {"\\\\", false},
      {"\\\\a", true},
      {R"(\\srv\share)", true},
      {"/?", false},
      {"-h", false},
      {R"(/\\srv\share)", false},
      {"-\\\\srv", false},
      {R"("\\srv\share")", false},
      {"\t\\\\srv", false},
      {"\\x\\srv", false},
      {"x\\\\srv", false},
  };
  for (const auto& [argument, accepted] : kCases) {
    SCOPED_TRACE(argument);
    EXPECT_EQ(PassesAcceptanceRules(argument), accepted);
  }
}

TEST(ToolMainTest, DispatchesToHelpNotFoundOrTheResolvedPath) {
  struct Case {
    const char* what;
    std::string tail;
    bool tailExact;
    std::vector<ConnectionEntry> connections;
    ExitStatus status;
    std::vector<std::string> lines;  // the help screen is checked on its own
  };
  const std::vector<ConnectionEntry> onZ = {{"Z:", R"(\\srv\share)"}};
  const Case kCases[] = {
      {"resolved", R"(\\SRV\Share\Docs)", true, onZ, kResolved, {"Z:\\Docs"}},
      {"the share alone", R"(\\srv\share)", true, onZ, kResolved, {"Z:"}},
      {"spaces around are trimmed", R"(   \\srv\share\x   )", true, onZ, kResolved, {"Z:\\x"}},
      {"no match", R"(\\other\share)", true, onZ, kNotFound, {"NOT_FOUND"}},
      {"three bytes pass the rules", "\\\\a", true, {}, kNotFound, {"NOT_FOUND"}},
      {"a path that lost characters", R"(\\srv\share\L?d?)", false, onZ, kNotFound, {"NOT_FOUND"}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    fake::Reset();
    fake::connections = c.connections;
    EXPECT_EQ(ToolMain({c.tail, c.tailExact}), c.status);
    EXPECT_EQ(fake::lines, c.lines);
  }
  // A path that lost characters is not worth asking the platform about.
  EXPECT_EQ(fake::enumerations, 0);
}

TEST(ToolMainTest, ShowsHelpForEveryRejectedArgument) {
  const std::string kRejected[] = {"",
                                   "    ",
                                   "\\\\",
                                   "  \\\\  ",
                                   "/?",
                                   "-h",
                                   R"(/\\srv\share)",
                                   R"("\\srv\share")",
                                   "\t\\\\srv\\share"};
  for (const std::string& tail : kRejected) {
    SCOPED_TRACE(tail);
    for (const bool exact : {true, false}) {
      fake::Reset();
      fake::connections = {{"Z:", R"(\\srv\share)"}};
      EXPECT_EQ(ToolMain({tail, exact}), kHelpShown);
      EXPECT_EQ(fake::lines.size(), kHelpLineCount);
      EXPECT_EQ(fake::enumerations, 0);
    }
  }
}

TEST(HelpTest, PrintsTheScreenExactly) {
  // The screen as the end-to-end suites expect it too, with LF line ends.
  std::ifstream file(TARNWICK_HELP_SCREEN, std::ios::binary);
  const std::string kScreen{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  ASSERT_FALSE(kScreen.empty());
  fake::Reset();
  ShowHelp();
  std::string printed;
  for (const ByteText& line : fake::lines) printed += line + "\n";
  EXPECT_EQ(printed, kScreen);
  ASSERT_EQ(fake::lines.size(), 23u);
  // 10 bytes of name, 4 of version, 37 spaces, 28 of author: one column short of 80.
  EXPECT_EQ(fake::lines[1].size(), 79u);
  EXPECT_EQ(fake::lines[1].substr(14, 37), std::string(37, ' '));
  for (const ByteText& line : fake::lines) {
    EXPECT_LE(line.size(), 79u);
    if (!line.empty()) {
      EXPECT_NE(line.back(), ' ') << line;
    }
  }
}

TEST(HelpTest, BannerPaddingFollowsTheVersionText) {
  const std::string author = "Created by: Morgan T. Avelyn";
  EXPECT_EQ(Banner("1.00"), "Tarnwick v1.00" + std::string(37, ' ') + author);
  EXPECT_EQ(Banner("1.00.12"), "Tarnwick v1.00.12" + std::string(34, ' ') + author);
  EXPECT_EQ(Banner("1.00.12").size(), 79u);
}

}  // namespace
}  // namespace tarnwick
