#include "cli/tool_main.h"

#include "cli/command_tail.h"
#include "resolve/resolve.h"

namespace tarnwick {

ByteText CommandTail(ByteView commandLine) {
  // The cursor stops at the first NUL, as it would on the platform's text.
  const ByteText terminated(commandLine.substr(0, commandLine.find('\0')));
  return terminated.substr(CommandTailStart(terminated.c_str()));
}

bool PassesAcceptanceRules(ByteView argument) {
  if (argument.size() < 3) return false;
  if (FindAnyChar(1, Slice(argument, 1, 1), "/-") != 0) return false;
  return TextEquals(Slice(argument, 1, 2), "\\\\");
}

ExitStatus ToolMain(const CommandInput& input) {
  const ByteText argument = TrimSpaces(input.tail);
  if (!PassesAcceptanceRules(argument)) {
    ShowHelp();
    return kHelpShown;
  }
  // A path the 8-bit world cannot spell is one no mapped drive can answer
  // for: a script that falls back to the UNC path stays right.
  const std::optional<ByteText> resolved =
      input.tailExact ? ResolveUncPath(argument) : std::nullopt;
  if (!resolved) {
    WriteLine("NOT_FOUND");
    return kNotFound;
  }
  WriteLine(*resolved);
  return kResolved;
}

}  // namespace tarnwick
