// The version block of Menetkalk.exe: fixed part, the one string table with
// its entries in order, and the translation.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "tests/ui/built_executable.h"
#include "tests/ui/byte_reader.h"
#include "tests/ui/version_block.h"

namespace menetkalk::test {
namespace {

constexpr WORD kVersionId = 1;  // VS_VERSION_INFO

VersionNode ReadVersionBlock() {
  auto bytes = Menetkalk().Resource(RT_VERSION, kVersionId);
  if (bytes.empty()) throw std::runtime_error("no version block in English (United States)");
  return ParseVersionBlock(bytes);
}

std::vector<std::wstring> Keys(const std::vector<VersionNode>& nodes) {
  std::vector<std::wstring> keys;
  for (const VersionNode& node : nodes) keys.push_back(node.key);
  return keys;
}

TEST(VersionBlock, FixedPartGivesVersionOneZeroZeroOne) {
  VersionNode root = ReadVersionBlock();
  EXPECT_EQ(root.key, L"VS_VERSION_INFO");
  EXPECT_EQ(root.type, 0);
  ASSERT_EQ(root.value.size(), sizeof(VS_FIXEDFILEINFO));
  ByteReader in(root.value);
  EXPECT_EQ(in.U32(), 0xFEEF04BDu);  // signature
  EXPECT_EQ(in.U32(), 0x00010000u);  // structure version 1.0
  EXPECT_EQ(in.U32(), 0x00010000u);  // file version 1.0
  EXPECT_EQ(in.U32(), 0x00000001u);  //              .0.1
  EXPECT_EQ(in.U32(), 0x00010000u);  // product version 1.0
  EXPECT_EQ(in.U32(), 0x00000001u);  //                 .0.1
  EXPECT_EQ(in.U32(), 0x3Fu);        // flags mask
  EXPECT_EQ(in.U32(), 0u);           // flags
  EXPECT_EQ(in.U32(), static_cast<std::uint32_t>(VOS__WINDOWS32));
  EXPECT_EQ(in.U32(), static_cast<std::uint32_t>(VFT_APP));
  EXPECT_EQ(in.U32(), 0u);           // subtype
  EXPECT_EQ(in.U32(), 0u);           // date
  EXPECT_EQ(in.U32(), 0u);
}

TEST(VersionBlock, OneEnglishStringTableWithItsEntriesInOrder) {
  const std::vector<std::pair<std::wstring, std::wstring>> expected = {
      {L"CompanyName", L"TODO: <Company name>"},
      {L"FileDescription", L"TODO: <File description>"},
      {L"FileVersion", L"1.0.0.1"},
      {L"InternalName", L"Menetkalk.exe"},
      {L"LegalCopyright", L"TODO: <Copyright notice>"},
      {L"OriginalFilename", L"Menetkalk.exe"},
      {L"ProductName", L"TODO: <Product name>"},
      {L"ProductVersion", L"1.0.0.1"},
  };
  VersionNode root = ReadVersionBlock();
  ASSERT_EQ(Keys(root.children), (std::vector<std::wstring>{L"StringFileInfo", L"VarFileInfo"}));
  const VersionNode& stringFileInfo = root.children[0];
  ASSERT_EQ(Keys(stringFileInfo.children), std::vector<std::wstring>{L"040904e4"});
  const std::vector<VersionNode>& strings = stringFileInfo.children[0].children;

  ASSERT_EQ(strings.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(strings[i].key, expected[i].first);
    EXPECT_EQ(strings[i].type, 1);
    EXPECT_EQ(strings[i].Text(), expected[i].second);
    // The text and one terminator, nothing else.
    EXPECT_EQ(strings[i].value.size(), 2 * (expected[i].second.size() + 1));
  }
}

TEST(VersionBlock, TranslationIsEnglishUnitedStatesInCodePage1252) {
  VersionNode root = ReadVersionBlock();
  ASSERT_EQ(root.children.size(), 2u);
  const VersionNode& varFileInfo = root.children[1];
  ASSERT_EQ(Keys(varFileInfo.children), std::vector<std::wstring>{L"Translation"});
  const VersionNode& translation = varFileInfo.children[0];
  EXPECT_EQ(translation.type, 0);
  EXPECT_EQ(translation.value, (std::vector<std::uint8_t>{0x09, 0x04, 0xE4, 0x04}));
}

// Windows' own reader finds the same entries under the same table.
TEST(VersionBlock, WindowsReadsTheFileVersion) {
  auto bytes = Menetkalk().Resource(RT_VERSION, kVersionId);
  ASSERT_FALSE(bytes.empty());
  // VerQueryValue may write into the block it reads, so it gets a copy.
  std::vector<std::uint8_t> copy(bytes.begin(), bytes.end());
  copy.resize(copy.size() * 2);
  void* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(copy.data(), L"\\StringFileInfo\\040904e4\\FileVersion", &value, &length));
  EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(value)), L"1.0.0.1");
}

}  // namespace
}  // namespace menetkalk::test
