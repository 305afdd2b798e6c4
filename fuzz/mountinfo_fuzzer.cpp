// The mount table: arbitrary bytes, long lines, broken escapes, missing
// separators. Every connection it yields is a share with a mount point.
#include <algorithm>
#include <cstdint>

#include "fuzz_check.h"
#include "resolve/mountinfo.h"

using namespace tarnwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ByteView table(reinterpret_cast<const char*>(data), size);
  const std::vector<ConnectionEntry> connections = ParseMountInfo(table);
  FUZZ_CHECK(connections.size() <=
             static_cast<std::size_t>(std::count(table.begin(), table.end(), '\n')) + 1);
  for (const ConnectionEntry& connection : connections) {
    FUZZ_CHECK(!connection.localName.empty());
    FUZZ_CHECK(connection.remoteName.starts_with("\\\\"));
    FUZZ_CHECK(connection.remoteName.find('/') == ByteText::npos);
    FUZZ_CHECK(connection.localName.size() <= size && connection.remoteName.size() <= size);
  }
  FUZZ_CHECK(DecodeMountField(table).size() <= size);
  return 0;
}
