// The connections of Linux: the SMB mounts of this process's mount table.
#include <fcntl.h>
#include <unistd.h>

#include "resolve/mountinfo.h"

namespace tarnwick {

extern const char kPathSeparator = '/';

std::vector<ConnectionEntry> EnumerateConnections() {
  const int table = open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
  if (table < 0) return {};
  // procfs reports no size: read until the end. A read error keeps what came.
  ByteText content;
  char chunk[16384];
  for (;;) {
    const ssize_t got = read(table, chunk, sizeof chunk);
    if (got <= 0) break;
    content.append(chunk, static_cast<std::size_t>(got));
  }
  close(table);
  return ParseMountInfo(content);
}

}  // namespace tarnwick
