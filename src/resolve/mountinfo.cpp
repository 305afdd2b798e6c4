#include "resolve/mountinfo.h"

#include <algorithm>

namespace tarnwick {
namespace {

bool IsOctal(char byte) { return byte >= '0' && byte <= '7'; }

// The field that begins at `from` and runs to the next space or the end.
ByteView FieldAt(ByteView text, std::size_t from) {
  if (from > text.size()) return ByteView();
  const std::size_t end = text.find(' ', from);
  return text.substr(from, end == ByteView::npos ? ByteView::npos : end - from);
}

// Whether a still escaped source may name a share (the kernel writes a
// backslash as \134): spares decoding the lines of every other mount.
bool MayNameShare(ByteView source) { return source.starts_with("//") || source.starts_with('\\'); }

}  // namespace

ByteText DecodeMountField(ByteView field) {
  ByteText decoded;
  decoded.reserve(field.size());
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() && field[i + 1] >= '0' && field[i + 1] <= '3' &&
        IsOctal(field[i + 2]) && IsOctal(field[i + 3])) {
      decoded.push_back(static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                          (field[i + 3] - '0')));
      i += 3;
    } else {
      decoded.push_back(field[i]);
    }
  }
  return decoded;
}

std::optional<ConnectionEntry> ParseMountLine(ByteView line) {
  // Every field before the separator has its spaces escaped, so the first
  // lone "-" between spaces is the separator.
  const std::size_t separator = line.find(" - ");
  if (separator == ByteView::npos) return std::nullopt;
  const ByteView type = FieldAt(line, separator + 3);
  const ByteView source = FieldAt(line, separator + 3 + type.size() + 1);
  if (type.empty() || !MayNameShare(source)) return std::nullopt;

  // The mount point is the fifth field; at least the sixth (the options)
  // stands between it and the separator.
  std::size_t at = 0;
  for (int field = 0; field < 4; ++field) {
    at = line.find(' ', at);
    if (at == ByteView::npos || at >= separator) return std::nullopt;
    ++at;
  }
  const ByteView mountPoint = FieldAt(line, at);
  if (mountPoint.empty() || at + mountPoint.size() >= separator) return std::nullopt;

  ByteText remoteName = DecodeMountField(source);
  if (!remoteName.starts_with("//") && !remoteName.starts_with("\\\\")) return std::nullopt;
  std::replace(remoteName.begin(), remoteName.end(), '/', '\\');
  return ConnectionEntry{DecodeMountField(mountPoint), std::move(remoteName)};
}

std::vector<ConnectionEntry> ParseMountInfo(ByteView table) {
  std::vector<ConnectionEntry> connections;
  std::size_t lineStart = 0;
  while (lineStart < table.size()) {
    std::size_t lineEnd = table.find('\n', lineStart);
    if (lineEnd == ByteView::npos) lineEnd = table.size();
    if (auto connection = ParseMountLine(table.substr(lineStart, lineEnd - lineStart))) {
      connections.push_back(std::move(*connection));
    }
    lineStart = lineEnd + 1;
  }
  return connections;
}

}  // namespace tarnwick
