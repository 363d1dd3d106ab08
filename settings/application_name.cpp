#include "settings/application_name.h"

namespace menetkalk {

std::wstring_view PathWithoutExtension(std::wstring_view path) {
  const std::size_t folderEnd = path.find_last_of(L"\\/");
  const std::size_t dot = path.rfind(L'.');
  if (dot == std::wstring_view::npos || (folderEnd != std::wstring_view::npos && dot < folderEnd)) return path;
  return path.substr(0, dot);
}

std::wstring ApplicationNameFromPath(std::wstring_view path) {
  const std::wstring_view stem = PathWithoutExtension(path);
  const std::size_t folderEnd = stem.find_last_of(L"\\/");
  return std::wstring(folderEnd == std::wstring_view::npos ? stem : stem.substr(folderEnd + 1));
}

}  // namespace menetkalk
