#include "ui/framework/message_map.h"

const MessageMapEntry* FindMessageEntry(const MessageMap* map, UINT message, WPARAM wParam) {
  for (; map != nullptr; map = map->base) {
    for (const MessageMapEntry& entry : map->entries) {
      if (entry.message != message) continue;
      if (message == WM_COMMAND && (entry.code != HIWORD(wParam) || entry.id != LOWORD(wParam))) continue;
      return &entry;
    }
  }
  return nullptr;
}
