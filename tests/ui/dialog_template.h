// An extended dialog template (DLGTEMPLATEEX and its DLGITEMTEMPLATEEX items)
// read field by field from a resource.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "tests/ui/name_or_ordinal.h"

namespace menetkalk::test {

struct DialogItem {
  std::uint32_t helpId = 0;
  std::uint32_t exStyle = 0;
  std::uint32_t style = 0;
  std::int16_t x = 0, y = 0, cx = 0, cy = 0;
  std::uint32_t id = 0;
  NameOrOrdinal windowClass;
  NameOrOrdinal title;
  std::uint16_t creationDataSize = 0;
};

struct DialogTemplate {
  std::uint16_t version = 0;
  std::uint16_t signature = 0;
  std::uint32_t helpId = 0;
  std::uint32_t exStyle = 0;
  std::uint32_t style = 0;
  std::uint16_t itemCount = 0;
  std::int16_t x = 0, y = 0, cx = 0, cy = 0;
  NameOrOrdinal menu;
  NameOrOrdinal windowClass;
  std::wstring caption;
  // Present with DS_SETFONT (or DS_SHELLFONT) only.
  std::uint16_t pointSize = 0;
  std::uint16_t weight = 0;
  std::uint8_t italic = 0;
  std::uint8_t charset = 0;
  std::wstring typeface;
  std::vector<DialogItem> items;
  // Bytes after the last item.
  std::size_t trailingBytes = 0;
};

// Throws std::out_of_range when the template runs past its resource.
DialogTemplate ParseDialogTemplate(std::span<const std::uint8_t> bytes);

}  // namespace menetkalk::test
