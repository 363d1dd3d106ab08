// What receives messages through a message map: windows and the
// application object.
#pragma once

#include "ui/framework/message_map.h"

class CCmdTarget {
 public:
  CCmdTarget() = default;
  CCmdTarget(const CCmdTarget&) = delete;
  CCmdTarget& operator=(const CCmdTarget&) = delete;
  virtual ~CCmdTarget() = default;

  virtual const MessageMap* GetMessageMap() const;

  // Runs the handler of the first matching entry; false when none matches.
  bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

 protected:
  static const MessageMap messageMap;  // empty: the root of every chain
};
