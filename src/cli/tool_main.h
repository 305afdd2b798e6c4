// One run of the tool: from the command tail to the exit status.
#pragma once

#include <array>

#include "text/byte_text.h"

namespace tarnwick {

// Every status the process can end with.
enum ExitStatus : unsigned {
  kResolved = 0,        // the resolved path was printed
  kNotFound = 1,        // a UNC path that no connection holds: NOT_FOUND was printed
  kHelpShown = 9,       // the argument failed the rules: the help screen was printed
  kStartupFailed = 255  // the process could not start, or ran out of memory mid-run
};

// What the process entry hands inward. `tail` is the command line after the
// program name, as 8-bit text. `tailExact` is false when the platform had to
// put stand-ins for characters that its 8-bit code page cannot hold: such a
// path names no file that an 8-bit answer could reach.
struct CommandInput {
  ByteText tail;
  bool tailExact = true;
};

// PassesAcceptanceRules()
//
// True for an argument of at least 3 bytes whose first byte is neither '/'
// nor '-' and whose first two bytes are backslashes.
[[nodiscard]] bool PassesAcceptanceRules(ByteView argument);

// ToolMain()
//
// Trims the tail's spaces, shows help for an argument that fails the rules,
// and otherwise prints the resolved path or NOT_FOUND.
[[nodiscard]] ExitStatus ToolMain(const CommandInput& input);

// The help screen's banner: the name and version, padded so that the
// author's credit ends one column short of an 80-column console.
[[nodiscard]] ByteText Banner(ByteView versionText);

// The help screen, line by line, as ShowHelp prints it.
inline constexpr std::size_t kHelpLineCount = 23;
[[nodiscard]] std::array<ByteText, kHelpLineCount> HelpLines();

// ShowHelp()
//
// Writes the 23 help lines.
void ShowHelp();

// WriteLine()
//
// Writes `text` and the platform's line end to standard output. A failed
// write is ignored: the exit status is the only report. Each platform
// defines it.
void WriteLine(ByteView text);

}  // namespace tarnwick
