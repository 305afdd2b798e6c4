// A stand-in network-provider interface for the end-to-end tests: serves the
// connections a test lists, the way the real enumeration does, and logs every
// call so that a test can check what the tool asked for.
//
// The list comes from the file named by TARNWICK_STANDIN_CONFIG, one
// directive a line:
//   open CODE          WNetOpenEnumW returns CODE (default 0, NO_ERROR)
//   fail N CODE        the N-th WNetEnumResourceW call (from 1) returns CODE
//   per-call K         at most K entries per enumeration call
//   empty-calls N      the first N enumeration calls succeed with no entry
//   empty-forever      every enumeration call succeeds with no entry
//   strings-after-records
//                      the strings follow the records instead of filling the
//                      buffer from its end (the contract allows either)
//   entry LOCAL REMOTE one connection; each name is "-" for a null pointer,
//                      "=" for the empty string, or its UTF-16 code units as
//                      4-digit hex numbers one after the other
// The log goes to the file named by TARNWICK_STANDIN_LOG, a line a call.
#include <windows.h>
#include <winnetwk.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Name {
  bool present = false;
  std::wstring text;
};

struct Entry {
  Name local;
  Name remote;
};

struct Config {
  DWORD openResult = NO_ERROR;
  DWORD failCall = 0;
  DWORD failResult = NO_ERROR;
  DWORD perCall = 0xFFFFFFFF;
  DWORD emptyCalls = 0;
  bool emptyForever = false;
  bool stringsAfterRecords = false;
  std::vector<Entry> entries;
};

Config g_config;
std::size_t g_cursor = 0;
DWORD g_enumCalls = 0;
// Any recognisable value: the tool must hand back exactly this.
constexpr ULONG_PTR kHandleValue = 0x5EED;

HANDLE OurHandle() {
  return reinterpret_cast<HANDLE>(kHandleValue);  // NOLINT(performance-no-int-to-ptr): a token
}

std::string Environment(const char* name) {
  char value[MAX_PATH * 4];
  const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
  return length == 0 || length >= sizeof value ? std::string() : std::string(value, length);
}

// printf-style, so that the compiler checks each format against its arguments.
void Log(const char* format, ...) {  // NOLINT(cert-dcl50-cpp)
  const std::string path = Environment("TARNWICK_STANDIN_LOG");
  if (path.empty()) return;
  char line[1024];
  va_list args;
  va_start(args, format);
  const int length = std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, line, static_cast<DWORD>(length < 0 ? 0 : length), &written, nullptr);
  WriteFile(file, "\n", 1, &written, nullptr);
  CloseHandle(file);
}

Name ParseName(const std::string& word) {
  Name name;
  if (word == "-") return name;
  name.present = true;
  if (word == "=") return name;
  for (std::size_t i = 0; i + 4 <= word.size(); i += 4) {
    name.text.push_back(static_cast<wchar_t>(std::strtoul(word.substr(i, 4).c_str(), nullptr, 16)));
  }
  return name;
}

void LoadConfig() {
  g_config = Config();
  g_cursor = 0;
  g_enumCalls = 0;
  std::ifstream file(Environment("TARNWICK_STANDIN_CONFIG"));
  std::string line;
  while (std::getline(file, line)) {
    std::istringstream words(line);
    std::string directive;
    words >> directive;
    if (directive == "open") {
      words >> g_config.openResult;
    } else if (directive == "fail") {
      words >> g_config.failCall >> g_config.failResult;
    } else if (directive == "per-call") {
      words >> g_config.perCall;
    } else if (directive == "empty-calls") {
      words >> g_config.emptyCalls;
    } else if (directive == "empty-forever") {
      g_config.emptyForever = true;
    } else if (directive == "strings-after-records") {
      g_config.stringsAfterRecords = true;
    } else if (directive == "entry") {
      std::string local;
      std::string remote;
      words >> local >> remote;
      g_config.entries.push_back({ParseName(local), ParseName(remote)});
    }
  }
}

std::size_t StringBytes(const Name& name) {
  return name.present ? (name.text.size() + 1) * sizeof(wchar_t) : 0;
}

std::size_t EntryBytes(const Entry& entry) {
  return sizeof(NETRESOURCEW) + StringBytes(entry.local) + StringBytes(entry.remote);
}

