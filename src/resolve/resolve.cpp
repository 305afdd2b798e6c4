#include "resolve/resolve.h"

namespace tarnwick {
namespace {

// The share's name without the backslashes that may close a remote name.
ByteView ShareName(ByteView remoteName) {
  const std::size_t last = remoteName.find_last_not_of('\\');
  return last == ByteView::npos ? ByteView() : remoteName.substr(0, last + 1);
}

bool HoldsPath(ByteView share, ByteView foldedArgument) {
  if (share.size() > foldedArgument.size()) return false;
  // Only the leading bytes are compared: a search of the whole argument would
  // cost the product of the two lengths and find shares in the middle of a path.
  if (!TextEquals(FoldLower(share), foldedArgument.substr(0, share.size()))) return false;
  return share.size() == foldedArgument.size() || foldedArgument[share.size()] == '\\';
}

}  // namespace

std::optional<ByteText> SubstituteConnection(ByteView argument,
                                             const std::vector<ConnectionEntry>& connections,
                                             char separator) {
  const ByteText foldedArgument = FoldLower(argument);
  for (const ConnectionEntry& entry : connections) {
    const ByteView share = ShareName(entry.remoteName);
    if (entry.localName.empty() || share.empty()) continue;
    if (!HoldsPath(share, foldedArgument)) continue;
    const ByteText rest = ReplaceAll(argument.substr(share.size()), "\\", ByteView(&separator, 1));
    return TrimSpaces(Concat({entry.localName, rest}));
  }
  return std::nullopt;
}

std::optional<ByteText> ResolveUncPath(ByteView argument) {
  return SubstituteConnection(argument, EnumerateConnections(), kPathSeparator);
}

}  // namespace tarnwick
