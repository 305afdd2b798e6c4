// Starts the tool the way a Windows program would, for the end-to-end tests.
// `wine prog args` rebuilds a command line from Unix words; this passes one
// exactly as written, read from a file.
//
//   launcher a TOOL LINE_FILE            CreateProcessA with the file's bytes;
//                                        the tool inherits our standard handles
//   launcher handle TOOL LINE_FILE OUT   the same, with OUT given as hStdOutput
//                                        through STARTF_USESTDHANDLES
//   launcher w TOOL LINE_FILE            CreateProcessW with the file read as UTF-8
//   launcher version TOOL                prints the version resource, key=value
//   launcher manifest TOOL               prints the embedded application manifest
//
// Exits with the tool's exit status; 250 when the launcher itself fails.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr int kLauncherFailed = 250;

int Fail(const char* what) {
  std::fprintf(stderr, "launcher: %s failed (error %lu)\n", what, GetLastError());
  return kLauncherFailed;
}

bool ReadFileBytes(const char* path, std::string& bytes) {
  std::ifstream file(path, std::ios::binary);
  bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return file.is_open();
}

std::wstring Widen(const std::string& text, UINT codePage) {
  if (text.empty()) return std::wstring();
  const int units =
      MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), units);
  return wide;
}

std::string Utf8(const wchar_t* text) {
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(bytes > 0 ? bytes : 1), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, narrow.data(), bytes, nullptr, nullptr);
  narrow.resize(std::strlen(narrow.c_str()));
  return narrow;
}

int WaitForExit(const PROCESS_INFORMATION& process) {
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 0;
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(status);
}

int StartNarrow(const char* tool, const char* lineFile, const char* outputFile) {
  std::string line;
  if (!ReadFileBytes(lineFile, line)) return Fail("reading the command line");
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  HANDLE output = INVALID_HANDLE_VALUE;
  if (outputFile != nullptr) {
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    output = CreateFileA(outputFile, GENERIC_WRITE, FILE_SHARE_READ, &inheritable, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    if (output == INVALID_HANDLE_VALUE) return Fail("creating the output file");
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  }
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(tool, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return Fail("CreateProcessA");
  }
  const int status = WaitForExit(process);
  if (output != INVALID_HANDLE_VALUE) CloseHandle(output);
  return status;
}

int StartWide(const char* tool, const char* lineFile) {
  std::string line;
  if (!ReadFileBytes(lineFile, line)) return Fail("reading the command line");
  std::wstring wideLine = Widen(line, CP_UTF8);
  const std::wstring wideTool = Widen(tool, CP_ACP);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(wideTool.c_str(), wideLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return Fail("CreateProcessW");
  }
  return WaitForExit(process);
}

int PrintVersion(const char* tool) {
  const std::wstring path = Widen(tool, CP_ACP);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return Fail("GetFileVersionInfoSizeW");
  std::vector<BYTE> data(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data())) return Fail("GetFileVersionInfoW");

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length)) {
    const auto print = [](const char* key, DWORD high, DWORD low) {
      std::printf("%s=%u.%u.%u.%u\n", key, unsigned{HIWORD(high)}, unsigned{LOWORD(high)},
                  unsigned{HIWORD(low)}, unsigned{LOWORD(low)});
    };
    print("FixedFileVersion", fixed->dwFileVersionMS, fixed->dwFileVersionLS);
    print("FixedProductVersion", fixed->dwProductVersionMS, fixed->dwProductVersionLS);
  }
  WORD* translation = nullptr;
  if (VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                     reinterpret_cast<void**>(&translation), &length) &&
      length >= 4) {
    std::printf("Translation=%04x %u\n", translation[0], translation[1]);
  }
  const wchar_t* const kKeys[] = {L"Comments",         L"CompanyName",  L"FileDescription",
                                  L"FileVersion",      L"InternalName", L"LegalCopyright",
                                  L"OriginalFilename", L"ProductName",  L"ProductVersion"};
  for (const wchar_t* key : kKeys) {
    std::wstring query = std::wstring(L"\\StringFileInfo\\040904E4\\") + key;
    wchar_t* value = nullptr;
    if (VerQueryValueW(data.data(), query.c_str(), reinterpret_cast<void**>(&value), &length)) {
      std::printf("%s=%s\n", Utf8(key).c_str(), Utf8(value).c_str());
    }
  }
  return 0;
}

int PrintManifest(const char* tool) {
  const std::wstring path = Widen(tool, CP_ACP);
  HMODULE image = LoadLibraryExW(path.c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (image == nullptr) return Fail("LoadLibraryExW");
  HRSRC resource = FindResourceW(image, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  if (resource == nullptr) return Fail("FindResourceW");
  const void* bytes = LockResource(LoadResource(image, resource));
  std::fwrite(bytes, 1, SizeofResource(image, resource), stdout);
  FreeLibrary(image);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "a" && argc == 4) return StartNarrow(argv[2], argv[3], nullptr);
  if (mode == "handle" && argc == 5) return StartNarrow(argv[2], argv[3], argv[4]);
  if (mode == "w" && argc == 4) return StartWide(argv[2], argv[3]);
  if (mode == "version" && argc == 3) return PrintVersion(argv[2]);
  if (mode == "manifest" && argc == 3) return PrintManifest(argv[2]);
  std::fprintf(
      stderr,
      "usage: launcher a|w TOOL LINE_FILE | handle TOOL LINE_FILE OUT | version|manifest TOOL\n");
  return kLauncherFailed;
}
