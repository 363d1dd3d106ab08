#include "tests/e2e/system_menu_reading.h"

#include <sstream>

#include "tests/e2e/app_session.h"
#include "tests/e2e/built_files.h"
#include "tests/e2e/system_menu_channel.h"
#include "tests/e2e/window_reading.h"

namespace e2e {

void PrintTo(const MenuItem& item, std::ostream* os) {
  *os << "type " << item.type << ", id " << item.id << ", \"" << Narrow(item.text) << "\"";
}

std::optional<std::vector<MenuItem>> ReadSystemMenu(HWND window) {
  HANDLE mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      static_cast<DWORD>(kSystemMenuBlockBytes), kSystemMenuBlockName);
  if (!mapping) return std::nullopt;
  std::wstring lines;
  auto* block = static_cast<wchar_t*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, kSystemMenuBlockBytes));
  HMODULE hookModule = LoadLibraryW(SystemMenuHookPath().c_str());
  auto hookProc =
      hookModule ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(hookModule, "SystemMenuHook")))
                 : nullptr;
  if (block && hookProc) {
    block[0] = L'\0';
    if (HHOOK hook =
            SetWindowsHookExW(WH_CALLWNDPROC, hookProc, hookModule, GetWindowThreadProcessId(window, nullptr))) {
      DWORD_PTR ignored = 0;
      SendMessageTimeoutW(window, RegisterWindowMessageW(kReadSystemMenuMessage), 0, 0, SMTO_ABORTIFHUNG, kWaitMs,
                          &ignored);
      UnhookWindowsHookEx(hook);
      lines.assign(block, wcsnlen(block, kSystemMenuBlockBytes / sizeof(wchar_t)));
    }
  }
  if (hookModule) FreeLibrary(hookModule);
  if (block) UnmapViewOfFile(block);
  CloseHandle(mapping);
  if (lines.empty() || lines == L"no system menu\n") return std::nullopt;

  std::vector<MenuItem> items;
  std::wistringstream stream(lines);
  for (std::wstring line; std::getline(stream, line);) {
    MenuItem item;
    const size_t firstTab = line.find(L'\t'), secondTab = line.find(L'\t', firstTab + 1);
    if (secondTab == std::wstring::npos) return std::nullopt;
    item.type = static_cast<UINT>(std::stoul(line.substr(0, firstTab)));
    item.id = static_cast<UINT>(std::stoul(line.substr(firstTab + 1, secondTab - firstTab - 1)));
    item.text = line.substr(secondTab + 1);
    items.push_back(item);
  }
  return items;
}

}  // namespace e2e
