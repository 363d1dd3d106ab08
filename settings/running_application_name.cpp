#include "settings/running_application_name.h"

#include <windows.h>

#include "settings/application_name.h"

namespace menetkalk {

std::wstring RunningExecutablePath() {
  // Paths may exceed MAX_PATH; a full buffer means the path was cut, so grow
  // it up to the longest path Windows allows.
  constexpr DWORD kLongestPath = 32768;
  std::wstring path;
  for (DWORD size = MAX_PATH;; size *= 2) {
    path.resize(size);
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), size);
    if (length == 0) return {};
    if (length < size) {
      path.resize(length);
      return path;
    }
    if (size >= kLongestPath) return {};
  }
}

std::wstring RunningApplicationName() {
  const std::wstring path = RunningExecutablePath();
  return path.empty() ? std::wstring() : ApplicationNameFromPath(path);
}

}  // namespace menetkalk
