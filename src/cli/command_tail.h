// Where the one argument begins on a command line.
#pragma once

#include <cstddef>
#include <type_traits>

#include "text/byte_text.h"

namespace tarnwick {

// CommandTailStart()
//
// The offset in a NUL-terminated command line at which its tail begins: the
// program name and the spaces after it are skipped, the rest is the tail.
//  - A line that opens with a double quote: the name runs to the next double
//    quote, and the tail begins past it and the spaces that follow. Nothing
//    else ends a quoted name, so `"prog"x` has the tail `x`; with no closing
//    quote the tail is empty.
//  - A line that opens with a space: the name is empty and the tail begins at
//    the first byte that is not a space.
//  - Otherwise the first unit belongs to the name whatever it is, and the name
//    goes on while units are above 0x20. A space ends it and is skipped with
//    the spaces after it; any smaller unit (NUL, tab, another control byte)
//    ends it and begins the tail itself, so a tab after the name is part of
//    the tail.
// Only the space separates; quotes inside the tail mean nothing. Written for
// any code-unit type so that the wide command line of Windows is cut at the
// same place as its 8-bit form.
template <typename Unit>
std::size_t CommandTailStart(const Unit* line) {
  // Compared unsigned: bytes from 0x80 up belong to the name.
  const auto code = [](Unit unit) { return static_cast<std::make_unsigned_t<Unit>>(unit); };
  std::size_t at = 0;
  if (code(line[0]) == '"') {
    ++at;
    while (code(line[at]) != 0 && code(line[at]) != '"') ++at;
    if (code(line[at]) == 0) return at;
    ++at;
  } else if (code(line[0]) != ' ') {
    if (code(line[0]) == 0) return 0;
    ++at;
    while (code(line[at]) > 0x20) ++at;
    if (code(line[at]) != ' ') return at;
  }
  while (code(line[at]) == ' ') ++at;
  return at;
}

// CommandTail()
//
// The tail of an 8-bit command line, up to its end (or its first NUL).
[[nodiscard]] ByteText CommandTail(ByteView commandLine);

}  // namespace tarnwick
