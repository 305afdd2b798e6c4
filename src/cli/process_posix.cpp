// The process entry on Linux: the arguments, joined with one space each, are
// the command tail, so `tarnwick \\srv\my share\x` is one path as on Windows.
#include <sys/uio.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "cli/tool_main.h"

namespace tarnwick {

// Text and line end in one write, so that a reader of a pipe gets whole lines.
// A write that fails is not reported: the exit status is the only report.
void WriteLine(ByteView text) {
  char lineEnd = '\n';
  iovec parts[2] = {{const_cast<char*>(text.data()), text.size()}, {&lineEnd, 1}};
  iovec* next = parts;
  int count = 2;
  while (count > 0) {
    const ssize_t written = writev(STDOUT_FILENO, next, count);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return;
    // A short write is progress, not failure: go on with what is left.
    auto done = static_cast<std::size_t>(written);
    while (count > 0 && done >= next->iov_len) {
      done -= next->iov_len;
      ++next;
      --count;
    }
    if (count > 0) {
      next->iov_base = static_cast<char*>(next->iov_base) + done;
      next->iov_len -= done;
    }
  }
}

}  // namespace tarnwick

int main(int argc, char** argv) {
  using namespace tarnwick;
  // A reader that went away must not kill the run: the status still counts.
  signal(SIGPIPE, SIG_IGN);
  try {
    CommandInput input;
    for (int i = 1; i < argc; ++i) {
      if (i > 1) input.tail += ' ';
      input.tail += argv[i];
    }
    return static_cast<int>(ToolMain(input));
  } catch (...) {
    // Out of memory, at start-up or mid-run: a failure, never a success.
    return kStartupFailed;
  }
}
