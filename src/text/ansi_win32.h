// Wide text of Windows brought into the 8-bit world of the ANSI code page.
#pragma once

#include <cstddef>

#include "text/byte_text.h"

namespace tarnwick {

// `text` in the ANSI code page, and whether every character came through as
// itself. Windows would otherwise put "best fit" stand-ins for characters the
// code page lacks (L for a barred L, a for a fullwidth a), naming another
// file; here such a character becomes the default character and `exact` is
// false.
struct AnsiText {
  ByteText text;
  bool exact = true;
};
[[nodiscard]] AnsiText ToAnsi(const wchar_t* text, std::size_t length);

}  // namespace tarnwick
