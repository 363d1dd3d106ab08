#include "ui/framework/cmd_target.h"

constinit const MessageMap CCmdTarget::messageMap{};

const MessageMap* CCmdTarget::GetMessageMap() const { return &messageMap; }

bool CCmdTarget::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const MessageMapEntry* entry = FindMessageEntry(GetMessageMap(), message, wParam);
  if (entry == nullptr) return false;
  result = entry->invoke(*this, wParam, lParam);
  return true;
}
