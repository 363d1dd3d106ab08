#include "settings/application_name.h"

#include <gtest/gtest.h>

#include <string>

namespace menetkalk {
namespace {

TEST(ApplicationName, IsTheFileNameWithoutFolderAndExtension) {
  struct Case {
    std::wstring path;
    std::wstring name;
  };
  const Case cases[] = {
      {L"C:\\Program Files\\Menetkalk\\Menetkalk.exe", L"Menetkalk"},
      {L"Menetkalk.exe", L"Menetkalk"},
      {L"Z:/work/build/Menetkalk.EXE", L"Menetkalk"},
      {L"\\\\?\\C:\\very\\long\\path\\Menetkalk.exe", L"Menetkalk"},
      {L"C:\\Games\\Menet.kalk.exe", L"Menet.kalk"},     // only the last dot
      {L"C:\\Games.v2\\Menetkalk", L"Menetkalk"},        // a dotted folder is no extension
      {L"C:\\Games\\Menetkalk", L"Menetkalk"},
      {L"C:\\Games\\.exe", L""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ApplicationNameFromPath(c.path), c.name);
  }
}

TEST(ApplicationName, HelpFileStemKeepsTheFolder) {
  EXPECT_EQ(PathWithoutExtension(L"C:\\Games\\Menetkalk.exe"), L"C:\\Games\\Menetkalk");
  EXPECT_EQ(PathWithoutExtension(L"C:\\Games.v2\\Menetkalk"), L"C:\\Games.v2\\Menetkalk");
  EXPECT_EQ(PathWithoutExtension(L"Z:/a.b/Menet.kalk.exe"), L"Z:/a.b/Menet.kalk");
}

}  // namespace
}  // namespace menetkalk
