// What Menetkalk.exe holds as resources, all of it, and its one string; the
// shared id table keeps its values.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <iterator>
#include <set>
#include <string>

#include "tests/ui/built_executable.h"
#include "tests/ui/byte_reader.h"
#include "ui/resource.h"

namespace menetkalk::test {
namespace {

static_assert(IDD_ABOUTBOX == 100);
static_assert(IDS_ABOUTBOX == 101);
static_assert(IDD_PLANNER_DIALOG == 102);
static_assert(IDR_MAINFRAME == 128);
static_assert(IDM_ABOUTBOX == 0x0010 && (IDM_ABOUTBOX & 0x000F) == 0);
static_assert(IDOK == 1 && IDCANCEL == 2);
static_assert(IDC_CALCULATE == 3);
static_assert(IDC_PEOPLE == 1000 && IDC_UNIT_LIST == 1001);
static_assert(IDC_OWN_X == 1002 && IDC_OWN_Y == 1003 && IDC_TARGET_X == 1004 && IDC_TARGET_Y == 1005);
static_assert(IDC_REPORT == 1006 && IDC_TRAINING_LEVEL == 1007);
static_assert(IDC_ARRIVAL_HOUR == 1008 && IDC_ARRIVAL_MINUTE == 1009 && IDC_ARRIVAL_SECOND == 1010);
static_assert(IDC_ARRIVAL_DAY == 1011);
static_assert(IDC_STATIC == -1);

// String ids are stored sixteen to a block; block n + 1 holds ids 16n..16n+15.
constexpr WORD kAboutStringBlock = IDS_ABOUTBOX / 16 + 1;

NameOrOrdinal Type(LPCWSTR type) {
  return Ordinal(static_cast<std::uint16_t>(reinterpret_cast<ULONG_PTR>(type)));
}

TEST(ResourceInventory, HoldsExactlyTheProgramsResourcesInEnglish) {
  const std::set<WORD> english{kEnglishUnitedStates};
  const ResourceInventory expected{
      {Type(RT_ICON), {{Ordinal(1), english}, {Ordinal(2), english}}},
      {Type(RT_DIALOG), {{Ordinal(IDD_ABOUTBOX), english}, {Ordinal(IDD_PLANNER_DIALOG), english}}},
      {Type(RT_STRING), {{Ordinal(kAboutStringBlock), english}}},
      {Type(RT_GROUP_ICON), {{Ordinal(IDR_MAINFRAME), english}}},
      {Type(RT_VERSION), {{Ordinal(1), english}}},
  };
  // No manifest, menu, accelerators or dialog-init data either.
  EXPECT_EQ(Menetkalk().Inventory(), expected);
}

TEST(ResourceInventory, StringTableHoldsOnlyTheAboutEntry) {
  wchar_t text[64] = {};
  ASSERT_EQ(LoadStringW(Menetkalk().Module(), IDS_ABOUTBOX, text, static_cast<int>(std::size(text))), 19);
  EXPECT_EQ(std::wstring(text), L"&About Menetkalk...");

  // The block of the string: sixteen counted strings, all others empty.
  auto bytes = Menetkalk().Resource(RT_STRING, kAboutStringBlock);
  ASSERT_FALSE(bytes.empty());
  ByteReader in(bytes);
  for (int i = 0; i < 16; ++i) {
    std::uint16_t length = in.U16();
    in.Bytes(2u * length);
    if (16 * (kAboutStringBlock - 1) + i == IDS_ABOUTBOX) {
      EXPECT_EQ(length, 19);
    } else {
      EXPECT_EQ(length, 0) << "string " << 16 * (kAboutStringBlock - 1) + i;
    }
  }
  EXPECT_EQ(in.Remaining(), 0u);
}

}  // namespace
}  // namespace menetkalk::test