wchar_t* PlaceString(const Name& name, BYTE*& at) {
  if (!name.present) return nullptr;
  const std::size_t bytes = StringBytes(name);
  std::memcpy(at, name.text.c_str(), bytes);
  at += bytes;
  return reinterpret_cast<wchar_t*>(at - bytes);
}

}  // namespace

extern "C" {

// The parameters keep the platform's names, which the header declares.
DWORD WINAPI WNetOpenEnumW(DWORD dwScope, DWORD dwType, DWORD dwUsage, LPNETRESOURCEW lpNetResource,
                           LPHANDLE lphEnum) {
  LoadConfig();
  wchar_t module[MAX_PATH] = L"";
  HMODULE self = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&WNetOpenEnumW), &self);
  GetModuleFileNameW(self, module, MAX_PATH);
  Log("open scope=%lu type=%lu usage=%lu container=%s module=%ls", dwScope, dwType, dwUsage,
      lpNetResource == nullptr ? "null" : "set", module);
  if (g_config.openResult != NO_ERROR) return g_config.openResult;
  *lphEnum = OurHandle();
  return NO_ERROR;
}

DWORD WINAPI WNetEnumResourceW(HANDLE hEnum, LPDWORD lpcCount, LPVOID lpBuffer,
                               LPDWORD lpBufferSize) {
  ++g_enumCalls;
  Log("enum call=%lu count=%lu size=%lu", g_enumCalls, *lpcCount, *lpBufferSize);
  if (hEnum != OurHandle()) return ERROR_INVALID_HANDLE;
  if (g_enumCalls == g_config.failCall) return g_config.failResult;
  if (g_cursor >= g_config.entries.size()) return ERROR_NO_MORE_ITEMS;

  if (g_config.emptyForever || g_enumCalls <= g_config.emptyCalls) {
    *lpcCount = 0;
    Log("served count=0");
    return NO_ERROR;
  }

  // How many of the next entries fit, records and strings together.
  const DWORD wanted = *lpcCount < g_config.perCall ? *lpcCount : g_config.perCall;
  DWORD filled = 0;
  std::size_t used = 0;
  while (filled < wanted && g_cursor + filled < g_config.entries.size() &&
         used + EntryBytes(g_config.entries[g_cursor + filled]) <= *lpBufferSize) {
    used += EntryBytes(g_config.entries[g_cursor + filled]);
    ++filled;
  }
  if (filled == 0) {
    // Not even the next one fits: say how large a buffer it needs.
    *lpBufferSize = static_cast<DWORD>(EntryBytes(g_config.entries[g_cursor]));
    Log("more-data size=%lu", *lpBufferSize);
    return ERROR_MORE_DATA;
  }

  // Records from the start; their strings either at the end of the buffer,
  // as the real interface does, or right after the records.
  BYTE* const begin = static_cast<BYTE*>(lpBuffer);
  const std::size_t stringBytes = used - filled * sizeof(NETRESOURCEW);
  BYTE* strings = g_config.stringsAfterRecords ? begin + filled * sizeof(NETRESOURCEW)
                                               : begin + *lpBufferSize - stringBytes;
  for (DWORD i = 0; i < filled; ++i, ++g_cursor) {
    const Entry& entry = g_config.entries[g_cursor];
    NETRESOURCEW& record = static_cast<NETRESOURCEW*>(lpBuffer)[i];
    record = NETRESOURCEW{};
    record.dwScope = RESOURCE_CONNECTED;
    record.dwType = RESOURCETYPE_DISK;
    record.dwUsage = RESOURCEUSAGE_CONNECTABLE;
    record.lpLocalName = PlaceString(entry.local, strings);
    record.lpRemoteName = PlaceString(entry.remote, strings);
  }
  *lpcCount = filled;
  Log("served count=%lu", filled);
  return NO_ERROR;
}

DWORD WINAPI WNetCloseEnum(HANDLE hEnum) {
  Log("close handle=%s", hEnum == OurHandle() ? "ok" : "wrong");
  return hEnum == OurHandle() ? NO_ERROR : ERROR_INVALID_HANDLE;
}

}  // extern "C"
