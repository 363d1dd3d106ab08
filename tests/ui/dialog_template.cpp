#include "tests/ui/dialog_template.h"

#include <windows.h>

#include "tests/ui/byte_reader.h"

namespace menetkalk::test {

DialogTemplate ParseDialogTemplate(std::span<const std::uint8_t> bytes) {
  ByteReader in(bytes);
  DialogTemplate t;
  t.version = in.U16();
  t.signature = in.U16();
  t.helpId = in.U32();
  t.exStyle = in.U32();
  t.style = in.U32();
  t.itemCount = in.U16();
  t.x = in.I16();
  t.y = in.I16();
  t.cx = in.I16();
  t.cy = in.I16();
  t.menu = in.NameOrOrdinalField();
  t.windowClass = in.NameOrOrdinalField();
  t.caption = in.WideString();
  if (t.style & (DS_SETFONT | DS_SHELLFONT)) {
    t.pointSize = in.U16();
    t.weight = in.U16();
    t.italic = in.U8();
    t.charset = in.U8();
    t.typeface = in.WideString();
  }
  for (std::uint16_t i = 0; i < t.itemCount; ++i) {
    in.AlignTo4();
    DialogItem item;
    item.helpId = in.U32();
    item.exStyle = in.U32();
    item.style = in.U32();
    item.x = in.I16();
    item.y = in.I16();
    item.cx = in.I16();
    item.cy = in.I16();
    item.id = in.U32();
    item.windowClass = in.NameOrOrdinalField();
    item.title = in.NameOrOrdinalField();
    item.creationDataSize = in.U16();
    in.Bytes(item.creationDataSize);
    t.items.push_back(item);
  }
  t.trailingBytes = in.Remaining();
  return t;
}

}  // namespace menetkalk::test
