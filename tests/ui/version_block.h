// A version resource read as its tree of blocks (VS_VERSIONINFO,
// StringFileInfo, string tables, strings, VarFileInfo, Var).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace menetkalk::test {

struct VersionNode {
  std::wstring key;
  std::uint16_t type = 0;  // 1 for text, 0 for binary
  std::vector<std::uint8_t> value;
  std::vector<VersionNode> children;

  // The text of a text value, without its terminator; throws
  // std::out_of_range when the terminator is missing.
  std::wstring Text() const;
};

// Throws std::out_of_range when a block runs past its parent or the resource.
VersionNode ParseVersionBlock(std::span<const std::uint8_t> bytes);

}  // namespace menetkalk::test
