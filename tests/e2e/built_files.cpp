#include "tests/e2e/built_files.h"

#include <windows.h>

namespace e2e {
namespace {

// The build hands over paths as the build machine writes them; under Wine
// that is a Unix path, which Wine maps to a drive of its own.
std::wstring WindowsPath(const std::string& path) {
  using ToDos = WCHAR* (*)(const char*);
  if (HMODULE kernel = GetModuleHandleW(L"kernel32.dll")) {
    auto toDos = reinterpret_cast<ToDos>(reinterpret_cast<void*>(GetProcAddress(kernel, "wine_get_dos_file_name")));
    if (toDos && !path.empty() && path[0] == '/') {
      if (WCHAR* dos = toDos(path.c_str())) {
        std::wstring result = dos;
        HeapFree(GetProcessHeap(), 0, dos);
        return result;
      }
    }
  }
  return std::wstring(path.begin(), path.end());
}

}  // namespace

std::wstring BuiltProgramPath() { return WindowsPath(MENETKALK_EXE_PATH); }
std::wstring SystemMenuHookPath() { return WindowsPath(MENETKALK_SYSTEM_MENU_HOOK_PATH); }

}  // namespace e2e
