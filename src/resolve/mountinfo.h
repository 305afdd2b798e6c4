// The SMB mounts of a Linux mount table, as connections.
#pragma once

#include <optional>
#include <vector>

#include "resolve/resolve.h"

namespace tarnwick {

// DecodeMountField()
//
// A field of /proc/self/mountinfo with its octal escapes (\040 space, \011
// tab, \012 newline, \134 backslash, any \ooo up to \377) turned back into
// bytes. A backslash that begins no such escape stays as it is.
[[nodiscard]] ByteText DecodeMountField(ByteView field);

// ParseMountLine()
//
// The connection one mountinfo line describes, or nothing when its mount
// source does not begin with // or \\ (not a network share) or the line is
// malformed. The line reads
//   ID PARENT MAJOR:MINOR ROOT MOUNT_POINT OPTIONS [OPTIONAL...] - TYPE SOURCE SUPER_OPTIONS
// The local name is the mount point; the remote name is the source with
// every / turned into \ (//fs01/data gives \\fs01\data).
[[nodiscard]] std::optional<ConnectionEntry> ParseMountLine(ByteView line);

// ParseMountInfo()
//
// The connections of a whole mount table, in its order.
[[nodiscard]] std::vector<ConnectionEntry> ParseMountInfo(ByteView table);

}  // namespace tarnwick
