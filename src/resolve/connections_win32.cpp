// The connected disk resources of the current user, from the Windows
// network-provider interface.
#include <windows.h>
#include <winnetwk.h>

#include <algorithm>
#include <cwchar>

#include "resolve/resolve.h"
#include "text/ansi_win32.h"

#ifndef LOAD_LIBRARY_SEARCH_SYSTEM32
#define LOAD_LIBRARY_SEARCH_SYSTEM32 0x00000800
#endif

namespace tarnwick {

extern const char kPathSeparator = '\\';

namespace {

using OpenEnumFunction = DWORD(WINAPI*)(DWORD, DWORD, DWORD, LPNETRESOURCEW, LPHANDLE);
using EnumResourceFunction = DWORD(WINAPI*)(HANDLE, LPDWORD, LPVOID, LPDWORD);
using CloseEnumFunction = DWORD(WINAPI*)(HANDLE);

// The first request asks for this many records; its buffer holds that many
// records, the strings they point to included.
constexpr DWORD kRecordsPerRequest = 256;
// A provider may ask for a larger buffer; no list of connections needs more.
constexpr DWORD kMaxBufferBytes = 64u << 20;
// A user has a few dozen connections; a provider that keeps giving records
// past this many is broken, and stopping keeps the ones it gave.
constexpr std::size_t kMaxRecords = 65536;
// A call may succeed with no entry while the interface moves on to the next
// provider, and a call that asks for a larger buffer brings none either. A
// provider with entries left gives at least one per successful call (one that
// does not fit is ERROR_MORE_DATA, not success), so a run of calls without any
// means no more are coming: 32 in a row is far more than a few providers
// need, and an endless run from a broken provider must not hang the scripts
// that call this tool.
constexpr int kMaxCallsWithoutEntries = 32;

// MPR is not a known DLL, so a plain load would first try the folder the exe
// sits in, where anyone could have put a mpr.dll. Load it from the system
// directory only; where the loader lacks that flag, by its full path there.
HMODULE LoadProviderInterface() {
  HMODULE module = LoadLibraryExW(L"mpr.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (module != nullptr) return module;
  wchar_t path[MAX_PATH + 16];
  const UINT length = GetSystemDirectoryW(path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  std::wcscpy(path + length, L"\\mpr.dll");
  return LoadLibraryW(path);
}

template <typename Function>
Function FindFunction(HMODULE module, const char* name) {
  // Through a plain function type, which every function pointer may be cast to.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// Copies the records of one call. A name that the ANSI code page cannot
// spell exactly would match, or be printed as, another name: that
// connection is left out.
void CopyEntries(const NETRESOURCEW* records, DWORD count, std::vector<ConnectionEntry>& entries) {
  for (DWORD i = 0; i < count; ++i) {
    const wchar_t* local = records[i].lpLocalName;
    const wchar_t* remote = records[i].lpRemoteName;
    AnsiText localName = ToAnsi(local, local == nullptr ? 0 : std::wcslen(local));
    AnsiText remoteName = ToAnsi(remote, remote == nullptr ? 0 : std::wcslen(remote));
    if (!localName.exact || !remoteName.exact) continue;
    entries.push_back({std::move(localName.text), std::move(remoteName.text)});
  }
}

std::vector<ConnectionEntry> EnumerateOpenHandle(EnumResourceFunction enumerate, HANDLE handle) {
  std::vector<ConnectionEntry> entries;
  std::vector<NETRESOURCEW> buffer(kRecordsPerRequest);
  std::size_t recordsSeen = 0;
  int callsWithoutEntries = 0;
  while (callsWithoutEntries < kMaxCallsWithoutEntries && recordsSeen < kMaxRecords) {
    const auto bufferBytes = static_cast<DWORD>(buffer.size() * sizeof(NETRESOURCEW));
    std::fill(buffer.begin(), buffer.end(), NETRESOURCEW{});
    DWORD count = kRecordsPerRequest;
    DWORD size = bufferBytes;
    const DWORD result = enumerate(handle, &count, buffer.data(), &size);
    DWORD filled = 0;
    switch (result) {
      case NO_ERROR:
        // Never trust a count past what was asked for or what the buffer holds.
        filled = std::min<DWORD>({count, kRecordsPerRequest, static_cast<DWORD>(buffer.size())});
        CopyEntries(buffer.data(), filled, entries);
        recordsSeen += filled;
        break;
      case ERROR_MORE_DATA:
        // Not even the next entry fits: grow to the size asked for and call
        // again. A size that is not larger would ask the same forever.
        if (size <= bufferBytes || size > kMaxBufferBytes) return entries;
        buffer.resize((size + sizeof(NETRESOURCEW) - 1) / sizeof(NETRESOURCEW));
        break;
      default:
        // ERROR_NO_MORE_ITEMS is the end of the list; any other failure ends
        // it too, and the entries so far stay.
        return entries;
    }
    callsWithoutEntries = filled > 0 ? 0 : callsWithoutEntries + 1;
  }
  return entries;
}

}  // namespace

std::vector<ConnectionEntry> EnumerateConnections() {
  HMODULE module = LoadProviderInterface();
  if (module == nullptr) return {};
  const auto open = FindFunction<OpenEnumFunction>(module, "WNetOpenEnumW");
  const auto enumerate = FindFunction<EnumResourceFunction>(module, "WNetEnumResourceW");
  const auto close = FindFunction<CloseEnumFunction>(module, "WNetCloseEnum");
  std::vector<ConnectionEntry> entries;
  if (open != nullptr && enumerate != nullptr && close != nullptr) {
    HANDLE handle = nullptr;
    const DWORD opened = open(RESOURCE_CONNECTED, RESOURCETYPE_DISK, 0, nullptr, &handle);
    if (opened == NO_ERROR && handle != nullptr) entries = EnumerateOpenHandle(enumerate, handle);
    if (handle != nullptr) close(handle);
  }
  FreeLibrary(module);
  return entries;
}

}  // namespace tarnwick
