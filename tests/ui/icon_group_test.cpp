// The icon group IDR_MAINFRAME and its two images, read back from
// Menetkalk.exe: directory entries, image sizes and bitmap headers.
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

struct ExpectedImage {
  WORD id;
  std::uint8_t size;  // width and height
  std::uint32_t bytes;
};

// In the order of the group directory.
constexpr ExpectedImage kImages[] = {{1, 32, 744}, {2, 16, 296}};

std::uint32_t RowBytes(std::uint32_t width, std::uint32_t bitsPerPixel) {
  return (width * bitsPerPixel + 31) / 32 * 4;
}

TEST(IconGroup, DirectoryListsTheTwoSixteenColourImages) {
  auto bytes = Menetkalk().Resource(RT_GROUP_ICON, IDR_MAINFRAME);
  ASSERT_FALSE(bytes.empty());
  ByteReader in(bytes);
  EXPECT_EQ(in.U16(), 0);  // reserved
  EXPECT_EQ(in.U16(), 1);  // icons, not cursors
  ASSERT_EQ(in.U16(), std::size(kImages));
  for (const ExpectedImage& want : kImages) {
    SCOPED_TRACE("image " + std::to_string(want.id));
    EXPECT_EQ(in.U8(), want.size);  // width
    EXPECT_EQ(in.U8(), want.size);  // height
    EXPECT_EQ(in.U8(), 16);         // colours
    EXPECT_EQ(in.U8(), 0);          // reserved
    EXPECT_EQ(in.U16(), 1);         // planes
    EXPECT_EQ(in.U16(), 4);         // bits per pixel
    EXPECT_EQ(in.U32(), want.bytes);
    EXPECT_EQ(in.U16(), want.id);
  }
  EXPECT_EQ(in.Remaining(), 0u);
}

TEST(IconGroup, ImagesAreStandardFourBitIcons) {
  for (const ExpectedImage& want : kImages) {
    SCOPED_TRACE("image " + std::to_string(want.id));
    auto bytes = Menetkalk().Resource(RT_ICON, want.id);
    ASSERT_EQ(bytes.size(), want.bytes);

    const std::uint32_t colourBytes = RowBytes(want.size, 4) * want.size;
    const std::uint32_t maskBytes = RowBytes(want.size, 1) * want.size;
    ByteReader in(bytes);
    EXPECT_EQ(in.U32(), sizeof(BITMAPINFOHEADER));
    EXPECT_EQ(in.U32(), want.size);      // width
    EXPECT_EQ(in.U32(), 2u * want.size);  // height: colour bitmap and mask
    EXPECT_EQ(in.U16(), 1);              // planes
    EXPECT_EQ(in.U16(), 4);              // bits per pixel
    EXPECT_EQ(in.U32(), static_cast<std::uint32_t>(BI_RGB));
    EXPECT_EQ(in.U32(), colourBytes + maskBytes);  // image size
    in.Bytes(16);                                   // resolution, colours used and important
    in.Bytes(16 * sizeof(RGBQUAD));                 // palette
    auto colours = in.Bytes(colourBytes);
    in.Bytes(maskBytes);
    EXPECT_EQ(in.Remaining(), 0u);

    // A picture, not an empty square: several colours are painted.
    std::set<int> used;
    for (std::uint8_t pair : colours) {
      used.insert(pair >> 4);
      used.insert(pair & 0x0F);
    }
    EXPECT_GE(used.size(), 4u);

    // And Windows takes it for an icon.
    HICON icon = CreateIconFromResourceEx(const_cast<PBYTE>(bytes.data()), static_cast<DWORD>(bytes.size()),
                                          TRUE, 0x00030000, 0, 0, LR_DEFAULTCOLOR);
    EXPECT_NE(icon, nullptr);
    if (icon) DestroyIcon(icon);
  }
}

}  // namespace
}  // namespace menetkalk::test
