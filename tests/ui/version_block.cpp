#include "tests/ui/version_block.h"

#include <stdexcept>

#include "tests/ui/byte_reader.h"

namespace menetkalk::test {
namespace {

VersionNode ParseNode(ByteReader& in) {
  std::uint16_t length = in.U16();
  if (length < 6) {  // wLength, wValueLength and wType at least
    throw std::out_of_range("version block of " + std::to_string(length) + " bytes");
  }
  // The block, children included, lies within its length.
  ByteReader block = in.Block(length - 2u);
  std::uint16_t valueLength = block.U16();
  VersionNode node;
  node.type = block.U16();
  node.key = block.WideString();
  block.AlignTo4();
  auto value = block.Bytes(node.type == 1 ? 2u * valueLength : valueLength);
  node.value.assign(value.begin(), value.end());
  block.AlignTo4();
  while (block.Remaining() > 0) {
    node.children.push_back(ParseNode(block));
  }
  in.AlignTo4();
  return node;
}

}  // namespace

std::wstring VersionNode::Text() const {
  ByteReader in(value);
  return in.WideString();
}

VersionNode ParseVersionBlock(std::span<const std::uint8_t> bytes) {
  ByteReader in(bytes);
  return ParseNode(in);
}

}  // namespace menetkalk::test
