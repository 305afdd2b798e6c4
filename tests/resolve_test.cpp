#include "resolve/resolve.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "fake_platform.h"

namespace tarnwick {
namespace {

struct SubstitutionCase {
  const char* what;
  std::string argument;
  std::vector<ConnectionEntry> connections;
  std::optional<std::string> expected;
};

const std::vector<ConnectionEntry> kShareOnZ = {{"Z:", R"(\\srv\share)"}};

TEST(SubstituteConnectionTest, RewritesThroughTheFirstShareThatHoldsThePath) {
  const SubstitutionCase kCases[] = {
      {"no connections", R"(\\srv\share\x)", {}, std::nullopt},
      {"the share alone, case apart", R"(\\SRV\SHARE)", kShareOnZ, "Z:"},
      {"a path below the share", R"(\\srv\share\docs)", kShareOnZ, "Z:\\docs"},
      {"a trailing backslash", R"(\\srv\share\)", kShareOnZ, "Z:\\"},
      {"the path keeps its own bytes", R"(\\SRV\Share\Docs\A.TXT)", kShareOnZ, "Z:\\Docs\\A.TXT"},
      {"high bytes of the path are not folded", "\\\\srv\\share\\\x80\xa5", kShareOnZ,
       "Z:\\\x80\xa5"},
      {"a remote name longer than the argument", R"(\\srv\sha)", kShareOnZ, std::nullopt},
      {"a share that only begins the next name", R"(\\srv\share2\doc)", kShareOnZ, std::nullopt},
      {"a share later in the path", R"(\\x\y\\srv\share)", kShareOnZ, std::nullopt},
      {"only the leading share is replaced", R"(\\s\a\\s\a)", {{"Z:", R"(\\s\a)"}}, R"(Z:\\s\a)"},
      {"a remote name with trailing backslashes",
       R"(\\srv\share\docs)",
       {{"Z:", R"(\\srv\share\\)"}},
       "Z:\\docs"},
      {"the argument is the share, the remote name ends in a backslash",
       R"(\\srv\share)",
       {{"Z:", R"(\\srv\share\)"}},
       "Z:"},
      {"inner spaces", R"(\\srv\my share\x)", {{"Z:", R"(\\srv\my share)"}}, "Z:\\x"},
      {"the local name as the platform gives it",
       R"(\\srv\share\x)",
       {{"z:", R"(\\SRV\SHARE)"}},
       "z:\\x"},
      {"code page 437 capitals fold",
       "\\\\srv\\\x80\x8e\\x",
       {{"Z:", "\\\\srv\\\x87\x84"}},
       "Z:\\x"},
      {"0xC4 does not fold to 0xE4", "\\\\srv\\\xc4", {{"Z:", "\\\\srv\\\xe4"}}, std::nullopt},
      {"the first listed wins",
       R"(\\srv\share\x)",
       {{"Y:", R"(\\srv\share)"}, {"X:", R"(\\srv\share)"}},
       "Y:\\x"},
      {"the first listed wins, other order",
       R"(\\srv\share\x)",
       {{"X:", R"(\\srv\share)"}, {"Y:", R"(\\srv\share)"}},
       "X:\\x"},
      {"listing order, not the longer share",
       R"(\\srv\share\sub\x)",
       {{"Y:", R"(\\srv\share)"}, {"X:", R"(\\srv\share\sub)"}},
       "Y:\\sub\\x"},
      {"a deviceless connection is skipped",
       R"(\\srv\share\x)",
       {{"", R"(\\srv\share)"}, {"Y:", R"(\\srv\share)"}},
       "Y:\\x"},
      {"a deviceless connection alone", R"(\\srv\share)", {{"", R"(\\srv\share)"}}, std::nullopt},
      {"an empty remote name is skipped",
       R"(\\srv\share\x)",
       {{"W:", ""}, {"Y:", R"(\\srv\share)"}},
       "Y:\\x"},
      {"a remote name of backslashes only is skipped",
       R"(\\srv\share\x)",
       {{"W:", "\\\\"}, {"Y:", R"(\\srv\share)"}},
       "Y:\\x"},
      {"a result is trimmed of spaces", R"(\\srv\share)", {{" Z: ", R"(\\srv\share)"}}, "Z:"},
  };
  for (const SubstitutionCase& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(SubstituteConnection(c.argument, c.connections), c.expected);
  }
}

TEST(SubstituteConnectionTest, LongNamesCompareOnlyTheLeadingPart) {
  const std::string remote = "\\\\" + std::string(10000, 'S');
  const std::string argument = "\\\\" + std::string(10000, 's') + "\\" + std::string(30000, 'a');
  EXPECT_EQ(SubstituteConnection(argument, {{"Z:", remote}}), "Z:\\" + std::string(30000, 'a'));
  EXPECT_EQ(SubstituteConnection(argument.substr(0, 5000), {{"Z:", remote}}), std::nullopt);
}

TEST(SubstituteConnectionTest, WritesTheRestWithThePlatformsSeparator) {
  const std::vector<ConnectionEntry> mounted = {{"/mnt/my z", R"(\\fs01\data)"}};
  const std::pair<std::string, std::string> kCases[] = {
      {R"(\\FS01\Data\Reports)", "/mnt/my z/Reports"},
      {R"(\\fs01\data)", "/mnt/my z"},
      {R"(\\fs01\data\)", "/mnt/my z/"},
      {R"(\\fs01\data\a\\b)", "/mnt/my z/a//b"},
  };
  for (const auto& [argument, expected] : kCases) {
    SCOPED_TRACE(argument);
    EXPECT_EQ(SubstituteConnection(argument, mounted, '/'), expected);
  }
}

TEST(ResolveUncPathTest, AsksThePlatformOnce) {
  fake::Reset();
  fake::connections = kShareOnZ;
  EXPECT_EQ(ResolveUncPath("\\\\srv\\share\\x"), "Z:\\x");
  EXPECT_EQ(fake::enumerations, 1);
}

}  // namespace
}  // namespace tarnwick
