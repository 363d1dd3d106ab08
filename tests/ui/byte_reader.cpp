#include "tests/ui/byte_reader.h"

#include <stdexcept>
#include <string>

namespace menetkalk::test {

std::span<const std::uint8_t> ByteReader::Bytes(std::size_t count) {
  if (count > Remaining()) {
    throw std::out_of_range("resource ends at byte " + std::to_string(bytes_.size()) + ", " +
                            std::to_string(count) + " more wanted at byte " +
                            std::to_string(offset_));
  }
  auto field = bytes_.subspan(offset_, count);
  offset_ += count;
  return field;
}

ByteReader ByteReader::Block(std::size_t count) {
  std::size_t start = base_ + offset_;
  return ByteReader(Bytes(count), start);
}

std::uint8_t ByteReader::U8() { return Bytes(1)[0]; }

std::uint16_t ByteReader::U16() {
  auto b = Bytes(2);
  return static_cast<std::uint16_t>(b[0] | b[1] << 8);
}

std::int16_t ByteReader::I16() { return static_cast<std::int16_t>(U16()); }

std::uint32_t ByteReader::U32() {
  std::uint32_t low = U16();
  std::uint32_t high = U16();
  return low | high << 16;
}

std::wstring ByteReader::WideString() {
  std::wstring text;
  for (std::uint16_t c = U16(); c != 0; c = U16()) {
    text.push_back(static_cast<wchar_t>(c));
  }
  return text;
}

NameOrOrdinal ByteReader::NameOrOrdinalField() {
  std::uint16_t first = U16();
  if (first == 0x0000) {
    return None();
  }
  if (first == 0xFFFF) {
    return Ordinal(U16());
  }
  std::wstring name(1, static_cast<wchar_t>(first));
  name += WideString();
  return Name(name);
}

void ByteReader::AlignTo4() {
  std::size_t padding = (4 - (base_ + offset_) % 4) % 4;
  Bytes(padding < Remaining() ? padding : Remaining());
}

}  // namespace menetkalk::test
