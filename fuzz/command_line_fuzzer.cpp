// The raw command line: tail, trimming, rules and dispatch. Whatever the
// bytes, a run prints the 23-line help with status 9, NOT_FOUND with status 1,
// or the one expected line with status 0.
#include <cstdint>

#include "cli/command_tail.h"
#include "cli/tool_main.h"
#include "fake_platform.h"
#include "fuzz_check.h"

using namespace tarnwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ByteView line(reinterpret_cast<const char*>(data), size);
  const ByteText tail = CommandTail(line);
  FUZZ_CHECK(line.substr(0, line.find('\0')).ends_with(tail));

  const std::vector<ConnectionEntry> connections = {
      {"Z:", R"(\\srv\share)"}, {"", R"(\\srv\x)"}, {"Y:", "\\\\SRV\\\x80\\"}, {"X:", "\\\\s"}};
  fake::Reset();
  fake::connections = connections;
  const ExitStatus status = ToolMain({tail, true});
  const ByteText argument = TrimSpaces(tail);
  if (!PassesAcceptanceRules(argument)) {
    FUZZ_CHECK(status == kHelpShown);
    const auto help = HelpLines();
    FUZZ_CHECK(fake::lines == std::vector<ByteText>(help.begin(), help.end()));
    FUZZ_CHECK(fake::enumerations == 0);
    return 0;
  }
  FUZZ_CHECK(argument.size() >= 3 && argument[0] == '\\' && argument[1] == '\\');
  FUZZ_CHECK(fake::lines.size() == 1);
  const std::optional<ByteText> expected = fuzz::ExpectedAnswer(argument, connections, '\\');
  if (expected) {
    FUZZ_CHECK(status == kResolved && fake::lines[0] == *expected);
  } else {
    FUZZ_CHECK(status == kNotFound && fake::lines[0] == "NOT_FOUND");
  }
  // A tail that lost characters on its way in is never resolved.
  fake::Reset();
  fake::connections = connections;
  FUZZ_CHECK(ToolMain({tail, false}) == kNotFound && fake::enumerations == 0);
  return 0;
}
