// Reads the little-endian fields of a resource's bytes in order. Reading past
// the end throws std::out_of_range, so a short resource fails its test
// instead of reading outside it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "tests/ui/name_or_ordinal.h"

namespace menetkalk::test {

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes, std::size_t base = 0)
      : bytes_(bytes), base_(base) {}

  std::uint8_t U8();
  std::uint16_t U16();
  std::int16_t I16();
  std::uint32_t U32();
  std::span<const std::uint8_t> Bytes(std::size_t count);
  // The next `count` bytes as a reader of their own, which aligns as this one.
  ByteReader Block(std::size_t count);
  // A zero-terminated UTF-16 string; the terminator is read but not returned.
  std::wstring WideString();
  // 0x0000 for none, 0xFFFF and an ordinal, or a zero-terminated name.
  NameOrOrdinal NameOrOrdinalField();
  // Skips to the next multiple of four bytes from the resource's start, or to the end,
  // where the padding after the last field may be left out.
  void AlignTo4();

  std::size_t Offset() const { return offset_; }
  std::size_t Remaining() const { return bytes_.size() - offset_; }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t base_;  // where bytes_ begins in the whole resource
  std::size_t offset_ = 0;
};

}  // namespace menetkalk::test
