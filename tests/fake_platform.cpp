#include "fake_platform.h"

#include "cli/tool_main.h"

namespace tarnwick {
namespace fake {

std::vector<ConnectionEntry> connections;
std::vector<ByteText> lines;
int enumerations = 0;

void Reset() {
  connections.clear();
  lines.clear();
  enumerations = 0;
}

}  // namespace fake

extern const char kPathSeparator = '\\';

std::vector<ConnectionEntry> EnumerateConnections() {
  ++fake::enumerations;
  return fake::connections;
}

void WriteLine(ByteView text) { fake::lines.emplace_back(text); }

}  // namespace tarnwick
