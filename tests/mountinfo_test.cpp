#include "resolve/mountinfo.h"

#include <gtest/gtest.h>

#include <string>

namespace tarnwick {
namespace {

using namespace std::string_literals;

TEST(DecodeMountFieldTest, TurnsOctalEscapesBackIntoBytes) {
  const std::pair<std::string, std::string> kCases[] = {
      {"/mnt/my\\040share", "/mnt/my share"},
      {R"(a\011b\012c\134d)", "a\tb\nc\\d"},
      {"\\377\\000", "\xff\0"s},
      {"\\400", "\\400"},      // past a byte: not an escape
      {"\\08", "\\08"},        // not three octal digits
      {"end\\04", "end\\04"},  // cut short at the end
      {"\\", "\\"},
      {"\\\\134", "\\\\"},  // a literal backslash, then an escaped one
      {"", ""},
  };
  for (const auto& [field, decoded] : kCases) {
    SCOPED_TRACE(field);
    EXPECT_EQ(DecodeMountField(field), decoded);
  }
}

TEST(ParseMountLineTest, TakesSmbSourcesAndSkipsTheRest) {
  struct Case {
    const char* what;
    std::string line;
    std::optional<ConnectionEntry> expected;
  };
  const Case kCases[] = {
      {"cifs share", "36 25 0:50 / /mnt/z rw,relatime shared:1 - cifs //fs01/data rw,vers=3.0",
       ConnectionEntry{"/mnt/z", R"(\\fs01\data)"}},
      {"no optional fields", "36 25 0:50 / /mnt/z rw - smb3 //fs01/data/sub/dir rw",
       ConnectionEntry{"/mnt/z", R"(\\fs01\data\sub\dir)"}},
      {"several optional fields", "36 25 0:50 / /z rw shared:1 master:2 - cifs //a/b rw",
       ConnectionEntry{"/z", R"(\\a\b)"}},
      {"escaped spaces", "36 25 0:50 / /mnt/my\\040z rw - cifs //srv/my\\040share rw",
       ConnectionEntry{"/mnt/my z", R"(\\srv\my share)"}},
      {"backslash source", R"(36 25 0:50 / /mnt/z rw - tmpfs \134\134srv\134s rw)",
       ConnectionEntry{"/mnt/z", R"(\\srv\s)"}},
      {"no super options", "36 25 0:50 / /mnt/z rw - cifs //fs01/data",
       ConnectionEntry{"/mnt/z", R"(\\fs01\data)"}},
      {"a hyphen in a path", "36 25 0:50 /a-b /mnt/a-b rw - cifs //s/x-y rw",
       ConnectionEntry{"/mnt/a-b", R"(\\s\x-y)"}},
      {"local file system", "22 27 0:21 / /proc rw,relatime - proc proc rw", std::nullopt},
      {"one slash only", "36 25 0:50 / /mnt/z rw - nfs /srv/data rw", std::nullopt},
      {"nfs host:path", "36 25 0:50 / /mnt/z rw - nfs4 fs01:/data rw", std::nullopt},
      {"backslash that is no share", "36 25 0:50 / /mnt/z rw - tmpfs \\134x rw", std::nullopt},
      {"no separator", "36 25 0:50 / /mnt/z rw cifs //fs01/data rw", std::nullopt},
      {"separator too early", "36 25 0:50 / - cifs //fs01/data rw", std::nullopt},
      {"nothing after the separator", "36 25 0:50 / /mnt/z rw - ", std::nullopt},
      {"no type", "36 25 0:50 / /mnt/z rw -  //fs01/data", std::nullopt},
      {"empty line", "", std::nullopt},
      {"garbage", "\xff\x00 - \x01"s, std::nullopt},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    const std::optional<ConnectionEntry> parsed = ParseMountLine(c.line);
    ASSERT_EQ(parsed.has_value(), c.expected.has_value());
    if (parsed) {
      EXPECT_EQ(parsed->localName, c.expected->localName);
      EXPECT_EQ(parsed->remoteName, c.expected->remoteName);
    }
  }
}

TEST(ParseMountInfoTest, KeepsTheTableOrder) {
  const std::string table =
      "22 27 0:21 / /proc rw - proc proc rw\n"
      "36 25 0:50 / /mnt/b rw - cifs //srv/share rw\n"
      "broken line\n"
      "\n"
      "37 25 0:51 / /mnt/a rw - cifs //srv/share rw\n"
      "38 25 0:52 / /mnt/c rw - cifs //srv/other rw";  // no final newline
  const std::vector<ConnectionEntry> connections = ParseMountInfo(table);
  ASSERT_EQ(connections.size(), 3u);
  EXPECT_EQ(connections[0].localName, "/mnt/b");
  EXPECT_EQ(connections[1].localName, "/mnt/a");
  EXPECT_EQ(connections[2].remoteName, "\\\\srv\\other");
  EXPECT_TRUE(ParseMountInfo("").empty());
}

}  // namespace
}  // namespace tarnwick
