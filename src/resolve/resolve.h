// Which mapped drive reaches a UNC path.
#pragma once

#include <optional>
#include <vector>

#include "text/byte_text.h"

namespace tarnwick {

// One connected disk resource as the platform lists it. `localName` is the
// device it is reached through (a drive such as "Z:"), empty for a
// connection without one; `remoteName` is the shared resource's UNC name
// ("\\srv\share"), empty when the platform gives none.
struct ConnectionEntry {
  ByteText localName;
  ByteText remoteName;
};

// EnumerateConnections()
//
// The current user's connected disk resources, in the platform's order.
// Every failure yields the entries gathered so far, possibly none. Each
// platform defines it in a file of its own.
[[nodiscard]] std::vector<ConnectionEntry> EnumerateConnections();

// The byte that separates folders in the paths this platform prints: a
// backslash on Windows, a slash on Linux. Each platform defines it.
extern const char kPathSeparator;

// SubstituteConnection()
//
// Rewrites `argument` through the first of `connections` whose share it lies
// in, or gives nothing when none does. An entry is skipped when either name is
// empty: a deviceless connection has no drive to offer, and an empty share
// would claim every path. A share's trailing backslashes are not part of its
// name. It holds the argument when its folded name is the leading part of
// the folded argument and the argument ends there or goes on with a
// backslash: "\\srv\share" holds "\\srv\share\x" but not "\\srv\share2\x".
// The result is the entry's local name, as the platform gave it, followed by
// the argument's own bytes after the share (folding decides the match only,
// so "\\SRV\Share\Docs" on Z: gives "Z:\Docs") with each backslash
// turned into `separator`, with spaces trimmed.
[[nodiscard]] std::optional<ByteText> SubstituteConnection(
    ByteView argument, const std::vector<ConnectionEntry>& connections, char separator = '\\');

// ResolveUncPath()
//
// SubstituteConnection over the connections of this moment, in this
// platform's paths.
[[nodiscard]] std::optional<ByteText> ResolveUncPath(ByteView argument);

}  // namespace tarnwick
