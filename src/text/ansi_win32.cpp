#include "text/ansi_win32.h"

#include <windows.h>

#include <climits>

namespace tarnwick {

AnsiText ToAnsi(const wchar_t* text, std::size_t length) {
  if (length == 0) return {};
  if (length > INT_MAX) return {ByteText(), false};
  const int units = static_cast<int>(length);

  // UTF-8 as the ANSI code page holds every character, and takes neither the
  // best-fit flag nor the default-character report: only a lone surrogate
  // fails there.
  const bool utf8 = GetACP() == CP_UTF8;
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* const usedDefaultReport = utf8 ? nullptr : &usedDefault;

  int bytes =
      WideCharToMultiByte(CP_ACP, flags, text, units, nullptr, 0, nullptr, usedDefaultReport);
  if (bytes <= 0) {
    if (!utf8) return {ByteText(), false};
    bytes = WideCharToMultiByte(CP_ACP, 0, text, units, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return {ByteText(), false};
    ByteText lossy(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, units, lossy.data(), bytes, nullptr, nullptr);
    return {std::move(lossy), false};
  }
  ByteText converted(static_cast<std::size_t>(bytes), '\0');
  const int written = WideCharToMultiByte(CP_ACP, flags, text, units, converted.data(), bytes,
                                          nullptr, usedDefaultReport);
  if (written != bytes) return {ByteText(), false};
  return {std::move(converted), usedDefault == FALSE};
}

}  // namespace tarnwick
