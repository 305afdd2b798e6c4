#include "cli/tool_main.h"

namespace tarnwick {
namespace {

constexpr ByteView kVersionText = "1.00";
// The column at which the author's name would start if the version were empty.
constexpr std::size_t kBannerColumn = 41;
constexpr ByteView kContactAddress = "morgan.avelyn@tarnwick.example";

}  // namespace

ByteText Banner(ByteView versionText) {
  return Concat({"Tarnwick v", versionText, Spaces(kBannerColumn - versionText.size()),
                 "Created by: Morgan T. Avelyn"});
}

std::array<ByteText, kHelpLineCount> HelpLines() {
  return {
      "",
      Banner(kVersionText),
      "",
      "Tarnwick takes a UNC path and returns the mapped drive letter if it exists.",
      "",
      "Usage:",
      "",
      "TARNWICK UNC_path",
      "",
      "Returns the local drive letter mapped to the UNC path provided. If multiple",
      "drives are mapped, the first one mapped (not necessarily the lowest letter) is",
      "returned. If no drive is mapped to the UNC path, then NOT_FOUND is returned.",
      "",
      "Notes:",
      "Not case sensitive.",
      "Not smart enough to know that a particular NetBIOS name, FQDN, or IP Address",
      "are all the same host. It must have bee mapped as the UNC path you passed.",
      "",
      "Returns error code 0 if successful in resolving UNC path to a drive letter.",
      "Returns error code 1 if unsuccessful in resolving UNC path to a drive letter.",
      "Returns error code 9 for all other errors (including showing this help).",
      "",
      Concat({"Email Morgan T. Avelyn (", kContactAddress, ") with any comments."}),
  };
}

void ShowHelp() {
  for (const ByteText& line : HelpLines()) WriteLine(line);
}

}  // namespace tarnwick
