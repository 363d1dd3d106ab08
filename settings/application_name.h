// The application's name is its executable's file name without folder and
// extension: it names the registry key and captions the message boxes.
#pragma once

#include <string>
#include <string_view>

namespace menetkalk {

// "C:\\Games\\Menetkalk.exe" gives "Menetkalk". Only the last dot of the file
// name starts the extension; dots in folder names do not count.
std::wstring ApplicationNameFromPath(std::wstring_view path);

// The path with its file name's extension taken off, folder kept.
std::wstring_view PathWithoutExtension(std::wstring_view path);

}  // namespace menetkalk
