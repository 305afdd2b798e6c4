#include "text/byte_text.h"

#include <array>
#include <cstring>

namespace tarnwick {
namespace {

constexpr std::array<unsigned char, 256> MakeFoldTable() {
  std::array<unsigned char, 256> table{};
  for (std::size_t byte = 0; byte < table.size(); ++byte) {
    table[byte] = static_cast<unsigned char>(byte);
  }
  for (std::size_t byte = 'A'; byte <= 'Z'; ++byte) {
    table[byte] = static_cast<unsigned char>(byte + 0x20);
  }
  // The capitals of code page 437 that have a small letter there; no other
  // byte above 0x7F folds.
  table[0x80] = 0x87;  // C cedilla
  table[0x8E] = 0x84;  // A diaeresis
  table[0x8F] = 0x86;  // A ring
  table[0x90] = 0x82;  // E acute
  table[0x99] = 0x94;  // O diaeresis
  table[0x9A] = 0x81;  // U diaeresis
  table[0xA5] = 0xA4;  // N tilde
  return table;
}

constexpr std::array<unsigned char, 256> kFoldTable = MakeFoldTable();

// The 0-based offset of the leftmost occurrence of a non-empty `pattern` in
// `text` at or after `from`, or npos. The plain scan for the first byte
// followed by a comparison of the rest: memchr and memcmp do the inner loops.
std::size_t FindFrom(ByteView text, std::size_t from, ByteView pattern) {
  const std::size_t need = pattern.size();
  while (from < text.size() && text.size() - from >= need) {
    const void* hit = std::memchr(text.data() + from, pattern[0], text.size() - from - need + 1);
    if (hit == nullptr) return ByteView::npos;
    const auto at = static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
    if (std::memcmp(text.data() + at + 1, pattern.data() + 1, need - 1) == 0) return at;
    from = at + 1;
  }
  return ByteView::npos;
}

}  // namespace

unsigned char FoldByte(unsigned char byte) { return kFoldTable[byte]; }

ByteText FoldLower(ByteView text) {
  ByteText folded(text.size(), '\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    folded[i] = static_cast<char>(kFoldTable[static_cast<unsigned char>(text[i])]);
  }
  return folded;
}

std::size_t FindText(std::size_t start, ByteView text, ByteView pattern) {
  if (text.empty() || start < 1 || start - 1 >= text.size()) return 0;
  if (pattern.empty()) return start;
  const std::size_t at = FindFrom(text, start - 1, pattern);
  return at == ByteView::npos ? 0 : at + 1;
}

std::size_t FindAnyChar(std::size_t start, ByteView text, ByteView set) {
  if (text.empty() || start < 1 || start - 1 >= text.size()) return 0;
  if (set.empty()) return start;
  for (std::size_t i = start - 1; i < text.size(); ++i) {
    if (std::memchr(set.data(), text[i], set.size()) != nullptr) return i + 1;
  }
  return 0;
}

ByteText ReplaceAll(ByteView text, ByteView pattern, ByteView replacement) {
  if (pattern.empty() || text.empty() || pattern.size() > text.size()) return ByteText(text);

  std::size_t occurrences = 0;
  for (std::size_t at = FindFrom(text, 0, pattern); at != ByteView::npos;
       at = FindFrom(text, at + pattern.size(), pattern)) {
    ++occurrences;
  }
  if (occurrences == 0) return ByteText(text);

  // Every occurrence removes pattern.size() bytes and adds replacement.size().
  const std::size_t length =
      text.size() - occurrences * pattern.size() + occurrences * replacement.size();
  ByteText result(length, '\0');
  char* out = result.data();
  std::size_t copied = 0;
  for (std::size_t at = FindFrom(text, 0, pattern); at != ByteView::npos;
       at = FindFrom(text, at + pattern.size(), pattern)) {
    std::memcpy(out, text.data() + copied, at - copied);
    out += at - copied;
    if (!replacement.empty()) std::memcpy(out, replacement.data(), replacement.size());
    out += replacement.size();
    copied = at + pattern.size();
  }
  std::memcpy(out, text.data() + copied, text.size() - copied);
  return result;
}

ByteText TrimSpaces(ByteView text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == ByteView::npos) return ByteText();
  const std::size_t last = text.find_last_not_of(' ');
  return ByteText(text.substr(first, last - first + 1));
}

ByteText Slice(ByteView text, std::size_t start, std::size_t count) {
  if (start < 1 || count == 0 || start > text.size()) return ByteText();
  return ByteText(text.substr(start - 1, count));
}

bool TextEquals(ByteView a, ByteView b) { return a == b; }

ByteText Spaces(std::size_t count) { return ByteText(count, ' '); }

ByteText Concat(std::initializer_list<ByteView> parts) {
  std::size_t length = 0;
  for (ByteView part : parts) length += part.size();
  ByteText joined(length, '\0');
  char* out = joined.data();
  for (ByteView part : parts) {
    if (!part.empty()) std::memcpy(out, part.data(), part.size());
    out += part.size();
  }
  return joined;
}

ByteText FromCString(const char* text) {
  if (text == nullptr) return ByteText();
  std::size_t length = 0;
  while (length < kMaxCStringBytes && text[length] != '\0') ++length;
  return ByteText(text, length);
}

}  // namespace tarnwick
