#include "tests/ui/built_executable.h"

#include <stdexcept>
#include <string>

namespace menetkalk::test {
namespace {

// The build hands over the path on the build machine, whose root directory
// Wine shows as drive Z:.
std::wstring ExecutablePath() {
  std::string path = std::string("Z:") + MENETKALK_EXE_PATH;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  int length = MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, wide.data(), length);
  wide.pop_back();  // the terminator
  return wide;
}

NameOrOrdinal FromResourceName(LPCWSTR name) {
  if (IS_INTRESOURCE(name)) {
    return Ordinal(static_cast<std::uint16_t>(reinterpret_cast<ULONG_PTR>(name)));
  }
  return Name(name);
}

struct Enumeration {
  ResourceInventory* inventory;
  NameOrOrdinal type;
  NameOrOrdinal name;
};

BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR context) {
  auto* e = reinterpret_cast<Enumeration*>(context);
  (*e->inventory)[e->type][e->name].insert(language);
  return TRUE;
}

BOOL CALLBACK AddName(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR context) {
  auto* e = reinterpret_cast<Enumeration*>(context);
  e->name = FromResourceName(name);
  (*e->inventory)[e->type][e->name];
  EnumResourceLanguagesW(module, type, name, AddLanguage, context);
  return TRUE;
}

BOOL CALLBACK AddType(HMODULE module, LPWSTR type, LONG_PTR context) {
  auto* e = reinterpret_cast<Enumeration*>(context);
  e->type = FromResourceName(type);
  (*e->inventory)[e->type];
  EnumResourceNamesW(module, type, AddName, context);
  return TRUE;
}

}  // namespace

BuiltExecutable::BuiltExecutable()
    : module_(LoadLibraryExW(ExecutablePath().c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {
  if (module_ == nullptr) {
    throw std::runtime_error(std::string("cannot load ") + MENETKALK_EXE_PATH + ", error " +
                             std::to_string(GetLastError()));
  }
}

BuiltExecutable::~BuiltExecutable() { FreeLibrary(module_); }

std::span<const std::uint8_t> BuiltExecutable::Resource(LPCWSTR type, WORD id) const {
  HRSRC found = FindResourceExW(module_, type, MAKEINTRESOURCEW(id), kEnglishUnitedStates);
  if (found == nullptr) {
    return {};
  }
  HGLOBAL loaded = LoadResource(module_, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) {
    return {};
  }
  return {static_cast<const std::uint8_t*>(bytes), SizeofResource(module_, found)};
}

ResourceInventory BuiltExecutable::Inventory() const {
  ResourceInventory inventory;
  Enumeration e{&inventory, {}, {}};
  EnumResourceTypesW(module_, AddType, reinterpret_cast<LONG_PTR>(&e));
  return inventory;
}

const BuiltExecutable& Menetkalk() {
  static const BuiltExecutable executable;
  return executable;
}

}  // namespace menetkalk::test
