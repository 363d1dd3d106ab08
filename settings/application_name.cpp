#include "settings/application_name.h"

namespace menetkalk {

std::wstring ApplicationNameFromPath(std::wstring_view path) {
  const std::size_t folderEnd = path.find_last_of(L"\\/");
  std::wstring_view name = folderEnd == std::wstring_view::npos ? path : path.substr(folderEnd + 1);
  const std::size_t dot = name.rfind(L'.');
  if (dot != std::wstring_view::npos) name = name.substr(0, dot);
  return std::wstring(name);
}

}  // namespace menetkalk
