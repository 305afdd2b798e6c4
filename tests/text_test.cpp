#include <gtest/gtest.h>

#include <string>

#include "text/byte_text.h"

namespace tarnwick {
namespace {

using namespace std::string_literals;

TEST(FoldLowerTest, MapsEveryByteThroughTheTable) {
  // The seven code page 437 capitals that fold, and nothing else above 0x7F.
  const std::pair<int, int> kHighPairs[] = {{0x80, 0x87}, {0x8E, 0x84}, {0x8F, 0x86}, {0x90, 0x82},
                                            {0x99, 0x94}, {0x9A, 0x81}, {0xA5, 0xA4}};
  for (int byte = 0; byte < 256; ++byte) {
    int expected = byte;
    if (byte >= 'A' && byte <= 'Z') expected = byte + 0x20;
    for (auto [in, out] : kHighPairs) {
      if (byte == in) expected = out;
    }
    SCOPED_TRACE(byte);
    const ByteText folded = FoldLower(ByteText(1, static_cast<char>(byte)));
    ASSERT_EQ(folded.size(), 1u);
    EXPECT_EQ(static_cast<unsigned char>(folded[0]), expected);
    EXPECT_EQ(FoldByte(static_cast<unsigned char>(byte)), expected);
  }
  EXPECT_EQ(FoldLower("\\\\SRV\\Share"), "\\\\srv\\share");
  EXPECT_EQ(FoldLower("A\0B"s), "a\0b"s);
  EXPECT_EQ(FoldLower(""), "");
}

TEST(FindTextTest, FindsTheLeftmostOccurrenceFromTheStart) {
  struct Case {
    std::size_t start;
    std::string text, pattern;
    std::size_t expected;
  };
  const Case kCases[] = {
      {1, "", "a", 0},        // an empty text holds nothing
      {1, "", "", 0},         // not even the empty pattern
      {1, "abc", "", 1},      // the empty pattern is found where the search starts
      {3, "abc", "", 3},      //
      {4, "abc", "", 0},      // a start past the end finds nothing
      {0, "abc", "a", 0},     // positions begin at 1
      {1, "ab", "abc", 0},    // a pattern longer than the text
      {1, "xabab", "ab", 2},  // 1-based, leftmost
      {3, "xabab", "ab", 4},  // at or after the start
      {1, "abc", "abc", 1},   //
      {1, "aab", "ab", 2},    // a failed candidate resumes one byte on
      {1, "abC", "abc", 0},   // byte-exact: case counts
      {1, "a\0b"s, "\0b"s, 2}, {1, "ab", "b", 2},  // a match that ends with the text
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text + " / " + c.pattern);
    EXPECT_EQ(FindText(c.start, c.text, c.pattern), c.expected);
  }
}

TEST(FindAnyCharTest, FindsTheFirstByteOfTheSet) {
  struct Case {
    std::size_t start;
    std::string text, set;
    std::size_t expected;
  };
  const Case kCases[] = {
      {1, "", "/-", 0},    {1, "", "", 0},      {1, "abc", "", 1},    {2, "abc", "", 2},
      {4, "abc", "x", 0},  {0, "abc", "a", 0},  {1, "/x", "/-", 1},   {1, "-x", "/-", 1},
      {1, "x-/", "/-", 2}, {3, "x-/", "/-", 3}, {1, "\\\\", "/-", 0}, {1, "a\0"s, "\0"s, 2},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text + " / " + c.set);
    EXPECT_EQ(FindAnyChar(c.start, c.text, c.set), c.expected);
  }
}

TEST(ReplaceAllTest, ReplacesEveryOccurrenceLeftToRightWithoutOverlap) {
  struct Case {
    std::string text, pattern, replacement, expected;
  };
  const Case kCases[] = {
      {R"(\\s\a\\s\a)", R"(\\s\a)", "Z:", "Z:Z:"},  // every occurrence
      {"aaa", "aa", "b", "ba"},                     // non-overlapping, left to right
      {"aaaa", "aa", "b", "bb"},
      {"abc", "", "x", "abc"},      // an empty pattern never inserts anything
      {"", "a", "x", ""},           // an empty text
      {"ab", "abc", "x", "ab"},     // a pattern longer than the text
      {"abc", "x", "y", "abc"},     // no occurrence
      {"a.b.c", ".", "", "abc"},    // an empty replacement removes
      {"aXa", "a", "aa", "aaXaa"},  // replaced bytes are never searched again
      {"ab", "ab", "longer text", "longer text"},
      {"xabyab", "ab", "Q", "xQyQ"},
      {"A\0A"s, "\0"s, "-", "A-A"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text + " / " + c.pattern + " / " + c.replacement);
    EXPECT_EQ(ReplaceAll(c.text, c.pattern, c.replacement), c.expected);
  }
}

TEST(TrimSpacesTest, RemovesOnlyOuterSpaces) {
  const std::pair<std::string, std::string> kCases[] = {
      {"  a b  ", "a b"}, {"\ta ", "\ta"},  {"    ", ""},   {"", ""},
      {"a", "a"},         {" \0 "s, "\0"s}, {"a\t", "a\t"}, {" x", "x"},
  };
  for (const auto& [text, expected] : kCases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(TrimSpaces(text), expected);
  }
}

TEST(SliceTest, ClampsToTheText) {
  // Every start and count around a three-byte text.
  const std::string text = "abc";
  for (std::size_t start = 0; start <= 5; ++start) {
    for (std::size_t count = 0; count <= 5; ++count) {
      std::string expected;
      if (start >= 1 && start <= 3) expected = text.substr(start - 1, count);
      SCOPED_TRACE(testing::Message() << start << "," << count);
      EXPECT_EQ(Slice(text, start, count), expected);
    }
  }
  EXPECT_EQ(Slice("", 1, 2), "");
  EXPECT_EQ(Slice("a", 1, 2), "a");
}

TEST(SmallOperationsTest, BehaveAsDocumented) {
  EXPECT_TRUE(TextEquals("ab", "ab"));
  EXPECT_FALSE(TextEquals("ab", "abc"));
  EXPECT_FALSE(TextEquals("ab", "aB"));
  EXPECT_TRUE(TextEquals("", ""));
  EXPECT_EQ(Spaces(0), "");
  EXPECT_EQ(Spaces(3), "   ");
  EXPECT_EQ(Concat({"a", "", "bc", "\0"s}), "abc\0"s);
  EXPECT_EQ(Concat({}), "");
  EXPECT_EQ(FromCString(nullptr), "");
  EXPECT_EQ(FromCString(""), "");
  EXPECT_EQ(FromCString("ab\0cd"), "ab");
  EXPECT_EQ(FromCString("\xff\x80"), "\xff\x80");
}

TEST(SmallOperationsTest, FromCStringStopsAtItsLimit) {
  // A string with no NUL within reach is cut at the limit, not read past it.
  std::string huge(kMaxCStringBytes + 10, 'x');
  EXPECT_EQ(FromCString(huge.c_str()).size(), kMaxCStringBytes);
}

}  // namespace
}  // namespace tarnwick
