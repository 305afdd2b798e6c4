// The process entry on Windows: the command line and the output handle are
// fetched once, everything inward works on 8-bit text.
#include <windows.h>

#include <cwchar>

#include "cli/command_tail.h"
#include "cli/tool_main.h"
#include "text/ansi_win32.h"

namespace tarnwick {
namespace {

HANDLE g_standardOutput = INVALID_HANDLE_VALUE;

// The handle a launcher gave with STARTF_USESTDHANDLES wins over the
// process's standard handle.
HANDLE FindStandardOutput() {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  if ((startup.dwFlags & STARTF_USESTDHANDLES) != 0) return startup.hStdOutput;
  return GetStdHandle(STD_OUTPUT_HANDLE);
}

// The tail is cut from the wide command line and converted on its own, so
// that a program path the code page cannot spell does not spoil an argument
// that it can.
CommandInput ReadCommandInput() {
  const wchar_t* line = GetCommandLineW();
  if (line == nullptr) line = L"";
  const wchar_t* tail = line + CommandTailStart(line);
  AnsiText converted = ToAnsi(tail, std::wcslen(tail));
  return {std::move(converted.text), converted.exact};
}

// A failing device must never raise a system dialog; a failed or short write
// is neither reported nor retried.
void WriteBytes(ByteView bytes) {
  const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  DWORD written = 0;
  WriteFile(g_standardOutput, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  SetErrorMode(previousMode);
}

}  // namespace

void WriteLine(ByteView text) {
  if (!text.empty()) WriteBytes(text);
  WriteBytes("\r\n");
}

}  // namespace tarnwick

int main() {
  using namespace tarnwick;
  ExitStatus status = kStartupFailed;
  try {
    g_standardOutput = FindStandardOutput();
    status = ToolMain(ReadCommandInput());
  } catch (...) {
    // Out of memory, at start-up or mid-run: a failure, never a success.
  }
  ExitProcess(status);
}
