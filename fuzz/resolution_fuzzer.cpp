// A fuzzed connection list and path. The input is split at newlines: the
// first field is the path, then local and remote names in turn.
#include <cstdint>

#include "fuzz_check.h"
#include "resolve/resolve.h"

using namespace tarnwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ByteView input(reinterpret_cast<const char*>(data), size);
  std::vector<ByteView> fields;
  for (std::size_t end; (end = input.find('\n')) != ByteView::npos; input.remove_prefix(end + 1)) {
    fields.push_back(input.substr(0, end));
  }
  fields.push_back(input);

  const ByteView path = fields[0];
  std::vector<ConnectionEntry> connections;
  for (std::size_t i = 1; i + 1 < fields.size(); i += 2) {
    connections.push_back({ByteText(fields[i]), ByteText(fields[i + 1])});
  }
  for (const char separator : {'\\', '/'}) {
    const std::optional<ByteText> answer = SubstituteConnection(path, connections, separator);
    FUZZ_CHECK(answer == fuzz::ExpectedAnswer(path, connections, separator));
  }
  return 0;
}
