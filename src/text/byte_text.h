// Byte texts and the few operations that every rule of the tool rests on.
//
// A ByteText is a counted run of 8-bit bytes with value semantics: it may be
// empty, carries no terminator, may hold any byte (NUL included) and has no
// encoding. Bytes from the command line and from the platform are taken as
// they come and written out unchanged.
//
// Positions are 1-based and 0 stands for a failed search. Every operation
// returns a new value and leaves its inputs alone. The searches and the
// comparison allocate nothing; every operation that yields a text allocates
// at most once for it (texts short enough for the inline buffer not at all).
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tarnwick {

using ByteText = std::string;
// A read-only look at bytes owned elsewhere; every operation takes its inputs so.
using ByteView = std::string_view;

// FoldLower()
//
// Maps every byte through the fixed lower-case table: A-Z to a-z, and the
// seven code page 437 capitals 0x80 0x8E 0x8F 0x90 0x99 0x9A 0xA5 to their
// small letters 0x87 0x84 0x86 0x82 0x94 0x81 0xA4. Every other byte, the
// range 0xC0-0xDE included, stays as it is. Depends on no locale.
[[nodiscard]] ByteText FoldLower(ByteView text);

// FoldByte()
//
// The fold table for one byte, as FoldLower applies it.
[[nodiscard]] unsigned char FoldByte(unsigned char byte);

// FindText()
//
// The 1-based position of the leftmost occurrence of `pattern` in `text` that
// begins at or after `start`, or 0. An empty text, or a start before 1 or
// past the end, gives 0; otherwise an empty pattern is found at `start`.
// Byte-exact: fold both sides first for a case-blind search.
[[nodiscard]] std::size_t FindText(std::size_t start, ByteView text, ByteView pattern);

// FindAnyChar()
//
// The 1-based position of the first byte of `text`, at or after `start`, that
// occurs in `set`, or 0. An empty text, or a start before 1 or past the end,
// gives 0; an empty set gives `start`.
[[nodiscard]] std::size_t FindAnyChar(std::size_t start, ByteView text, ByteView set);

// ReplaceAll()
//
// `text` with every occurrence of `pattern` replaced by `replacement`.
// Occurrences are found left to right and never overlap: after one, the
// search goes on at the first byte after it, and bytes put in by a
// replacement are never searched again. So "aa" -> "b" in "aaa" gives "ba",
// and "\\s\a" -> "Z:" in "\\s\a\\s\a" gives "Z:Z:". An empty pattern, an
// empty text or a pattern longer than the text leaves the text unchanged; an
// empty replacement removes every occurrence. One counting pass sizes the
// result, one copying pass fills it.
[[nodiscard]] ByteText ReplaceAll(ByteView text, ByteView pattern, ByteView replacement);

// TrimSpaces()
//
// `text` without its leading and trailing 0x20 bytes. Tabs, NULs and every
// other byte stay; a text of spaces only becomes empty.
[[nodiscard]] ByteText TrimSpaces(ByteView text);

// Slice()
//
// At most `count` bytes of `text` from the 1-based `start`. A start of 0, a
// count of 0 or a start past the end gives the empty text; a count that runs
// past the end is clamped to it.
[[nodiscard]] ByteText Slice(ByteView text, std::size_t start, std::size_t count);

// TextEquals()
//
// True when both texts have the same length and the same bytes.
[[nodiscard]] bool TextEquals(ByteView a, ByteView b);

// Spaces()
//
// `count` bytes of 0x20.
[[nodiscard]] ByteText Spaces(std::size_t count);

// Concat()
//
// The bytes of all `parts`, one after the other.
[[nodiscard]] ByteText Concat(std::initializer_list<ByteView> parts);

// FromCString()
//
// The bytes of a NUL-terminated string up to its first NUL, at most
// kMaxCStringBytes of them (a string with no NUL in reach is cut there); the
// empty text for a null pointer.
inline constexpr std::size_t kMaxCStringBytes = std::size_t{1} << 24;
[[nodiscard]] ByteText FromCString(const char* text);

}  // namespace tarnwick
