// What the fuzz targets share: a check that stops the run loudly, and an
// independent statement of which connection holds a path.
#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "resolve/resolve.h"

#define FUZZ_CHECK(condition)                                                               \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                         \
    }                                                                                       \
  } while (false)

namespace tarnwick::fuzz {

// The answer as a user would state it: the first connection with both names
// whose share (without its closing backslashes) begins the path, letter case
// apart, and ends where the path ends or goes on with a backslash. The answer
// is its local name followed by the rest of the path as given, backslashes
// written as `separator`, spaces trimmed.
inline std::optional<ByteText> ExpectedAnswer(ByteView path,
                                              const std::vector<ConnectionEntry>& connections,
                                              char separator) {
  for (const ConnectionEntry& connection : connections) {
    ByteView share = connection.remoteName;
    while (!share.empty() && share.back() == '\\') share.remove_suffix(1);
    if (connection.localName.empty() || share.empty() || share.size() > path.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < share.size() && same; ++i) {
      same = FoldByte(static_cast<unsigned char>(share[i])) ==
             FoldByte(static_cast<unsigned char>(path[i]));
    }
    if (!same || (share.size() < path.size() && path[share.size()] != '\\')) continue;
    ByteText rest(path.substr(share.size()));
    std::replace(rest.begin(), rest.end(), '\\', separator);
    return TrimSpaces(connection.localName + rest);
  }
  return std::nullopt;
}

}  // namespace tarnwick::fuzz
